#pragma once

#include "ui/model_list_page_win.h"

namespace engine {

// Page 2: the window groups by name.
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
};

} // namespace engine
