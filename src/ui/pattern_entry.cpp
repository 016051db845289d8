#include "ui/pattern_entry.h"

namespace {

int comparison_index_of(int compare) {
    switch (compare) {
    case Pattern::STARTS_WITH:
    case Pattern::ENDS_WITH:
    case Pattern::EXACTLY_MATCHES:
        return compare - 1;
    default:
        return PatternEntry::CONTAINS_INDEX;
    }
}

bool within(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

} // namespace

PatternEntry entry_for(const Pattern& pattern) {
    return {.target_index = pattern.applies_to_image_name() ? 1 : 0,
            .comparison_index = comparison_index_of(pattern.compare),
            .phrase = pattern.phrase,
            .case_sensitive = pattern.case_sensitive};
}

Pattern pattern_from(const PatternEntry& entry) {
    const int target =
        within(entry.target_index, PatternEntry::TARGETS.size()) ? entry.target_index : 0;
    const int comparison = within(entry.comparison_index, PatternEntry::COMPARISONS.size())
                               ? entry.comparison_index
                               : 0;
    return {.compare = comparison + 1,
            .applies_to = target == 0 ? Pattern::WINDOW_TITLE : Pattern::IMAGE_NAME,
            .phrase = entry.phrase,
            .case_sensitive = entry.case_sensitive};
}
