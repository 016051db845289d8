#pragma once

#include "app/tray_host.h"
#include "engine/window_engine.h"
#include "engine/window_system.h"
#include "model/data_model.h"
#include "timers/timer_scheduler.h"

#include <functional>
#include <string>
#include <vector>

struct TimerMenuItem {
    std::wstring text;
    bool checked = false;

    bool operator==(const TimerMenuItem&) const = default;
};

// What the tray menu offers at one opening, entry k of each list standing for identifier
// base + k of its range. Texts are shown as they are (see `menu_item_label`).
struct TrayMenuContent {
    // For both the "Hide Group" and the "Show Group" submenus.
    std::vector<std::wstring> groups;
    std::vector<TimerMenuItem> timers;
    // Titles of the visible, not ignored windows, and of the windows this program hid.
    std::vector<std::wstring> windows_to_hide;
    std::vector<std::wstring> windows_to_show;
};

// Shows the menu for `content` and returns the identifier the user chose, 0 for none.
using TrayMenuChooser = std::function<int(const TrayMenuContent& content)>;

// The tray menu's behaviour: what it lists at each opening, what each of its commands does,
// and the window that was in front before the menu opened, which "Show All Windows" gives the
// focus back to.
class TrayCommands {
public:
    TrayCommands(DataModel& model, WindowEngine& engine, TimerScheduler& scheduler,
                 engine::window_system& windows, engine::tray_host& host);
    TrayCommands(const TrayCommands&) = delete;
    TrayCommands& operator=(const TrayCommands&) = delete;

    // The pointer moved over the tray icon: remembers the window in front, except while the
    // menu is open.
    void on_pointer_over_icon();
    // Builds the menu from a fresh snapshot, lets `choose` show it and carries out the
    // choice; then forgets the remembered window.
    void run_menu(const TrayMenuChooser& choose);

private:
    // Takes a new snapshot and lists what the menu offers now. The window entries stand for
    // the windows of this snapshot until the next build.
    TrayMenuContent build_menu();
    // 0 (no choice) and unknown identifiers do nothing.
    void carry_out(int identifier);
    void hide_listed_window(int entry);
    void show_listed_window(int entry);
    void hide_all_windows();
    void show_all_windows();
    void give_focus_back();

    DataModel& model_;
    WindowEngine& engine_;
    TimerScheduler& scheduler_;
    engine::window_system& windows_;
    engine::tray_host& host_;
    // The windows behind the "Hide Window" and "Show Window" entries of the last menu, by
    // handle, since the records may be replaced while the menu is open.
    std::vector<WindowHandle> hide_list_;
    std::vector<WindowHandle> show_list_;
    WindowHandle remembered_foreground_ = 0;
    bool hover_tracking_ = true;
};
