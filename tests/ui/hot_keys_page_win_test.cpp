#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"
#include "page_fixture_win.h"

#include <algorithm>

namespace {

constexpr int HOT_KEYS = 3;
constexpr wchar_t EDITOR[] = L"Hot Key Editor";
constexpr wchar_t OTHER_EVENTS[] = L"Configure Other Hot Key Events";
constexpr UINT CTRL_ALT = MOD_CONTROL | MOD_ALT;

// Picks the key and ticks exactly the given modifier boxes.
void set_keys(HWND dialog, std::uint32_t key_code, const std::vector<int>& ticked) {
    user::choose(dialog, IDC_HOT_KEY_KEY, key_choice_position(key_code).value_or(-1));
    for (const int box : {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT, IDC_HOT_KEY_SHIFT, IDC_HOT_KEY_WIN}) {
        user::tick(dialog, box, std::ranges::find(ticked, box) != ticked.end());
    }
}

ModalScript::Action set_keys_and_click(std::uint32_t key_code, const std::vector<int>& ticked,
                                       int button = IDOK) {
    return [=](HWND dialog) {
        set_keys(dialog, key_code, ticked);
        user::click(dialog, button);
    };
}

// Groups "Work" (id 0) and "Games" (1) with Ctrl + Alt + F7 and F8, "Show All Windows" on
// Ctrl + Alt + F6, on the hot keys page, which holds them all with the system.
class HotKeysPage : public PageTest {
protected:
    void SetUp() override {
        add_group(L"Work", L"Work");
        add_group(L"Games", L"Games");
        model.add_hot_key(ctrl_alt(VK_F7, 0, HotKey::HIDE_ONLY));
        model.add_hot_key(ctrl_alt(VK_F8, 1, HotKey::TOGGLE_VISIBILITY));
        HotKey show_all = ctrl_alt(VK_F6, -1, HotKey::TOGGLE_VISIBILITY);
        show_all.id = model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).id;
        model.set_event_hot_key(EVENT_SHOW_ALL_WINDOWS, show_all);
        create_pages();
        host.pages.switch_to_tab(HOT_KEYS);
    }

    static HotKey ctrl_alt(std::uint32_t key, int group_id, std::uint32_t action) {
        return {.action = action,
                .group_id = group_id,
                .mod_ctrl = true,
                .mod_alt = true,
                .key_code = key};
    }

    static bool all_held() {
        return held(CTRL_ALT, VK_F6) && held(CTRL_ALT, VK_F7) && held(CTRL_ALT, VK_F8);
    }
};

TEST_F(HotKeysPage, TheHotKeyEditorAddsAndEditsOnlyCombinationsNobodyElseHolds) {
    EXPECT_EQ(column(HOT_KEYS, 1), (Texts{L"CTRL + ALT + F7", L"CTRL + ALT + F8"}));
    EXPECT_TRUE(all_held());
    screenshot(host.main_dialog(), L"hot_keys_page");
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'J')) << "held elsewhere";
    ModalScript script;
    script.on(EDITOR, [this](HWND editor) {
        EXPECT_EQ(GetWindow(editor, GW_OWNER), host.main_dialog());
        EXPECT_EQ(user::chosen_text(editor, IDC_HOT_KEY_KEY), L"Unspecified");
        EXPECT_TRUE(user::checked(editor, IDC_HOT_KEY_CTRL) &&
                    user::checked(editor, IDC_HOT_KEY_SHIFT));
        screenshot(editor, L"hot_key_editor");
        user::click(editor, IDOK);
    });
    script.answer(L"Unspecified Hot Key");
    // An event's, another hot key's and another program's combination.
    script.on(EDITOR, set_keys_and_click(VK_F6, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT}));
    script.answer(L"Invalid Hot Key");
    script.on(EDITOR, set_keys_and_click(VK_F7, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT}));
    script.answer(L"Invalid Hot Key");
    script.on(EDITOR, set_keys_and_click('J', {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_SHIFT}));
    script.answer(L"Invalid Hot Key");
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_HOT_KEY_GROUP, 1);
        user::choose(editor, IDC_HOT_KEY_ACTION, 1);
        set_keys_and_click(VK_F9, {})(editor);
    });
    script.answer(L"No modifiers specified", IDNO);
    script.on(EDITOR, set_keys_and_click(VK_F9, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_SHIFT}));
    script.run([this] { click(HOT_KEYS, IDC_PAGE_ADD); });
    UnregisterHotKey(nullptr, 7);
    ASSERT_EQ(model.hot_key_count(), 3);
    EXPECT_EQ(model.hot_key(2).group_id, 1);
    EXPECT_EQ(model.hot_key(2).action, HotKey::SHOW_ONLY);
    EXPECT_EQ(combination_text(model.hot_key(2)), L"CTRL + SHIFT + F9");
    EXPECT_TRUE(held(MOD_CONTROL | MOD_SHIFT, VK_F9));
    EXPECT_TRUE(all_held());
    EXPECT_EQ(first_selected_row(list(HOT_KEYS)), 2);

    // The page lets its hot keys go while a hot key is edited; Cancel keeps the old one.
    const HotKey games_keys = model.hot_key(1);
    select_row(HOT_KEYS, 1);
    ModalScript{}
        .on(EDITOR,
            [](HWND editor) {
                EXPECT_FALSE(held(CTRL_ALT, VK_F7));
                set_keys_and_click(VK_F10, {IDC_HOT_KEY_CTRL}, IDCANCEL)(editor);
            })
        .run([this] { click(HOT_KEYS, IDC_PAGE_EDIT); });
    EXPECT_EQ(model.hot_key(1), games_keys);
    EXPECT_TRUE(all_held());
    ModalScript{}
        .on(EDITOR, set_keys_and_click(VK_F11, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT}))
        .run([this] { press_key(HOT_KEYS, VK_RETURN); });
    EXPECT_EQ(model.hot_key(1).id, games_keys.id);
    EXPECT_EQ(column(HOT_KEYS, 1)[1], L"CTRL + ALT + F11");
    EXPECT_TRUE(held(CTRL_ALT, VK_F11));
    EXPECT_FALSE(held(CTRL_ALT, VK_F8)) << "the old combination is let go";

    // The Delete key asks about a selected row only; the button and the menu ask nothing.
    select_row(HOT_KEYS, -1);
    press_key(HOT_KEYS, VK_DELETE);
    EXPECT_EQ(host.questions, Texts{});
    select_row(HOT_KEYS, 0);
    press_key(HOT_KEYS, VK_DELETE);
    EXPECT_EQ(model.hot_key_count(), 3);
    host.answers = {true};
    press_key(HOT_KEYS, VK_DELETE);
    EXPECT_EQ(host.questions, (Texts{L"Delete Hot Key", L"Delete Hot Key"}));
    EXPECT_EQ(column(HOT_KEYS, 1), (Texts{L"CTRL + ALT + F11", L"CTRL + SHIFT + F9"}));
    EXPECT_FALSE(held(CTRL_ALT, VK_F7));
    select_row(HOT_KEYS, 0);
    click(HOT_KEYS, IDC_PAGE_REMOVE);
    choose_from_menu(HOT_KEYS, 1);
    EXPECT_EQ(model.hot_key_count(), 0);
    EXPECT_FALSE(held(CTRL_ALT, VK_F11) || held(MOD_CONTROL | MOD_SHIFT, VK_F9));
    EXPECT_EQ(host.questions.size(), 2u);
}

