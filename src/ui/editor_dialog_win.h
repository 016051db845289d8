#pragma once

#include <windows.h>

#include <optional>

// Keeps the editor in the dialog's user data from WM_INITDIALOG on and hands it the messages it
// answers. An editor lets this procedure reach its handlers by naming it a friend.
template <typename Editor>
INT_PTR CALLBACK editor_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, GWLP_USERDATA, lparam);
        return reinterpret_cast<Editor*>(lparam)->on_init_dialog(dialog);
    }
    auto* editor = reinterpret_cast<Editor*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
    if (editor == nullptr) {
        return FALSE;
    }
    if (message == WM_COMMAND) {
        if (editor->on_command(LOWORD(wparam), HIWORD(wparam))) {
            return TRUE;
        }
        // Cancel, Escape and the close box end an editor that does not answer them itself.
        if (LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    if constexpr (requires { editor->on_close(); }) {
        if (message == WM_CLOSE) {
            editor->on_close();
            return TRUE;
        }
    }
    return FALSE;
}

// Runs a modal dialog from the program's resources with `editor` behind it and returns how it
// ended (IDOK, IDCANCEL). The editor answers WM_INITDIALOG with on_init_dialog(dialog) and
// WM_COMMAND with on_command(id, notification), false for a command it leaves alone; one that must
// end the dialog itself on WM_CLOSE also has on_close().
template <typename Editor> INT_PTR run_editor_dialog(HWND owner, int dialog_id, Editor& editor) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog_id), owner,
                           &editor_dialog_procedure<Editor>, reinterpret_cast<LPARAM>(&editor));
}

// Runs the editor's dialog over a copy of a record and gives the edited copy back only after OK.
template <typename Editor, typename Record>
std::optional<Record> edit_copy_in_dialog(HWND owner, int dialog_id, Editor& editor,
                                          const Record& copy) {
    if (run_editor_dialog(owner, dialog_id, editor) != IDOK) {
        return std::nullopt;
    }
    return copy;
}
