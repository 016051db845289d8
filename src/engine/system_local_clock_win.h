#pragma once

#include "engine/local_clock.h"

// The local wall-clock time of the system.
class SystemLocalClock final : public engine::local_clock {
public:
    engine::LocalTime now() const override;
};
