#include "ui/hot_key_editor_win.h"

#include "ui/editor_test_win.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t EDITOR[] = L"Hot Key Editor";

// The group, the action, then the "Hot Key Settings:" box.
Texts shown_in(HWND editor) {
    Texts shown{user::chosen_text(editor, IDC_HOT_KEY_GROUP),
                user::chosen_text(editor, IDC_HOT_KEY_ACTION)};
    const Texts settings = key_settings_shown(editor);
    shown.insert(shown.end(), settings.begin(), settings.end());
    return shown;
}

class HotKeyEditor : public EditorTest {
protected:
    HotKeyEditor() {
        for (const auto& [id, name] :
             {std::pair{3, L"Work"}, std::pair{7, L"Games"}, std::pair{9, L"Music"}}) {
            Group group(id);
            group.set_name(name);
            model.add_group(group);
        }
        hot_key.action = HotKey::HIDE_ONLY;
        hot_key.group_id = 7;
        hot_key.mod_ctrl = true;
        hot_key.mod_win = true;
        hot_key.key_code = VK_F5;
    }

    // Runs the editor on `start`; the combinations it tests are kept and found usable.
    std::optional<HotKey> run(const HotKey& start) {
        return script.run([&] { return run_hot_key_editor(owner, model, test, start); });
    }

    DataModel model;
    HotKey hot_key;
    std::vector<HotKey> tested;
    const HotKeyTest test = [this](const HotKey& candidate) {
        tested.push_back(candidate);
        return HotKeyTestResult{.usable = true, .in_use = false};
    };
};

TEST_F(HotKeyEditor, UnknownValuesOpenOnTheFirstChoicesAndAKeyIsAllItNeeds) {
    HotKey fresh;
    fresh.action = 7;
    fresh.group_id = 42;
    fresh.key_code = 250;
    fresh.mod_ctrl = true;
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(shown_in(editor),
                  (Texts{L"Work", L"Toggle Visibility", L"Unspecified", L"Ctrl"}));
        user::choose(editor, IDC_HOT_KEY_KEY, key_choice_position('K').value_or(-1));
        user::click(editor, IDOK);
    });
    HotKey expected = fresh;
    expected.action = HotKey::TOGGLE_VISIBILITY;
    expected.group_id = 3;
    expected.key_code = 'K';
    EXPECT_EQ(run(fresh), expected) << "same id, the choices shown";
}

TEST_F(HotKeyEditor, OpensCentredOnTheHotKeyAndOkRefusesAMissingKeyAndAsksAboutNoModifiers) {
    std::wstring unspecified;
    std::wstring question_on_no;
    std::wstring question_on_yes;
    script.on(EDITOR, [this](HWND editor) {
        EXPECT_EQ(shown_in(editor), (Texts{L"Games", L"Hide Only", L"F5", L"Ctrl", L"Win"}));
        EXPECT_EQ(GetWindow(editor, GW_OWNER), owner);
        EXPECT_TRUE(centred_on(editor, owner));
        screenshot(editor, L"hot_key_editor_on_a_hot_key");
        user::choose(editor, IDC_HOT_KEY_KEY, 0);
        user::click(editor, IDOK);
    });
    script.answer(L"Unspecified Hot Key", unspecified);
    script.on(EDITOR, [](HWND editor) {
        set_key_settings(editor, VK_F9);
        user::choose(editor, IDC_HOT_KEY_ACTION, 1);
        user::choose(editor, IDC_HOT_KEY_GROUP, 2);
        user::click(editor, IDOK);
    });
    script.answer(L"No modifiers specified", question_on_no, IDNO);
    script.on(EDITOR, [this](HWND editor) {
        EXPECT_EQ(shown_in(editor), (Texts{L"Music", L"Show Only", L"F9"}));
        EXPECT_TRUE(tested.empty()) << "No keeps the editor open without a test";
        user::click(editor, IDOK);
    });
    script.answer(L"No modifiers specified", question_on_yes, IDYES);
    const auto edited = run(hot_key);

    EXPECT_EQ(unspecified, L"A valid hot key combination has not been specified.");
    EXPECT_EQ(question_on_no,
              L"The hot key combination you've specified does not contain any modifiers (such as "
              L"the Control or Shift) key.  Creating hot keys without modifiers may cause "
              L"unexpected behavior due to their general system use.  Are you sure you'd like to "
              L"continue without modifiers?");
    EXPECT_EQ(question_on_yes, question_on_no);
    HotKey expected = hot_key;
    expected.action = HotKey::SHOW_ONLY;
    expected.group_id = 9;
    expected.mod_ctrl = false;
    expected.mod_win = false;
    expected.key_code = VK_F9;
    EXPECT_EQ(edited, expected) << "same id, new settings";
    EXPECT_EQ(tested, std::vector<HotKey>{expected});
}

TEST_F(HotKeyEditor, OkNeedsAGroupAfterTheTest) {
    std::wstring bad_selection;
    script.on(EDITOR, [](HWND editor) {
        SendDlgItemMessageW(editor, IDC_HOT_KEY_GROUP, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        user::click(editor, IDOK);
    });
    script.answer(L"Invalid Group", bad_selection);
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    EXPECT_FALSE(run(hot_key));
    EXPECT_EQ(bad_selection, L"Invalid group selection.");

    std::wstring no_groups;
    model.clear_groups();
    ModalScript without_groups;
    without_groups.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    without_groups.answer(L"Invalid Group", no_groups);
    without_groups.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    EXPECT_FALSE(
        without_groups.run([&] { return run_hot_key_editor(owner, model, test, hot_key); }));
    EXPECT_EQ(no_groups, L"You've attempted to use a group, but no groups have been created yet.");
    EXPECT_EQ(tested.size(), 2u) << "the group is checked after the test";
}

TEST_F(HotKeyEditor, EachWayToCancelReturnsNothingAfterChanges) {
    const auto changes = [](HWND editor) {
        user::choose(editor, IDC_HOT_KEY_GROUP, 0);
        set_key_settings(editor, 'Q', {IDC_HOT_KEY_ALT});
    };
    const auto results = cancel_each_way(
        EDITOR, changes, [&] { return run_hot_key_editor(owner, model, test, hot_key); });
    EXPECT_EQ(results, std::vector<std::optional<HotKey>>(3));
    EXPECT_TRUE(tested.empty());
}

} // namespace
