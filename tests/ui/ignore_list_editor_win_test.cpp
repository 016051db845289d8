#include "ui/ignore_list_editor_win.h"

#include "editors_resource.h"
#include "harness/screenshot_win.h"
#include "page_fixture_win.h"
#include "storage/ignore_list_file.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t IGNORE_LIST[] = L"Ignore List Editor";
constexpr wchar_t PATTERN_EDITOR[] = L"String Pattern Editor";
constexpr wchar_t START_RULE[] = L"Window titles that exactly match \"Start\"";
constexpr wchar_t PROGRAM_MANAGER_RULE[] = L"Window titles that exactly match \"Program Manager\"";
constexpr int VISIBLE_PAGE = 0;
using Lines = std::vector<std::wstring>;

// What the editor shows at one moment.
struct EditorState {
    Lines lines;
    int selected = -1;
    bool edit = false;
    bool duplicate = false;
    bool remove = false;
};

EditorState state_of(HWND editor) {
    return {user::lines(editor, IDC_IGNORE_RULES), user::selected_line(editor, IDC_IGNORE_RULES),
            user::enabled(editor, IDC_IGNORE_EDIT), user::enabled(editor, IDC_IGNORE_DUPLICATE),
            user::enabled(editor, IDC_IGNORE_REMOVE)};
}

// The editor over a main dialog with its pages, on fake foreign windows.
class IgnoreListEditor : public PageTest {
protected:
    void SetUp() override { add_default_ignore_patterns(model); }

    bool run() {
        const bool closed = run_ignore_list_editor(host.main_dialog(), model);
        EXPECT_TRUE(script.finished())
            << "the script stopped after " << script.seen().size() << " steps";
        return closed;
    }

