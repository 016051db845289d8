#include "harness/screenshot_win.h"
#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"
#include "menu_choice_win.h"
#include "page_fixture_win.h"
#include "ui/modal_script_win.h"

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::wstring>;
constexpr int HOT_KEYS = 3;
constexpr wchar_t EDITOR[] = L"Hot Key Editor";
constexpr wchar_t OTHER_EVENTS[] = L"Configure Other Hot Key Events";
constexpr wchar_t WORK_ROW[] = L"Applies to group \"Work\"";
constexpr wchar_t GAMES_ROW[] = L"Applies to group \"Games\"";
const Question DELETE_QUESTION{L"Delete Hot Key",
                               L"Are you sure you'd like to delete the selected hot key?"};

// A key combination as the system takes it.
struct Combination {
    UINT modifiers;
    UINT key;
};
constexpr Combination WORK_KEYS{MOD_CONTROL | MOD_ALT, VK_F7};
constexpr Combination GAMES_KEYS{MOD_CONTROL | MOD_ALT, VK_F8};
constexpr Combination SHOW_ALL_KEYS{MOD_CONTROL | MOD_ALT, VK_F6};

HotKey hot_key(const Combination& keys, std::uint32_t action = HotKey::TOGGLE_VISIBILITY,
               int group_id = -1) {
    HotKey made;
    made.action = action;
    made.group_id = group_id;
    made.mod_ctrl = (keys.modifiers & MOD_CONTROL) != 0;
    made.mod_alt = (keys.modifiers & MOD_ALT) != 0;
    made.mod_shift = (keys.modifiers & MOD_SHIFT) != 0;
    made.key_code = keys.key;
    return made;
}

void choose_key(HWND editor, std::uint32_t key_code) {
    user::choose(editor, IDC_HOT_KEY_KEY, key_choice_position(key_code).value_or(-1));
}

class HotKeysPage : public PageTest {
protected:
    // Groups "Work" (id 0) and "Games" (1), a hot key for each, the "Show All Windows" event
    // on Ctrl + Alt + F6, and the hot keys page current.
    void SetUp() override {
        for (const wchar_t* name : {L"Work", L"Games"}) {
            Group group(model.next_group_id());
            group.set_name(name);
            model.add_group(group);
        }
        model.add_hot_key(hot_key(WORK_KEYS, HotKey::HIDE_ONLY, 0));
        model.add_hot_key(hot_key(GAMES_KEYS, HotKey::TOGGLE_VISIBILITY, 1));
        HotKey show_all = hot_key(SHOW_ALL_KEYS);
        show_all.id = model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).id;
        model.set_event_hot_key(EVENT_SHOW_ALL_WINDOWS, show_all);
        probe_ = CreateWindowExW(0, L"STATIC", L"Probe", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
        create_pages();
        host.pages.switch_to_tab(HOT_KEYS);
    }
    void TearDown() override {
        PageTest::TearDown();
        DestroyWindow(probe_);
    }

    // Whether some window holds the combination with the system now: another window of the
    // test cannot register it.
    bool held(const Combination& keys) const {
        if (!RegisterHotKey(probe_, 1, keys.modifiers, keys.key)) {
            return true;
        }
        UnregisterHotKey(probe_, 1);
        return false;
    }
    // Which of the page's starting combinations are held, in the order work, games, show all.
    std::vector<bool> held_at_start() const {
        return {held(WORK_KEYS), held(GAMES_KEYS), held(SHOW_ALL_KEYS)};
    }

    std::vector<HotKey> hot_keys() const {
        std::vector<HotKey> all;
        for (int index = 0; index < model.hot_key_count(); ++index) {
            all.push_back(model.hot_key(index));
        }
        return all;
    }
    std::vector<HotKey> event_slots() const {
        std::vector<HotKey> all;
        for (int slot = 0; slot < EVENT_COUNT; ++slot) {
            all.push_back(model.event_hot_key(slot));
        }
        return all;
    }

