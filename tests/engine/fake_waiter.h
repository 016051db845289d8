#pragma once

#include "engine/waiter.h"

#include <functional>
#include <utility>
#include <vector>

// Runs each step at once; while `held`, keeps the steps until `elapse`, so a test can see what
// has happened before a wait ends.
class FakeWaiter final : public engine::waiter {
public:
    bool held = false;
    std::vector<std::function<void()>> waiting;

    void after_milliseconds(unsigned, std::function<void()> then) override {
        held ? waiting.push_back(std::move(then)) : then();
    }
    // Ends the waits asked for so far; those their steps ask for go on waiting.
    void elapse() {
        for (auto& step : std::exchange(waiting, {}))
            step();
    }
};
