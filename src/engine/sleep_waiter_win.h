#pragma once

#include "engine/waiter.h"

// Waits by sleeping the calling thread; messages queue up meanwhile.
class SleepWaiter final : public engine::waiter {
public:
    void wait_milliseconds(unsigned milliseconds) override;
};
