#include "engine/window_engine.h"

#include "app/diagnostic_log.h"
#include "engine/file_name_of.h"
#include "engine/show_commands.h"

#include <algorithm>
#include <set>

namespace {

const std::wstring UNKNOWN_IMAGE_NAME = L"(Unknown)";

// Owner chains are built by other processes; a bounded walk cannot hang on a malformed one.
constexpr int MAX_OWNER_DEPTH = 256;

bool is_minimised(int show_state) {
    return show_state == show_command::MINIMIZED || show_state == show_command::MINIMIZE ||
           show_state == show_command::MINIMIZED_NO_ACTIVATE;
}

bool pattern_matches(const Pattern& pattern, const WindowRecord& record) {
    return pattern.matches(pattern.applies_to_image_name() ? record.image_name : record.title);
}

bool is_ignored(const WindowRecord& record, const std::vector<Pattern>& ignore_patterns) {
    return std::any_of(ignore_patterns.begin(), ignore_patterns.end(),
                       [&record](const Pattern& p) { return pattern_matches(p, record); });
}

template <typename Considered>
void collect_matches(const std::vector<WindowRecord>& records,
                     const std::vector<Pattern>& ignore_patterns, const Pattern& pattern,
                     std::vector<int>& indices, bool clear, Considered considered) {
    if (clear) {
        indices.clear();
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& record = records[i];
        if (considered(record) && !is_ignored(record, ignore_patterns) &&
            pattern_matches(pattern, record)) {
            indices.push_back(static_cast<int>(i));
        }
    }
    if (!clear) {
        std::sort(indices.begin(), indices.end());
        indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    }
}

} // namespace

Pattern match_all_pattern() {
    Pattern pattern;
    pattern.compare = Pattern::EVERYTHING;
    pattern.applies_to = Pattern::WINDOW_TITLE;
    return pattern;
}

WindowEngine::WindowEngine(DataModel& model, engine::window_system& windows,
                           engine::engine_host& host, engine::waiter& waiter)
    : model_(model), windows_(windows), host_(host), waiter_(waiter) {}

WindowEngine::Action::Action(WindowEngine& engine) : engine_(engine) {
    ++engine_.operation_depth_;
}

WindowEngine::Action::~Action() {
    if (--engine_.operation_depth_ == 0 && engine_.journal_ != nullptr) {
        engine_.journal_->flush();
    }
}

bool WindowEngine::enumerate_windows() {
    pass();
    return true;
}

bool WindowEngine::pass() {
    const Action action(*this);
    host_.stop_refresh_timer();
    scratch_records_.clear();
    ImageNameCache image_names;
    KnownImages seen;
    // Only the program's own windows can be owned by its main window.
    const auto main_window = host_.main_window();
    const auto own_process = main_window != 0 ? windows_.process_id(main_window) : 0;
    for (const auto window : windows_.top_level_windows()) {
        if (auto record = describe_window(window, own_process, image_names, seen)) {
            scratch_records_.push_back(std::move(*record));
        }
    }
    known_images_ = std::move(seen);
    auto& current = model_.windows.records;
    const bool changed = !same_windows(scratch_records_, current);
    if (changed) {
        current = scratch_records_;
        follow_changed_pass();
        refresh_page_if_shown();
    }
    host_.start_refresh_timer();
    return changed;
}

void WindowEngine::settle_and_enumerate() {
    waiter_.after_milliseconds(SETTLE_MILLISECONDS, [this] { bring_page_up_to_date(); });
}

void WindowEngine::bring_page_up_to_date() {
    if (!pass()) {
        refresh_page_if_shown();
    }
}

void WindowEngine::refresh_page_if_shown() {
    if (host_.main_window_shown()) {
        host_.refresh_current_page();
    }
}

