#include "hotkeys/key_names.h"
#include "page_fixture_win.h"
#include "ui/editor_test_win.h"

#include <string>
#include <vector>

namespace {

constexpr int HOT_KEYS = 3;
constexpr wchar_t EDITOR[] = L"Hot Key Editor";
constexpr wchar_t OTHER_EVENTS[] = L"Configure Other Hot Key Events";
constexpr wchar_t REFUSAL[] = L"Invalid Hot Key";
constexpr wchar_t WORK_ROW[] = L"Applies to group \"Work\"";
constexpr wchar_t GAMES_ROW[] = L"Applies to group \"Games\"";
const Question DELETE_QUESTION{L"Delete Hot Key",
                               L"Are you sure you'd like to delete the selected hot key?"};
const std::vector<bool> ALL_HELD{true, true, true};
const std::vector<bool> NONE_HELD{false, false, false};

// A key combination as the system takes it.
struct Combination {
    UINT modifiers;
    UINT key;
};
constexpr Combination WORK_KEYS{MOD_CONTROL | MOD_ALT, VK_F7};
constexpr Combination GAMES_KEYS{MOD_CONTROL | MOD_ALT, VK_F8};
constexpr Combination SHOW_ALL_KEYS{MOD_CONTROL | MOD_ALT, VK_F6};

HotKey ctrl_alt_hot_key(UINT key, std::uint32_t action, int group_id) {
    return {
        .action = action, .group_id = group_id, .mod_ctrl = true, .mod_alt = true, .key_code = key};
}

class HotKeysPage : public PageTest {
protected:
    // Groups "Work" (id 0) and "Games" (1), a hot key for each, the "Show All Windows" event
    // on Ctrl + Alt + F6, and the hot keys page current.
    void SetUp() override {
        add_group(L"Work", L"Work");
        add_group(L"Games", L"Games");
        model.add_hot_key(ctrl_alt_hot_key(VK_F7, HotKey::HIDE_ONLY, 0));
        model.add_hot_key(ctrl_alt_hot_key(VK_F8, HotKey::TOGGLE_VISIBILITY, 1));
        HotKey show_all = ctrl_alt_hot_key(VK_F6, HotKey::TOGGLE_VISIBILITY, -1);
        show_all.id = model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).id;
        model.set_event_hot_key(EVENT_SHOW_ALL_WINDOWS, show_all);
        create_pages();
        host.pages.switch_to_tab(HOT_KEYS);
    }

    // Whether some window holds the combination with the system now: the test's thread cannot
    // register it.
    static bool held(const Combination& keys) {
        if (!RegisterHotKey(nullptr, 1, keys.modifiers, keys.key)) {
            return true;
        }
        UnregisterHotKey(nullptr, 1);
        return false;
    }
    // Which of the page's starting combinations are held, in the order work, games, show all.
    std::vector<bool> held_at_start() const {
        return {held(WORK_KEYS), held(GAMES_KEYS), held(SHOW_ALL_KEYS)};
    }

    void press_key_in_list(WPARAM key) const { SendMessageW(list(HOT_KEYS), WM_KEYDOWN, key, 0); }

    ModalScript script;
};

TEST_F(HotKeysPage, ListsTheHotKeysAndHoldsThemForTheLifeOfThePage) {
    EXPECT_EQ(column(HOT_KEYS, 0), (Texts{WORK_ROW, GAMES_ROW}));
    EXPECT_EQ(column(HOT_KEYS, 1), (Texts{L"CTRL + ALT + F7", L"CTRL + ALT + F8"}));
    EXPECT_EQ(column(HOT_KEYS, 2), (Texts{L"Hide Only", L"Toggle Visibility"}));
    EXPECT_EQ(held_at_start(), ALL_HELD);
    host.pages.page(HOT_KEYS)->release();
    EXPECT_EQ(held_at_start(), NONE_HELD);
    ASSERT_TRUE(host.pages.create_pages(host, host.tab_control(), model));
    EXPECT_EQ(held_at_start(), ALL_HELD);
    host.pages.destroy();
    EXPECT_EQ(held_at_start(), NONE_HELD);
}

TEST_F(HotKeysPage, AddWithoutGroupsOnlySaysSo) {
    model.clear_groups();
    confirm_in(
        L"No Groups Exist",
        [this](HWND box) {
            EXPECT_EQ(user::message_of(box), L"No window groups currently exist.  At least one "
                                             L"group must be created before you can use hot keys.");
            EXPECT_EQ(GetWindow(box, GW_OWNER), host.main_dialog());
        },
        clicking(HOT_KEYS, IDC_PAGE_ADD));
    EXPECT_EQ(model.hot_key_count(), 2);
}

