#include "ui/ignore_list_editor_win.h"

#include "app/message_box_win.h"
#include "editors_resource.h"
#include "ui/editor_dialog_win.h"
#include "ui/list_rows_win.h"
#include "ui/string_pattern_editor_win.h"

#include <algorithm>

namespace {

class IgnoreListEditor {
public:
    explicit IgnoreListEditor(DataModel& model) : model_(model) {}

    bool run(HWND owner) { return run_editor_dialog(owner, IDD_IGNORE_LIST_EDITOR, *this) == IDOK; }

private:
    friend INT_PTR CALLBACK editor_dialog_procedure<IgnoreListEditor>(HWND, UINT, WPARAM, LPARAM);

    INT_PTR on_init_dialog(HWND dialog) {
        dialog_ = dialog;
        rules_ = GetDlgItem(dialog, IDC_IGNORE_RULES);
        fill_rules(false);
        centre_on_parent(dialog_);
        return TRUE;
    }

    void on_close() { EndDialog(dialog_, IDCANCEL); }

    INT_PTR on_command(WORD id, WORD notification) {
        switch (id) {
        case IDOK:
            EndDialog(dialog_, IDOK);
            return TRUE;
        case IDCANCEL:
            // Escape: every change is already made, so there is nothing to cancel.
            return TRUE;
        case IDC_IGNORE_ADD:
            add();
            return TRUE;
        case IDC_IGNORE_EDIT:
            edit();
            return TRUE;
        case IDC_IGNORE_DUPLICATE:
            duplicate();
            return TRUE;
        case IDC_IGNORE_REMOVE:
            remove();
            return TRUE;
        case IDC_IGNORE_RULES:
            on_rules_notification(notification);
            return TRUE;
        default:
            return FALSE;
        }
    }

    void on_rules_notification(WORD notification) {
        if (notification == LBN_SELCHANGE) {
            update_buttons();
        } else if (notification == LBN_DBLCLK) {
            edit();
        }
    }

    void add() {
        // The editor is owned by this dialog, not the main one, so that the rules cannot change
        // under it while it is open.
        if (const auto added = edit_string_pattern(dialog_, Pattern{})) {
            model_.add_ignore_pattern(*added);
        }
        fill_rules(true);
    }

    void edit() {
        const int line = selected_line();
        if (line < 0) {
            return;
        }
        if (const auto edited = edit_string_pattern(dialog_, model_.ignore_pattern(line))) {
            model_.set_ignore_pattern(line, *edited);
            fill_rules(false);
        }
    }

    void duplicate() {
        const int line = selected_line();
        if (line < 0) {
            return;
        }
        model_.duplicate_ignore_pattern(line);
        fill_rules(false);
    }

    void remove() {
        const int line = selected_line();
        if (line < 0) {
            return;
        }
        model_.remove_ignore_pattern(line);
        fill_rules(false);
    }

    // Rebuilds the lines from the model; the selected line stays where it was, limited to the
    // last line, unless `select_last` asks for the last line.
    void fill_rules(bool select_last) {
        const int previous = selected_line();
        SendMessageW(rules_, LB_RESETCONTENT, 0, 0);
        for (const Pattern& pattern : model_.ignore_patterns()) {
            SendMessageW(rules_, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(pattern.describe().c_str()));
        }
        const int last = model_.ignore_count() - 1;
        const int selected = select_last ? last : std::min(previous, last);
        SendMessageW(rules_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        update_buttons();
    }

    void update_buttons() const {
        const bool selected = selected_line() >= 0;
        for (const int button : {IDC_IGNORE_EDIT, IDC_IGNORE_DUPLICATE, IDC_IGNORE_REMOVE}) {
            EnableWindow(GetDlgItem(dialog_, button), selected);
        }
        // A button that was just disabled must not keep the keyboard focus.
        const HWND focus = GetFocus();
        if (focus != nullptr && !IsWindowEnabled(focus)) {
            SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(rules_), TRUE);
        }
    }

    int selected_line() const {
        const auto line = SendMessageW(rules_, LB_GETCURSEL, 0, 0);
        return line == LB_ERR ? -1 : static_cast<int>(line);
    }

    DataModel& model_;
    HWND dialog_ = nullptr;
    HWND rules_ = nullptr;
};

} // namespace

bool run_ignore_list_editor(HWND owner, DataModel& model) {
    return IgnoreListEditor(model).run(owner);
}

void edit_ignore_list(engine::page_host& host, DataModel& model) {
    const bool closed = run_ignore_list_editor(host.main_dialog(), model);
    host.save_changes();
    if (closed) {
        refresh_after_action(host);
    }
}