std::optional<WindowRecord> WindowEngine::describe_window(WindowHandle window,
                                                          std::uint32_t own_process,
                                                          ImageNameCache& image_names,
                                                          KnownImages& seen) {
    // The cheap tests come first: most top-level windows have no title, and reading a
    // process's image name is the costly part of a pass.
    WindowRecord record;
    record.title = windows_.title(window);
    if (record.title.empty()) {
        return std::nullopt;
    }
    // A window never changes process, and a handle names a new window only after its slot
    // was reused tens of thousands of times, so the process of a window the last pass saw,
    // a second ago at most, is not asked for again.
    const auto known = known_images_.find(window);
    const bool is_known = known != known_images_.end();
    const auto process_id = is_known ? known->second.process_id : windows_.process_id(window);
    if (process_id == own_process && owned_by_main_window(window)) {
        return std::nullopt;
    }
    if (record.title.size() > WindowRecord::MAX_TITLE_LENGTH) {
        record.title.resize(WindowRecord::MAX_TITLE_LENGTH);
    }
    const auto state = windows_.state(window);
    record.visible = state.visible;
    // A visible window whose show state cannot be read is shown again with SW_SHOW rather
    // than with a show state that could leave it hidden.
    record.show_cmd =
        record.visible ? state.show_state.value_or(show_command::SHOW) : show_command::SHOW;
    record.image_name =
        is_known ? known->second.image_name : image_name_of(process_id, image_names);
    seen[window] = {process_id, record.image_name};
    record.hwnd = window;
    return record;
}

const std::wstring& WindowEngine::image_name_of(std::uint32_t process_id,
                                                ImageNameCache& image_names) const {
    if (process_id == 0) {
        return UNKNOWN_IMAGE_NAME;
    }
    const auto [entry, inserted] = image_names.try_emplace(process_id);
    if (inserted) {
        const auto path = windows_.process_image_path(process_id);
        entry->second = path.empty() ? UNKNOWN_IMAGE_NAME : file_name_of(path);
    }
    return entry->second;
}

bool WindowEngine::owned_by_main_window(WindowHandle window) const {
    const auto main_window = host_.main_window();
    if (main_window == 0) {
        return false;
    }
    for (int depth = 0; window != 0 && depth < MAX_OWNER_DEPTH; ++depth) {
        if (window == main_window) {
            return true;
        }
        window = windows_.parent(window);
    }
    return false;
}

void WindowEngine::find_visible_matches(const Pattern& pattern, std::vector<int>& indices,
                                        bool clear) const {
    collect_matches(model_.windows.records, model_.ignore_patterns(), pattern, indices, clear,
                    [](const WindowRecord& record) { return record.visible; });
}

void WindowEngine::find_hidden_matches(const Pattern& pattern, bool include_all,
                                       std::vector<int>& indices, bool clear) const {
    const auto& hidden = model_.windows.hidden_register;
    collect_matches(model_.windows.records, model_.ignore_patterns(), pattern, indices, clear,
                    [&hidden, include_all](const WindowRecord& record) {
                        return !record.visible && (include_all || hidden.was_hidden(record.hwnd));
                    });
}

bool WindowEngine::was_hidden_this_session(WindowHandle window) const {
    return model_.windows.hidden_register.was_hidden(window);
}

bool WindowEngine::has_owner(const WindowRecord& record) const {
    const auto owner = model_.windows.hidden_register.owner_of(record.hwnd);
    return owner && *owner != HiddenWindowRegister::NO_OWNER;
}

void WindowEngine::hide_window(int index, int owner) {
    const Action action(*this);
    auto& list = model_.windows;
    if (!list.contains_index(index)) {
        return;
    }
    const auto& record = list.records[static_cast<std::size_t>(index)];
    windows_.show_async(record.hwnd, show_command::HIDE);
    list.hidden_register.record_hidden(record.hwnd, owner);
    if (journal_ != nullptr) {
        journal_hidden_window(record, owner);
    }
}

void WindowEngine::show_window(int index) {
    const Action action(*this);
    auto& list = model_.windows;
    if (!list.contains_index(index)) {
        return;
    }
    const auto& record = list.records[static_cast<std::size_t>(index)];
    windows_.show_async(record.hwnd, record.show_cmd);
    list.hidden_register.record_shown(record.hwnd);
    if (journal_ != nullptr) {
        journal_->record_shown(record.hwnd);
    }
}

