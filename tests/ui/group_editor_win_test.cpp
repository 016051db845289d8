#include "ui/group_editor_win.h"

#include "groups_editors_resource.h"
#include "ui/editor_test_win.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t EDITOR[] = L"Window Group Editor";
constexpr wchar_t EDITING_QUESTION[] = L"Editing Window Pattern";
const Pattern NOTEPAD_TITLE = pattern(Pattern::STARTS_WITH, Pattern::WINDOW_TITLE, L"Notepad");
const Pattern CALC_IMAGE = pattern(Pattern::EXACTLY_MATCHES, Pattern::IMAGE_NAME, L"calc.exe");
constexpr wchar_t NOTEPAD_LINE[] = L"Window titles that start with \"Notepad\"";
constexpr wchar_t CALC_LINE[] = L"Image names that exactly match \"calc.exe\"";

Group group(int id, const std::wstring& name, const std::vector<Pattern>& patterns) {
    Group made(id);
    made.set_name(name);
    for (const auto& each : patterns) {
        made.add_pattern(each);
    }
    return made;
}

Texts pattern_lines(HWND editor) {
    return user::lines(editor, IDC_GROUP_PATTERNS);
}

int selected_pattern(HWND editor) {
    return user::selected_line(editor, IDC_GROUP_PATTERNS);
}

bool remove_enabled(HWND editor) {
    return user::enabled(editor, IDC_GROUP_REMOVE_PATTERN);
}

class GroupEditor : public EditorTest {
protected:
    std::optional<Group> run(const Group& start) {
        return script.run([&] { return run_group_editor(owner, start); });
    }

    void press(int button) {
        script.on(EDITOR, [button](HWND editor) { user::click(editor, button); });
    }

    const Group work = group(4, L"Work", {NOTEPAD_TITLE, CALC_IMAGE});
};

TEST_F(GroupEditor, AddPatternAppendsTheEntryRowAndOnlyRemovePatternRemovesALine) {
    std::wstring refusal;
    std::wstring question;
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_TARGET, 1);
        user::choose(editor, IDC_PATTERN_COMPARISON, 2);
        user::click(editor, IDC_PATTERN_CASE_SENSITIVE);
    });
    press(IDC_GROUP_ADD_PATTERN);
    script.answer(L"Invalid Phrase", refusal);
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(pattern_entry_shown(editor),
                  (Texts{L"Image Name", L"Ends With", L"", L"case sensitive"}));
        EXPECT_EQ(GetFocus(), user::item(editor, IDC_PATTERN_PHRASE));
        EXPECT_EQ(pattern_lines(editor).size(), 2u);
        user::type(editor, IDC_PATTERN_PHRASE, L".exe");
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    // The new line is selected; the phrase and the comparison start over, the rest stays.
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(pattern_lines(editor),
                  (Texts{NOTEPAD_LINE, CALC_LINE,
                         L"Image names that end with \".exe\" (Case Sensitive)"}));
        EXPECT_EQ(selected_pattern(editor), 2);
        EXPECT_TRUE(remove_enabled(editor));
        EXPECT_EQ(pattern_entry_shown(editor),
                  (Texts{L"Image Name", L"Contains", L"", L"case sensitive"}));
        EXPECT_EQ(GetFocus(), user::item(editor, IDC_PATTERN_PHRASE));
        // A double click on a line neither edits nor removes it.
        user::double_click_line(editor, IDC_GROUP_PATTERNS, 1);
    });
    press(IDC_GROUP_REMOVE_PATTERN);
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(pattern_lines(editor).size(), 2u);
        EXPECT_EQ(selected_pattern(editor), 1);
        user::click(editor, IDC_GROUP_REMOVE_PATTERN);
    });
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(pattern_lines(editor), (Texts{NOTEPAD_LINE}));
        EXPECT_EQ(selected_pattern(editor), 0) << "clamped to the new last line";
        EXPECT_TRUE(remove_enabled(editor));
        user::select_line(editor, IDC_GROUP_PATTERNS, -1);
        EXPECT_FALSE(remove_enabled(editor));
        // The tick stays, so OK asks about an edit that was not added.
        user::click(editor, IDOK);
    });
    script.answer(EDITING_QUESTION, question, IDYES);
    EXPECT_EQ(run(work), group(4, L"Work", {NOTEPAD_TITLE}));
    EXPECT_EQ(refusal, L"No pattern phrase has been specified.");
    EXPECT_EQ(question, L"Your latest string pattern edit was not added to the group.  Are you "
                        L"sure you'd like to continue without adding it?");
}

