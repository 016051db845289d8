#include "ui/string_pattern_editor_win.h"

#include "app/message_box_win.h"
#include "editors_resource.h"
#include "ui/editor_dialog_win.h"
#include "ui/pattern_entry_row_win.h"

namespace {

class StringPatternEditor {
public:
    explicit StringPatternEditor(const Pattern& pattern) : pattern_(pattern) {}

    std::optional<Pattern> run(HWND owner) {
        return edit_copy_in_dialog(owner, IDD_STRING_PATTERN_EDITOR, *this, pattern_);
    }

private:
    friend INT_PTR CALLBACK editor_dialog_procedure<StringPatternEditor>(HWND, UINT, WPARAM,
                                                                         LPARAM);

    INT_PTR on_init_dialog(HWND dialog) {
        dialog_ = dialog;
        show_pattern_entry(dialog_, entry_for(pattern_));
        focus_phrase();
        centre_on_parent(dialog_);
        // The focus is set here, so the dialog manager must not move it.
        return FALSE;
    }

    INT_PTR on_command(WORD id, WORD notification) {
        switch (id) {
        case IDOK:
            confirm();
            return TRUE;
        case IDC_PATTERN_COMPARISON:
            if (notification == CBN_CLOSEUP) {
                SetFocus(phrase_box(dialog_));
            }
            return TRUE;
        default:
            return FALSE;
        }
    }

    void confirm() {
        const PatternEntry entry = read_pattern_entry(dialog_);
        if (entry.phrase.empty()) {
            information_box(dialog_, L"Invalid Phrase", L"No pattern phrase has been specified.");
            focus_phrase();
            return;
        }
        pattern_ = pattern_from(entry);
        EndDialog(dialog_, IDOK);
    }

    // Also selects the whole phrase, so that typing replaces it.
    void focus_phrase() const {
        SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(phrase_box(dialog_)), TRUE);
    }

    Pattern pattern_;
    HWND dialog_ = nullptr;
};

} // namespace

std::optional<Pattern> edit_string_pattern(HWND owner, const Pattern& pattern) {
    return StringPatternEditor(pattern).run(owner);
}