void WindowEngine::hide_windows(const std::vector<int>& indices) {
    const Action action(*this);
    for (const int index : indices) {
        hide_window(index, HiddenWindowRegister::NO_OWNER);
    }
}

void WindowEngine::show_windows(const std::vector<int>& indices) {
    const Action action(*this);
    for (const int index : indices) {
        show_window(index);
    }
    if (indices.empty() || !model_.windows.contains_index(indices.back())) {
        return;
    }
    const auto window = model_.windows.records[static_cast<std::size_t>(indices.back())].hwnd;
    if (window == 0) {
        return;
    }
    const auto show_state = windows_.placement_show_state(window);
    if (!show_state) {
        return;
    }
    if (is_minimised(*show_state)) {
        windows_.show_async(window, show_command::RESTORE);
    }
    windows_.set_foreground_window(window);
}

void WindowEngine::collect_visible_group_matches(const Group& group,
                                                 std::vector<int>& indices) const {
    for (const auto& pattern : group.patterns()) {
        find_visible_matches(pattern, indices, false);
    }
}

void WindowEngine::collect_hidden_group_matches(const Group& group,
                                                std::vector<int>& indices) const {
    for (const auto& pattern : group.patterns()) {
        find_hidden_matches(pattern, false, indices, false);
    }
}

void WindowEngine::hide_group(int group_index) {
    const Action action(*this);
    if (group_index < 0 || group_index >= model_.group_count()) {
        return;
    }
    const auto group = model_.group(group_index);
    std::vector<int> indices;
    collect_visible_group_matches(group, indices);
    hide_windows(indices);
    set_group_toggle_state(group.id(), false);
}

void WindowEngine::show_group(int group_index) {
    const Action action(*this);
    if (group_index < 0 || group_index >= model_.group_count()) {
        return;
    }
    const auto group = model_.group(group_index);
    std::vector<int> indices;
    collect_hidden_group_matches(group, indices);
    show_windows(indices);
    set_group_toggle_state(group.id(), true);
}

void WindowEngine::show_windows_of_owner(int owner) {
    const Action action(*this);
    for (const auto window : model_.windows.hidden_register.windows_of(owner)) {
        show_hidden_window(window);
    }
}

void WindowEngine::show_hidden_window(WindowHandle window) {
    const int index = model_.windows.find_index(window);
    if (index >= 0) {
        show_window(index);
        return;
    }
    // A window that lost its title has no record but is still this program's to show; its
    // former state is not known, and SW_SHOW lets the system bring back what it kept.
    const Action action(*this);
    if (windows_.window_exists(window) && !windows_.is_visible(window)) {
        windows_.show_async(window, show_command::SHOW);
    }
    model_.windows.hidden_register.record_shown(window);
    if (journal_ != nullptr) {
        journal_->record_shown(window);
    }
}

std::vector<WindowHandle> WindowEngine::held_hidden_windows() const {
    auto held = model_.windows.hidden_register.hidden_windows();
    std::erase_if(held, [this](WindowHandle window) { return !still_held(window); });
    return held;
}

bool WindowEngine::still_held(WindowHandle window) const {
    return windows_.window_exists(window) && !windows_.is_visible(window);
}

void WindowEngine::show_held_windows() {
    const Action action(*this);
    for (const auto window : held_hidden_windows()) {
        show_hidden_window(window);
    }
}

void WindowEngine::look_at_held_windows() {
    const Action action(*this);
    known_images_.clear();
    auto& hidden = model_.windows.hidden_register;
    for (const auto window : hidden.hidden_windows()) {
        if (windows_.window_exists(window) &&
            hidden.notice_visibility(window, windows_.is_visible(window)) && journal_ != nullptr) {
            journal_->record_shown(window);
        }
    }
}

