#pragma once

#include "storage/config_element.h"

#include "model/visibility_timer.h"

#include <vector>

class DataModel;

// timers.xml: a `timers` element under the root with one `rule` per visibility timer. Ids are
// never stored; every timer read takes a fresh one.

// Appends the timers of a loaded file to the model; run it after the groups are loaded. A rule
// lacking an attribute, of an unknown type, naming a group that does not exist or without
// hours or minutes of duration is logged and skipped. A stopwatch always comes back inactive.
// False, logged, when the root has no `timers`. With `unbound`, a timer whose group does not
// exist goes there as read instead, silently: its group may be in a file that could not be read.
bool read_timers(const engine::config_element& root, DataModel& model,
                 std::vector<VisibilityTimer>* unbound);
bool read_timers(const engine::config_element& root, DataModel& model);

// Replaces everything in the tree with the model's timers, followed by the `unbound` ones; a
// stopwatch is written inactive, with no start time.
void write_timers(const DataModel& model, engine::config_element& root,
                  const std::vector<VisibilityTimer>& unbound);
void write_timers(const DataModel& model, engine::config_element& root);
