#include "ui/ignore_list_editor_win.h"

#include "editors_resource.h"
#include "page_fixture_win.h"
#include "storage/ignore_list_file.h"

namespace {

constexpr wchar_t IGNORE_LIST[] = L"Ignore List Editor";
constexpr wchar_t PATTERN_EDITOR[] = L"String Pattern Editor";

using IgnoreListEditor = PageTest;

int selected_rule(HWND editor) {
    return static_cast<int>(SendDlgItemMessageW(editor, IDC_IGNORE_RULES, LB_GETCURSEL, 0, 0));
}

// The rules change at once in the editor's list; the window lists catch up when it closes.
TEST_F(IgnoreListEditor, EditsTheRulesWithAStringPatternEditorOfItsOwnAndTheListsFollowOnClose) {
    add_default_ignore_patterns(model);
    // A rule from the file that typing could not make: an unknown target and a long phrase.
    const std::wstring long_phrase(100, L'w');
    model.add_ignore_pattern(
        {.compare = Pattern::CONTAINS, .applies_to = 7, .phrase = long_phrase});
    model.add_ignore_pattern(title_contains(L"Secret"));
    add_window(L"Quarterly Report - Editor");
    add_window(L"Secret Plans - Editor");
    create_pages();
    ASSERT_EQ(column(0), Texts{L"Quarterly Report - Editor"});

    script.on(IGNORE_LIST, [](HWND editor) {
        EXPECT_EQ(user::lines(editor, IDC_IGNORE_RULES).size(), 4u);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, IDC_IGNORE_EDIT))) << "nothing selected";
        screenshot(editor, L"ignore_list_editor");
        user::click(editor, IDC_IGNORE_ADD);
    });
    script.on(PATTERN_EDITOR, [](HWND editor) {
        // Owned by the rules' editor, whose list cannot change under an edited rule.
        EXPECT_EQ(GetWindow(editor, GW_OWNER), FindWindowW(nullptr, IGNORE_LIST));
        EXPECT_EQ(user::chosen_text(editor, IDC_PATTERN_COMPARISON), L"Contains");
        EXPECT_EQ(SendDlgItemMessageW(editor, IDC_PATTERN_PHRASE, EM_GETLIMITTEXT, 0, 0), 64);
        user::click(editor, IDOK);
    });
    script.answer(L"Invalid Phrase");
    script.on(PATTERN_EDITOR, [](HWND editor) {
        SetDlgItemTextW(editor, IDC_PATTERN_PHRASE, L"Quarterly");
        user::click(editor, IDOK);
    });
    script.on(IGNORE_LIST, [](HWND editor) {
        EXPECT_EQ(selected_rule(editor), 4) << "the added rule";
        user::select_line(editor, IDC_IGNORE_RULES, 2);
        user::click(editor, IDC_IGNORE_EDIT);
    });
    script.on(PATTERN_EDITOR, [](HWND editor) {
        EXPECT_EQ(user::chosen_text(editor, IDC_PATTERN_TARGET), L"Image Name");
        user::click(editor, IDOK);
    });
    script.on(IGNORE_LIST, [](HWND editor) {
        EXPECT_EQ(selected_rule(editor), 2);
        user::select_line(editor, IDC_IGNORE_RULES, 3);
        user::click(editor, IDC_IGNORE_REMOVE);
    });
    script.on(IGNORE_LIST, [](HWND editor) {
        EXPECT_EQ(selected_rule(editor), 3) << "the line that took the removed one's place";
        user::select_line(editor, IDC_IGNORE_RULES, 0);
        user::click(editor, IDC_IGNORE_DUPLICATE);
    });
    script.on(IGNORE_LIST, [](HWND editor) { user::click(editor, IDOK); });
    script.run([&] { edit_ignore_list(host, model); });

    const Pattern start{.compare = Pattern::EXACTLY_MATCHES, .phrase = L"Start"};
    const Pattern manager{.compare = Pattern::EXACTLY_MATCHES, .phrase = L"Program Manager"};
    const Pattern long_rule{
        .compare = Pattern::CONTAINS, .applies_to = Pattern::IMAGE_NAME, .phrase = long_phrase};
    EXPECT_EQ(model.ignore_patterns(),
              (std::vector{start, start, manager, long_rule, title_contains(L"Quarterly")}));
    EXPECT_EQ(column(0), Texts{L"Secret Plans - Editor"});
}

} // namespace
