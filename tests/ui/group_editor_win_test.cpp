#include "ui/group_editor_win.h"

#include "editors_resource.h"
#include "groups_editors_resource.h"
#include "harness/screenshot_win.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t EDITOR[] = L"Window Group Editor";
constexpr wchar_t EDITING_QUESTION[] = L"Editing Window Pattern";
using Lines = std::vector<std::wstring>;

Pattern pattern(int compare, int applies_to, const std::wstring& phrase,
                bool case_sensitive = false) {
    return {.compare = compare,
            .applies_to = applies_to,
            .phrase = phrase,
            .case_sensitive = case_sensitive};
}

Group group(int id, const std::wstring& name, const std::vector<Pattern>& patterns) {
    Group made(id);
    made.set_name(name);
    for (const auto& each : patterns) {
        made.add_pattern(each);
    }
    return made;
}

// What the open editor shows.
struct EditorState {
    std::wstring name;
    std::wstring target;
    std::wstring comparison;
    std::wstring phrase;
    bool case_sensitive = false;
    Lines lines;
    int selected = -1;
    bool remove_enabled = false;
};

EditorState state_of(HWND editor) {
    return {user::text_of(user::item(editor, IDC_GROUP_NAME)),
            user::chosen_text(editor, IDC_PATTERN_TARGET),
            user::chosen_text(editor, IDC_PATTERN_COMPARISON),
            user::text_of(user::item(editor, IDC_PATTERN_PHRASE)),
            user::checked(editor, IDC_PATTERN_CASE_SENSITIVE),
            user::lines(editor, IDC_GROUP_PATTERNS),
            user::selected_line(editor, IDC_GROUP_PATTERNS),
            user::enabled(editor, IDC_GROUP_REMOVE_PATTERN)};
}

const Pattern NOTEPAD_TITLE = pattern(Pattern::STARTS_WITH, Pattern::WINDOW_TITLE, L"Notepad");
const Pattern CALC_IMAGE = pattern(Pattern::EXACTLY_MATCHES, Pattern::IMAGE_NAME, L"calc.exe");
constexpr wchar_t NOTEPAD_LINE[] = L"Window titles that start with \"Notepad\"";
constexpr wchar_t CALC_LINE[] = L"Image names that exactly match \"calc.exe\"";

class GroupEditor : public testing::Test {
protected:
    GroupEditor() {
        owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 120, 90,
                                760, 420, nullptr, nullptr, nullptr, nullptr);
    }
    ~GroupEditor() override { DestroyWindow(owner); }

    std::optional<Group> run(const Group& start) {
        auto result = run_group_editor(owner, start);
        EXPECT_TRUE(script.finished())
            << "the script stopped after " << script.seen().size() << " steps";
        return result;
    }

    void look(EditorState& state) {
        script.on(EDITOR, [&state](HWND editor) { state = state_of(editor); });
    }
    void press(int button) {
        script.on(EDITOR, [button](HWND editor) { user::click(editor, button); });
    }
    void type(int box, const std::wstring& text) {
        script.on(EDITOR, [box, text](HWND editor) { user::type(editor, box, text); });
    }
    // A message box or question: records its text and answers it with `button`.
    void answer(const std::wstring& caption, std::wstring& text, int button) {
        script.on(caption, [&text, button](HWND box) {
            text = user::message_of(box);
            EXPECT_EQ(GetWindow(box, GW_OWNER), FindWindowW(nullptr, EDITOR));
            user::click(box, button);
        });
    }

    HWND owner = nullptr;
    ModalScript script;
    const Group work = group(4, L"Work", {NOTEPAD_TITLE, CALC_IMAGE});
};

TEST_F(GroupEditor, OpensWithTheNameSelectedAnEmptyEntryRowAndThePatternLines) {
    EditorState opened;
    int focus = 0;
    DWORD selection = 0;
    Lines targets;
    Lines comparisons;
    script.on(EDITOR, [&](HWND editor) {
        opened = state_of(editor);
        focus = GetDlgCtrlID(GetFocus());
        selection =
            static_cast<DWORD>(SendMessageW(user::item(editor, IDC_GROUP_NAME), EM_GETSEL, 0, 0));
        targets = user::choices(editor, IDC_PATTERN_TARGET);
        comparisons = user::choices(editor, IDC_PATTERN_COMPARISON);
        EXPECT_EQ(user::text_of(user::item(editor, IDC_GROUP_NAME_LABEL)), L"Group Name:");
        EXPECT_EQ(user::text_of(user::item(editor, IDC_GROUP_ADD_PATTERN)), L"Add Pattern");
        EXPECT_EQ(user::text_of(user::item(editor, IDC_GROUP_REMOVE_PATTERN)), L"Remove Pattern");
        EXPECT_EQ(user::text_of(user::item(editor, IDOK)), L"OK");
        EXPECT_EQ(user::text_of(user::item(editor, IDCANCEL)), L"Cancel");
        user::select_line(editor, IDC_GROUP_PATTERNS, 1);
        RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        harness::save_screenshot(L"group_editor");
        user::click(editor, IDCANCEL);
    });
    run(work);
    EXPECT_EQ(opened.name, L"Work");
    EXPECT_EQ(opened.target, L"Window Title");
    EXPECT_EQ(opened.comparison, L"Contains");
    EXPECT_EQ(opened.phrase, L"");
    EXPECT_FALSE(opened.case_sensitive);
    EXPECT_EQ(opened.lines, (Lines{NOTEPAD_LINE, CALC_LINE}));
    EXPECT_EQ(opened.selected, -1);
    EXPECT_FALSE(opened.remove_enabled);
    EXPECT_EQ(focus, IDC_GROUP_NAME);
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 4) << "the whole name is selected";
    EXPECT_EQ(targets, (Lines{L"Window Title", L"Image Name"}));
    EXPECT_EQ(comparisons, (Lines{L"Starts With", L"Contains", L"Ends With", L"Exactly Matches"}));
}

