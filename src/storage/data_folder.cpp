#include "storage/data_folder.h"

#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "model/data_model.h"
#include "storage/group_file.h"
#include "storage/hot_key_file.h"
#include "storage/ignore_list_file.h"
#include "storage/timer_file.h"

DataFolder::DataFolder(const std::wstring& application_directory, ScreenSizeSource screen_size)
    : log_path_(join_path(application_directory, L"log.xml")),
      ignore_list_path_(join_path(application_directory, L"ignore_list.xml")),
      hot_keys_path_(join_path(application_directory, L"hotkeys.xml")),
      timers_path_(join_path(application_directory, L"timers.xml")),
      groups_path_(join_path(application_directory, L"groups.xml")),
      settings_path_(join_path(application_directory, L"settings.xml")),
      hidden_windows_path_(join_path(application_directory, L"hidden_windows.xml")),
      settings_(std::move(screen_size)) {}

bool DataFolder::load(DataModel& model) {
    const bool settings_usable = settings_.load(settings_path_);
    log_message(settings_usable ? L"Settings loaded successfully."
                                : L"Settings could not be loaded.");
    load_ignore_list(model);
    load_groups(model);
    load_hot_keys(model);
    load_timers(model);
    return settings_usable;
}

void DataFolder::load_ignore_list(DataModel& model) {
    model.clear_ignore_patterns();
    if (ignore_list_file_.load(ignore_list_path_) &&
        read_ignore_list(ignore_list_file_.root(), model)) {
        log_message(L"Ignore list loaded successfully.");
        return;
    }
    log_message(L"Unable to load ignore list.");
    add_default_ignore_patterns(model);
}

void DataFolder::load_groups(DataModel& model) {
    model.clear_groups();
    if (groups_file_.load(groups_path_) && read_groups(groups_file_.root(), model)) {
        log_message(L"Group list loaded successfully.");
        return;
    }
    add_default_groups(model);
    log_message(L"Unable to load group list.");
}

void DataFolder::load_hot_keys(DataModel& model) {
    model.clear_hot_keys();
    const bool loaded =
        hot_keys_file_.load(hot_keys_path_) && read_hot_keys(hot_keys_file_.root(), model);
    log_message(loaded ? L"Hot key list loaded successfully." : L"Unable to load hot key list.");
}

void DataFolder::load_timers(DataModel& model) {
    model.clear_timers();
    const bool loaded = timers_file_.load(timers_path_) && read_timers(timers_file_.root(), model);
    log_message(loaded ? L"Timer list loaded successfully." : L"Unable to load timer list.");
}

void DataFolder::save(const DataModel& model) {
    write_ignore_list(model, ignore_list_file_.root());
    ignore_list_file_.save(ignore_list_path_);
    write_hot_keys(model, hot_keys_file_.root());
    hot_keys_file_.save(hot_keys_path_);
    write_timers(model, timers_file_.root());
    timers_file_.save(timers_path_);
    write_groups(model, groups_file_.root());
    groups_file_.save(groups_path_);
    settings_.save();
}