    void press_key_in_list(WPARAM key) const { SendMessageW(list(HOT_KEYS), WM_KEYDOWN, key, 0); }
    void double_click_row(int row) const {
        NMITEMACTIVATE activation{};
        activation.hdr.hwndFrom = list(HOT_KEYS);
        activation.hdr.idFrom = IDC_HOT_KEY_LIST;
        activation.hdr.code = NM_DBLCLK;
        activation.iItem = row;
        SendMessageW(page_window(HOT_KEYS), WM_NOTIFY, activation.hdr.idFrom,
                     reinterpret_cast<LPARAM>(&activation));
    }

    // Runs a page command that may open dialogs, and checks that the script saw them through.
    void run(int button) {
        click(HOT_KEYS, button);
        EXPECT_TRUE(script.finished())
            << "the script stopped after " << script.seen().size() << " steps";
    }

    ModalScript script;

private:
    HWND probe_ = nullptr;
};

TEST_F(HotKeysPage, ListsTheHotKeysAndHoldsThemForTheLifeOfThePage) {
    EXPECT_EQ(column(HOT_KEYS, 0), (Texts{WORK_ROW, GAMES_ROW}));
    EXPECT_EQ(column(HOT_KEYS, 1), (Texts{L"CTRL + ALT + F7", L"CTRL + ALT + F8"}));
    EXPECT_EQ(column(HOT_KEYS, 2), (Texts{L"Hide Only", L"Toggle Visibility"}));
    EXPECT_EQ(held_at_start(), (std::vector<bool>{true, true, true}));
    host.pages.page(HOT_KEYS)->release();
    EXPECT_EQ(held_at_start(), (std::vector<bool>{false, false, false}));
    ASSERT_TRUE(host.pages.create_pages(host, host.tab_control(), model));
    EXPECT_EQ(held_at_start(), (std::vector<bool>{true, true, true}));
    host.pages.destroy();
    EXPECT_EQ(held_at_start(), (std::vector<bool>{false, false, false}));
}

TEST_F(HotKeysPage, AddWithoutGroupsOnlySaysSo) {
    model.remove_group(1);
    model.remove_group(0);
    std::wstring text;
    script.on(L"No Groups Exist", [&](HWND box) {
        text = user::message_of(box);
        EXPECT_EQ(GetWindow(box, GW_OWNER), host.main_dialog());
        user::click(box, IDOK);
    });
    run(IDC_PAGE_ADD);
    EXPECT_EQ(text, L"No window groups currently exist.  At least one group must be created "
                    L"before you can use hot keys.");
    EXPECT_EQ(script.seen(), Texts{L"No Groups Exist"});
    EXPECT_EQ(model.hot_key_count(), 2);
}

