#include "ui/hot_key_editor_win.h"

#include "app/message_box_win.h"
#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"
#include "ui/editor_dialog_win.h"

namespace {

constexpr int ACTION_COUNT = 3;
const wchar_t* const INVALID_GROUP_CAPTION = L"Invalid Group";

class HotKeyEditor {
public:
    HotKeyEditor(const DataModel& model, const HotKeyTest& test, const HotKey& hot_key)
        : model_(model), test_(test), hot_key_(hot_key) {}

    std::optional<HotKey> run(HWND owner) {
        return edit_copy_in_dialog(owner, IDD_HOT_KEY_EDITOR, *this, hot_key_);
    }

private:
    friend INT_PTR CALLBACK editor_dialog_procedure<HotKeyEditor>(HWND, UINT, WPARAM, LPARAM);

    INT_PTR on_init_dialog(HWND dialog) {
        dialog_ = dialog;
        for (int action = 0; action < ACTION_COUNT; ++action) {
            add_choice(IDC_HOT_KEY_ACTION, action_name(static_cast<std::uint32_t>(action)));
        }
        const bool known_action = hot_key_.action < ACTION_COUNT;
        select(IDC_HOT_KEY_ACTION, known_action ? static_cast<int>(hot_key_.action) : 0);
        fill_key_list(dialog_);
        show_key_settings(dialog_, hot_key_);
        fill_groups();
        centre_on_parent(dialog_);
        return TRUE;
    }

    void fill_groups() {
        for (int index = 0; index < model_.group_count(); ++index) {
            add_choice(IDC_HOT_KEY_GROUP, model_.group(index).name());
        }
        select(IDC_HOT_KEY_GROUP, 0);
        const int index = model_.find_group_index(hot_key_.group_id);
        if (index >= 0) {
            select(IDC_HOT_KEY_GROUP, index);
        }
    }

    INT_PTR on_command(WORD id, WORD notification) {
        switch (id) {
        case IDOK:
            confirm();
            return TRUE;
        case IDC_HOT_KEY_GROUP:
            if (notification == CBN_SELCHANGE) {
                hot_key_.group_id = selected_group_id();
            }
            return TRUE;
        default:
            return FALSE;
        }
    }

    void confirm() {
        const KeySettings settings = read_key_settings(dialog_);
        hot_key_.key_code = settings.key_code;
        if (settings.key_code == UNSPECIFIED_KEY) {
            information_box(dialog_, L"Unspecified Hot Key",
                            L"A valid hot key combination has not been specified.");
            return;
        }
        if (!settings.any_modifier() && !confirm_no_modifiers(dialog_)) {
            return;
        }
        store_modifiers(settings, hot_key_);
        const int action = chosen(IDC_HOT_KEY_ACTION);
        if (action >= 0 && action < ACTION_COUNT) {
            hot_key_.action = static_cast<std::uint32_t>(action);
        }
        if (!accept_test_result(dialog_, test_(hot_key_))) {
            return;
        }
        if (model_.group_count() == 0) {
            information_box(dialog_, INVALID_GROUP_CAPTION,
                            L"You've attempted to use a group, but no groups have been created "
                            L"yet.");
            return;
        }
        if (selected_group_id() < 0) {
            information_box(dialog_, INVALID_GROUP_CAPTION, L"Invalid group selection.");
            return;
        }
        hot_key_.group_id = selected_group_id();
        EndDialog(dialog_, IDOK);
    }

    // The id of the chosen group, or -1 when the choice is not one of the model's groups.
    int selected_group_id() const {
        const int index = chosen(IDC_HOT_KEY_GROUP);
        return index >= 0 && index < model_.group_count() ? model_.group(index).id() : -1;
    }

    void add_choice(int list_id, const std::wstring& text) const {
        SendDlgItemMessageW(dialog_, list_id, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(text.c_str()));
    }

    void select(int list_id, int index) const {
        SendDlgItemMessageW(dialog_, list_id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }

    int chosen(int list_id) const {
        return static_cast<int>(SendDlgItemMessageW(dialog_, list_id, CB_GETCURSEL, 0, 0));
    }

    const DataModel& model_;
    const HotKeyTest& test_;
    HotKey hot_key_;
    HWND dialog_ = nullptr;
};

} // namespace

std::optional<HotKey> run_hot_key_editor(HWND owner, const DataModel& model, const HotKeyTest& test,
                                         const HotKey& hot_key) {
    return HotKeyEditor(model, test, hot_key).run(owner);
}
