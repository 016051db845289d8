#include "ui/hot_key_editor_win.h"

#include "harness/screenshot_win.h"
#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr wchar_t EDITOR[] = L"Hot Key Editor";
constexpr wchar_t INVALID_GROUP[] = L"Invalid Group";
using Texts = std::vector<std::wstring>;

int key_position(std::uint32_t key_code) {
    return key_choice_position(key_code).value_or(-1);
}

// What the open editor shows.
struct EditorState {
    std::wstring group;
    std::wstring action;
    std::wstring key;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;
};

EditorState state_of(HWND editor) {
    return {
        user::chosen_text(editor, IDC_HOT_KEY_GROUP), user::chosen_text(editor, IDC_HOT_KEY_ACTION),
        user::chosen_text(editor, IDC_HOT_KEY_KEY),   user::checked(editor, IDC_HOT_KEY_CTRL),
        user::checked(editor, IDC_HOT_KEY_ALT),       user::checked(editor, IDC_HOT_KEY_SHIFT),
        user::checked(editor, IDC_HOT_KEY_WIN)};
}

void tick(HWND editor, int box, bool ticked) {
    CheckDlgButton(editor, box, ticked ? BST_CHECKED : BST_UNCHECKED);
}

class HotKeyEditor : public testing::Test {
protected:
    HotKeyEditor() {
        owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 80,
                                700, 440, nullptr, nullptr, nullptr, nullptr);
        add_group(3, L"Work");
        add_group(7, L"Games");
        add_group(9, L"Music");
        hot_key.action = HotKey::HIDE_ONLY;
        hot_key.group_id = 7;
        hot_key.mod_ctrl = true;
        hot_key.mod_win = true;
        hot_key.key_code = VK_F5;
    }
    ~HotKeyEditor() override { DestroyWindow(owner); }

    void add_group(int id, const std::wstring& name) {
        Group group(id);
        group.set_name(name);
        model.add_group(group);
    }

    // Runs the editor on `start`; the combinations it tests are kept and found usable.
    std::optional<HotKey> run(const HotKey& start) {
        const HotKeyTest test = [this](const HotKey& candidate) {
            tested.push_back(candidate);
            return HotKeyTestResult{.usable = true, .in_use = false};
        };
        auto edited = run_hot_key_editor(owner, model, test, start);
        EXPECT_TRUE(script.finished())
            << "the script stopped after " << script.seen().size() << " steps";
        return edited;
    }

    void act(std::function<void(HWND)> action) { script.on(EDITOR, std::move(action)); }
    void press(int button) {
        act([button](HWND editor) { user::click(editor, button); });
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
    DataModel model;
    HotKey hot_key;
    std::vector<HotKey> tested;
    ModalScript script;
};

TEST_F(HotKeyEditor, OpensOnTheHotKeysGroupActionModifiersAndKeyCentredOnItsOwner) {
    EditorState opened;
    Texts groups;
    Texts actions;
    Texts keys;
    RECT editor_rect{};
    act([&](HWND editor) {
        opened = state_of(editor);
        groups = user::choices(editor, IDC_HOT_KEY_GROUP);
        actions = user::choices(editor, IDC_HOT_KEY_ACTION);
        keys = user::choices(editor, IDC_HOT_KEY_KEY);
        GetWindowRect(editor, &editor_rect);
        EXPECT_EQ(GetWindow(editor, GW_OWNER), owner);
        RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        harness::save_screenshot(L"hot_key_editor_on_a_hot_key");
        user::click(editor, IDCANCEL);
    });
    EXPECT_FALSE(run(hot_key).has_value());
    EXPECT_EQ(opened.group, L"Games");
    EXPECT_EQ(opened.action, L"Hide Only");
    EXPECT_EQ(opened.key, L"F5");
    EXPECT_TRUE(opened.ctrl);
    EXPECT_FALSE(opened.alt);
    EXPECT_FALSE(opened.shift);
    EXPECT_TRUE(opened.win);
    EXPECT_EQ(groups, (Texts{L"Work", L"Games", L"Music"}));
    EXPECT_EQ(actions, (Texts{L"Toggle Visibility", L"Show Only", L"Hide Only"}));
    ASSERT_EQ(keys.size(), KEY_CHOICES.size());
    EXPECT_EQ(keys.front(), L"Unspecified");
    RECT owner_rect{};
    GetWindowRect(owner, &owner_rect);
    EXPECT_NEAR((editor_rect.left + editor_rect.right) / 2,
                (owner_rect.left + owner_rect.right) / 2, 1);
    EXPECT_NEAR((editor_rect.top + editor_rect.bottom) / 2,
                (owner_rect.top + owner_rect.bottom) / 2, 1);
    EXPECT_TRUE(tested.empty());
}

TEST_F(HotKeyEditor, UnknownValuesOpenOnTheFirstChoices) {
    hot_key.action = 7;
    hot_key.group_id = 42;
    hot_key.key_code = 250;
    EditorState opened;
    act([&](HWND editor) {
        opened = state_of(editor);
        user::click(editor, IDCANCEL);
    });
    run(hot_key);
    EXPECT_EQ(opened.group, L"Work");
    EXPECT_EQ(opened.action, L"Toggle Visibility");
    EXPECT_EQ(opened.key, L"Unspecified");
}