TEST_F(HotKeysPage, AddOpensTheEditorOnCtrlShiftAndHoldsTheNewHotKeyAfterOk) {
    std::vector<bool> held_while_open;
    bool ctrl = false;
    bool shift = false;
    std::wstring key;
    script.on(EDITOR, [&](HWND editor) {
        held_while_open = held_at_start();
        ctrl = user::checked(editor, IDC_HOT_KEY_CTRL);
        shift = user::checked(editor, IDC_HOT_KEY_SHIFT);
        key = user::chosen_text(editor, IDC_HOT_KEY_KEY);
        EXPECT_EQ(GetWindow(editor, GW_OWNER), host.main_dialog());
        user::choose(editor, IDC_HOT_KEY_GROUP, 1);
        user::choose(editor, IDC_HOT_KEY_ACTION, 1);
        choose_key(editor, VK_F9);
        user::click(editor, IDOK);
    });
    run(IDC_PAGE_ADD);
    EXPECT_EQ(held_while_open, (std::vector<bool>{true, true, true})) << "Add releases nothing";
    EXPECT_TRUE(ctrl);
    EXPECT_TRUE(shift);
    EXPECT_EQ(key, L"Unspecified");
    ASSERT_EQ(model.hot_key_count(), 3);
    const HotKey added = model.hot_key(2);
    EXPECT_EQ(added.group_id, 1);
    EXPECT_EQ(added.action, HotKey::SHOW_ONLY);
    EXPECT_EQ(combination_text(added), L"CTRL + SHIFT + F9");
    EXPECT_TRUE(held({MOD_CONTROL | MOD_SHIFT, VK_F9}));
    EXPECT_EQ(held_at_start(), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(column(HOT_KEYS, 1).back(), L"CTRL + SHIFT + F9");
    EXPECT_EQ(first_selected_row(list(HOT_KEYS)), 2);
    EXPECT_TRUE(enabled(HOT_KEYS, IDC_PAGE_EDIT));
    RedrawWindow(host.main_dialog(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    harness::save_screenshot(L"hot_keys_page_after_add");
}

TEST_F(HotKeysPage, AddingTheCombinationOfAnEventIsRefusedAsInUse) {
    std::wstring refusal;
    script.on(EDITOR, [](HWND editor) {
        CheckDlgButton(editor, IDC_HOT_KEY_SHIFT, BST_UNCHECKED);
        CheckDlgButton(editor, IDC_HOT_KEY_ALT, BST_CHECKED);
        choose_key(editor, VK_F6);
        user::click(editor, IDOK);
    });
    script.on(L"Invalid Hot Key", [&](HWND box) {
        refusal = user::message_of(box);
        user::click(box, IDOK);
    });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    const auto before = hot_keys();
    run(IDC_PAGE_ADD);
    EXPECT_EQ(refusal, L"The hot key combination you've selected is already in use.");
    EXPECT_EQ(hot_keys(), before);
    EXPECT_EQ(held_at_start(), (std::vector<bool>{true, true, true}));
}

TEST_F(HotKeysPage, ACombinationAnotherWindowHoldsIsRefusedByTheSystem) {
    const HWND other = CreateWindowExW(0, L"STATIC", L"Other", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 7, MOD_CONTROL | MOD_SHIFT, 'J'));
    std::wstring refusal;
    std::wstring key_after;
    script.on(EDITOR, [](HWND editor) {
        choose_key(editor, 'J');
        user::click(editor, IDOK);
    });
    script.on(L"Invalid Hot Key", [&](HWND box) {
        refusal = user::message_of(box);
        user::click(box, IDOK);
    });
    script.on(EDITOR, [&](HWND editor) {
        key_after = user::chosen_text(editor, IDC_HOT_KEY_KEY);
        user::click(editor, IDCANCEL);
    });
    run(IDC_PAGE_ADD);
    UnregisterHotKey(other, 7);
    DestroyWindow(other);
    EXPECT_EQ(refusal, L"The hot key combination you've selected appears to be registered by "
                       L"another application on this system and can not be reused.");
    EXPECT_EQ(key_after, L"J") << "the editor stays open as the user left it";
    EXPECT_EQ(model.hot_key_count(), 2);
}

TEST_F(HotKeysPage, EditReleasesTheHotKeysWhileOpenAndCancelLeavesEverythingAsItWas) {
    const auto before = hot_keys();
    const auto slots_before = event_slots();
    std::vector<bool> held_while_open;
    select_row(HOT_KEYS, 0);
    script.on(EDITOR, [&](HWND editor) {
        held_while_open = held_at_start();
        user::choose(editor, IDC_HOT_KEY_GROUP, 1);
        choose_key(editor, VK_F10);
        user::click(editor, IDCANCEL);
    });
    run(IDC_PAGE_EDIT);
    EXPECT_EQ(held_while_open, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(hot_keys(), before);
    EXPECT_EQ(event_slots(), slots_before);
    EXPECT_EQ(held_at_start(), (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(held({MOD_CONTROL | MOD_ALT, VK_F10}));
    EXPECT_EQ(column(HOT_KEYS, 0), (Texts{WORK_ROW, GAMES_ROW}));
}

TEST_F(HotKeysPage, EditByEnterDoubleClickOrMenuWritesTheCopyBackAfterOk) {
    HotKey expected = model.hot_key(1);
    expected.key_code = VK_F11;
    select_row(HOT_KEYS, 1);
    script.on(EDITOR, [](HWND editor) {
        choose_key(editor, VK_F11);
        user::click(editor, IDOK);
    });
    press_key_in_list(VK_RETURN);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(model.hot_key(1), expected) << "the same hot key with its new key";
    EXPECT_EQ(column(HOT_KEYS, 1)[1], L"CTRL + ALT + F11");
    EXPECT_TRUE(held({MOD_CONTROL | MOD_ALT, VK_F11}));
    EXPECT_FALSE(held(GAMES_KEYS)) << "the old combination is let go";

    ModalScript unchanged;
    unchanged.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    double_click_row(0);
    EXPECT_TRUE(unchanged.finished()) << "an unchanged hot key passes its own test";
    EXPECT_TRUE(held(WORK_KEYS));

    select_row(HOT_KEYS, 0);
    ModalScript from_menu;
    from_menu.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_HOT_KEY_ACTION, 0);
        user::click(editor, IDOK);
    });
    {
        MenuChoice choice(0);
        notify_list(HOT_KEYS, NM_RCLICK);
    }
    EXPECT_TRUE(from_menu.finished());
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
    {
        MenuChoice choice(1);
        notify_list(HOT_KEYS, NM_RCLICK);
    }
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
    const Combination hide_active_keys{MOD_CONTROL | MOD_ALT, 'K'};
    std::vector<bool> held_while_open;
    script.on(OTHER_EVENTS, [&](HWND dialog) {
        held_while_open = held_at_start();
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), host.main_dialog());
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ACTIVE_WINDOW);
        CheckDlgButton(dialog, IDC_HOT_KEY_CTRL, BST_CHECKED);
        CheckDlgButton(dialog, IDC_HOT_KEY_ALT, BST_CHECKED);
        choose_key(dialog, 'K');
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_EVENT, CBN_DROPDOWN),
                     reinterpret_cast<LPARAM>(user::item(dialog, IDC_HOT_KEY_EVENT)));
        user::click(dialog, IDCANCEL);
    });
    run(IDC_OTHER_EVENTS);
    EXPECT_EQ(held_while_open, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(combination_text(model.event_hot_key(EVENT_HIDE_ACTIVE_WINDOW)), L"CTRL + ALT + K");
    EXPECT_TRUE(held(hide_active_keys)) << "the committed slot is registered after Cancel";
    EXPECT_EQ(held_at_start(), (std::vector<bool>{true, true, true}));

    const auto slots_before = event_slots();
    ModalScript cancelled;
    cancelled.on(OTHER_EVENTS, [](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        user::click(dialog, IDC_HOT_KEY_CLEAR);
    });
    cancelled.on(OTHER_EVENTS, [](HWND dialog) { user::close_window(dialog); });
    click(HOT_KEYS, IDC_OTHER_EVENTS);
    EXPECT_TRUE(cancelled.finished());
    EXPECT_EQ(event_slots(), slots_before);
    EXPECT_EQ(held_at_start(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(held(hide_active_keys));

    ModalScript cleared;
    cleared.on(OTHER_EVENTS, [](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        user::click(dialog, IDC_HOT_KEY_CLEAR);
    });
    cleared.on(OTHER_EVENTS, [](HWND dialog) { user::click(dialog, IDOK); });
    click(HOT_KEYS, IDC_OTHER_EVENTS);
    EXPECT_TRUE(cleared.finished());
    EXPECT_EQ(model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).key_code, UNSPECIFIED_KEY);
    EXPECT_FALSE(held(SHOW_ALL_KEYS)) << "a cleared event is no longer registered";
}

} // namespace
