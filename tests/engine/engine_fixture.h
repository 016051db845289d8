#pragma once

#include "engine/fake_engine_host.h"
#include "engine/fake_waiter.h"
#include "engine/fake_window_system.h"
#include "engine/window_engine.h"
#include "model/data_model.h"
#include "model/group.h"
#include "model/pattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline Pattern title_pattern(int compare, const std::wstring& phrase) {
    return {compare, Pattern::WINDOW_TITLE, phrase};
}

inline Group make_group(int id, const std::vector<Pattern>& patterns) {
    Group group(id);
    for (const auto& pattern : patterns)
        group.add_pattern(pattern);
    return group;
}

// A window engine over fake windows, with a main window that has no record of its own.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() { host.main = system.add_window({L"Hushcloak", true}); }

    WindowHandle add_window(const std::wstring& title, int show_state = show_command::NORMAL,
                            bool visible = true) {
        return system.add_window({title, visible, show_state});
    }

    // A window of its own process, whose image is `image_name`.
    WindowHandle add_process_window(const std::wstring& title, const std::wstring& image_name) {
        const auto process_id = next_process_id_++;
        system.set_process_image(process_id, L"\\Device\\HarddiskVolume2\\Apps\\" + image_name);
        return system.add_window({title, true, show_command::NORMAL, 0, process_id});
    }

    int index_of(WindowHandle window) const { return model.windows.find_index(window); }

    void hide(WindowHandle window, int owner = HiddenWindowRegister::NO_OWNER) {
        engine.hide_window(index_of(window), owner);
    }

    // A pass, which sees what the last actions did.
    void settle() { engine.enumerate_windows(); }

    bool is_shown(WindowHandle window) { return system.window(window).visible; }

    DataModel model;
    FakeWindowSystem system;
    FakeEngineHost host;
    FakeWaiter waiter;
    WindowEngine engine{model, system, host, waiter};

private:
    std::uint32_t next_process_id_ = 100;
};
