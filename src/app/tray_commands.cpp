#include "app/tray_commands.h"

#include "app/tray_menu_text.h"
#include "engine/show_commands.h"

namespace {

constexpr int VISIBLE_WINDOWS_TAB = 0;
constexpr int HIDDEN_WINDOWS_TAB = 1;
constexpr int NO_OWNER = -1;

bool is_minimised(int show_state) {
    return show_state == show_command::MINIMIZED || show_state == show_command::MINIMIZE ||
           show_state == show_command::MINIMIZED_NO_ACTIVATE;
}

} // namespace

TrayCommands::TrayCommands(DataModel& model, WindowEngine& engine, TimerScheduler& scheduler,
                           engine::window_system& windows, engine::tray_host& host)
    : model_(model), engine_(engine), scheduler_(scheduler), windows_(windows), host_(host) {}

void TrayCommands::on_pointer_over_icon() {
    if (hover_tracking_) {
        remembered_foreground_ = windows_.foreground_window();
    }
}

void TrayCommands::run_menu(const TrayMenuChooser& choose) {
    hover_tracking_ = false;
    carry_out(choose(build_menu()));
    remembered_foreground_ = 0;
    hover_tracking_ = true;
}

TrayMenuContent TrayCommands::build_menu() {
    engine_.enumerate_windows();
    hide_list_.clear();
    show_list_.clear();

    TrayMenuContent content;
    for (int i = 0; i < listed_entry_count(model_.group_count()); ++i) {
        content.groups.push_back(model_.group(i).name());
    }
    for (int i = 0; i < listed_entry_count(model_.timer_count()); ++i) {
        const VisibilityTimer timer = model_.timer(i);
        content.timers.push_back({timer_item_text(timer, model_), timer.enabled});
    }

    std::vector<int> indices;
    engine_.find_visible_matches(match_all_pattern(), indices, true);
    indices.resize(listed_entry_count(static_cast<int>(indices.size())));
    for (const int index : indices) {
        const WindowRecord record = model_.windows.record(index);
        content.windows_to_hide.push_back(record.title);
        hide_list_.push_back(record.hwnd);
    }
    engine_.find_hidden_matches(match_all_pattern(), false, indices, true);
    indices.resize(listed_entry_count(static_cast<int>(indices.size())));
    for (const int index : indices) {
        const WindowRecord record = model_.windows.record(index);
        content.windows_to_show.push_back(record.title);
        show_list_.push_back(record.hwnd);
    }
    return content;
}

void TrayCommands::carry_out(int identifier) {
    const auto command = decode_tray_command(identifier);
    if (!command) {
        return;
    }
    switch (command->kind) {
    case TrayCommandKind::HIDE_GROUP:
        engine_.hide_group(command->index);
        break;
    case TrayCommandKind::SHOW_GROUP:
        engine_.show_group(command->index);
        break;
    case TrayCommandKind::TOGGLE_TIMER:
        scheduler_.toggle_timer(command->index);
        host_.save_changes();
        break;
    case TrayCommandKind::HIDE_LISTED_WINDOW:
        hide_listed_window(command->index);
        break;
    case TrayCommandKind::SHOW_LISTED_WINDOW:
        show_listed_window(command->index);
        break;
    case TrayCommandKind::HIDE_ALL_WINDOWS:
        hide_all_windows();
        break;
    case TrayCommandKind::SHOW_ALL_WINDOWS:
        show_all_windows();
        break;
    case TrayCommandKind::EXIT:
        host_.exit_program();
        break;
    }
}

void TrayCommands::hide_listed_window(int entry) {
    if (entry < static_cast<int>(hide_list_.size())) {
        // A window closed since the menu was built has no record, and -1 hides nothing.
        engine_.hide_window(model_.windows.find_index(hide_list_[entry]), NO_OWNER);
    }
}

void TrayCommands::show_listed_window(int entry) {
    if (entry < static_cast<int>(show_list_.size())) {
        engine_.show_window(model_.windows.find_index(show_list_[entry]));
    }
}

void TrayCommands::hide_all_windows() {
    std::vector<int> indices;
    engine_.find_visible_matches(match_all_pattern(), indices, true);
    {
        const WindowEngine::Action action(engine_);
        for (const int index : indices) {
            engine_.hide_window(index, NO_OWNER);
        }
    }
    host_.refresh_after_action();
    host_.switch_to_tab(HIDDEN_WINDOWS_TAB);
    host_.hide_main_window();
}

void TrayCommands::show_all_windows() {
    std::vector<int> indices;
    engine_.find_hidden_matches(match_all_pattern(), false, indices, true);
    engine_.show_windows(indices);
    host_.refresh_after_action();
    host_.switch_to_tab(VISIBLE_WINDOWS_TAB);
    give_focus_back();
}

void TrayCommands::give_focus_back() {
    if (remembered_foreground_ == 0) {
        return;
    }
    const auto show_state = windows_.placement_show_state(remembered_foreground_);
    if (!show_state) {
        return;
    }
    if (is_minimised(*show_state)) {
        windows_.show_async(remembered_foreground_, show_command::RESTORE);
    }
    windows_.set_foreground_window(remembered_foreground_);
}
