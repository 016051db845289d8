#pragma once

#include "model/hot_key.h"
#include "model/visibility_timer.h"
#include "storage/config_file.h"
#include "storage/screen_size.h"
#include "storage/settings.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class DataModel;

// The program's files in its application directory: the log, the four list files and the
// settings. Loads them all at start-up, logging each outcome, and writes a list file whenever
// its content differs from what the file holds.
//
// A file that is there but cannot be used is never written over: it is set aside beside itself
// (see set_unreadable_file_aside) and a new one is written at once, or, when it cannot be set
// aside, it is left alone and not written in this run.
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
    //
    // While groups.xml cannot be read, the group hot keys and timers are kept aside as read
    // rather than tied to groups that are not the user's: they act on nothing, and their
    // files are written with them unchanged. The default groups then take ids that none of
    // them names.
    bool load(DataModel& model);

    // The copies that the last load set aside, in the order of loading.
    const std::vector<std::wstring>& set_aside_copies() const { return set_aside_copies_; }

    // Writes the ignore list, the hot keys, the timers and the groups, in that order, each only
    // when it differs from what was last loaded or saved. A file that cannot be written keeps
    // its previous content; the failure is logged, the others are still written and the next
    // call tries again.
    void save_changes(const DataModel& model);

    // What the exit and the end of the session write: the changed lists, then the settings.
    void save(const DataModel& model);

private:
    // One list file, and the document that the model's list gave when the file was last
    // loaded or written; none when the file must be written.
    struct ListFile {
        explicit ListFile(std::wstring file_path) : path(std::move(file_path)) {}
        std::wstring path;
        ConfigFile file;
        std::optional<std::string> on_disk;
        bool left_alone = false;
        bool set_aside = false;
    };
    using Writer = std::function<void(const DataModel&, engine::config_element&)>;
    enum class Outcome { loaded, missing, unreadable };

    Outcome load_list(ListFile& list,
                      const std::function<bool(const engine::config_element&)>& read);
    void save_list(ListFile& list, const Writer& write, const DataModel& model);
    void mark_loaded(ListFile& list, const Writer& write, const DataModel& model);
    void load_ignore_list(DataModel& model);
    void load_groups(DataModel& model);
    void load_hot_keys(DataModel& model);
    void load_timers(DataModel& model);
    void add_default_groups_clear_of_references(DataModel& model) const;
    Writer hot_key_writer() const;
    Writer timer_writer() const;

    std::wstring log_path_;
    ListFile ignore_list_;
    ListFile hot_keys_;
    ListFile timers_;
    ListFile groups_;
    std::wstring settings_path_;
    std::wstring hidden_windows_path_;
    Settings settings_;
    std::vector<std::wstring> set_aside_copies_;
    bool groups_unreadable_ = false;
    std::vector<HotKey> unbound_hot_keys_;
    std::vector<VisibilityTimer> unbound_timers_;
};