TEST_F(HotKeyEditor, OkRefusesAMissingKeyAndAsksAboutMissingModifiersBeforeTesting) {
    std::wstring unspecified;
    std::wstring question_on_no;
    std::wstring question_on_yes;
    EditorState after_no;
    std::size_t tests_after_no = 99;
    act([](HWND editor) {
        user::choose(editor, IDC_HOT_KEY_KEY, 0);
        user::click(editor, IDOK);
    });
    answer(L"Unspecified Hot Key", unspecified, IDOK);
    act([](HWND editor) {
        user::choose(editor, IDC_HOT_KEY_KEY, key_position(VK_F9));
        user::choose(editor, IDC_HOT_KEY_ACTION, 1);
        user::choose(editor, IDC_HOT_KEY_GROUP, 2);
        for (const int box :
             {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT, IDC_HOT_KEY_SHIFT, IDC_HOT_KEY_WIN}) {
            tick(editor, box, false);
        }
        user::click(editor, IDOK);
    });
    answer(L"No modifiers specified", question_on_no, IDNO);
    act([&](HWND editor) {
        after_no = state_of(editor);
        tests_after_no = tested.size();
        user::click(editor, IDOK);
    });
    answer(L"No modifiers specified", question_on_yes, IDYES);
    const auto edited = run(hot_key);

    EXPECT_EQ(unspecified, L"A valid hot key combination has not been specified.");
    EXPECT_EQ(question_on_no,
              L"The hot key combination you've specified does not contain any modifiers (such as "
              L"the Control or Shift) key.  Creating hot keys without modifiers may cause "
              L"unexpected behavior due to their general system use.  Are you sure you'd like to "
              L"continue without modifiers?");
    EXPECT_EQ(question_on_yes, question_on_no);
    EXPECT_EQ(tests_after_no, 0u) << "No keeps the editor open without a test";
    EXPECT_EQ(after_no.key, L"F9");
    EXPECT_FALSE(after_no.ctrl);
    ASSERT_EQ(tested.size(), 1u);
    ASSERT_TRUE(edited.has_value());
    EXPECT_EQ(tested[0], *edited);
    HotKey expected = hot_key;
    expected.action = HotKey::SHOW_ONLY;
    expected.group_id = 9;
    expected.mod_ctrl = false;
    expected.mod_win = false;
    expected.key_code = VK_F9;
    EXPECT_EQ(*edited, expected) << "same id, new settings";
}

TEST_F(HotKeyEditor, OkNeedsAGroupAfterTheTest) {
    std::wstring no_groups;
    std::wstring bad_selection;
    {
        DataModel empty;
        ModalScript without_groups;
        without_groups.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
        without_groups.on(INVALID_GROUP, [&](HWND box) {
            no_groups = user::message_of(box);
            user::click(box, IDOK);
        });
        without_groups.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
        const HotKeyTest usable = [](const HotKey&) { return HotKeyTestResult{true, false}; };
        EXPECT_FALSE(run_hot_key_editor(owner, empty, usable, hot_key).has_value());
        EXPECT_TRUE(without_groups.finished());
    }

    act([](HWND editor) {
        SendDlgItemMessageW(editor, IDC_HOT_KEY_GROUP, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        user::click(editor, IDOK);
    });
    answer(INVALID_GROUP, bad_selection, IDOK);
    press(IDCANCEL);
    EXPECT_FALSE(run(hot_key).has_value());

    EXPECT_EQ(no_groups, L"You've attempted to use a group, but no groups have been created yet.");
    EXPECT_EQ(bad_selection, L"Invalid group selection.");
    EXPECT_EQ(tested.size(), 1u) << "the group is checked after the test";
}

TEST_F(HotKeyEditor, ANewHotKeyTakesTheFirstGroupWhenTheUserPicksNone) {
    HotKey fresh;
    fresh.mod_ctrl = true;
    fresh.mod_shift = true;
    act([](HWND editor) {
        user::choose(editor, IDC_HOT_KEY_KEY, key_position('K'));
        user::click(editor, IDOK);
    });
    const auto added = run(fresh);
    ASSERT_TRUE(added.has_value());
    EXPECT_EQ(added->group_id, 3);
    EXPECT_EQ(added->action, HotKey::TOGGLE_VISIBILITY);
    EXPECT_EQ(added->key_code, static_cast<std::uint32_t>('K'));
    EXPECT_EQ(added->id, fresh.id);
}

TEST_F(HotKeyEditor, CancelEscapeAndTheCloseBoxReturnNothingAfterChanges) {
    act([](HWND editor) {
        user::choose(editor, IDC_HOT_KEY_GROUP, 0);
        user::choose(editor, IDC_HOT_KEY_KEY, key_position('Q'));
        user::click(editor, IDCANCEL);
    });
    EXPECT_FALSE(run(hot_key).has_value());
    ModalScript escape;
    escape.on(EDITOR, [](HWND editor) { user::press_escape(editor); });
    const HotKeyTest never = [](const HotKey&) { return HotKeyTestResult{}; };
    EXPECT_FALSE(run_hot_key_editor(owner, model, never, hot_key).has_value());
    EXPECT_TRUE(escape.finished());
    EXPECT_TRUE(tested.empty());
}

} // namespace
