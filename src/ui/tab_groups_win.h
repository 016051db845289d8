#pragma once

#include "ui/model_list_page_win.h"

namespace engine {

// Page 2: the window groups by name. The user adds, edits and removes groups through the
// Window Group Editor and hides or shows all windows of a group at once.
class TabGroups final : public ModelListPage {
public:
    TabGroups();
    std::wstring title() const override { return L" Window Groups "; }

private:
    int entry_count() const override;
    std::wstring row_text(int entry, int column) const override;
    void layout(int width, int height) override;
    ModelListRebuild rebuild_options() const override;
    void update_buttons() override;
    INT_PTR handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

    void run_command(int command) override;
    void add_group();
    void edit_group();
    void remove_group();
    // Deactivates the group's timers and shows the windows they hold hidden.
    void stop_timers_of_group(int group_id);
    // The hot keys that go with a group let go of their combinations at once, so that a new
    // hot key or another program can take them; the ids are never handed out again.
    void release_hot_keys_of_group(int group_id);
    void hide_group();
    void show_group();
};

} // namespace engine
