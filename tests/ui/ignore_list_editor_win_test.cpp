#include "ui/ignore_list_editor_win.h"

#include "page_fixture_win.h"
#include "storage/ignore_list_file.h"
#include "ui/editor_test_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t IGNORE_LIST[] = L"Ignore List Editor";
constexpr wchar_t PATTERN_EDITOR[] = L"String Pattern Editor";
constexpr wchar_t START_RULE[] = L"Window titles that exactly match \"Start\"";
constexpr wchar_t PROGRAM_MANAGER_RULE[] = L"Window titles that exactly match \"Program Manager\"";
constexpr wchar_t THIRD_RULE[] = L"Window titles that contain \"Third\"";
constexpr int VISIBLE_PAGE = 0;

Texts rule_lines(HWND editor) {
    return user::lines(editor, IDC_IGNORE_RULES);
}

int selected_rule(HWND editor) {
    return user::selected_line(editor, IDC_IGNORE_RULES);
}

// Whether Edit, Duplicate and Remove, which act on the selected rule, can be used: all three
// or none.
bool rule_commands_enabled(HWND editor) {
    const bool edit = user::enabled(editor, IDC_IGNORE_EDIT);
    EXPECT_EQ(user::enabled(editor, IDC_IGNORE_DUPLICATE), edit);
    EXPECT_EQ(user::enabled(editor, IDC_IGNORE_REMOVE), edit);
    return edit;
}

// The editor over a main dialog with its pages, on fake foreign windows.
class IgnoreListEditor : public PageTest {
protected:
    void SetUp() override { add_default_ignore_patterns(model); }

    bool run() {
        return script.run([&] { return run_ignore_list_editor(host.main_dialog(), model); });
    }

    // A step on the editor.
    void act(ModalScript::Action action) { script.on(IGNORE_LIST, std::move(action)); }
    void press(int button) {
        act([button](HWND editor) { user::click(editor, button); });
    }
    void select(int line) {
        act([line](HWND editor) { user::select_line(editor, IDC_IGNORE_RULES, line); });
    }

    ModalScript script;
};

