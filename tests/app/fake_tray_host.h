#pragma once

#include "app/tray_host.h"
#include "engine/window_engine.h"

#include <string>
#include <vector>

// The main window as the tray sees it: it records what it was asked, in order, and refreshes
// like the real one by taking a new snapshot.
class FakeTrayHost final : public engine::tray_host {
public:
    explicit FakeTrayHost(WindowEngine& engine) : engine_(engine) {}

    std::vector<std::string> calls;
    bool tab_control_accepts = true;

    void hide_main_window() override { calls.push_back("hide main window"); }
    void refresh_current_page() override { calls.push_back("refresh page"); }
    void refresh_after_action() override {
        calls.push_back("refresh after action");
        engine_.settle_and_enumerate();
    }
    bool switch_to_tab(int index) override {
        calls.push_back("switch to tab " + std::to_string(index));
        return tab_control_accepts;
    }
    void exit_program() override { calls.push_back("exit"); }

private:
    WindowEngine& engine_;
};