void WindowEngine::follow_changed_pass() {
    auto& hidden = model_.windows.hidden_register;
    for (const auto& record : model_.windows.records) {
        if (hidden.notice_visibility(record.hwnd, record.visible) && journal_ != nullptr) {
            journal_->record_shown(record.hwnd);
        }
    }
    if (journal_ == nullptr) {
        return;
    }
    // The pass has just read the windows with a record; only the others are asked about.
    std::set<WindowHandle> untitled;
    for (const auto window : hidden.hidden_windows()) {
        if (model_.windows.find_index(window) < 0 && still_held(window)) {
            untitled.insert(window);
        }
    }
    journal_->keep_windows_of(model_.windows.records, untitled);
}

void WindowEngine::set_group_toggle_state(int group_id, bool shown) {
    for (int i = 0; i < model_.hot_key_count(); ++i) {
        const auto hot_key = model_.hot_key(i);
        if (hot_key.action == HotKey::TOGGLE_VISIBILITY && hot_key.group_id == group_id) {
            toggle_states_[hot_key.id] = shown;
        }
    }
}

void WindowEngine::on_hot_key(std::uint32_t id) {
    waiter_.after_milliseconds(SETTLE_MILLISECONDS, [this, id] {
        pass();
        // The journal is written as soon as the windows have changed, not a settling wait
        // later.
        bool acted = false;
        {
            const Action action(*this);
            acted = run_hot_key(id);
        }
        if (acted) {
            settle_and_enumerate();
        }
    });
}

bool WindowEngine::run_hot_key(std::uint32_t id) {
    for (int slot = 0; slot < EVENT_COUNT; ++slot) {
        if (model_.event_hot_key(slot).id == id) {
            return run_event_hot_key(slot);
        }
    }
    const int index = model_.find_hot_key_index(id);
    if (index >= 0) {
        run_group_hot_key(model_.hot_key(index));
    }
    return true;
}

bool WindowEngine::run_event_hot_key(int slot) {
    const auto all = match_all_pattern();
    switch (slot) {
    case EVENT_TOGGLE_ALL_WINDOWS: {
        std::vector<int> visible;
        std::vector<int> hidden;
        find_visible_matches(all, visible, true);
        find_hidden_matches(all, false, hidden, true);
        hide_windows(visible);
        show_windows(hidden);
        host_.hide_main_window();
        break;
    }
    case EVENT_HIDE_ACTIVE_WINDOW:
    case EVENT_HIDE_ALL_EXCEPT_ACTIVE: {
        const bool hide_active = slot == EVENT_HIDE_ACTIVE_WINDOW;
        // Read once: the active window can change, or go, between two reads.
        const auto active = windows_.foreground_window();
        if (active == 0) {
            return false;
        }
        hide_visible_windows_by_activity(active, hide_active);
        if (!hide_active) {
            host_.hide_main_window();
        }
        break;
    }
    case EVENT_SHOW_ALL_WINDOWS: {
        std::vector<int> hidden;
        find_hidden_matches(all, false, hidden, true);
        show_windows(hidden);
        break;
    }
    case EVENT_HIDE_ALL_WINDOWS: {
        std::vector<int> visible;
        find_visible_matches(all, visible, true);
        hide_windows(visible);
        host_.hide_main_window();
        break;
    }
    }
    return true;
}

void WindowEngine::hide_visible_windows_by_activity(WindowHandle active, bool hide_active) {
    std::vector<int> visible;
    find_visible_matches(match_all_pattern(), visible, true);
    std::erase_if(visible, [this, active, hide_active](int index) {
        const bool is_active =
            model_.windows.records[static_cast<std::size_t>(index)].hwnd == active;
        return is_active != hide_active;
    });
    hide_windows(visible);
}

