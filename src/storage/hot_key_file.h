#pragma once

#include "storage/config_element.h"

#include "model/hot_key.h"

#include <vector>

class DataModel;

// hotkeys.xml: a `hotkeys` element under the root with one `rule` per hot key: first the five
// program-wide slots (`event_index` 0 to 4), then the group hot keys (`event_index` -1).
// Ids are never stored; every hot key read takes a fresh one.

// Reads a loaded file into the model's group hot keys and event slots; run it after the groups
// are loaded. A rule lacking an attribute or naming a group that does not exist is logged and
// skipped; one with another event index is skipped silently. False, logged, when the root has
// no `hotkeys`. With `unbound`, a group hot key whose group does not exist goes there as read
// instead, silently: its group may be in a file that could not be read.
bool read_hot_keys(const engine::config_element& root, DataModel& model,
                   std::vector<HotKey>* unbound);
bool read_hot_keys(const engine::config_element& root, DataModel& model);

// Replaces everything in the tree with the five event slots and the group hot keys, followed
// by the `unbound` ones.
void write_hot_keys(const DataModel& model, engine::config_element& root,
                    const std::vector<HotKey>& unbound);
void write_hot_keys(const DataModel& model, engine::config_element& root);
