#pragma once

#include "app/tray_host.h"
#include "app/tray_win.h"
#include "app/window_opening_watch_win.h"
#include "engine/engine_host.h"
#include "engine/system_local_clock_win.h"
#include "engine/window_engine.h"
#include "engine/window_system_win.h"
#include "engine/window_timer_waiter_win.h"
#include "timers/timer_scheduler.h"
#include "ui/list_drawing_resources_win.h"
#include "ui/page_host_win.h"
#include "ui/tab_pages_win.h"

#include <windows.h>

#include <memory>

class DataModel;
class Settings;

namespace engine {

// What the main window asks of the program that owns it.
class main_window_owner {
public:
    virtual ~main_window_owner() = default;

    // The small icon of the main window's caption; may be null.
    virtual HICON program_icon() const = 0;
    virtual Settings& settings() = 0;
    // The exit sequence. Returns only when the user chose to keep the program running.
    virtual bool shutdown(bool silent) = 0;
    // Writes each list file whose list the user changed.
    virtual void save_changes() = 0;
    // The session is ending and the process with it: writes everything the exit would.
    virtual void save_for_session_end() = 0;
    // Where the tray icon goes.
    virtual notification_area& tray_area() { return system_notification_area(); }
    // A start at sign-in: the main window stays in the tray.
    virtual bool starts_in_tray() const { return false; }
};

} // namespace engine

// The main dialog and the program's message hub: it owns the one-second refresh timer,
// receives the global hot keys and carries the menu commands, and hands the window engine's
// work to `WindowEngine` and the visibility timers' to `TimerScheduler`. Closing it only
// hides it; the program ends through "E&xit".
class MainWindow final : public engine::engine_host,
                         public engine::page_host,
                         public engine::tray_host {
public:
    static constexpr UINT_PTR REFRESH_TIMER_ID = 1001;
    static constexpr UINT REFRESH_PERIOD_MILLISECONDS = 1000;
    // Posted when the dialog comes back from the tray or from the task bar, so that one pass
    // brings its page up to date once it is on screen.
    static constexpr UINT CATCH_UP_MESSAGE = WM_APP + 50;
    // Posted when another program opened a top-level window while a timer hides.
    static constexpr UINT WINDOW_OPENED_MESSAGE = WM_APP + 51;

    MainWindow() = default;
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Builds the dialog at its saved placement with its pages (the hot keys page registers the
    // hot keys, a box for each one the system refuses), takes the first window snapshot and
    // shows the dialog, unless the owner starts in the tray and the tray icon is there. With a
    // journal, first takes back what an earlier run left hidden and keeps the journal from then
    // on. False when the dialog cannot be created.
    bool create(engine::main_window_owner& owner, DataModel& model,
                HiddenWindowJournal* journal = nullptr);
    void destroy();

    // Offers to show the windows this run hid (shows them without asking when `silent`).
    // False when the user chose to keep the program running.
    bool confirm_exit(bool silent);

    // Stores the dialog's position, size and maximised state in the settings and saves them.
    // A maximised window keeps the last normal rectangle; a minimised one changes nothing.
    void save_placement();
    HWND handle() const { return dialog_; }
    // The message a second start of the program sends the first to bring its window forward.
    static UINT bring_forward_message();
    WindowEngine& engine() { return *engine_; }

    // engine::engine_host
    WindowHandle main_window() const override;
    bool main_window_shown() const override;
    bool exiting() const override { return exiting_; }
    void refresh_current_page() override;
    void rebuild_current_page() override;
    void hide_main_window() override;
    void stop_refresh_timer() override;
    void start_refresh_timer() override;

    // engine::page_host (main_window_shown and hide_main_window as above)
    HWND main_dialog() const override { return dialog_; }
    WindowEngine& window_engine() override { return *engine_; }
    engine::window_system& windows() override { return window_system_; }
    TimerScheduler& timer_scheduler() override { return *scheduler_; }
    const engine::local_clock& clock() const override { return clock_; }
    const ListDrawingResources& list_drawing() const override { return list_drawing_; }
    int current_tab_index() const override { return pages_.current_index(); }
    bool switch_to_tab(int index) override { return pages_.switch_to_tab(index); }
    bool ask_yes_no(const std::wstring& caption, const std::wstring& text) override;

    // engine::page_host and engine::tray_host
    void save_changes() override { owner_->save_changes(); }

    // engine::tray_host (hide_main_window, refresh_current_page and switch_to_tab as above)
    void refresh_after_action() override;
    void exit_program() override;

    // Makes a tab page current, as the tab control's selection does.
    void select_tab(int index) { pages_.select_tab(index); }

private:
    static INT_PTR CALLBACK dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                             LPARAM lparam);
    static void on_init_dialog(HWND dialog, LPARAM creation_parameter);
    static INT_PTR on_sizing(HWND dialog, WPARAM edge, LPARAM proposed_rect);
    void handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_notify(const NMHDR& header);
    void on_size(WPARAM size_type);
    void on_session_end(UINT message, WPARAM wparam);
    void on_command(WORD command);
    void on_timer(UINT_PTR timer_id);
    void on_shown_again();
    void on_window_opened();
    void on_dpi_changed(int dpi, const RECT& suggested);
    void bring_forward();

    bool ask_about_hidden_windows(bool silent);
    void restore_placement();
    void layout();
    int placement_show_state() const;

    bool initialised_ = false;
    bool exiting_ = false;
    engine::main_window_owner* owner_ = nullptr;
    DataModel* model_ = nullptr;
    HWND dialog_ = nullptr;
    HWND tab_control_ = nullptr;
    bool refresh_timer_running_ = false;
    bool minimised_ = false;
    bool opened_window_waiting_ = false;
    // Steps of a drag arrive as sizes of the same type; only a change of type is saved.
    WPARAM last_size_type_ = SIZE_RESTORED;

    Win32WindowSystem window_system_;
    WindowTimerWaiter waiter_;
    SystemLocalClock clock_;
    std::unique_ptr<WindowEngine> engine_;
    std::unique_ptr<TimerScheduler> scheduler_;
    ListDrawingResources list_drawing_;
    engine::TabPages pages_;
    // The icon in the notification area; made after the dialog is shown, gone before it.
    std::unique_ptr<Tray> tray_;
    std::unique_ptr<WindowOpeningWatch> opening_watch_;
};
