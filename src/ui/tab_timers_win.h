#pragma once

#include "ui/model_list_page_win.h"

namespace engine {

// Page 4: the visibility timers with their groups, states and kinds.
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
};

} // namespace engine
