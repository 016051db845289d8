#include "ui/other_events_editor_win.h"

#include "app/message_box_win.h"
#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"
#include "ui/editor_dialog_win.h"

namespace {

class OtherEventsEditor {
public:
    OtherEventsEditor(DataModel& model, const HotKeyTest& test) : model_(model), test_(test) {}

    bool run(HWND owner) { return run_editor_dialog(owner, IDD_OTHER_EVENTS, *this) == IDOK; }

private:
    friend INT_PTR CALLBACK editor_dialog_procedure<OtherEventsEditor>(HWND, UINT, WPARAM, LPARAM);

    INT_PTR on_init_dialog(HWND dialog) {
        dialog_ = dialog;
        const HWND events = GetDlgItem(dialog_, IDC_HOT_KEY_EVENT);
        for (int slot = 0; slot < EVENT_COUNT; ++slot) {
            SendMessageW(events, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(event_name(slot).c_str()));
        }
        SendMessageW(events, CB_SETCURSEL, 0, 0);
        fill_key_list(dialog_);
        show_key_settings(dialog_, model_.event_hot_key(0));
        centre_on_parent(dialog_);
        return TRUE;
    }

    INT_PTR on_command(WORD id, WORD notification) {
        switch (id) {
        case IDOK:
            if (commit(selected_slot())) {
                EndDialog(dialog_, IDOK);
            }
            return TRUE;
        case IDC_HOT_KEY_CLEAR:
            clear_key_settings(dialog_);
            return TRUE;
        case IDC_HOT_KEY_EVENT:
            on_event_list(notification);
            return TRUE;
        default:
            return FALSE;
        }
    }

    void on_event_list(WORD notification) {
        if (notification == CBN_DROPDOWN &&
            read_key_settings(dialog_).key_code != UNSPECIFIED_KEY) {
            // The slot being left keeps what the user set; a refusal has been told and the
            // user may still move on.
            commit(selected_slot());
        } else if (notification == CBN_SELCHANGE) {
            const int slot = selected_slot();
            if (slot >= 0) {
                show_key_settings(dialog_, model_.event_hot_key(slot));
            }
        }
    }

    bool commit(int slot) {
        if (slot < 0) {
            return false;
        }
        const KeySettings settings = read_key_settings(dialog_);
        if (settings.key_code == UNSPECIFIED_KEY && settings.any_modifier()) {
            information_box(dialog_, L"No key specified",
                            L"The hot key combination you've specified contains only modifiers "
                            L"(such as the Control or Shift) key.  To continue, you must specify "
                            L"an actual key.");
            return false;
        }
        if (settings.key_code != UNSPECIFIED_KEY && !settings.any_modifier() &&
            !confirm_no_modifiers(dialog_)) {
            return false;
        }
        const HotKey previous = model_.event_hot_key(slot);
        HotKey changed = previous;
        changed.key_code = settings.key_code;
        store_modifiers(settings, changed);
        model_.set_event_hot_key(slot, changed);
        if (accept_test_result(dialog_, test_(changed))) {
            return true;
        }
        // A combination the user was told is taken must not stay behind after Cancel.
        model_.set_event_hot_key(slot, previous);
        return false;
    }

    int selected_slot() const {
        const auto slot = SendDlgItemMessageW(dialog_, IDC_HOT_KEY_EVENT, CB_GETCURSEL, 0, 0);
        return slot >= 0 && slot < EVENT_COUNT ? static_cast<int>(slot) : -1;
    }

    DataModel& model_;
    const HotKeyTest& test_;
    HWND dialog_ = nullptr;
};

} // namespace

bool run_other_events_editor(HWND owner, DataModel& model, const HotKeyTest& test) {
    return OtherEventsEditor(model, test).run(owner);
}
