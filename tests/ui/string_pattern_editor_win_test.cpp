#include "ui/string_pattern_editor_win.h"

#include "editors_resource.h"
#include "harness/screenshot_win.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr wchar_t EDITOR[] = L"String Pattern Editor";
using Texts = std::vector<std::wstring>;

Pattern pattern(int compare, int applies_to, const std::wstring& phrase, bool case_sensitive) {
    return {.compare = compare,
            .applies_to = applies_to,
            .phrase = phrase,
            .case_sensitive = case_sensitive};
}

// What the entry row of the open editor shows.
struct Shown {
    std::wstring target;
    std::wstring comparison;
    std::wstring phrase;
    bool case_sensitive;

    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << std::string(shown.comparison.begin(), shown.comparison.end());
}

Shown shown_in(HWND editor) {
    return {user::chosen_text(editor, IDC_PATTERN_TARGET),
            user::chosen_text(editor, IDC_PATTERN_COMPARISON),
            user::text_of(user::item(editor, IDC_PATTERN_PHRASE)),
            user::checked(editor, IDC_PATTERN_CASE_SENSITIVE)};
}

class StringPatternEditor : public testing::Test {
protected:
    StringPatternEditor() {
        owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 120, 90,
                                760, 420, nullptr, nullptr, nullptr, nullptr);
    }
    ~StringPatternEditor() override { DestroyWindow(owner); }

    std::optional<Pattern> run(const Pattern& start) {
        auto result = edit_string_pattern(owner, start);
        EXPECT_TRUE(script.finished())
            << "the script stopped after " << script.seen().size() << " steps";
        return result;
    }

    HWND owner = nullptr;
    ModalScript script;
};

TEST_F(StringPatternEditor, OpensShowingThePatternWithThePhraseSelected) {
    Shown shown{};
    DWORD selection = 0;
    int focus = 0;
    script.on(EDITOR, [&](HWND editor) {
        shown = shown_in(editor);
        selection = static_cast<DWORD>(
            SendMessageW(user::item(editor, IDC_PATTERN_PHRASE), EM_GETSEL, 0, 0));
        focus = GetDlgCtrlID(GetFocus());
        EXPECT_EQ(user::choices(editor, IDC_PATTERN_TARGET),
                  (Texts{L"Window Title", L"Image Name"}));
        EXPECT_EQ(user::choices(editor, IDC_PATTERN_COMPARISON),
                  (Texts{L"Starts With", L"Contains", L"Ends With", L"Exactly Matches"}));
        EXPECT_EQ(user::text_of(user::item(editor, IDOK)), L"OK");
        EXPECT_EQ(user::text_of(user::item(editor, IDCANCEL)), L"Cancel");
        RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        harness::save_screenshot(L"string_pattern_editor");
        user::click(editor, IDCANCEL);
    });
    run(pattern(Pattern::ENDS_WITH, Pattern::IMAGE_NAME, L"notepad.exe", true));
    EXPECT_EQ(shown, (Shown{L"Image Name", L"Ends With", L"notepad.exe", true}));
    EXPECT_EQ(focus, IDC_PATTERN_PHRASE);
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 11) << "the whole phrase is selected";
}

TEST_F(StringPatternEditor, ShowsEachCompareModeByItsEntryAndStoresTheEntryBack) {
    // Never (0), everything (5) and unknown modes have no entry of their own.
    const std::vector<std::tuple<int, std::wstring, int>> cases{
        {Pattern::STARTS_WITH, L"Starts With", Pattern::STARTS_WITH},
        {Pattern::CONTAINS, L"Contains", Pattern::CONTAINS},
        {Pattern::ENDS_WITH, L"Ends With", Pattern::ENDS_WITH},
        {Pattern::EXACTLY_MATCHES, L"Exactly Matches", Pattern::EXACTLY_MATCHES},
        {Pattern::NEVER, L"Contains", Pattern::CONTAINS},
        {Pattern::EVERYTHING, L"Contains", Pattern::CONTAINS},
        {9, L"Contains", Pattern::CONTAINS}};
    for (const auto& [compare, entry, stored] : cases) {
        std::wstring comparison;
        ModalScript each;
        each.on(EDITOR, [&](HWND editor) {
            comparison = user::chosen_text(editor, IDC_PATTERN_COMPARISON);
            user::click(editor, IDOK);
        });
        const auto result = edit_string_pattern(owner, pattern(compare, 0, L"Start", false));
        EXPECT_EQ(comparison, entry) << compare;
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, pattern(stored, 0, L"Start", false)) << compare;
    }
}

