#include "update/receive_buffer.h"

#include <algorithm>
#include <cstring>

ReceiveBuffer::ReceiveBuffer(std::size_t capacity_limit) : capacity_limit_(capacity_limit) {}

std::size_t ReceiveBuffer::append(const char* bytes, std::size_t count) {
    // One byte always stays free after the data, so a full buffer holds limit - 1 bytes.
    const std::size_t room = capacity_limit_ - 1 - size_;
    const std::size_t taken = std::min(count, room);
    if (taken == 0) {
        return 0;
    }
    grow_to_hold(size_ + taken);
    std::memcpy(storage_.data() + size_, bytes, taken);
    size_ += taken;
    return taken;
}

void ReceiveBuffer::clear() {
    storage_ = {};
    size_ = 0;
}

void ReceiveBuffer::grow_to_hold(std::size_t needed) {
    if (needed < storage_.size()) {
        return;
    }
    std::size_t capacity = storage_.empty() ? first_capacity : storage_.size();
    while (capacity <= needed) {
        capacity *= 2;
    }
    // The new bytes are zero-filled, which keeps the data followed by a zero byte.
    storage_.resize(std::min(capacity, capacity_limit_));
}
