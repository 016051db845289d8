#include "ui/group_editor_win.h"

#include "app/message_box_win.h"
#include "editors_resource.h"
#include "groups_editors_resource.h"
#include "ui/editor_dialog_win.h"
#include "ui/pattern_entry_row_win.h"

#include <algorithm>

namespace {

constexpr int NAME_LIMIT = 256;

// The whole text, also a name longer than the typing limit that came from the data file.
std::wstring text_of(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Whether the entry row holds something the user typed or chose but did not add. The target
// is left out: it keeps its choice after each added pattern, as the case flag does.
bool entry_edited(const PatternEntry& entry) {
    return !entry.phrase.empty() || entry.case_sensitive ||
           entry.comparison_index != PatternEntry::CONTAINS_INDEX;
}

class GroupEditor {
public:
    explicit GroupEditor(const Group& group) : group_(group) {}

    std::optional<Group> run(HWND owner) {
        return edit_copy_in_dialog(owner, IDD_GROUP_EDITOR, *this, group_);
    }

private:
    friend INT_PTR CALLBACK editor_dialog_procedure<GroupEditor>(HWND, UINT, WPARAM, LPARAM);

    INT_PTR on_init_dialog(HWND dialog) {
        dialog_ = dialog;
        patterns_ = GetDlgItem(dialog_, IDC_GROUP_PATTERNS);
        show_pattern_entry(dialog_, PatternEntry{});
        fill_patterns(false);
        SendMessageW(name_box(), EM_LIMITTEXT, NAME_LIMIT, 0);
        SetWindowTextW(name_box(), group_.name().c_str());
        focus(name_box());
        centre_on_parent(dialog_);
        // The focus is set here, so the dialog manager must not move it.
        return FALSE;
    }

    INT_PTR on_command(WORD id, WORD notification) {
        switch (id) {
        case IDOK:
            confirm();
            return TRUE;
        case IDC_GROUP_ADD_PATTERN:
            add_pattern();
            return TRUE;
        case IDC_GROUP_REMOVE_PATTERN:
            remove_pattern();
            return TRUE;
        case IDC_GROUP_PATTERNS:
            if (notification == LBN_SELCHANGE) {
                update_remove_button();
            }
            return TRUE;
        default:
            return FALSE;
        }
    }

    void add_pattern() {
        PatternEntry entry = read_pattern_entry(dialog_);
        if (entry.phrase.empty()) {
            information_box(dialog_, L"Invalid Phrase", L"No pattern phrase has been specified.");
            focus(phrase_box(dialog_));
            return;
        }
        group_.add_pattern(pattern_from(entry));
        entry.phrase.clear();
        entry.comparison_index = PatternEntry::CONTAINS_INDEX;
        show_pattern_entry(dialog_, entry);
        fill_patterns(true);
        focus(phrase_box(dialog_));
    }

    void remove_pattern() {
        const int line = selected_line();
        if (line < 0) {
            return;
        }
        group_.remove_pattern(line);
        fill_patterns(false);
    }

    void confirm() {
        const std::wstring name = text_of(name_box());
        if (name.empty()) {
            information_box(dialog_, L"Missing Group Name",
                            L"You must specify a name to create a group.");
            focus(name_box());
            return;
        }
        group_.set_name(name);
        if (group_.pattern_count() == 0) {
            information_box(dialog_, L"Missing Window Patterns",
                            L"You must specify at least one string pattern to create a group.");
            focus(phrase_box(dialog_));
            return;
        }
        if (entry_edited(read_pattern_entry(dialog_)) &&
            !ask_yes_no(dialog_, L"Editing Window Pattern",
                        L"Your latest string pattern edit was not added to the group.  Are you "
                        L"sure you'd like to continue without adding it?")) {
            return;
        }
        EndDialog(dialog_, IDOK);
    }

    // Rebuilds the lines from the group; the selected line stays where it was, limited to the
    // last line, unless `select_last` asks for the last line.
    void fill_patterns(bool select_last) {
        const int previous = selected_line();
        SendMessageW(patterns_, LB_RESETCONTENT, 0, 0);
        for (const Pattern& pattern : group_.patterns()) {
            SendMessageW(patterns_, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(pattern.describe().c_str()));
        }
        const int last = group_.pattern_count() - 1;
        const int selected = select_last ? last : std::min(previous, last);
        SendMessageW(patterns_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        update_remove_button();
    }

    void update_remove_button() const {
        const HWND button = GetDlgItem(dialog_, IDC_GROUP_REMOVE_PATTERN);
        const bool selected = selected_line() >= 0;
        // A button about to be disabled must not keep the keyboard focus.
        if (!selected && GetFocus() == button) {
            focus(patterns_);
        }
        EnableWindow(button, selected);
    }

    int selected_line() const {
        const auto line = SendMessageW(patterns_, LB_GETCURSEL, 0, 0);
        return line == LB_ERR ? -1 : static_cast<int>(line);
    }

    HWND name_box() const { return GetDlgItem(dialog_, IDC_GROUP_NAME); }

    // An edit box that gets the focus this way also has its whole text selected.
    void focus(HWND control) const {
        SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }

    Group group_;
    HWND dialog_ = nullptr;
    HWND patterns_ = nullptr;
};

} // namespace

std::optional<Group> run_group_editor(HWND owner, const Group& group) {
    return GroupEditor(group).run(owner);
}