TEST_F(GroupEditor, AddPatternAppendsTheEntrySelectsItAndResetsPhraseAndComparisonOnly) {
    EditorState added;
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_TARGET, 1);
        user::choose(editor, IDC_PATTERN_COMPARISON, 2);
        user::type(editor, IDC_PATTERN_PHRASE, L".exe");
        user::click(editor, IDC_PATTERN_CASE_SENSITIVE);
    });
    press(IDC_GROUP_ADD_PATTERN);
    script.on(EDITOR, [&](HWND editor) {
        added = state_of(editor);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_PATTERN_PHRASE);
        // The tick stays, so OK asks about an edit that was not added.
        user::click(editor, IDOK);
    });
    std::wstring question;
    answer(EDITING_QUESTION, question, IDYES);
    const auto result = run(work);
    EXPECT_EQ(added.lines, (Lines{NOTEPAD_LINE, CALC_LINE,
                                  L"Image names that end with \".exe\" (Case Sensitive)"}));
    EXPECT_EQ(added.selected, 2);
    EXPECT_TRUE(added.remove_enabled);
    EXPECT_EQ(added.target, L"Image Name");
    EXPECT_EQ(added.comparison, L"Contains");
    EXPECT_EQ(added.phrase, L"");
    EXPECT_TRUE(added.case_sensitive);
    EXPECT_EQ(question, L"Your latest string pattern edit was not added to the group.  Are you "
                        L"sure you'd like to continue without adding it?");
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(
        result->patterns(),
        (std::vector<Pattern>{NOTEPAD_TITLE, CALC_IMAGE,
                              pattern(Pattern::ENDS_WITH, Pattern::IMAGE_NAME, L".exe", true)}));
}

TEST_F(GroupEditor, AddPatternRefusesAnEmptyPhraseAndKeepsTheEntryRow) {
    std::wstring message;
    EditorState after;
    int focus = 0;
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_COMPARISON, 3);
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    answer(L"Invalid Phrase", message, IDOK);
    script.on(EDITOR, [&](HWND editor) {
        after = state_of(editor);
        focus = GetDlgCtrlID(GetFocus());
        user::click(editor, IDCANCEL);
    });
    run(work);
    EXPECT_EQ(message, L"No pattern phrase has been specified.");
    EXPECT_EQ(after.lines, (Lines{NOTEPAD_LINE, CALC_LINE}));
    EXPECT_EQ(after.comparison, L"Exactly Matches");
    EXPECT_EQ(focus, IDC_PATTERN_PHRASE);
}

TEST_F(GroupEditor, OnlyRemovePatternRemovesALineKeepingThePositionAndDisablesItselfWhenEmpty) {
    EditorState after_first;
    EditorState after_second;
    EditorState after_last;
    // A double click on a line neither edits nor removes it.
    script.on(EDITOR, [](HWND editor) { user::double_click_line(editor, IDC_GROUP_PATTERNS, 1); });
    press(IDC_GROUP_REMOVE_PATTERN);
    look(after_first);
    press(IDC_GROUP_REMOVE_PATTERN);
    look(after_second);
    script.on(EDITOR, [](HWND editor) { user::select_line(editor, IDC_GROUP_PATTERNS, -1); });
    look(after_last);
    press(IDCANCEL);
    run(group(1, L"Three", {NOTEPAD_TITLE, CALC_IMAGE, NOTEPAD_TITLE}));
    EXPECT_EQ(after_first.lines, (Lines{NOTEPAD_LINE, NOTEPAD_LINE}));
    EXPECT_EQ(after_first.selected, 1);
    EXPECT_EQ(after_second.lines, (Lines{NOTEPAD_LINE}));
    EXPECT_EQ(after_second.selected, 0) << "clamped to the new last line";
    EXPECT_TRUE(after_second.remove_enabled);
    EXPECT_FALSE(after_last.remove_enabled);
}

