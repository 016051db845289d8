#pragma once

#include "model/pattern.h"

#include <string>
#include <vector>

// A named, numbered list of patterns. Hot keys and timers refer to a group by its id, never
// by its position in the model.
class Group {
public:
    explicit Group(int id = 0) : id_(id) {}

    int id() const { return id_; }
    const std::wstring& name() const { return name_; }
    void set_name(const std::wstring& name) { name_ = name; }

    void add_pattern(const Pattern& pattern) { patterns_.push_back(pattern); }
    // A copy of pattern `index`, or the default pattern when out of range.
    Pattern pattern(int index) const;
    // Later patterns move up; an index out of range changes nothing.
    void remove_pattern(int index);
    int pattern_count() const { return static_cast<int>(patterns_.size()); }
    const std::vector<Pattern>& patterns() const { return patterns_; }

    bool operator==(const Group&) const = default;

private:
    int id_;
    std::wstring name_ = L"Untitled Group";
    std::vector<Pattern> patterns_;
};
