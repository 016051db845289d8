#include "app/tray_commands.h"

#include "app/tray_menu_text.h"
#include "engine/engine_fixture.h"
#include "engine/fake_clock.h"
#include "timers/timer_scheduler.h"

namespace {

// The test stands in for the main window, which plays no part here.
class TrayMenuCommands : public EngineTest, engine::tray_host {
protected:
    void hide_main_window() override {}
    void refresh_current_page() override {}
    void refresh_after_action() override {}
    bool switch_to_tab(int) override { return true; }
    void save_changes() override {}
    void exit_program() override {}

    // Opens the menu, runs `meanwhile` while it is open and chooses `identifier`.
    TrayMenuContent choose(
        int identifier, const std::function<void()>& meanwhile = [] {}) {
        TrayMenuContent listed;
        tray.run_menu([&](const TrayMenuContent& content) {
            listed = content;
            meanwhile();
            return identifier;
        });
        return listed;
    }

    FakeClock clock;
    TimerScheduler scheduler{model, engine, host, clock};
    TrayCommands tray{model, engine, scheduler, system, *this};
};

// A longer list would hand its entries identifiers of the next range: the 1,001st group's
// "Hide" entry would be the first group's "Show".
TEST_F(TrayMenuCommands, EverySubmenuStopsAtAThousandEntriesSoNoIdentifierReachesTheNextRange) {
    std::vector<WindowHandle> windows;
    for (int k = 0; k <= 1000; ++k) {
        model.add_group(make_group(
            k, {title_pattern(Pattern::EXACTLY_MATCHES, L"Window " + std::to_wstring(k))}));
        windows.push_back(add_window(L"Window " + std::to_wstring(k)));
        model.add_timer({.group_id = k});
    }
    choose(tray_menu_id::HIDE_ALL_WINDOWS);
    const TrayMenuContent all_hidden = choose(tray_menu_id::SHOW_WINDOW_BASE + 999);
    EXPECT_EQ(all_hidden.groups.size(), 1000u);
    EXPECT_EQ(all_hidden.timers.size(), 1000u);
    ASSERT_EQ(all_hidden.windows_to_show.size(), 1000u);
    EXPECT_EQ(all_hidden.windows_to_show.back(), L"Window 999");
    const TrayMenuContent one_shown = choose(tray_menu_id::HIDE_GROUP_BASE + 999);
    ASSERT_EQ(one_shown.windows_to_hide, std::vector<std::wstring>{L"Window 999"});
    choose(tray_menu_id::SHOW_GROUP_BASE + 999);
    EXPECT_TRUE(is_shown(windows[999]));
}

TEST_F(TrayMenuCommands, WindowEntriesFollowTheirWindowWhenTheRecordsChangeMeanwhile) {
    const WindowHandle browser = add_window(L"News - Browser");
    const WindowHandle editor = add_window(L"Notes - Editor");
    const WindowHandle player = add_window(L"Tunes - Player");
    // A pass while the menu is open puts a new window first and moves every record down.
    choose(tray_menu_id::HIDE_WINDOW_BASE + 1, [&] {
        system.bring_to_top(add_window(L"Opened Meanwhile"));
        engine.enumerate_windows();
    });
    EXPECT_FALSE(is_shown(editor));
    EXPECT_TRUE(is_shown(browser));
    EXPECT_EQ(choose(tray_menu_id::SHOW_WINDOW_BASE + 0).windows_to_show,
              std::vector<std::wstring>{L"Notes - Editor"});
    EXPECT_TRUE(is_shown(editor));

    // A window closed before its entry is chosen, or an entry beyond the list, changes nothing.
    const std::size_t requests = system.show_requests.size();
    choose(tray_menu_id::HIDE_WINDOW_BASE + 1, [&] {
        system.close_window(browser);
        engine.enumerate_windows();
    });
    choose(tray_menu_id::HIDE_WINDOW_BASE + 4);
    EXPECT_EQ(system.show_requests.size(), requests);
    EXPECT_TRUE(is_shown(player));
}

} // namespace
