#pragma once

#include "storage/config_element.h"

#include <unordered_set>

class DataModel;

// groups.xml: a `groups` element under the root with one `rule` (id, name) per group and one
// `pattern` child per pattern of the group.

// Appends the groups of a loaded file to the model. A rule lacking `id` or `name`, a group id
// seen before, a pattern lacking an attribute and a group left without patterns are logged
// and skipped. False, logged, when the root has no `groups`.
bool read_groups(const engine::config_element& root, DataModel& model);

// Replaces everything in the tree with the model's groups.
void write_groups(const DataModel& model, engine::config_element& root);

// What a first run starts with: web browsers, graphics programs, media players and explorer
// windows, with ids from `first_id` on.
void add_default_groups(DataModel& model, int first_id);

// The ids of the model's groups, for checking many references against them quickly.
std::unordered_set<int> group_ids(const DataModel& model);
