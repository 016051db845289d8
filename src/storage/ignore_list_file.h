#pragma once

#include "storage/config_element.h"

class DataModel;

// ignore_list.xml: an `ignore_list` element under the root with one `rule` per pattern.

// Appends the patterns of a loaded file to the model's ignore list. A rule lacking an
// attribute is logged and skipped. False, logged, when the root has no `ignore_list`.
bool read_ignore_list(const engine::config_element& root, DataModel& model);

// Replaces everything in the tree with the model's ignore list.
void write_ignore_list(const DataModel& model, engine::config_element& root);

// What a first run starts with: windows titled exactly "Start" or "Program Manager".
void add_default_ignore_patterns(DataModel& model);
