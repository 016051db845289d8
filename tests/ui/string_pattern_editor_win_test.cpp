#include "ui/string_pattern_editor_win.h"

#include "ui/editor_test_win.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

constexpr wchar_t EDITOR[] = L"String Pattern Editor";

class StringPatternEditor : public EditorTest {
protected:
    std::optional<Pattern> run(const Pattern& start) {
        return script.run([&] { return edit_string_pattern(owner, start); });
    }
};

TEST_F(StringPatternEditor, OpensOnThePatternAndOkRefusesAnEmptyPhraseThenReturnsTheEditedCopy) {
    std::wstring refusal;
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(pattern_entry_shown(editor),
                  (Texts{L"Image Name", L"Ends With", L"notepad.exe", L"case sensitive"}));
        EXPECT_EQ(GetFocus(), user::item(editor, IDC_PATTERN_PHRASE));
        EXPECT_EQ(SendDlgItemMessageW(editor, IDC_PATTERN_PHRASE, EM_GETSEL, 0, 0), MAKELONG(0, 11))
            << "the whole phrase is selected";
        screenshot(editor, L"string_pattern_editor");
        user::choose(editor, IDC_PATTERN_TARGET, 0);
        user::choose(editor, IDC_PATTERN_COMPARISON, 3);
        user::type(editor, IDC_PATTERN_PHRASE, L"");
        user::click(editor, IDC_PATTERN_CASE_SENSITIVE);
    });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    script.answer(L"Invalid Phrase", refusal);
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(pattern_entry_shown(editor),
                  (Texts{L"Window Title", L"Exactly Matches", L"", L""}));
        user::type(editor, IDC_PATTERN_PHRASE, L"Setup");
        user::click(editor, IDOK);
    });
    EXPECT_EQ(run(pattern(Pattern::ENDS_WITH, Pattern::IMAGE_NAME, L"notepad.exe", true)),
              pattern(Pattern::EXACTLY_MATCHES, Pattern::WINDOW_TITLE, L"Setup"));
    EXPECT_EQ(refusal, L"No pattern phrase has been specified.");
}

TEST_F(StringPatternEditor, ShowsEachStoredModeByItsEntryAndStoresTheEntryBack) {
    // Never (0), everything (5) and unknown modes have no entry of their own, and any non-zero
    // target matches the image name. A stored phrase longer than typing allows stays whole.
    const std::wstring phrase(100, L'w');
    const struct {
        int compare;
        int applies_to;
        Texts shown;
        int stored_compare;
        int stored_target;
    } cases[] = {
        {Pattern::STARTS_WITH, 0, {L"Window Title", L"Starts With"}, Pattern::STARTS_WITH, 0},
        {Pattern::CONTAINS, 0, {L"Window Title", L"Contains"}, Pattern::CONTAINS, 0},
        {Pattern::ENDS_WITH, 1, {L"Image Name", L"Ends With"}, Pattern::ENDS_WITH, 1},
        {Pattern::EXACTLY_MATCHES,
         0,
         {L"Window Title", L"Exactly Matches"},
         Pattern::EXACTLY_MATCHES,
         0},
        {Pattern::NEVER, 0, {L"Window Title", L"Contains"}, Pattern::CONTAINS, 0},
        {Pattern::EVERYTHING, 0, {L"Window Title", L"Contains"}, Pattern::CONTAINS, 0},
        {9, 7, {L"Image Name", L"Contains"}, Pattern::CONTAINS, Pattern::IMAGE_NAME}};
    for (const auto& each : cases) {
        SCOPED_TRACE(testing::Message()
                     << "mode " << each.compare << ", target " << each.applies_to);
        ModalScript script_of_case;
        script_of_case.on(EDITOR, [&](HWND editor) {
            EXPECT_EQ((Texts{user::chosen_text(editor, IDC_PATTERN_TARGET),
                             user::chosen_text(editor, IDC_PATTERN_COMPARISON)}),
                      each.shown);
            EXPECT_EQ(SendDlgItemMessageW(editor, IDC_PATTERN_PHRASE, EM_GETLIMITTEXT, 0, 0), 64);
            user::click(editor, IDOK);
        });
        const auto stored = script_of_case.run([&] {
            return edit_string_pattern(owner, pattern(each.compare, each.applies_to, phrase));
        });
        EXPECT_EQ(stored, pattern(each.stored_compare, each.stored_target, phrase));
    }
}

TEST_F(StringPatternEditor, EachWayToCancelReturnsNothing) {
    const auto results = cancel_each_way(
        EDITOR, [](HWND editor) { user::type(editor, IDC_PATTERN_PHRASE, L"changed"); },
        [&] { return edit_string_pattern(owner, pattern(Pattern::CONTAINS, 0, L"kept")); });
    EXPECT_EQ(results, std::vector<std::optional<Pattern>>(3));
}

} // namespace
