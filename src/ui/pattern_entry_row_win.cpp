#include "ui/pattern_entry_row_win.h"

#include "editors_resource.h"

#include <span>

namespace {

void fill_choices(HWND list, std::span<const wchar_t* const> choices, int selected) {
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* choice : choices) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int chosen(HWND dialog, int list_id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, list_id, CB_GETCURSEL, 0, 0));
}

std::wstring text_of(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

void show_pattern_entry(HWND dialog, const PatternEntry& entry) {
    fill_choices(GetDlgItem(dialog, IDC_PATTERN_TARGET), PatternEntry::TARGETS, entry.target_index);
    fill_choices(GetDlgItem(dialog, IDC_PATTERN_COMPARISON), PatternEntry::COMPARISONS,
                 entry.comparison_index);
    SendMessageW(phrase_box(dialog), EM_LIMITTEXT, PHRASE_LIMIT, 0);
    SetWindowTextW(phrase_box(dialog), entry.phrase.c_str());
    CheckDlgButton(dialog, IDC_PATTERN_CASE_SENSITIVE,
                   entry.case_sensitive ? BST_CHECKED : BST_UNCHECKED);
}

PatternEntry read_pattern_entry(HWND dialog) {
    return {.target_index = chosen(dialog, IDC_PATTERN_TARGET),
            .comparison_index = chosen(dialog, IDC_PATTERN_COMPARISON),
            .phrase = text_of(phrase_box(dialog)),
            .case_sensitive =
                IsDlgButtonChecked(dialog, IDC_PATTERN_CASE_SENSITIVE) == BST_CHECKED};
}

HWND phrase_box(HWND dialog) {
    return GetDlgItem(dialog, IDC_PATTERN_PHRASE);
}
