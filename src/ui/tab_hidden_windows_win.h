#pragma once

#include "ui/window_page_win.h"

namespace engine {

// Page 1: the hidden windows the user can show again; by default the ones this program hid,
// on request every hidden window, with a warning before windows this program did not hide
// are shown.
class TabHiddenWindows final : public WindowPage {
public:
    static constexpr int PAGE_INDEX = 1;

    TabHiddenWindows();
    std::wstring title() const override { return L" Hidden Windows "; }

private:
    void find_rows(const Pattern& search, std::vector<int>& indices) const override;
    void update_buttons() override;
    void place_buttons(const WindowPageLayout& layout) override;
    void run_command(int command) override;
    void run_default_action() override;

    // Shows the windows of the given rows after the warning about foreign windows, if any.
    void show_rows(const std::vector<int>& indices);
    std::vector<WindowHandle> windows_of(const std::vector<int>& indices) const;
    void show_windows(const std::vector<WindowHandle>& windows);
    void show_all();
    void on_list_all_hidden_clicked();
    // False when the user declined to show windows this program did not hide.
    bool confirm_foreign_windows(const std::vector<int>& indices);

    bool list_all_hidden_ = false;
};

} // namespace engine
