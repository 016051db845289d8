#include "ui/other_events_editor_win.h"

#include "ui/editor_test_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr wchar_t DIALOG[] = L"Configure Other Hot Key Events";
constexpr wchar_t NO_MODIFIERS[] = L"No modifiers specified";

// The user opens the event list's drop-down, as a click on its arrow does.
void open_event_list(HWND dialog) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_EVENT, CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(user::item(dialog, IDC_HOT_KEY_EVENT)));
}

// The hot key on this key alone, or with Ctrl and Alt as asked.
HotKey combination(HotKey hot_key, std::uint32_t key_code, bool ctrl, bool alt = false) {
    hot_key.key_code = key_code;
    hot_key.mod_ctrl = ctrl;
    hot_key.mod_alt = alt;
    hot_key.mod_shift = hot_key.mod_win = false;
    return hot_key;
}

class OtherEvents : public EditorTest {
protected:
    OtherEvents() {
        model.set_event_hot_key(
            EVENT_SHOW_ALL_WINDOWS,
            combination(model.event_hot_key(EVENT_SHOW_ALL_WINDOWS), 'S', true, true));
        before = slots();
    }

    bool run() {
        const HotKeyTest test = [this](const HotKey& candidate) {
            tested.push_back(candidate);
            // The slot holds what is tested, so the test skips the slot's own combination.
            const auto held = slots();
            EXPECT_NE(std::find(held.begin(), held.end(), candidate), held.end());
            return test_result;
        };
        return script.run([&] { return run_other_events_editor(owner, model, test); });
    }

    // The slots as the dialog opened them, but for one set to this combination.
    std::vector<HotKey> before_but(int slot, std::uint32_t key_code, bool ctrl) const {
        auto changed = before;
        changed[slot] = combination(before[slot], key_code, ctrl);
        return changed;
    }

    std::vector<HotKey> slots() const {
        std::vector<HotKey> all;
        for (int slot = 0; slot < EVENT_COUNT; ++slot) {
            all.push_back(model.event_hot_key(slot));
        }
        return all;
    }

    DataModel model;
    // The slots as the dialog opens.
    std::vector<HotKey> before;
    HotKeyTestResult test_result{.usable = true, .in_use = false};
    std::vector<HotKey> tested;
};

TEST_F(OtherEvents, OpensOnTheFirstEventShowsEachEventsSettingsAndClearEmptiesThem) {
    script.on(DIALOG, [this](HWND dialog) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
        EXPECT_EQ(user::chosen_text(dialog, IDC_HOT_KEY_EVENT),
                  L"Toggle Visibility of All Windows");
        EXPECT_EQ(key_settings_shown(dialog), (Texts{L"Unspecified"}));
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        EXPECT_EQ(key_settings_shown(dialog), (Texts{L"S", L"Ctrl", L"Alt"}));
        EXPECT_EQ(slots(), before) << "choosing an event commits nothing";
        screenshot(dialog, L"other_hot_key_events");
        user::click(dialog, IDC_HOT_KEY_CLEAR);
    });
    script.on(DIALOG, [](HWND dialog) {
        EXPECT_EQ(key_settings_shown(dialog), (Texts{L"Unspecified"}));
        user::click(dialog, IDOK);
    });
    EXPECT_TRUE(run());
    const auto expected = before_but(EVENT_SHOW_ALL_WINDOWS, UNSPECIFIED_KEY, false);
    EXPECT_EQ(slots(), expected);
    EXPECT_EQ(tested, std::vector<HotKey>{expected[EVENT_SHOW_ALL_WINDOWS]});
}

TEST_F(OtherEvents, OpeningTheEventListCommitsTheSlotBeingLeftWhichCancelKeeps) {
    script.on(DIALOG, [](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ACTIVE_WINDOW);
        set_key_settings(dialog, 'K', {IDC_HOT_KEY_CTRL});
        open_event_list(dialog);
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ALL_WINDOWS);
        // Left on "Unspecified" with Alt ticked: opening the list commits nothing.
        user::tick(dialog, IDC_HOT_KEY_ALT, true);
        open_event_list(dialog);
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_TOGGLE_ALL_WINDOWS);
        user::click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(run());
    const auto expected = before_but(EVENT_HIDE_ACTIVE_WINDOW, 'K', true);
    EXPECT_EQ(slots(), expected);
    EXPECT_EQ(tested, std::vector<HotKey>{expected[EVENT_HIDE_ACTIVE_WINDOW]});
}

TEST_F(OtherEvents, ACommitRefusesModifiersWithoutAKeyAndAsksAboutAKeyWithoutModifiers) {
    std::wstring no_key;
    std::wstring question;
    script.on(DIALOG, [](HWND dialog) {
        set_key_settings(dialog, UNSPECIFIED_KEY, {IDC_HOT_KEY_SHIFT});
        user::click(dialog, IDOK);
    });
    script.answer(L"No key specified", no_key);
    script.on(DIALOG, [](HWND dialog) {
        EXPECT_EQ(key_settings_shown(dialog), (Texts{L"Unspecified", L"Shift"}));
        set_key_settings(dialog, VK_F9);
        user::click(dialog, IDOK);
    });
    script.answer(NO_MODIFIERS, question, IDNO);
    script.on(DIALOG, [](HWND dialog) { user::click(dialog, IDOK); });
    script.answer(NO_MODIFIERS, question, IDYES);
    EXPECT_TRUE(run());
    EXPECT_EQ(no_key, L"The hot key combination you've specified contains only modifiers (such as "
                      L"the Control or Shift) key.  To continue, you must specify an actual key.");
    EXPECT_FALSE(question.empty());
    const auto expected = before_but(EVENT_TOGGLE_ALL_WINDOWS, VK_F9, false);
    EXPECT_EQ(slots(), expected);
    EXPECT_EQ(tested, std::vector<HotKey>{expected[EVENT_TOGGLE_ALL_WINDOWS]})
        << "only the commit that was answered Yes is tested";
}

TEST_F(OtherEvents, ATakenCombinationIsToldAndLeavesTheSlotAsItWas) {
    std::wstring in_use;
    std::wstring held_elsewhere;
    test_result = {.usable = false, .in_use = true};
    script.on(DIALOG, [](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ALL_EXCEPT_ACTIVE);
        set_key_settings(dialog, 'S', {IDC_HOT_KEY_CTRL, IDC_HOT_KEY_ALT});
        user::click(dialog, IDOK);
    });
    script.answer(L"Invalid Hot Key", in_use);
    script.on(DIALOG, [this](HWND dialog) {
        test_result = {.usable = false, .in_use = false};
        // Moving on from a refused combination tells the user again and still changes event.
        open_event_list(dialog);
    });
    script.answer(L"Invalid Hot Key", held_elsewhere);
    script.on(DIALOG, [](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ALL_WINDOWS);
        EXPECT_EQ(user::chosen_text(dialog, IDC_HOT_KEY_EVENT), L"Hide All Windows");
        user::close_window(dialog);
    });
    EXPECT_FALSE(run());
    EXPECT_EQ(in_use, L"The hot key combination you've selected is already in use.");
    EXPECT_EQ(held_elsewhere,
              L"The hot key combination you've selected appears to be registered by another "
              L"application on this system and can not be reused.");
    ASSERT_EQ(tested.size(), 2u);
    EXPECT_EQ(tested[0], combination(before[EVENT_HIDE_ALL_EXCEPT_ACTIVE], 'S', true, true));
    EXPECT_EQ(slots(), before);
}

} // namespace