TEST_F(StringPatternEditor, AnyNonZeroTargetShowsAndIsStoredAsTheImageName) {
    std::wstring target;
    script.on(EDITOR, [&](HWND editor) {
        target = user::chosen_text(editor, IDC_PATTERN_TARGET);
        user::click(editor, IDOK);
    });
    const auto result = run(pattern(Pattern::CONTAINS, 7, L"tool", false));
    EXPECT_EQ(target, L"Image Name");
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->applies_to, Pattern::IMAGE_NAME);
}

TEST_F(StringPatternEditor, OkReturnsTheEditedCopy) {
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_TARGET, 1);
        user::choose(editor, IDC_PATTERN_COMPARISON, 3);
        user::type(editor, IDC_PATTERN_PHRASE, L"setup.exe");
        user::click(editor, IDC_PATTERN_CASE_SENSITIVE);
    });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    const auto result = run(pattern(Pattern::STARTS_WITH, Pattern::WINDOW_TITLE, L"Setup", false));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, pattern(Pattern::EXACTLY_MATCHES, Pattern::IMAGE_NAME, L"setup.exe", true));
}

TEST_F(StringPatternEditor, EmptyPhraseIsRefusedAndTheEditorStaysOpenWithItsEntries) {
    std::wstring message;
    Shown after_refusal{};
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_COMPARISON, 0);
        user::type(editor, IDC_PATTERN_PHRASE, L"");
        user::click(editor, IDOK);
    });
    script.on(L"Invalid Phrase", [&](HWND box) {
        message = user::message_of(box);
        EXPECT_EQ(GetWindow(box, GW_OWNER), FindWindowW(nullptr, EDITOR));
        user::click(box, IDOK);
    });
    script.on(EDITOR, [&](HWND editor) {
        after_refusal = shown_in(editor);
        user::type(editor, IDC_PATTERN_PHRASE, L"Calculator");
        user::click(editor, IDOK);
    });
    const auto result = run(pattern(Pattern::CONTAINS, 0, L"Calc", false));
    EXPECT_EQ(message, L"No pattern phrase has been specified.");
    EXPECT_EQ(after_refusal, (Shown{L"Window Title", L"Starts With", L"", false}));
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, pattern(Pattern::STARTS_WITH, 0, L"Calculator", false));
}

TEST_F(StringPatternEditor, CancelAndTheCloseBoxReturnNothing) {
    script.on(EDITOR, [](HWND editor) {
        user::type(editor, IDC_PATTERN_PHRASE, L"changed");
        user::click(editor, IDCANCEL);
    });
    EXPECT_FALSE(run(pattern(Pattern::CONTAINS, 0, L"kept", false)).has_value());

    ModalScript closing;
    closing.on(EDITOR, [](HWND editor) {
        user::type(editor, IDC_PATTERN_PHRASE, L"changed");
        user::close_window(editor);
    });
    EXPECT_FALSE(edit_string_pattern(owner, pattern(Pattern::CONTAINS, 0, L"kept", false)));
    EXPECT_TRUE(closing.finished());
}

TEST_F(StringPatternEditor, TypingStopsAt64CharactersButALongerStoredPhraseIsKeptWhole) {
    const std::wstring stored(100, L'w');
    LRESULT limit = 0;
    script.on(EDITOR, [&](HWND editor) {
        limit = SendMessageW(user::item(editor, IDC_PATTERN_PHRASE), EM_GETLIMITTEXT, 0, 0);
        user::click(editor, IDOK);
    });
    const auto result = run(pattern(Pattern::CONTAINS, 0, stored, false));
    EXPECT_EQ(limit, 64);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->phrase, stored);
}

} // namespace
