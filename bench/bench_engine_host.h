#pragma once

#include "engine/engine_host.h"
#include "engine/waiter.h"

// A main window that is never shown and has no pages, and waits that return at once, so a
// benchmark of the engine times only the engine's own work.
class BenchHost final : public engine::engine_host {
public:
    WindowHandle main_window() const override { return 0; }
    bool main_window_shown() const override { return false; }
    bool exiting() const override { return false; }
    void refresh_current_page() override {}
    void rebuild_current_page() override {}
    void hide_main_window() override {}
    void stop_refresh_timer() override {}
    void start_refresh_timer() override {}
};

class NoWait final : public engine::waiter {
public:
    void after_milliseconds(unsigned, std::function<void()> then) override { then(); }
};