void WindowEngine::run_group_hot_key(const HotKey& hot_key) {
    const bool hides =
        hot_key.action == HotKey::TOGGLE_VISIBILITY || hot_key.action == HotKey::HIDE_ONLY;
    const bool shows =
        hot_key.action == HotKey::TOGGLE_VISIBILITY || hot_key.action == HotKey::SHOW_ONLY;
    std::vector<int> to_hide;
    std::vector<int> to_show;
    const int group_index = model_.find_group_index(hot_key.group_id);
    if (group_index >= 0) {
        const auto group = model_.group(group_index);
        if (hides) {
            collect_visible_group_matches(group, to_hide);
        }
        if (shows) {
            collect_hidden_group_matches(group, to_show);
        }
    }
    switch (hot_key.action) {
    case HotKey::HIDE_ONLY:
        hide_windows(to_hide);
        set_group_toggle_state(hot_key.group_id, false);
        break;
    case HotKey::SHOW_ONLY:
        show_windows(to_show);
        set_group_toggle_state(hot_key.group_id, true);
        break;
    case HotKey::TOGGLE_VISIBILITY: {
        const auto state = toggle_states_.find(hot_key.id);
        const bool shown = state == toggle_states_.end() || state->second;
        if (shown) {
            hide_windows(to_hide);
        } else {
            show_windows(to_show);
        }
        toggle_states_[hot_key.id] = !shown;
        break;
    }
    default:
        break;
    }
}

void WindowEngine::journal_hidden_window(const WindowRecord& record, int owner) {
    const auto process_id = windows_.process_id(record.hwnd);
    const auto created = process_id == 0 ? 0 : windows_.process_creation_time(process_id);
    // A window whose process cannot be told could never be taken back safely.
    if (created == 0 || record.image_name == UNKNOWN_IMAGE_NAME) {
        return;
    }
    // Timer ids are new in every run, so a timer's windows are written down with its group.
    const int timer = owner == HiddenWindowRegister::NO_OWNER
                          ? -1
                          : model_.find_timer_index(static_cast<std::uint32_t>(owner));
    const int group_id = timer < 0 ? -1 : model_.timer(timer).group_id;
    journal_->record_hidden({record.hwnd, process_id, record.image_name, record.title,
                             record.show_cmd, created, group_id});
}

int WindowEngine::keep_journal(HiddenWindowJournal& journal,
                               const std::function<int(int group_id)>& owner_for_group) {
    const Action action(*this);
    journal_ = &journal;
    auto& hidden = model_.windows.hidden_register;
    int recovered = 0;
    for (auto& entry : journal.take_entries()) {
        if (!still_hidden_as_recorded(entry)) {
            continue;
        }
        const int owner = entry.group_id >= 0 && owner_for_group ? owner_for_group(entry.group_id)
                                                                 : HiddenWindowRegister::NO_OWNER;
        if (owner == HiddenWindowRegister::NO_OWNER) {
            entry.group_id = -1;
        }
        hidden.record_hidden(entry.hwnd, owner);
        journal.record_hidden(entry);
        ++recovered;
    }
    // Windows hidden before the journal came are written down now.
    for (const auto window : hidden.hidden_windows()) {
        const auto& entries = journal.entries();
        const int index = model_.windows.find_index(window);
        if (index >= 0 && std::none_of(entries.begin(), entries.end(),
                                       [window](const auto& e) { return e.hwnd == window; })) {
            journal_hidden_window(model_.windows.records[static_cast<std::size_t>(index)],
                                  hidden.owner_of(window).value_or(HiddenWindowRegister::NO_OWNER));
        }
    }
    if (recovered > 0) {
        log_message(L"Recovered " + std::to_wstring(recovered) +
                    L" hidden windows from the previous run.");
        refresh_page_if_shown();
    }
    return recovered;
}

bool WindowEngine::still_hidden_as_recorded(const HiddenWindowEntry& entry) {
    // A handle of a closed window can be given to a new one; only the same process, still
    // running the same image, is trusted with it. An unreadable image proves nothing.
    if (!windows_.window_exists(entry.hwnd) || windows_.is_visible(entry.hwnd) ||
        entry.image_name == UNKNOWN_IMAGE_NAME ||
        windows_.process_id(entry.hwnd) != entry.process_id) {
        return false;
    }
    // Ids are reused; with its creation time the id names one process. An entry of the older
    // format, without it, was checked against the boot when it was read.
    if (entry.process_created != 0 &&
        windows_.process_creation_time(entry.process_id) != entry.process_created) {
        return false;
    }
    ImageNameCache image_names;
    return image_name_of(entry.process_id, image_names) == entry.image_name;
}