TEST_F(IgnoreListEditor, OpensCentredOnTheRulesWithTheirCommandsForASelectedOneAndAddAppends) {
    act([this](HWND editor) {
        EXPECT_TRUE(centred_on(editor, host.main_dialog()));
        EXPECT_EQ(rule_lines(editor), (Texts{START_RULE, PROGRAM_MANAGER_RULE}));
        EXPECT_EQ(selected_rule(editor), -1);
        EXPECT_FALSE(rule_commands_enabled(editor));
        EXPECT_TRUE(user::enabled(editor, IDC_IGNORE_ADD));
        user::select_line(editor, IDC_IGNORE_RULES, 1);
        EXPECT_TRUE(rule_commands_enabled(editor));
        user::select_line(editor, IDC_IGNORE_RULES, -1);
        EXPECT_FALSE(rule_commands_enabled(editor));
        user::select_line(editor, IDC_IGNORE_RULES, 0);
        screenshot(editor, L"ignore_list_editor");
        user::click(editor, IDC_IGNORE_ADD);
    });
    // Add opens a blank pattern and appends it.
    script.on(PATTERN_EDITOR, [](HWND editor) {
        EXPECT_EQ(pattern_entry_shown(editor), (Texts{L"Window Title", L"Contains", L"", L""}));
        EXPECT_EQ(GetWindow(editor, GW_OWNER), FindWindowW(nullptr, IGNORE_LIST));
        EXPECT_FALSE(IsWindowEnabled(FindWindowW(nullptr, IGNORE_LIST)))
            << "the rules must not change while a rule is edited";
        user::type(editor, IDC_PATTERN_PHRASE, L"Secret");
        user::click(editor, IDOK);
    });
    act([](HWND editor) {
        EXPECT_EQ(rule_lines(editor).back(), L"Window titles that contain \"Secret\"");
        EXPECT_EQ(selected_rule(editor), 2);
        EXPECT_TRUE(rule_commands_enabled(editor));
        user::select_line(editor, IDC_IGNORE_RULES, 0);
        user::click(editor, IDC_IGNORE_ADD);
    });
    // A cancelled Add adds nothing but still selects the last line.
    script.on(PATTERN_EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    act([](HWND editor) {
        EXPECT_EQ(rule_lines(editor).size(), 3u);
        EXPECT_EQ(selected_rule(editor), 2);
        user::click(editor, IDOK);
    });
    EXPECT_TRUE(run());
    ASSERT_EQ(model.ignore_count(), 3);
    EXPECT_EQ(model.ignore_pattern(2), title_contains(L"Secret"));
}

TEST_F(IgnoreListEditor, EditAndADoubleClickEditTheSelectedRuleInPlaceAndCancelChangesNothing) {
    select(1);
    press(IDC_IGNORE_EDIT);
    script.on(PATTERN_EDITOR, [](HWND editor) {
        EXPECT_EQ(user::text_of(user::item(editor, IDC_PATTERN_PHRASE)), L"Program Manager");
        user::choose(editor, IDC_PATTERN_COMPARISON, 0);
        user::type(editor, IDC_PATTERN_PHRASE, L"Program");
        user::click(editor, IDOK);
    });
    act([](HWND editor) {
        EXPECT_EQ(rule_lines(editor),
                  (Texts{START_RULE, L"Window titles that start with \"Program\""}));
        EXPECT_EQ(selected_rule(editor), 1);
        user::double_click_line(editor, IDC_IGNORE_RULES, 0);
    });
    script.on(PATTERN_EDITOR, [](HWND editor) {
        EXPECT_EQ(user::text_of(user::item(editor, IDC_PATTERN_PHRASE)), L"Start");
        user::type(editor, IDC_PATTERN_PHRASE, L"changed");
        user::click(editor, IDCANCEL);
    });
    act([](HWND editor) {
        EXPECT_EQ(rule_lines(editor).front(), START_RULE);
        EXPECT_EQ(selected_rule(editor), 0);
        user::click(editor, IDOK);
    });
    run();
    EXPECT_EQ(model.ignore_pattern(0).phrase, L"Start");
    EXPECT_EQ(model.ignore_pattern(1), pattern(Pattern::STARTS_WITH, 0, L"Program"));
}

TEST_F(IgnoreListEditor, DuplicateAndRemoveKeepTheSelectedPositionUpToTheLastLine) {
    model.add_ignore_pattern(title_contains(L"Third"));
    select(0);
    press(IDC_IGNORE_DUPLICATE);
    act([](HWND editor) {
        EXPECT_EQ(rule_lines(editor),
                  (Texts{START_RULE, START_RULE, PROGRAM_MANAGER_RULE, THIRD_RULE}));
        EXPECT_EQ(selected_rule(editor), 0) << "the copy goes beside the line";
        user::click(editor, IDC_IGNORE_REMOVE);
    });
    act([](HWND editor) {
        EXPECT_EQ(rule_lines(editor), (Texts{START_RULE, PROGRAM_MANAGER_RULE, THIRD_RULE}));
        EXPECT_EQ(selected_rule(editor), 0);
        user::select_line(editor, IDC_IGNORE_RULES, 2);
        user::click(editor, IDC_IGNORE_REMOVE);
    });
    act([](HWND editor) {
        EXPECT_EQ(rule_lines(editor), (Texts{START_RULE, PROGRAM_MANAGER_RULE}));
        EXPECT_EQ(selected_rule(editor), 1) << "the new last line";
        user::click(editor, IDC_IGNORE_REMOVE);
    });
    press(IDC_IGNORE_REMOVE);
    act([](HWND editor) {
        EXPECT_TRUE(rule_lines(editor).empty());
        EXPECT_EQ(selected_rule(editor), -1);
        EXPECT_FALSE(rule_commands_enabled(editor));
        PostMessageW(user::item(editor, IDC_IGNORE_RULES), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    // Still open after Escape, as every change is made at once; Enter ends it as "&Close" does.
    act([](HWND editor) {
        PostMessageW(user::item(editor, IDC_IGNORE_RULES), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_TRUE(run());
    EXPECT_EQ(model.ignore_count(), 0);
}

// The command of the main window's menu.
TEST_F(IgnoreListEditor, TheListsCatchUpWithTheRulesAfterCloseButNotAfterTheCloseBox) {
    add_window(L"Quarterly Report - Editor", L"editor.exe");
    add_window(L"Secret Plans - Editor", L"editor.exe");
    model.add_ignore_pattern(title_contains(L"Secret"));
    create_pages();
    // The report is ignored instead of the plans.
    select(2);
    press(IDC_IGNORE_REMOVE);
    press(IDC_IGNORE_ADD);
    script.on(PATTERN_EDITOR, [](HWND editor) {
        user::type(editor, IDC_PATTERN_PHRASE, L"Quarterly");
        user::click(editor, IDOK);
    });
    act(&user::close_window);
    edit_ignore_list(host, model);
    EXPECT_EQ(model.ignore_pattern(2), title_contains(L"Quarterly"));
    EXPECT_EQ(column(VISIBLE_PAGE), (Texts{L"Quarterly Report - Editor"}));
    EXPECT_TRUE(waiter.waits.empty());

    press(IDOK);
    edit_ignore_list(host, model);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(column(VISIBLE_PAGE), (Texts{L"Secret Plans - Editor"}));
    EXPECT_EQ(waiter.waits, (std::vector<unsigned>{100}));
}

} // namespace
