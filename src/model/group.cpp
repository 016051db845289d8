#include "model/group.h"

Pattern Group::pattern(int index) const {
    if (index < 0 || index >= pattern_count()) {
        return Pattern{};
    }
    return patterns_[static_cast<std::size_t>(index)];
}

void Group::remove_pattern(int index) {
    if (index < 0 || index >= pattern_count()) {
        return;
    }
    patterns_.erase(patterns_.begin() + index);
}
