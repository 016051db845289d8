#pragma once

#include <cstddef>
#include <vector>

// The bytes of one download. Storage starts at 1,024 bytes and doubles whenever the data would
// fill it, so a zero byte always follows the data. Storage never grows past `capacity_limit`:
// whatever would not fit below it is refused, so a server cannot make the buffer grow without
// bound.
class ReceiveBuffer {
public:
    static constexpr std::size_t first_capacity = 1024;

    // `capacity_limit` must be a power of two of at least `first_capacity`.
    explicit ReceiveBuffer(std::size_t capacity_limit);

    // Appends as many of the bytes as fit and returns how many that was.
    std::size_t append(const char* bytes, std::size_t count);
    // Forgets the data and releases the storage.
    void clear();

    const unsigned char* data() const { return storage_.data(); }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return storage_.size(); }
    std::size_t capacity_limit() const { return capacity_limit_; }
    bool empty() const { return size_ == 0; }

private:
    void grow_to_hold(std::size_t needed);

    std::vector<unsigned char> storage_;
    std::size_t size_ = 0;
    std::size_t capacity_limit_;
};
