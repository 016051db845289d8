#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"
#include "page_fixture_win.h"

#include <algorithm>

namespace {

constexpr wchar_t EDITOR[] = L"Hot Key Editor";
constexpr wchar_t OTHER_EVENTS[] = L"Configure Other Hot Key Events";
constexpr UINT CTRL_ALT = MOD_CONTROL | MOD_ALT;
constexpr int CTRL = IDC_HOT_KEY_CTRL;
constexpr int ALT = IDC_HOT_KEY_ALT;
constexpr int SHIFT = IDC_HOT_KEY_SHIFT;

// Picks the key and ticks exactly the given modifier boxes (without telling the dialog, which
// reads them on OK), then clicks `button` if asked.
ModalScript::Action set_keys(std::uint32_t key_code, const std::vector<int>& ticked,
                             int button = IDOK) {
    return [=](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_KEY, key_choice_position(key_code).value_or(-1));
        for (const int box : {CTRL, ALT, SHIFT, IDC_HOT_KEY_WIN}) {
            CheckDlgButton(dialog, box, std::ranges::find(ticked, box) != ticked.end());
        }
        if (button != 0) {
            user::click(dialog, button);
        }
    };
}

// Groups "Work" and "Games" on Ctrl + Alt + F7 and F8, "Show All Windows" on Ctrl + Alt + F6.
class HotKeysPage : public PageTest {
protected:
    void SetUp() override {
        add_group(L"Work", L"Work");
        add_group(L"Games", L"Games");
        model.add_hot_key({.group_id = 0, .mod_ctrl = true, .mod_alt = true, .key_code = VK_F7});
        model.add_hot_key({.group_id = 1, .mod_ctrl = true, .mod_alt = true, .key_code = VK_F8});
        HotKey show_all = model.event_hot_key(EVENT_SHOW_ALL_WINDOWS);
        show_all.mod_ctrl = show_all.mod_alt = true;
        show_all.key_code = VK_F6;
        model.set_event_hot_key(EVENT_SHOW_ALL_WINDOWS, show_all);
        create_pages();
        host.pages.switch_to_tab(HOT_KEYS);
    }
    static bool all_held() {
        return held(CTRL_ALT, VK_F6) && held(CTRL_ALT, VK_F7) && held(CTRL_ALT, VK_F8);
    }
};

TEST_F(HotKeysPage, TheHotKeyEditorAddsAndEditsOnlyCombinationsNobodyElseHolds) {
    screenshot(host.main_dialog(), L"hot_keys_page");
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'J')) << "held elsewhere";
    script.on(EDITOR, [this](HWND editor) {
        EXPECT_EQ(GetWindow(editor, GW_OWNER), host.main_dialog());
        EXPECT_EQ(user::chosen_text(editor, IDC_HOT_KEY_KEY), L"Unspecified");
        user::click(editor, IDOK);
    });
    script.answer(L"Unspecified Hot Key");
    // An event's and another program's combination.
    script.on(EDITOR, set_keys(VK_F6, {CTRL, ALT})).answer(L"Invalid Hot Key");
    script.on(EDITOR, set_keys('J', {CTRL, SHIFT})).answer(L"Invalid Hot Key");
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_HOT_KEY_GROUP, 1);
        user::choose(editor, IDC_HOT_KEY_ACTION, 1);
        set_keys(VK_F9, {CTRL, SHIFT})(editor);
    });
    script.run([this] { click(HOT_KEYS, IDC_PAGE_ADD); });
    UnregisterHotKey(nullptr, 7);
    ASSERT_EQ(model.hot_key_count(), 3);
    EXPECT_EQ(std::pair(model.hot_key(2).group_id, model.hot_key(2).action),
              std::pair(1, HotKey::SHOW_ONLY));
    EXPECT_EQ(column(HOT_KEYS, 1),
              (Texts{L"CTRL + ALT + F7", L"CTRL + ALT + F8", L"CTRL + SHIFT + F9"}));
    EXPECT_TRUE(held(MOD_CONTROL | MOD_SHIFT, VK_F9) && all_held());

    // The page lets its hot keys go while one is edited; Cancel keeps the old one.
    const HotKey games_keys = model.hot_key(1);
    select_row(HOT_KEYS, {1});
    script.on(EDITOR, [](HWND editor) {
        EXPECT_FALSE(held(CTRL_ALT, VK_F7));
        set_keys(VK_F10, {CTRL}, IDCANCEL)(editor);
    });
    script.run([this] { click(HOT_KEYS, IDC_PAGE_EDIT); });
    EXPECT_EQ(model.hot_key(1), games_keys);
    script.on(EDITOR, set_keys(VK_F11, {CTRL, ALT}));
    script.run([this] { press_key(HOT_KEYS, VK_RETURN); });
    EXPECT_EQ(column(HOT_KEYS, 1)[1], L"CTRL + ALT + F11");
    EXPECT_TRUE(held(CTRL_ALT, VK_F11) && !held(CTRL_ALT, VK_F8)) << "the old one is let go";

    // The Delete key asks about a selected row only; the button and the menu ask nothing.
    host.answer = true;
    select_row(HOT_KEYS);
    press_key(HOT_KEYS, VK_DELETE);
    select_row(HOT_KEYS, {0});
    press_key(HOT_KEYS, VK_DELETE);
    EXPECT_EQ(column(HOT_KEYS, 1), (Texts{L"CTRL + ALT + F11", L"CTRL + SHIFT + F9"}));
    click(HOT_KEYS, IDC_PAGE_REMOVE);
    choose_from_menu(HOT_KEYS, 1);
    EXPECT_EQ(model.hot_key_count(), 0);
    EXPECT_FALSE(held(CTRL_ALT, VK_F7) || held(CTRL_ALT, VK_F11) ||
                 held(MOD_CONTROL | MOD_SHIFT, VK_F9));
    EXPECT_EQ(host.questions, Texts{L"Delete Hot Key"});
}

TEST_F(HotKeysPage, OtherEventsCommitsTheSlotBeingLeftAndPutsBackOneThatFailsItsTest) {
    // Opening the list of events leaves the slot shown.
    script.on(OTHER_EVENTS, [](HWND dialog) {
        EXPECT_FALSE(held(CTRL_ALT, VK_F6)) << "let go while the dialog is open";
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        set_keys(VK_F8, {CTRL, ALT}, 0)(dialog);
        user::tell(dialog, IDC_HOT_KEY_EVENT, CBN_DROPDOWN);
    });
    script.answer(L"Invalid Hot Key");
    script.on(OTHER_EVENTS, set_keys(UNSPECIFIED_KEY, {SHIFT})).answer(L"No key specified");
    script.on(OTHER_EVENTS, [](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ACTIVE_WINDOW);
        set_keys('K', {CTRL, ALT}, 0)(dialog);
        user::tell(dialog, IDC_HOT_KEY_EVENT, CBN_DROPDOWN);
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        EXPECT_EQ(user::chosen_text(dialog, IDC_HOT_KEY_KEY), L"F6") << "the refused slot";
        user::click(dialog, IDCANCEL);
    });
    script.run([this] { click(HOT_KEYS, IDC_OTHER_EVENTS); });
    EXPECT_EQ(combination_text(model.event_hot_key(EVENT_SHOW_ALL_WINDOWS)), L"CTRL + ALT + F6");
    EXPECT_EQ(combination_text(model.event_hot_key(EVENT_HIDE_ACTIVE_WINDOW)), L"CTRL + ALT + K")
        << "committed before Cancel";
    EXPECT_TRUE(held(CTRL_ALT, 'K') && all_held());
}

} // namespace