TEST_F(GroupEditor, OkWantsANameThenAPatternAndTakesTheLongestOfEachWhole) {
    const std::wstring name(256, L'n');
    const std::wstring phrase(64, L'p');
    std::wstring missing_name;
    std::wstring missing_patterns;
    script.on(EDITOR, [](HWND editor) {
        user::type(editor, IDC_GROUP_NAME, L"");
        user::click(editor, IDOK);
    });
    script.answer(L"Missing Group Name", missing_name);
    script.on(EDITOR, [&](HWND editor) {
        EXPECT_EQ(GetFocus(), user::item(editor, IDC_GROUP_NAME));
        user::type(editor, IDC_GROUP_NAME, name);
        user::click(editor, IDOK);
    });
    script.answer(L"Missing Window Patterns", missing_patterns);
    script.on(EDITOR, [&](HWND editor) {
        EXPECT_EQ(user::text_of(user::item(editor, IDC_GROUP_NAME)), name);
        user::type(editor, IDC_PATTERN_PHRASE, phrase);
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    press(IDOK);
    EXPECT_EQ(run(Group(7)), group(7, name, {pattern(Pattern::CONTAINS, 0, phrase)}));
    EXPECT_EQ(missing_name, L"You must specify a name to create a group.");
    EXPECT_EQ(missing_patterns, L"You must specify at least one string pattern to create a group.");
}

TEST_F(GroupEditor, OpensOnTheGroupAndAsksAboutAnEntryNotAddedWhereNoKeepsItOpenAndYesLeavesIt) {
    std::wstring first_question;
    std::wstring second_question;
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::text_of(user::item(editor, IDC_GROUP_NAME)), L"Work");
        EXPECT_EQ(GetFocus(), user::item(editor, IDC_GROUP_NAME));
        EXPECT_EQ(SendDlgItemMessageW(editor, IDC_GROUP_NAME, EM_GETSEL, 0, 0), MAKELONG(0, 4))
            << "the whole name is selected";
        EXPECT_EQ(SendDlgItemMessageW(editor, IDC_GROUP_NAME, EM_GETLIMITTEXT, 0, 0), 256);
        EXPECT_EQ(SendDlgItemMessageW(editor, IDC_PATTERN_PHRASE, EM_GETLIMITTEXT, 0, 0), 64);
        EXPECT_EQ(pattern_entry_shown(editor), (Texts{L"Window Title", L"Contains", L"", L""}));
        EXPECT_EQ(pattern_lines(editor), (Texts{NOTEPAD_LINE, CALC_LINE}));
        EXPECT_EQ(selected_pattern(editor), -1);
        EXPECT_FALSE(remove_enabled(editor));
        user::select_line(editor, IDC_GROUP_PATTERNS, 1);
        screenshot(editor, L"group_editor");
        user::choose(editor, IDC_PATTERN_COMPARISON, 0);
        user::click(editor, IDOK);
    });
    script.answer(EDITING_QUESTION, first_question, IDNO);
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::chosen_text(editor, IDC_PATTERN_COMPARISON), L"Starts With");
        user::choose(editor, IDC_PATTERN_COMPARISON, 1);
        user::type(editor, IDC_PATTERN_PHRASE, L"half typed");
        user::click(editor, IDOK);
    });
    script.answer(EDITING_QUESTION, second_question, IDYES);
    EXPECT_EQ(run(work), work);
    EXPECT_FALSE(first_question.empty()) << "a changed comparison alone is an edit";
    EXPECT_FALSE(second_question.empty()) << "a typed phrase alone is an edit";

    // The target keeps its choice after each added pattern, so a changed one alone is none.
    ModalScript target_only;
    target_only.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_TARGET, 1);
        user::click(editor, IDOK);
    });
    EXPECT_EQ(target_only.run([&] { return run_group_editor(owner, work); }), work);
}

TEST_F(GroupEditor, EachWayToCancelReturnsNothingAfterAnyChange) {
    const auto changes = [](HWND editor) {
        user::type(editor, IDC_GROUP_NAME, L"Renamed");
        user::type(editor, IDC_PATTERN_PHRASE, L"Extra");
        SendMessageW(user::item(editor, IDC_GROUP_ADD_PATTERN), BM_CLICK, 0, 0);
        user::select_line(editor, IDC_GROUP_PATTERNS, 0);
        SendMessageW(user::item(editor, IDC_GROUP_REMOVE_PATTERN), BM_CLICK, 0, 0);
    };
    const auto results =
        cancel_each_way(EDITOR, changes, [&] { return run_group_editor(owner, work); });
    EXPECT_EQ(results, std::vector<std::optional<Group>>(3));
}

} // namespace
