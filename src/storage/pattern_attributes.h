#pragma once

#include "model/pattern.h"
#include "storage/config_element.h"

// A pattern as the ignore list and the groups store it: the attributes `phrase`, `compare`,
// `applies_to` and `case_sensitive` of one element.

// False, leaving `pattern` alone, when one of the four attributes is missing.
bool read_pattern(const engine::config_element& element, Pattern& pattern);
void write_pattern(const Pattern& pattern, engine::config_element& element);