    // A step that records what the editor shows.
    void look(EditorState& state) {
        script.on(IGNORE_LIST, [&state](HWND editor) { state = state_of(editor); });
    }
    void press(int button) {
        script.on(IGNORE_LIST, [button](HWND editor) { user::click(editor, button); });
    }
    void select(int line) {
        script.on(IGNORE_LIST,
                  [line](HWND editor) { user::select_line(editor, IDC_IGNORE_RULES, line); });
    }
    // Gives the open String Pattern Editor a phrase and confirms it.
    void enter_phrase(const std::wstring& phrase) {
        script.on(PATTERN_EDITOR, [phrase](HWND editor) {
            user::type(editor, IDC_PATTERN_PHRASE, phrase);
            user::click(editor, IDOK);
        });
    }
    void cancel_pattern_editor() {
        script.on(PATTERN_EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    }
    void close_editor() { press(IDOK); }

    ModalScript script;
};

TEST_F(IgnoreListEditor, OpensWithTheRulesAndNothingSelected) {
    EditorState opened;
    std::vector<std::wstring> texts;
    script.on(IGNORE_LIST, [&](HWND editor) {
        opened = state_of(editor);
        for (const int id :
             {IDC_IGNORE_ADD, IDC_IGNORE_EDIT, IDC_IGNORE_DUPLICATE, IDC_IGNORE_REMOVE, IDOK}) {
            texts.push_back(user::text_of(user::item(editor, id)));
        }
        EXPECT_TRUE(user::enabled(editor, IDC_IGNORE_ADD));
        EXPECT_TRUE(user::enabled(editor, IDOK));
        EXPECT_NE(user::text_of(user::item(editor, IDC_IGNORE_TEXT)).find(L"will be ignored:"),
                  std::wstring::npos);
    });
    select(0);
    script.on(IGNORE_LIST, [](HWND editor) {
        RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        harness::save_screenshot(L"ignore_list_editor");
    });
    close_editor();
    EXPECT_TRUE(run());
    EXPECT_EQ(opened.lines, (Lines{START_RULE, PROGRAM_MANAGER_RULE}));
    EXPECT_EQ(opened.selected, -1);
    EXPECT_FALSE(opened.edit || opened.duplicate || opened.remove);
    EXPECT_EQ(texts, (Lines{L"Add", L"Edit", L"Duplicate", L"Remove", L"&Close"}));
}

TEST_F(IgnoreListEditor, SelectingALineEnablesItsCommands) {
    EditorState selected;
    EditorState cleared;
    select(1);
    look(selected);
    select(-1);
    look(cleared);
    close_editor();
    run();
    EXPECT_EQ(selected.selected, 1);
    EXPECT_TRUE(selected.edit && selected.duplicate && selected.remove);
    EXPECT_FALSE(cleared.edit || cleared.duplicate || cleared.remove);
}

TEST_F(IgnoreListEditor, AddOpensABlankPatternAndAppendsTheResultSelected) {
    std::vector<std::wstring> blank;
    EditorState added;
    press(IDC_IGNORE_ADD);
    script.on(PATTERN_EDITOR, [&](HWND editor) {
        blank = {user::chosen_text(editor, IDC_PATTERN_TARGET),
                 user::chosen_text(editor, IDC_PATTERN_COMPARISON),
                 user::text_of(user::item(editor, IDC_PATTERN_PHRASE)),
                 user::checked(editor, IDC_PATTERN_CASE_SENSITIVE) ? L"ticked" : L"unticked"};
        EXPECT_EQ(GetWindow(editor, GW_OWNER), FindWindowW(nullptr, IGNORE_LIST));
        EXPECT_FALSE(IsWindowEnabled(FindWindowW(nullptr, IGNORE_LIST)))
            << "the rules must not change while a rule is edited";
        user::type(editor, IDC_PATTERN_PHRASE, L"Secret");
        user::click(editor, IDOK);
    });
    look(added);
    close_editor();
    run();
    EXPECT_EQ(blank, (Lines{L"Window Title", L"Contains", L"", L"unticked"}));
    EXPECT_EQ(added.lines.back(), L"Window titles that contain \"Secret\"");
    EXPECT_EQ(added.selected, 2);
    EXPECT_TRUE(added.edit);
    EXPECT_EQ(model.ignore_count(), 3);
    EXPECT_EQ(model.ignore_pattern(2), title_contains(L"Secret"));
}

TEST_F(IgnoreListEditor, AddThenCancelAddsNothingButSelectsTheLastLine) {
    EditorState after;
    press(IDC_IGNORE_ADD);
    cancel_pattern_editor();
    look(after);
    close_editor();
    run();
    EXPECT_EQ(after.lines.size(), 2u);
    EXPECT_EQ(after.selected, 1);
    EXPECT_EQ(model.ignore_count(), 2);
}

TEST_F(IgnoreListEditor, EditChangesTheSelectedRuleAndKeepsItSelected) {
    std::wstring phrase_shown;
    EditorState after;
    select(1);
    press(IDC_IGNORE_EDIT);
    script.on(PATTERN_EDITOR, [&](HWND editor) {
        phrase_shown = user::text_of(user::item(editor, IDC_PATTERN_PHRASE));
        user::choose(editor, IDC_PATTERN_COMPARISON, 0);
        user::type(editor, IDC_PATTERN_PHRASE, L"Program");
        user::click(editor, IDOK);
    });
    look(after);
    close_editor();
    run();
    EXPECT_EQ(phrase_shown, L"Program Manager");
    EXPECT_EQ(after.lines, (Lines{START_RULE, L"Window titles that start with \"Program\""}));
    EXPECT_EQ(after.selected, 1);
    EXPECT_EQ(model.ignore_pattern(1).compare, Pattern::STARTS_WITH);
}

TEST_F(IgnoreListEditor, ADoubleClickEditsTheLineAndCancelChangesNothing) {
    std::wstring phrase_shown;
    EditorState after;
    script.on(IGNORE_LIST,
              [](HWND editor) { user::double_click_line(editor, IDC_IGNORE_RULES, 0); });
    script.on(PATTERN_EDITOR, [&](HWND editor) {
        phrase_shown = user::text_of(user::item(editor, IDC_PATTERN_PHRASE));
        user::type(editor, IDC_PATTERN_PHRASE, L"changed");
        user::click(editor, IDCANCEL);
    });
    look(after);
    close_editor();
    run();
    EXPECT_EQ(phrase_shown, L"Start");
    EXPECT_EQ(after.lines, (Lines{START_RULE, PROGRAM_MANAGER_RULE}));
    EXPECT_EQ(after.selected, 0);
    EXPECT_EQ(model.ignore_pattern(0).phrase, L"Start");
}

TEST_F(IgnoreListEditor, DuplicatePutsTheCopyBesideTheLineAndKeepsTheLineSelected) {
    model.add_ignore_pattern(title_contains(L"Third"));
    EditorState after;
    select(0);
    press(IDC_IGNORE_DUPLICATE);
    look(after);
    close_editor();
    run();
    EXPECT_EQ(after.lines, (Lines{START_RULE, START_RULE, PROGRAM_MANAGER_RULE,
                                  L"Window titles that contain \"Third\""}));
    EXPECT_EQ(after.selected, 0);
    EXPECT_EQ(model.ignore_count(), 4);
    EXPECT_EQ(model.ignore_pattern(0), model.ignore_pattern(1));
}

TEST_F(IgnoreListEditor, RemovingTheLastLineSelectsTheNewLastAndTheOnlyLineLeavesNothing) {
    EditorState after_last;
    EditorState after_only;
    select(1);
    press(IDC_IGNORE_REMOVE);
    look(after_last);
    press(IDC_IGNORE_REMOVE);
    look(after_only);
    close_editor();
    run();
    EXPECT_EQ(after_last.lines, (Lines{START_RULE}));
    EXPECT_EQ(after_last.selected, 0);
    EXPECT_TRUE(after_only.lines.empty());
    EXPECT_EQ(after_only.selected, -1);
    EXPECT_FALSE(after_only.edit || after_only.duplicate || after_only.remove);
    EXPECT_EQ(model.ignore_count(), 0);
}

TEST_F(IgnoreListEditor, RemovingAMiddleLineKeepsTheSelectionIndex) {
    model.add_ignore_pattern(title_contains(L"Third"));
    EditorState after;
    select(1);
    press(IDC_IGNORE_REMOVE);
    look(after);
    close_editor();
    run();
    EXPECT_EQ(after.lines, (Lines{START_RULE, L"Window titles that contain \"Third\""}));
    EXPECT_EQ(after.selected, 1);
}

TEST_F(IgnoreListEditor, EscapeDoesNothingAndTheCloseBoxEndsWithTheChangesKept) {
    EditorState after_escape;
    select(0);
    press(IDC_IGNORE_REMOVE);
    script.on(IGNORE_LIST, [](HWND editor) {
        PostMessageW(user::item(editor, IDC_IGNORE_RULES), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    look(after_escape);
    script.on(IGNORE_LIST, [](HWND editor) { user::close_window(editor); });
    EXPECT_FALSE(run());
    EXPECT_EQ(after_escape.lines, (Lines{PROGRAM_MANAGER_RULE}));
    EXPECT_EQ(model.ignore_count(), 1);
}

TEST_F(IgnoreListEditor, EnterEndsItAsTheCloseButtonDoes) {
    script.on(IGNORE_LIST, [](HWND editor) {
        PostMessageW(user::item(editor, IDC_IGNORE_RULES), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_TRUE(run());
}

TEST_F(IgnoreListEditor, OpensCentredOnTheMainDialog) {
    RECT editor_rect{};
    script.on(IGNORE_LIST, [&](HWND editor) { GetWindowRect(editor, &editor_rect); });
    close_editor();
    run();
    RECT main_rect{};
    GetWindowRect(host.main_dialog(), &main_rect);
    EXPECT_NEAR((editor_rect.left + editor_rect.right) / 2, (main_rect.left + main_rect.right) / 2,
                1);
    EXPECT_NEAR((editor_rect.top + editor_rect.bottom) / 2, (main_rect.top + main_rect.bottom) / 2,
                1);
}

// The command of the main window's menu: the lists catch up with the rules after "&Close".
class EditIgnoreListCommand : public IgnoreListEditor {
protected:
    void SetUp() override {
        IgnoreListEditor::SetUp();
        add_window(L"Quarterly Report - Editor", L"editor.exe");
        add_window(L"Secret Plans - Editor", L"editor.exe");
        create_pages();
    }

    void ignore_secret_windows() {
        press(IDC_IGNORE_ADD);
        enter_phrase(L"Secret");
    }
};

TEST_F(EditIgnoreListCommand, AfterCloseANewlyIgnoredWindowLeavesTheVisibleWindowsPage) {
    ASSERT_EQ(column(VISIBLE_PAGE).size(), 2u);
    ignore_secret_windows();
    close_editor();
    edit_ignore_list(host, model);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(column(VISIBLE_PAGE), (Lines{L"Quarterly Report - Editor"}));
    EXPECT_EQ(waiter.waits, (std::vector<unsigned>{100}));
}

TEST_F(EditIgnoreListCommand, AfterCloseAWindowNoLongerIgnoredReturns) {
    model.add_ignore_pattern(title_contains(L"Secret"));
    host.refresh_current_page();
    ASSERT_EQ(column(VISIBLE_PAGE).size(), 1u);
    select(2);
    press(IDC_IGNORE_REMOVE);
    close_editor();
    edit_ignore_list(host, model);
    EXPECT_EQ(column(VISIBLE_PAGE).size(), 2u);
}

TEST_F(EditIgnoreListCommand, TheCloseBoxKeepsTheRuleButLeavesTheListsAsTheyWere) {
    ignore_secret_windows();
    script.on(IGNORE_LIST, [](HWND editor) { user::close_window(editor); });
    edit_ignore_list(host, model);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(model.ignore_count(), 3);
    EXPECT_EQ(column(VISIBLE_PAGE).size(), 2u);
    EXPECT_TRUE(waiter.waits.empty());
}

} // namespace