TEST_F(HotKeysPage, AddOpensTheEditorOnCtrlShiftAndHoldsTheNewHotKeyAfterOk) {
    confirm_in(
        EDITOR,
        [this](HWND editor) {
            EXPECT_EQ(held_at_start(), ALL_HELD) << "Add releases nothing";
            EXPECT_TRUE(user::checked(editor, IDC_HOT_KEY_CTRL));
            EXPECT_TRUE(user::checked(editor, IDC_HOT_KEY_SHIFT));
            EXPECT_EQ(user::chosen_text(editor, IDC_HOT_KEY_KEY), L"Unspecified");
            EXPECT_EQ(GetWindow(editor, GW_OWNER), host.main_dialog());
            user::choose(editor, IDC_HOT_KEY_GROUP, 1);
            user::choose(editor, IDC_HOT_KEY_ACTION, 1);
            set_key_settings(editor, VK_F9, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_SHIFT});
        },
        clicking(HOT_KEYS, IDC_PAGE_ADD));
    ASSERT_EQ(model.hot_key_count(), 3);
    const HotKey added = model.hot_key(2);
    EXPECT_EQ(added.group_id, 1);
    EXPECT_EQ(added.action, HotKey::SHOW_ONLY);
    EXPECT_EQ(combination_text(added), L"CTRL + SHIFT + F9");
    EXPECT_TRUE(held({MOD_CONTROL | MOD_SHIFT, VK_F9}));
    EXPECT_EQ(held_at_start(), ALL_HELD);
    EXPECT_EQ(column(HOT_KEYS, 1).back(), L"CTRL + SHIFT + F9");
    EXPECT_EQ(first_selected_row(list(HOT_KEYS)), 2);
    EXPECT_TRUE(enabled(HOT_KEYS, IDC_PAGE_EDIT));
    screenshot(host.main_dialog(), L"hot_keys_page_after_add");
}

TEST_F(HotKeysPage, AddRefusesAnEventsCombinationAndOneAnotherWindowHoldsAndKeepsTheEditorOpen) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'J')) << "held elsewhere";
    Texts refusals;
    const auto read_refusal = [&refusals](HWND box) {
        refusals.push_back(user::message_of(box));
        user::click(box, IDOK);
    };
    script.on(EDITOR, [](HWND editor) {
        set_key_settings(editor, VK_F6, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT});
        user::click(editor, IDOK);
    });
    script.on(REFUSAL, read_refusal);
    script.on(EDITOR, [](HWND editor) {
        set_key_settings(editor, 'J', {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_SHIFT});
        user::click(editor, IDOK);
    });
    script.on(REFUSAL, read_refusal);
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::chosen_text(editor, IDC_HOT_KEY_KEY), L"J")
            << "the editor stays open as the user left it";
        user::click(editor, IDCANCEL);
    });
    const ModelLists before(model);
    click_through(script, HOT_KEYS, IDC_PAGE_ADD);
    UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(refusals,
              (Texts{L"The hot key combination you've selected is already in use.",
                     L"The hot key combination you've selected appears to be registered by "
                     L"another application on this system and can not be reused."}));
    EXPECT_EQ(ModelLists(model), before);
    EXPECT_EQ(held_at_start(), ALL_HELD);
}

TEST_F(HotKeysPage, EditReleasesWhileOpenAndWritesTheCopyBackOnlyAfterOkByEnterDoubleClickOrMenu) {
    // Cancel leaves everything as it was.
    const ModelLists before(model);
    select_row(HOT_KEYS, 0);
    script.on(EDITOR, [this](HWND editor) {
        EXPECT_EQ(held_at_start(), NONE_HELD);
        user::choose(editor, IDC_HOT_KEY_GROUP, 1);
        set_key_settings(editor, VK_F10, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT});
        user::click(editor, IDCANCEL);
    });
    click_through(script, HOT_KEYS, IDC_PAGE_EDIT);
    EXPECT_EQ(ModelLists(model), before);
    EXPECT_EQ(held_at_start(), ALL_HELD);
    EXPECT_FALSE(held({MOD_CONTROL | MOD_ALT, VK_F10}));
    EXPECT_EQ(column(HOT_KEYS, 0), (Texts{WORK_ROW, GAMES_ROW}));

    // Enter: the same hot key with its new key.
    HotKey expected = model.hot_key(1);
    expected.key_code = VK_F11;
    select_row(HOT_KEYS, 1);
    confirm_in(
        EDITOR,
        [](HWND editor) {
            set_key_settings(editor, VK_F11, {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT});
        },
        [this] { press_key_in_list(VK_RETURN); });
    EXPECT_EQ(model.hot_key(1), expected);
    EXPECT_EQ(column(HOT_KEYS, 1)[1], L"CTRL + ALT + F11");
    EXPECT_TRUE(held({MOD_CONTROL | MOD_ALT, VK_F11}));
    EXPECT_FALSE(held(GAMES_KEYS)) << "the old combination is let go";

    // A double click; an unchanged hot key passes its own test.
    confirm_in(
        EDITOR, [](HWND) {}, [this] { notify_list(HOT_KEYS, NM_DBLCLK, 0); });
    EXPECT_TRUE(held(WORK_KEYS));

    // The context menu.
    select_row(HOT_KEYS, 0);
    confirm_in(
        EDITOR, [](HWND editor) { user::choose(editor, IDC_HOT_KEY_ACTION, 0); },
        [this] { choose_from_menu(HOT_KEYS, 0); });
    EXPECT_EQ(model.hot_key(0).action, HotKey::TOGGLE_VISIBILITY);
    EXPECT_EQ(model.hot_key(1), expected);
}

