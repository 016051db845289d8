#pragma once

#include "engine/waiter.h"

// Returns at once instead of sleeping.
class FakeWaiter final : public engine::waiter {
public:
    void wait_milliseconds(unsigned) override {}
};
