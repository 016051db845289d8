#include "app/main_window_win.h"

#include "app/about_box_win.h"
#include "app/message_box_win.h"
#include "app/minimum_size.h"
#include "app/sign_in_start_win.h"
#include "model/data_model.h"
#include "resource.h"
#include "storage/settings.h"
#include "ui/ignore_list_editor_win.h"
#include "ui/list_rows_win.h"
#include "update/update_desktop_win.h"
#include "update/update_option_win.h"

#include <commctrl.h>

#include <algorithm>

namespace {

const wchar_t* const CAPTION = L"Hushcloak";

const wchar_t* const EXIT_PROMPT_CAPTION = L"Hidden Windows";
const wchar_t* const EXIT_PROMPT_TEXT =
    L"There are still windows that were hidden this session.  If you exit without making them "
    L"visible first, they may remain hidden indefinitely even if you restart the "
    L"application.\n\nWould you like to make all hidden windows visible now before exiting?";

MainWindow* attached_window(HWND dialog) {
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
}

BOOL CALLBACK measure_list_rows(HWND child, LPARAM) {
    wchar_t name[32] = {};
    if (GetClassNameW(child, name, 32) > 0 && lstrcmpiW(name, WC_LISTVIEWW) == 0)
        measure_rows_again(child);
    return TRUE;
}

// A position saved on a monitor since removed, or off every work area, would leave the window
// out of reach: it moves onto the nearest monitor's work area, as much of it as fits there.
RECT onto_nearest_work_area(const RECT& window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    RECT common{};
    if (!GetMonitorInfoW(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor) ||
        IntersectRect(&common, &window, &monitor.rcWork)) {
        return window;
    }
    const RECT& work = monitor.rcWork;
    const LONG width = std::min(window.right - window.left, work.right - work.left);
    const LONG height = std::min(window.bottom - window.top, work.bottom - work.top);
    const LONG left = std::clamp(window.left, work.left, work.right - width);
    const LONG top = std::clamp(window.top, work.top, work.bottom - height);
    return {left, top, left + width, top + height};
}

} // namespace

MainWindow::~MainWindow() {
    destroy();
}

bool MainWindow::create(engine::main_window_owner& owner, DataModel& model,
                        HiddenWindowJournal* journal) {
    destroy();
    owner_ = &owner;
    model_ = &model;
    engine_ = std::make_unique<WindowEngine>(model, window_system_, *this, waiter_);
    scheduler_ = std::make_unique<TimerScheduler>(model, *engine_, *this, clock_);
    // Before the hot keys are registered: a refused one's box runs a message loop, in which
    // hot keys and ticks already hide windows.
    if (journal)
        scheduler_->keep_journal(*journal);
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), nullptr,
                                 dialog_procedure, reinterpret_cast<LPARAM>(this));
    if (!dialog_)
        return false;
    show_update_check_state(dialog_, owner.settings().check_updates());
    show_sign_in_start_state(dialog_, sign_in_start_option(owner.settings()));
    restore_placement();
    list_drawing_.set_dpi(window_dpi(dialog_));
    tab_control_ = GetDlgItem(dialog_, IDC_MAIN_TABS);
    if (!pages_.create_pages(*this, tab_control_, model))
        return false;
    engine_->enumerate_windows();

    if (!owner.starts_in_tray())
        ShowWindow(dialog_, owner.settings().maximized() ? SW_SHOWMAXIMIZED : SW_SHOW);
    // Laid out once the size is final: a maximised start changes it while showing.
    layout();
    tray_ = std::make_unique<Tray>(dialog_, owner.program_icon(), owner.tray_area(), model,
                                   *engine_, *scheduler_, window_system_, *this);
    // Without an icon nothing would lead back to the window: it waits on the taskbar instead.
    if (owner.starts_in_tray() && !tray_->has_icon())
        ShowWindow(dialog_, SW_SHOWMINNOACTIVE);
    opening_watch_ = std::make_unique<WindowOpeningWatch>(dialog_, WINDOW_OPENED_MESSAGE);
    initialised_ = true;
    select_tab(pages_.current_index());
    return true;
}

void MainWindow::destroy() {
    tray_.reset();
    opening_watch_.reset();
    waiter_.cancel();
    opened_window_waiting_ = false;
    stop_refresh_timer();
    pages_.destroy();
    tab_control_ = nullptr;
    if (dialog_) {
        DestroyWindow(dialog_);
        dialog_ = nullptr;
    }
    initialised_ = false;
}

bool MainWindow::confirm_exit(bool silent) {
    if (!ask_about_hidden_windows(silent))
        return false;
    if (tray_)
        tray_->remove_icon();
    return true;
}

