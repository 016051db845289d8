#pragma once

#include "engine/local_clock.h"

// A wall clock that shows whatever time the test sets.
class FakeClock final : public engine::local_clock {
public:
    engine::LocalTime time;
    engine::LocalTime now() const override { return time; }
};
