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

} // namespace

MainWindow::~MainWindow() {
    destroy();
}

bool MainWindow::create(engine::main_window_owner& owner, DataModel& model) {
    destroy();
    owner_ = &owner;
    model_ = &model;
    engine_ = std::make_unique<WindowEngine>(model, window_system_, *this, waiter_);
    scheduler_ = std::make_unique<TimerScheduler>(model, *engine_, *this, clock_);
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), nullptr,
                                 dialog_procedure, reinterpret_cast<LPARAM>(this));
    if (!dialog_)
        return false;
    show_update_check_state(dialog_, owner.settings().check_updates());
    show_sign_in_start_state(dialog_, sign_in_start_option(owner.settings()));
    restore_placement();
    tab_control_ = GetDlgItem(dialog_, IDC_MAIN_TABS);
    if (!pages_.create_pages(*this, tab_control_, model))
        return false;
    layout();
    engine_->enumerate_windows();

    if (!owner.starts_in_tray())
        ShowWindow(dialog_, owner.settings().maximized() ? SW_SHOWMAXIMIZED : SW_SHOW);
    tray_ = std::make_unique<Tray>(dialog_, owner.program_icon(), owner.tray_area(), model,
                                   *engine_, *scheduler_, window_system_, *this);
    // Without an icon nothing would lead back to the window: it waits on the taskbar instead.
    if (owner.starts_in_tray() && !tray_->has_icon())
        ShowWindow(dialog_, SW_SHOWMINNOACTIVE);
    initialised_ = true;
    select_tab(pages_.current_index());
    return true;
}

void MainWindow::destroy() {
    tray_.reset();
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
    if (!engine_)
        return true;
    const std::vector<WindowRecord>& records = model_->windows.records;
    const auto hidden = [this](const WindowRecord& record) { return hidden_this_session(record); };
    if (std::none_of(records.begin(), records.end(), hidden))
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
    const WindowEngine::Action action(*engine_);
    for (int index = 0; index < static_cast<int>(records.size()); ++index) {
        if (hidden_this_session(records[index]))
            engine_->show_window(index);
    }
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

void MainWindow::refresh_if_foreground() {
    if (main_window_shown() && GetForegroundWindow() == dialog_)
        engine_->enumerate_windows();
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
    const bool too_small = enforce_minimum_size(proposed, static_cast<SizingEdge>(edge));
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
    case WM_EXITSIZEMOVE:
        save_placement();
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

void MainWindow::on_notify(const NMHDR& header) {
    if (header.hwndFrom == tab_control_ && header.code == TCN_SELCHANGE)
        select_tab(TabCtrl_GetCurSel(tab_control_));
}

void MainWindow::on_size(WPARAM size_type) {
    if (!initialised_)
        return;
    layout();
    if (size_type == SIZE_RESTORED || size_type == SIZE_MAXIMIZED)
        save_placement();
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
    refresh_if_foreground();
    scheduler_->timer_tick();
}

void MainWindow::restore_placement() {
    const Settings& settings = owner_->settings();
    MoveWindow(dialog_, settings.position_x(), settings.position_y(), settings.size_x(),
               settings.size_y(), TRUE);
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

bool MainWindow::hidden_this_session(const WindowRecord& record) const {
    return !record.visible && engine_->was_hidden_this_session(record.hwnd);
}
