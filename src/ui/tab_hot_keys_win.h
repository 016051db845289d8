#pragma once

#include "ui/model_list_page_win.h"

namespace engine {

// Page 3: the group hot keys with their groups, key combinations and actions.
class TabHotKeys final : public ModelListPage {
public:
    TabHotKeys();
    std::wstring title() const override { return L" Hot Keys "; }

private:
    int entry_count() const override;
    std::wstring row_text(int entry, int column) const override;
    void layout(int width, int height) override;
    ModelListRebuild rebuild_options() const override;
    void update_buttons() override;
};

} // namespace engine
