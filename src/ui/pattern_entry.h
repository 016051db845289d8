#pragma once

#include "model/pattern.h"

#include <array>
#include <string>

// What the row of controls in which a pattern is entered holds: the chosen target and
// comparison (positions in their drop-down lists), the phrase and the case flag. The pattern
// editors show a pattern through it and build one from it.
struct PatternEntry {
    static constexpr std::array<const wchar_t*, 2> TARGETS{L"Window Title", L"Image Name"};
    // Position i stands for compare mode i + 1.
    static constexpr std::array<const wchar_t*, 4> COMPARISONS{L"Starts With", L"Contains",
                                                               L"Ends With", L"Exactly Matches"};
    static constexpr int CONTAINS_INDEX = 1;

    int target_index = 0;
    int comparison_index = CONTAINS_INDEX;
    std::wstring phrase;
    bool case_sensitive = false;

    bool operator==(const PatternEntry&) const = default;
};

// How a pattern shows in the entry row. The lists offer only the four real comparisons, so the
// never and everything modes (and any unknown one) show as "Contains"; any non-zero target
// shows as the image name, which is what it matches.
PatternEntry entry_for(const Pattern& pattern);

// The pattern the row stands for. A position outside its list counts as the first entry.
Pattern pattern_from(const PatternEntry& entry);
