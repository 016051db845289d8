#include "storage/pattern_attributes.h"

bool read_pattern(const engine::config_element& element, Pattern& pattern) {
    if (!element.has_properties({L"phrase", L"compare", L"applies_to", L"case_sensitive"}))
        return false;
    pattern.set_phrase(element.find_property(L"phrase")->get_value());
    pattern.set_compare(element.find_property(L"compare")->get_int());
    pattern.set_applies_to(element.find_property(L"applies_to")->get_int());
    pattern.set_case_sensitive(element.find_property(L"case_sensitive")->get_bool());
    return true;
}

void write_pattern(const Pattern& pattern, engine::config_element& element) {
    element.property(L"phrase").set_value(pattern.phrase);
    element.property(L"compare").set_int(pattern.compare);
    element.property(L"applies_to").set_int(pattern.applies_to);
    element.property(L"case_sensitive").set_bool(pattern.case_sensitive);
}
