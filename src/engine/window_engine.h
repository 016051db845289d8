#pragma once

#include "engine/engine_host.h"
#include "engine/hidden_window_journal.h"
#include "engine/waiter.h"
#include "engine/window_list.h"
#include "engine/window_system.h"
#include "model/data_model.h"
#include "model/group.h"
#include "model/hot_key.h"
#include "model/pattern.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// A pattern that selects every window; the program-wide hot keys and the tray menu use it.
Pattern match_all_pattern();

// Hides and shows other applications' top-level windows. It takes snapshots of the windows
// into the model's window list, turns patterns into record indices (never returning a window
// the ignore list names), and hides and shows windows while keeping the hidden-window
// register current. Indices are positions in the model's current records.
class WindowEngine {
public:
    // How long an action waits for the windows it changed before it looks again.
    static constexpr unsigned SETTLE_MILLISECONDS = 100;

    WindowEngine(DataModel& model, engine::window_system& windows, engine::engine_host& host,
                 engine::waiter& waiter);
    WindowEngine(const WindowEngine&) = delete;
    WindowEngine& operator=(const WindowEngine&) = delete;

    // One pass over the top-level windows. The model's records are replaced, and the current
    // page told, only when something a page shows has changed. Always true.
    bool enumerate_windows();
    // Once earlier requests had time to settle, without holding up the message loop, runs a
    // pass and refreshes the current page once while the main window is shown: what an
    // action changed (the register, the ignore list) shows even when no window did.
    void settle_and_enumerate();
    // A pass that brings the current page up to date, as when the main window is shown again
    // after passes it was not told about.
    void bring_page_up_to_date();
    void refresh_page_if_shown();
    // Instead of a pass, a look at only the windows this program holds hidden, so that one its
    // own program showed (and may hide again itself) is let go while no pass runs. The next
    // pass then reads every window afresh, however long the gap.
    void look_at_held_windows();

    // Add the indices of the visible (or hidden) records the pattern matches and the ignore
    // list does not. With `clear` the list is emptied first; without it the result is merged
    // into the list, ascending and without duplicates. Hidden matches are the windows this
    // program hid and has not shown since, or with `include_all` every window not visible.
    void find_visible_matches(const Pattern& pattern, std::vector<int>& indices, bool clear) const;
    void find_hidden_matches(const Pattern& pattern, bool include_all, std::vector<int>& indices,
                             bool clear) const;
    bool was_hidden_this_session(WindowHandle window) const;
    // True when a visibility timer hid the record's window most recently.
    bool has_owner(const WindowRecord& record) const;

    // Out-of-range indices are ignored. Hiding registers the window under `owner`; showing
    // uses the record's show command and releases the window from every owner.
    void hide_window(int index, int owner);
    void show_window(int index);
    void hide_windows(const std::vector<int>& indices);
    // Shows each window, then brings the last one to the front (restoring it if minimised).
    void show_windows(const std::vector<int>& indices);
    // Hide or show every window of group `group_index` and set the group's toggle hot keys
    // to match. A group index out of range does nothing.
    void hide_group(int group_index);
    void show_group(int group_index);
    // Shows the windows still held hidden under `owner`.
    void show_windows_of_owner(int owner);
    // Shows a window this program hid, by its record or, when it has none since it lost its
    // title, by its handle; either way it is released from every owner.
    void show_hidden_window(WindowHandle window);
    // The windows this program hid that are still there and not visible, titled or not: what
    // the exit prompt asks about.
    std::vector<WindowHandle> held_hidden_windows() const;
    void show_held_windows();
    // Sets the state of every "Toggle Visibility" hot key of the group: `shown` true makes
    // the next press hide the group.
    void set_group_toggle_state(int group_id, bool shown);

    // Carries out the hot key registered under `id` between two settled passes; returns at
    // once and acts from the message loop.
    void on_hot_key(std::uint32_t id);

    // Takes back the windows `journal` names that an earlier run left hidden and that are
    // still there: the same handle, not visible, in the same process (id and creation time)
    // and image. They count as hidden by this run from then on, under the owner that
    // `owner_for_group` gives for the group of the timer that hid them (NO_OWNER for none);
    // the others are dropped. Windows hidden before are written down too. From now on the
    // journal follows every change of the register and is written once at the end of each
    // operation that changed it. Returns how many windows were taken back.
    int keep_journal(HiddenWindowJournal& journal,
                     const std::function<int(int group_id)>& owner_for_group = {});

    // One user action for the journal: the changes of every operation made while it lives
    // are written together when the outermost action ends. Each operation above is an action
    // of its own; a caller that hides or shows several windows one by one holds one around
    // the loop, so the file is written once, not once per window.
    class Action {
    public:
        explicit Action(WindowEngine& engine);
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;
        ~Action();

    private:
        WindowEngine& engine_;
    };

private:
    // Image names by process id, read once per process within one pass.
    using ImageNameCache = std::unordered_map<std::uint32_t, std::wstring>;
    // The process and image name of a window seen by the last pass: a known window costs
    // neither a question for its process nor an opening of it.
    struct KnownImage {
        std::uint32_t process_id = 0;
        std::wstring image_name;
    };
    using KnownImages = std::unordered_map<WindowHandle, KnownImage>;

    // A pass; true when the records changed.
    bool pass();
    std::optional<WindowRecord> describe_window(WindowHandle window, std::uint32_t own_process,
                                                ImageNameCache& image_names, KnownImages& seen);
    const std::wstring& image_name_of(std::uint32_t process_id, ImageNameCache& image_names) const;
    bool owned_by_main_window(WindowHandle window) const;
    // The window is still there and not visible.
    bool still_held(WindowHandle window) const;
    bool still_hidden_as_recorded(const HiddenWindowEntry& entry);
    void journal_hidden_window(const WindowRecord& record, int owner);
    // After a pass that changed the records: releases the windows their programs showed and
    // drops the journal's entries of windows that are gone.
    void follow_changed_pass();
    // False when the hot key's event needs an active window and there is none.
    bool run_hot_key(std::uint32_t id);
    bool run_event_hot_key(int slot);
    void run_group_hot_key(const HotKey& hot_key);
    void hide_visible_windows_by_activity(WindowHandle active, bool hide_active);
    void collect_visible_group_matches(const Group& group, std::vector<int>& indices) const;
    void collect_hidden_group_matches(const Group& group, std::vector<int>& indices) const;

    DataModel& model_;
    engine::window_system& windows_;
    engine::engine_host& host_;
    engine::waiter& waiter_;
    std::vector<WindowRecord> scratch_records_;
    KnownImages known_images_;
    // The state of each "Toggle Visibility" hot key by id: true, or no entry, means its group
    // counts as shown and the next press hides it.
    std::map<std::uint32_t, bool> toggle_states_;
    HiddenWindowJournal* journal_ = nullptr;
    int operation_depth_ = 0;
};
