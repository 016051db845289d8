#pragma once

#include "engine/engine_host.h"

// The main window as the engine sees it, counting what the engine asked of it.
class FakeEngineHost final : public engine::engine_host {
public:
    WindowHandle main = 0;
    bool shown = true;
    bool is_exiting = false;
    int page_refreshes = 0;
    int page_rebuilds = 0;
    int main_window_hides = 0;
    bool refresh_timer_running = false;

    WindowHandle main_window() const override { return main; }
    bool main_window_shown() const override { return shown; }
    bool exiting() const override { return is_exiting; }
    void refresh_current_page() override { ++page_refreshes; }
    void rebuild_current_page() override { ++page_rebuilds; }
    void hide_main_window() override { ++main_window_hides, shown = false; }
    void stop_refresh_timer() override { refresh_timer_running = false; }
    void start_refresh_timer() override { refresh_timer_running = true; }
};
