#pragma once

#include "ui/window_page_win.h"

namespace engine {

// Page 0: the visible windows the user can hide, one at a time, all of them or all but some,
// and the window to bring to the front.
class TabVisibleWindows final : public WindowPage {
public:
    static constexpr int PAGE_INDEX = 0;

    TabVisibleWindows();
    std::wstring title() const override { return L" Visible Windows "; }

private:
    void find_rows(const Pattern& search, std::vector<int>& indices) const override;
    void update_buttons() override;
    void place_buttons(const WindowPageLayout& layout) override;
    void run_command(int command) override;
    void run_default_action() override;

    void hide_selected();
    // Hides the listed windows (all, or all but the selected ones), then leaves the screen
    // with the hidden windows page current.
    void hide_and_leave(const std::vector<int>& indices);
    void activate();
};

} // namespace engine
