#include "storage/data_folder.h"

#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "model/data_model.h"
#include "storage/group_file.h"
#include "storage/hot_key_file.h"
#include "storage/ignore_list_file.h"
#include "storage/timer_file.h"

#include <algorithm>
#include <climits>

DataFolder::DataFolder(const std::wstring& application_directory, ScreenSizeSource screen_size)
    : log_path_(join_path(application_directory, L"log.xml")),
      ignore_list_(join_path(application_directory, L"ignore_list.xml")),
      hot_keys_(join_path(application_directory, L"hotkeys.xml")),
      timers_(join_path(application_directory, L"timers.xml")),
      groups_(join_path(application_directory, L"groups.xml")),
      settings_path_(join_path(application_directory, L"settings.xml")),
      hidden_windows_path_(join_path(application_directory, L"hidden_windows.xml")),
      settings_(std::move(screen_size)) {}

bool DataFolder::load(DataModel& model) {
    const bool settings_usable = settings_.load(settings_path_);
    if (!settings_.set_aside_copy().empty())
        set_aside_copies_.push_back(settings_.set_aside_copy());
    log_message(settings_usable ? L"Settings loaded successfully."
                                : L"Settings could not be loaded.");
    load_ignore_list(model);
    load_groups(model);
    load_hot_keys(model);
    load_timers(model);
    if (groups_unreadable_)
        add_default_groups_clear_of_references(model);
    // The folder is not left without a file that was set aside, so that a run ended before
    // its exit still finds the lists it ran with.
    if (ignore_list_.set_aside)
        save_list(ignore_list_, write_ignore_list, model);
    if (hot_keys_.set_aside)
        save_list(hot_keys_, hot_key_writer(), model);
    if (timers_.set_aside)
        save_list(timers_, timer_writer(), model);
    if (groups_.set_aside)
        save_list(groups_, write_groups, model);
    return settings_usable;
}

DataFolder::Outcome
DataFolder::load_list(ListFile& list,
                      const std::function<bool(const engine::config_element&)>& read) {
    if (list.file.load(list.path) && read(list.file.root()))
        return Outcome::loaded;
    if (!path_exists(list.path))
        return Outcome::missing;
    const std::wstring kept = set_unreadable_file_aside(list.path);
    list.left_alone = kept.empty();
    list.set_aside = !kept.empty();
    if (list.set_aside)
        set_aside_copies_.push_back(kept);
    return Outcome::unreadable;
}

void DataFolder::mark_loaded(ListFile& list, const Writer& write, const DataModel& model) {
    write(model, list.file.root());
    list.on_disk = list.file.to_document();
}

void DataFolder::load_ignore_list(DataModel& model) {
    model.clear_ignore_patterns();
    const auto read = [&](const engine::config_element& root) {
        return read_ignore_list(root, model);
    };
    if (load_list(ignore_list_, read) == Outcome::loaded) {
        mark_loaded(ignore_list_, write_ignore_list, model);
        log_message(L"Ignore list loaded successfully.");
        return;
    }
    log_message(L"Unable to load ignore list.");
    add_default_ignore_patterns(model);
}

void DataFolder::load_groups(DataModel& model) {
    model.clear_groups();
    const auto read = [&](const engine::config_element& root) { return read_groups(root, model); };
    const Outcome outcome = load_list(groups_, read);
    if (outcome == Outcome::loaded) {
        mark_loaded(groups_, write_groups, model);
        log_message(L"Group list loaded successfully.");
        return;
    }
    // The defaults of an unreadable file wait for the hot keys and timers, whose group ids
    // they must not take.
    groups_unreadable_ = outcome == Outcome::unreadable;
    if (!groups_unreadable_)
        add_default_groups(model, model.next_group_id());
    log_message(L"Unable to load group list.");
}

void DataFolder::load_hot_keys(DataModel& model) {
    model.clear_hot_keys();
    const auto read = [&](const engine::config_element& root) {
        return read_hot_keys(root, model, groups_unreadable_ ? &unbound_hot_keys_ : nullptr);
    };
    const bool loaded = load_list(hot_keys_, read) == Outcome::loaded;
    if (loaded)
        mark_loaded(hot_keys_, hot_key_writer(), model);
    log_message(loaded ? L"Hot key list loaded successfully." : L"Unable to load hot key list.");
}

void DataFolder::load_timers(DataModel& model) {
    model.clear_timers();
    const auto read = [&](const engine::config_element& root) {
        return read_timers(root, model, groups_unreadable_ ? &unbound_timers_ : nullptr);
    };
    const bool loaded = load_list(timers_, read) == Outcome::loaded;
    if (loaded)
        mark_loaded(timers_, timer_writer(), model);
    log_message(loaded ? L"Timer list loaded successfully." : L"Unable to load timer list.");
}

void DataFolder::add_default_groups_clear_of_references(DataModel& model) const {
    long long largest = -1;
    for (const HotKey& hot_key : unbound_hot_keys_)
        largest = std::max<long long>(largest, hot_key.group_id);
    for (const VisibilityTimer& timer : unbound_timers_)
        largest = std::max<long long>(largest, timer.group_id);
    constexpr int DEFAULT_GROUP_COUNT = 4;
    const bool room_above = largest < INT_MAX - DEFAULT_GROUP_COUNT;
    add_default_groups(model, room_above ? static_cast<int>(largest + 1) : 0);
}

DataFolder::Writer DataFolder::hot_key_writer() const {
    return [this](const DataModel& model, engine::config_element& root) {
        write_hot_keys(model, root, unbound_hot_keys_);
    };
}

DataFolder::Writer DataFolder::timer_writer() const {
    return [this](const DataModel& model, engine::config_element& root) {
        write_timers(model, root, unbound_timers_);
    };
}

void DataFolder::save_list(ListFile& list, const Writer& write, const DataModel& model) {
    if (list.left_alone)
        return;
    write(model, list.file.root());
    std::string document = list.file.to_document();
    if (document == list.on_disk)
        return;
    if (list.file.save(list.path))
        list.on_disk = std::move(document);
}

void DataFolder::save_changes(const DataModel& model) {
    save_list(ignore_list_, write_ignore_list, model);
    save_list(hot_keys_, hot_key_writer(), model);
    save_list(timers_, timer_writer(), model);
    save_list(groups_, write_groups, model);
}

void DataFolder::save(const DataModel& model) {
    save_changes(model);
    settings_.save();
}
