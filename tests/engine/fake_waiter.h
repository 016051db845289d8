#pragma once

#include "engine/waiter.h"

#include <vector>

// Records each wait instead of sleeping.
class FakeWaiter final : public engine::waiter {
public:
    std::vector<unsigned> waits;
    void wait_milliseconds(unsigned milliseconds) override { waits.push_back(milliseconds); }
};
