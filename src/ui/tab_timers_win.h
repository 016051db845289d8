#pragma once

#include "ui/model_list_page_win.h"

namespace engine {

// Page 4: the visibility timers with their groups, states and kinds. The user adds, edits and
// removes timers through the Visibility Timer Editor and activates or deactivates them here.
class TabTimers final : public ModelListPage {
public:
    TabTimers();
    std::wstring title() const override { return L" Visibility Timers "; }

private:
    int entry_count() const override;
    std::wstring row_text(int entry, int column) const override;
    void layout(int width, int height) override;
    ModelListRebuild rebuild_options() const override;
    void update_buttons() override;
    INT_PTR handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

    void run_command(int command) override;
    void on_key(WORD key);
    void show_context_menu(int row);
    void show_description(NMLVGETINFOTIPW& request) const;
    // The context menu's activate item reads what it would do to the timer.
    void label_toggle_item(bool enabled);

    void add_timer();
    void edit_timer();
    void remove_timer();
    void toggle_selected_timer();
};

} // namespace engine
