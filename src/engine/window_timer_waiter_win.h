#pragma once

#include "engine/waiter.h"

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>

// Waits with a one-shot timer of a message-only window of its own, so the steps run from the
// thread's message loop (or from a modal one) while every other message keeps flowing. Steps
// still waiting when it is destroyed never run.
class WindowTimerWaiter final : public engine::waiter {
public:
    WindowTimerWaiter() = default;
    WindowTimerWaiter(const WindowTimerWaiter&) = delete;
    WindowTimerWaiter& operator=(const WindowTimerWaiter&) = delete;
    ~WindowTimerWaiter() override;

    void after_milliseconds(unsigned milliseconds, std::function<void()> then) override;
    // Forgets every step still waiting.
    void cancel();

private:
    struct Step {
        std::uint64_t due = 0;
        std::function<void()> then;
    };

    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam);
    void run_due_steps();
    void arm_timer();

    HWND window_ = nullptr;
    std::deque<Step> steps_;
};