bool MainWindow::ask_about_hidden_windows(bool silent) {
    exiting_ = true;
    // Asked of the register, not of the records: a hidden window that lost its title has
    // none.
    if (!engine_ || engine_->held_hidden_windows().empty())
        return true;

    if (!silent) {
        const int answer = centred_message_box(dialog_, EXIT_PROMPT_CAPTION, EXIT_PROMPT_TEXT,
                                               MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDNO)
            return true;
        if (answer != IDYES) {
            exiting_ = false;
            return false;
        }
    }
    engine_->show_held_windows();
    return true;
}

void MainWindow::save_placement() {
    if (!initialised_ || !owner_)
        return;
    RECT rect{};
    GetWindowRect(dialog_, &rect);
    Settings& settings = owner_->settings();
    const int state = placement_show_state();
    if (state == SW_SHOWMAXIMIZED) {
        settings.set_maximized(true);
    } else if (state == SW_SHOWNORMAL || state == SW_SHOW) {
        settings.set_maximized(false);
        settings.set_size_x(rect.right - rect.left);
        settings.set_size_y(rect.bottom - rect.top);
        settings.set_position_x(rect.left);
        settings.set_position_y(rect.top);
    }
    settings.save();
}

WindowHandle MainWindow::main_window() const {
    return to_window_handle(dialog_);
}

bool MainWindow::main_window_shown() const {
    // The placement of a hidden window still reads "normal", so visibility is asked too.
    const int state = placement_show_state();
    return IsWindowVisible(dialog_) && (state == SW_SHOWNORMAL || state == SW_SHOWMAXIMIZED);
}

void MainWindow::refresh_current_page() {
    if (engine::TabView* page = pages_.current_page())
        page->refresh_windows();
}

void MainWindow::rebuild_current_page() {
    if (engine::TabView* page = pages_.current_page())
        page->refresh();
}

void MainWindow::refresh_after_action() {
    ::refresh_after_action(*this);
}

void MainWindow::exit_program() {
    owner_->shutdown(false);
}

bool MainWindow::ask_yes_no(const std::wstring& caption, const std::wstring& text) {
    return ::ask_yes_no(dialog_, caption, text);
}

void MainWindow::hide_main_window() {
    // Hidden without a tray icon, the window could not be brought back; minimised, the taskbar
    // still holds it.
    ShowWindow(dialog_, tray_ && tray_->has_icon() ? SW_HIDE : SW_MINIMIZE);
}

UINT MainWindow::bring_forward_message() {
    static const UINT message = RegisterWindowMessageW(L"Hushcloak.BringForward");
    return message;
}

void MainWindow::bring_forward() {
    ShowWindow(dialog_, IsIconic(dialog_) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(dialog_);
    refresh_current_page();
}

void MainWindow::stop_refresh_timer() {
    if (refresh_timer_running_) {
        KillTimer(dialog_, REFRESH_TIMER_ID);
        refresh_timer_running_ = false;
    }
}

void MainWindow::start_refresh_timer() {
    SetTimer(dialog_, REFRESH_TIMER_ID, REFRESH_PERIOD_MILLISECONDS, nullptr);
    refresh_timer_running_ = true;
}

INT_PTR CALLBACK MainWindow::dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        on_init_dialog(dialog, lparam);
        return FALSE;
    case WM_SIZING:
        return on_sizing(dialog, wparam, lparam);
    case WM_DPICHANGED:
        if (MainWindow* window = attached_window(dialog))
            window->on_dpi_changed(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        return TRUE;
    case WM_CLOSE:
        // The program keeps running in the tray; only "E&xit" ends it.
        if (MainWindow* window = attached_window(dialog))
            window->hide_main_window();
        return FALSE;
    default:
        if (MainWindow* window = attached_window(dialog))
            window->handle_message(message, wparam, lparam);
        return FALSE;
    }
}

void MainWindow::on_init_dialog(HWND dialog, LPARAM creation_parameter) {
    const auto* window = reinterpret_cast<const MainWindow*>(creation_parameter);
    SetWindowLongPtrW(dialog, GWLP_USERDATA, creation_parameter);
    if (HICON icon = window->owner_->program_icon())
        SendMessageW(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SetWindowTextW(dialog, CAPTION);
}

INT_PTR MainWindow::on_sizing(HWND dialog, WPARAM edge, LPARAM proposed_rect) {
    auto& rect = *reinterpret_cast<RECT*>(proposed_rect);
    WindowRect proposed{rect.left, rect.top, rect.right, rect.bottom};
    const bool too_small =
        enforce_minimum_size(proposed, static_cast<SizingEdge>(edge), window_dpi(dialog));
    rect = RECT{proposed.left, proposed.top, proposed.right, proposed.bottom};
    // A dialog procedure's own result only says "handled"; the sender reads this one.
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, too_small ? TRUE : FALSE);
    return too_small ? TRUE : FALSE;
}

void MainWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (tray_ && tray_->handle_message(message, wparam, lparam))
        return;
    if (message == bring_forward_message() && initialised_) {
        bring_forward();
        return;
    }
    switch (message) {
    case WM_NOTIFY:
        on_notify(*reinterpret_cast<const NMHDR*>(lparam));
        break;
    case WM_SIZE:
        on_size(wparam);
        break;
    case WM_SHOWWINDOW:
        // The first show comes straight after the start's own pass.
        if (wparam == TRUE && initialised_)
            PostMessageW(dialog_, CATCH_UP_MESSAGE, 0, 0);
        break;
    case CATCH_UP_MESSAGE:
        on_shown_again();
        break;
    case WINDOW_OPENED_MESSAGE:
        on_window_opened();
        break;
    case WM_EXITSIZEMOVE:
        save_placement();
        break;
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
        on_session_end(message, wparam);
        break;
    case WM_COMMAND:
        if (initialised_)
            on_command(LOWORD(wparam));
        break;
    case WM_TIMER:
        on_timer(wparam);
        break;
    case WM_HOTKEY:
        engine_->on_hot_key(static_cast<std::uint32_t>(wparam));
        break;
    case UPDATE_EXIT_MESSAGE:
        owner_->shutdown(true);
        break;
    default:
        break;
    }
}

void MainWindow::on_dpi_changed(int dpi, const RECT& suggested) {
    // The system has scaled the dialogs' own fonts and controls; the lists' font, their rows and
    // the fixed lengths of the layout follow here.
    list_drawing_.set_dpi(dpi);
    SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
    for (int index = 0; index < engine::TabPages::PAGE_COUNT; ++index) {
        if (const engine::TabView* page = pages_.page(index))
            EnumChildWindows(page->window_handle(), measure_list_rows, 0);
    }
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::on_notify(const NMHDR& header) {
    if (header.hwndFrom == tab_control_ && header.code == TCN_SELCHANGE)
        select_tab(TabCtrl_GetCurSel(tab_control_));
}

// A move or resize by the user is saved once, when it ends (WM_EXITSIZEMOVE); here only
// maximising and restoring.
void MainWindow::on_size(WPARAM size_type) {
    if (size_type == SIZE_MINIMIZED) {
        minimised_ = true;
    } else if (minimised_) {
        minimised_ = false;
        PostMessageW(dialog_, CATCH_UP_MESSAGE, 0, 0);
    }
    if (!initialised_)
        return;
    layout();
    const bool changed = size_type != last_size_type_;
    last_size_type_ = size_type;
    if (changed && (size_type == SIZE_RESTORED || size_type == SIZE_MAXIMIZED))
        save_placement();
}

// The system may end the process without another message once the session ends, so both the
// question and the notice save; the process goes on running until it is ended.
void MainWindow::on_session_end(UINT message, WPARAM wparam) {
    if (message == WM_QUERYENDSESSION || wparam)
        owner_->save_for_session_end();
}

void MainWindow::on_command(WORD command) {
    switch (command) {
    case ID_FILE_EXIT:
        owner_->shutdown(false);
        break;
    case ID_HELP_ABOUT:
        show_about_box(dialog_);
        break;
    case ID_FILE_MINIMIZE_TO_TRAY:
        hide_main_window();
        break;
    case ID_HELP_CHECK_FOR_UPDATES:
        toggle_update_check(dialog_, owner_->settings());
        break;
    case ID_HELP_START_AT_SIGN_IN:
        toggle_sign_in_start(dialog_, owner_->settings());
        break;
    case ID_EDIT_IGNORE_LIST:
        edit_ignore_list(*this, *model_);
        break;
    default:
        break;
    }
}

void MainWindow::on_timer(UINT_PTR timer_id) {
    if (timer_id != REFRESH_TIMER_ID)
        return;
    scheduler_->timer_tick();
    if (opening_watch_)
        opening_watch_->watch(scheduler_->hiding_now());
}

void MainWindow::on_window_opened() {
    // A window is told of as it is made; its program shows it a moment later. The windows
    // that open meanwhile wait for the same look.
    if (opened_window_waiting_)
        return;
    opened_window_waiting_ = true;
    waiter_.after_milliseconds(WindowEngine::SETTLE_MILLISECONDS, [this] {
        opened_window_waiting_ = false;
        scheduler_->timer_tick();
    });
}

void MainWindow::on_shown_again() {
    // While the dialog was away, no pass ran without a reason, and those that ran did not
    // tell the page.
    if (initialised_ && main_window_shown())
        engine_->bring_page_up_to_date();
}

void MainWindow::restore_placement() {
    const Settings& settings = owner_->settings();
    const RECT rect = onto_nearest_work_area({settings.position_x(), settings.position_y(),
                                              settings.position_x() + settings.size_x(),
                                              settings.position_y() + settings.size_y()});
    MoveWindow(dialog_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void MainWindow::layout() {
    pages_.layout(dialog_, GetDlgItem(dialog_, IDC_MAIN_FRAME));
}

int MainWindow::placement_show_state() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!dialog_ || !GetWindowPlacement(dialog_, &placement))
        return SW_HIDE;
    return static_cast<int>(placement.showCmd);
}