TEST_F(HotKeysPage, OtherEventsCommitsTheSlotBeingLeftAndPutsBackOneThatFailsItsTest) {
    const auto open_event_list = [](HWND dialog) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_EVENT, CBN_DROPDOWN),
                     reinterpret_cast<LPARAM>(user::item(dialog, IDC_HOT_KEY_EVENT)));
    };
    ModalScript script;
    script.on(OTHER_EVENTS, [&](HWND dialog) {
        EXPECT_FALSE(held(CTRL_ALT, VK_F6)) << "let go while the dialog is open";
        EXPECT_EQ(user::chosen_text(dialog, IDC_HOT_KEY_EVENT),
                  L"Toggle Visibility of All Windows");
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        EXPECT_EQ(user::chosen_text(dialog, IDC_HOT_KEY_KEY), L"F6");
        screenshot(dialog, L"other_hot_key_events");
        // The group hot key's combination.
        set_keys(dialog, VK_F8, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT});
        open_event_list(dialog);
    });
    script.answer(L"Invalid Hot Key");
    script.on(OTHER_EVENTS, set_keys_and_click(UNSPECIFIED_KEY, {IDC_HOT_KEY_SHIFT}));
    script.answer(L"No key specified");
    script.on(OTHER_EVENTS, [&](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ACTIVE_WINDOW);
        set_keys(dialog, 'K', {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT});
        open_event_list(dialog);
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        EXPECT_EQ(user::chosen_text(dialog, IDC_HOT_KEY_KEY), L"F6") << "the refused slot";
        user::click(dialog, IDCANCEL);
    });
    script.run([this] { click(HOT_KEYS, IDC_OTHER_EVENTS); });
    EXPECT_EQ(combination_text(model.event_hot_key(EVENT_SHOW_ALL_WINDOWS)), L"CTRL + ALT + F6");
    EXPECT_EQ(combination_text(model.event_hot_key(EVENT_HIDE_ACTIVE_WINDOW)), L"CTRL + ALT + K")
        << "committed before Cancel";
    EXPECT_TRUE(held(CTRL_ALT, 'K'));
    EXPECT_TRUE(all_held());

    ModalScript{}
        .on(OTHER_EVENTS,
            [](HWND dialog) {
                user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
                SendMessageW(user::item(dialog, IDC_HOT_KEY_CLEAR), BM_CLICK, 0, 0);
                user::click(dialog, IDOK);
            })
        .run([this] { click(HOT_KEYS, IDC_OTHER_EVENTS); });
    EXPECT_EQ(model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).key_code, UNSPECIFIED_KEY);
    EXPECT_FALSE(held(CTRL_ALT, VK_F6));
}

} // namespace
