#pragma once

#include "storage/config_file.h"
#include "storage/screen_size.h"
#include "storage/settings.h"

#include <string>

class DataModel;

// The program's files in its application directory: the log, the four list files and the
// settings. Loads them all at start-up and saves them all at exit, logging each outcome.
class DataFolder {
public:
    DataFolder(const std::wstring& application_directory, ScreenSizeSource screen_size);

    const std::wstring& log_path() const { return log_path_; }
    const std::wstring& hidden_windows_path() const { return hidden_windows_path_; }
    Settings& settings() { return settings_; }
    const Settings& settings() const { return settings_; }

    // Loads the settings (creating settings.xml when it cannot be loaded), the ignore list and
    // the groups (each replaced by its defaults when it cannot be loaded), the hot keys and the
    // timers, in that order, into `model`. False when settings.xml could neither be loaded
    // nor created: the caller then tells the user ("Critical Error"). The program goes on
    // either way.
    bool load(DataModel& model);

    // Writes the ignore list, the hot keys, the timers, the groups and the settings, in that
    // order. A file that cannot be written keeps its previous content; the failure is logged
    // and the others are still written.
    void save(const DataModel& model);

private:
    void load_ignore_list(DataModel& model);
    void load_groups(DataModel& model);
    void load_hot_keys(DataModel& model);
    void load_timers(DataModel& model);

    std::wstring log_path_;
    std::wstring ignore_list_path_;
    std::wstring hot_keys_path_;
    std::wstring timers_path_;
    std::wstring groups_path_;
    std::wstring settings_path_;
    std::wstring hidden_windows_path_;
    ConfigFile ignore_list_file_;
    ConfigFile hot_keys_file_;
    ConfigFile timers_file_;
    ConfigFile groups_file_;
    Settings settings_;
};