TEST_F(HotKeysPage, RemoveByButtonOrMenuAsksNothingAndLetsTheCombinationGo) {
    select_row(HOT_KEYS, 0);
    click(HOT_KEYS, IDC_PAGE_REMOVE);
    EXPECT_EQ(column(HOT_KEYS, 0), Texts{GAMES_ROW});
    EXPECT_FALSE(held(WORK_KEYS));
    EXPECT_TRUE(held(GAMES_KEYS));

    select_row(HOT_KEYS, 0);
    choose_from_menu(HOT_KEYS, 1);
    EXPECT_EQ(model.hot_key_count(), 0);
    EXPECT_FALSE(held(GAMES_KEYS));
    EXPECT_TRUE(held(SHOW_ALL_KEYS));
    EXPECT_TRUE(host.questions.empty());
    EXPECT_FALSE(enabled(HOT_KEYS, IDC_PAGE_EDIT));
    EXPECT_FALSE(enabled(HOT_KEYS, IDC_PAGE_REMOVE));
}

TEST_F(HotKeysPage, TheDeleteKeyAsksFirst) {
    select_row(HOT_KEYS, 0);
    host.answers = {false};
    press_key_in_list(VK_DELETE);
    EXPECT_EQ(model.hot_key_count(), 2);
    EXPECT_TRUE(held(WORK_KEYS));

    host.answers = {true};
    press_key_in_list(VK_DELETE);
    EXPECT_EQ(host.questions, (std::vector<Question>{DELETE_QUESTION, DELETE_QUESTION}));
    EXPECT_EQ(column(HOT_KEYS, 0), Texts{GAMES_ROW});
    EXPECT_FALSE(held(WORK_KEYS));
}

TEST_F(HotKeysPage, OtherEventsReleasesWhileOpenAndRegistersAgainWhicheverButtonClosesIt) {
    // A slot committed in the dialog is registered even after Cancel.
    const Combination hide_active_keys{MOD_CONTROL | MOD_ALT, 'K'};
    script.on(OTHER_EVENTS, [this](HWND dialog) {
        EXPECT_EQ(held_at_start(), NONE_HELD);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), host.main_dialog());
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ACTIVE_WINDOW);
        set_key_settings(dialog, 'K', {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT});
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_EVENT, CBN_DROPDOWN),
                     reinterpret_cast<LPARAM>(user::item(dialog, IDC_HOT_KEY_EVENT)));
        user::click(dialog, IDCANCEL);
    });
    click_through(script, HOT_KEYS, IDC_OTHER_EVENTS);
    EXPECT_EQ(combination_text(model.event_hot_key(EVENT_HIDE_ACTIVE_WINDOW)), L"CTRL + ALT + K");
    EXPECT_TRUE(held(hide_active_keys));
    EXPECT_EQ(held_at_start(), ALL_HELD);

    // A slot cleared but not committed is left alone by the close box.
    const ModelLists before(model);
    const auto clear_show_all = [](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        user::click(dialog, IDC_HOT_KEY_CLEAR);
    };
    script.on(OTHER_EVENTS, clear_show_all);
    script.on(OTHER_EVENTS, [](HWND dialog) { user::close_window(dialog); });
    click_through(script, HOT_KEYS, IDC_OTHER_EVENTS);
    EXPECT_EQ(ModelLists(model), before);
    EXPECT_EQ(held_at_start(), ALL_HELD);
    EXPECT_TRUE(held(hide_active_keys));

    // OK keeps the cleared slot, which is no longer registered.
    confirm_in(OTHER_EVENTS, clear_show_all, clicking(HOT_KEYS, IDC_OTHER_EVENTS));
    EXPECT_EQ(model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).key_code, UNSPECIFIED_KEY);
    EXPECT_FALSE(held(SHOW_ALL_KEYS));
}

} // namespace