TEST_F(GroupEditor, OkChecksTheNameFirstThenThePatternsAndStaysOpenWithItsContents) {
    std::wstring missing_name;
    std::wstring missing_patterns;
    EditorState after_refusals;
    int focus_after_name = 0;
    type(IDC_GROUP_NAME, L"");
    press(IDOK);
    answer(L"Missing Group Name", missing_name, IDOK);
    script.on(EDITOR, [&](HWND editor) {
        focus_after_name = GetDlgCtrlID(GetFocus());
        user::type(editor, IDC_GROUP_NAME, L"Browsers");
        user::click(editor, IDOK);
    });
    answer(L"Missing Window Patterns", missing_patterns, IDOK);
    look(after_refusals);
    type(IDC_PATTERN_PHRASE, L"Firefox");
    press(IDC_GROUP_ADD_PATTERN);
    press(IDOK);
    const auto result = run(Group(7));
    EXPECT_EQ(missing_name, L"You must specify a name to create a group.");
    EXPECT_EQ(focus_after_name, IDC_GROUP_NAME);
    EXPECT_EQ(missing_patterns, L"You must specify at least one string pattern to create a group.");
    EXPECT_EQ(after_refusals.name, L"Browsers");
    EXPECT_TRUE(after_refusals.lines.empty());
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, group(7, L"Browsers",
                             {pattern(Pattern::CONTAINS, Pattern::WINDOW_TITLE, L"Firefox")}));
}

TEST_F(GroupEditor, AnEditNotAddedIsQuestionedAndNoKeepsTheEditorOpen) {
    std::wstring first_question;
    std::wstring second_question;
    EditorState after_no;
    type(IDC_PATTERN_PHRASE, L"half typed");
    press(IDOK);
    answer(EDITING_QUESTION, first_question, IDNO);
    look(after_no);
    press(IDOK);
    answer(EDITING_QUESTION, second_question, IDYES);
    const auto result = run(work);
    EXPECT_FALSE(first_question.empty());
    EXPECT_EQ(after_no.phrase, L"half typed");
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, work) << "the entry that was not added stays out of the group";
}

TEST_F(GroupEditor, AChangedComparisonAloneCountsAsAnEditButTheTargetDoesNot) {
    std::wstring question;
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_TARGET, 1);
        user::click(editor, IDOK);
    });
    // Closing without a question proves the target is not looked at.
    EXPECT_TRUE(run(work).has_value());

    ModalScript comparison;
    comparison.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_COMPARISON, 0);
        user::click(editor, IDOK);
    });
    comparison.on(EDITING_QUESTION, [&](HWND box) {
        question = user::message_of(box);
        user::click(box, IDYES);
    });
    EXPECT_TRUE(run_group_editor(owner, work).has_value());
    EXPECT_TRUE(comparison.finished());
    EXPECT_FALSE(question.empty());
}

TEST_F(GroupEditor, CancelAndTheCloseBoxReturnNothingAfterAnyChange) {
    type(IDC_GROUP_NAME, L"Renamed");
    type(IDC_PATTERN_PHRASE, L"Extra");
    press(IDC_GROUP_ADD_PATTERN);
    script.on(EDITOR, [](HWND editor) { user::select_line(editor, IDC_GROUP_PATTERNS, 0); });
    press(IDC_GROUP_REMOVE_PATTERN);
    press(IDCANCEL);
    EXPECT_FALSE(run(work).has_value());

    ModalScript closing;
    closing.on(EDITOR, [](HWND editor) {
        user::type(editor, IDC_GROUP_NAME, L"Renamed");
        user::close_window(editor);
    });
    EXPECT_FALSE(run_group_editor(owner, work).has_value());
    EXPECT_TRUE(closing.finished());

    ModalScript escape;
    escape.on(EDITOR, [](HWND editor) { user::press_escape(editor); });
    EXPECT_FALSE(run_group_editor(owner, work).has_value());
    EXPECT_TRUE(escape.finished());
}

TEST_F(GroupEditor, TakesA256CharacterNameAndA64CharacterPhraseWhole) {
    const std::wstring name(256, L'n');
    const std::wstring phrase(64, L'p');
    LRESULT name_limit = 0;
    LRESULT phrase_limit = 0;
    script.on(EDITOR, [&](HWND editor) {
        name_limit = SendMessageW(user::item(editor, IDC_GROUP_NAME), EM_GETLIMITTEXT, 0, 0);
        phrase_limit = SendMessageW(user::item(editor, IDC_PATTERN_PHRASE), EM_GETLIMITTEXT, 0, 0);
        user::type(editor, IDC_GROUP_NAME, name);
        user::type(editor, IDC_PATTERN_PHRASE, phrase);
    });
    press(IDC_GROUP_ADD_PATTERN);
    press(IDOK);
    const auto result = run(Group(0));
    EXPECT_EQ(name_limit, 256);
    EXPECT_EQ(phrase_limit, 64);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->name(), name);
    ASSERT_EQ(result->pattern_count(), 1);
    EXPECT_EQ(result->pattern(0).phrase, phrase);
}

} // namespace
