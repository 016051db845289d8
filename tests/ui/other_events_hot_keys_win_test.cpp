#include "ui/other_events_editor_win.h"

#include "harness/screenshot_win.h"
#include "hotkeys/key_names.h"
#include "hotkeys_editors_resource.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr wchar_t DIALOG[] = L"Configure Other Hot Key Events";
using Texts = std::vector<std::wstring>;

int key_position(std::uint32_t key_code) {
    return key_choice_position(key_code).value_or(-1);
}

void tick(HWND dialog, int box, bool ticked) {
    CheckDlgButton(dialog, box, ticked ? BST_CHECKED : BST_UNCHECKED);
}

// The user opens the event list's drop-down, as a click on its arrow does.
void open_event_list(HWND dialog) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_HOT_KEY_EVENT, CBN_DROPDOWN),
                 reinterpret_cast<LPARAM>(user::item(dialog, IDC_HOT_KEY_EVENT)));
}

// Sets the key and the four boxes.
void set_combination(HWND dialog, std::uint32_t key_code, bool ctrl, bool alt = false,
                     bool shift = false) {
    user::choose(dialog, IDC_HOT_KEY_KEY, key_position(key_code));
    tick(dialog, IDC_HOT_KEY_CTRL, ctrl);
    tick(dialog, IDC_HOT_KEY_ALT, alt);
    tick(dialog, IDC_HOT_KEY_SHIFT, shift);
    tick(dialog, IDC_HOT_KEY_WIN, false);
}

HotKey combination(const HotKey& slot, std::uint32_t key_code, bool ctrl, bool alt = false) {
    HotKey expected = slot;
    expected.key_code = key_code;
    expected.mod_ctrl = ctrl;
    expected.mod_alt = alt;
    expected.mod_shift = false;
    expected.mod_win = false;
    return expected;
}

// What the "Hot Key Settings:" box shows.
struct Shown {
    std::wstring event;
    std::wstring key;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool win = false;

    bool operator==(const Shown&) const = default;
};

Shown shown_in(HWND dialog) {
    return {
        user::chosen_text(dialog, IDC_HOT_KEY_EVENT), user::chosen_text(dialog, IDC_HOT_KEY_KEY),
        user::checked(dialog, IDC_HOT_KEY_CTRL),      user::checked(dialog, IDC_HOT_KEY_ALT),
        user::checked(dialog, IDC_HOT_KEY_SHIFT),     user::checked(dialog, IDC_HOT_KEY_WIN)};
}

class OtherEvents : public testing::Test {
protected:
    OtherEvents() {
        owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 80,
                                700, 440, nullptr, nullptr, nullptr, nullptr);
        HotKey show_all = model.event_hot_key(EVENT_SHOW_ALL_WINDOWS);
        show_all.mod_ctrl = true;
        show_all.mod_alt = true;
        show_all.key_code = 'S';
        model.set_event_hot_key(EVENT_SHOW_ALL_WINDOWS, show_all);
    }
    ~OtherEvents() override { DestroyWindow(owner); }

    bool run() {
        const HotKeyTest test = [this](const HotKey& candidate) {
            tested.push_back(candidate);
            // The slot holds what is tested, so the test skips the slot's own combination.
            const auto held = slots();
            EXPECT_NE(std::find(held.begin(), held.end(), candidate), held.end());
            return test_result;
        };
        const bool confirmed = run_other_events_editor(owner, model, test);
        EXPECT_TRUE(script.finished())
            << "the script stopped after " << script.seen().size() << " steps";
        return confirmed;
    }

    void act(std::function<void(HWND)> action) { script.on(DIALOG, std::move(action)); }
    void answer(const std::wstring& caption, std::wstring& text, int button) {
        script.on(caption, [&text, button](HWND box) {
            text = user::message_of(box);
            EXPECT_EQ(GetWindow(box, GW_OWNER), FindWindowW(nullptr, DIALOG));
            user::click(box, button);
        });
    }

    std::vector<HotKey> slots() const {
        std::vector<HotKey> all;
        for (int slot = 0; slot < EVENT_COUNT; ++slot) {
            all.push_back(model.event_hot_key(slot));
        }
        return all;
    }

    HWND owner = nullptr;
    DataModel model;
    HotKeyTestResult test_result{.usable = true, .in_use = false};
    std::vector<HotKey> tested;
    ModalScript script;
};

TEST_F(OtherEvents, OpensOnTheFirstEventAndShowsEachEventsSettingsWhenChosen) {
    Texts events;
    Shown first;
    Shown show_all;
    const auto before = slots();
    act([&](HWND dialog) {
        events = user::choices(dialog, IDC_HOT_KEY_EVENT);
        first = shown_in(dialog);
        EXPECT_EQ(user::choices(dialog, IDC_HOT_KEY_KEY).size(), KEY_CHOICES.size());
        EXPECT_EQ(user::text_of(user::item(dialog, IDC_HOT_KEY_CLEAR)), L"Clear Hot Key Settings");
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        show_all = shown_in(dialog);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        harness::save_screenshot(L"other_hot_key_events");
        user::click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(run());
    EXPECT_EQ(events,
              (Texts{L"Toggle Visibility of All Windows", L"Hide The Active Window",
                     L"Hide All Except Active Window", L"Show All Windows", L"Hide All Windows"}));
    EXPECT_EQ(first, (Shown{L"Toggle Visibility of All Windows", L"Unspecified"}));
    EXPECT_EQ(show_all, (Shown{L"Show All Windows", L"S", true, true, false, false}));
    EXPECT_EQ(slots(), before) << "choosing an event commits nothing";
    EXPECT_TRUE(tested.empty());
}

TEST_F(OtherEvents, OpeningTheEventListCommitsTheSlotBeingLeftWhichCancelKeeps) {
    const auto before = slots();
    act([](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ACTIVE_WINDOW);
        set_combination(dialog, 'K', true);
        open_event_list(dialog);
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ALL_WINDOWS);
        // Left on "Unspecified" with Alt ticked: opening the list commits nothing.
        tick(dialog, IDC_HOT_KEY_ALT, true);
        open_event_list(dialog);
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_TOGGLE_ALL_WINDOWS);
        user::click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(run());
    auto expected = before;
    expected[EVENT_HIDE_ACTIVE_WINDOW] = combination(before[EVENT_HIDE_ACTIVE_WINDOW], 'K', true);
    EXPECT_EQ(slots(), expected);
    ASSERT_EQ(tested.size(), 1u);
    EXPECT_EQ(tested[0], expected[EVENT_HIDE_ACTIVE_WINDOW]);
}

TEST_F(OtherEvents, ClearThenOkClearsTheSelectedEvent) {
    Shown cleared;
    act([&](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_SHOW_ALL_WINDOWS);
        user::click(dialog, IDC_HOT_KEY_CLEAR);
    });
    act([&](HWND dialog) {
        cleared = shown_in(dialog);
        user::click(dialog, IDOK);
    });
    const auto before = slots();
    EXPECT_TRUE(run());
    EXPECT_EQ(cleared, (Shown{L"Show All Windows", L"Unspecified"}));
    auto expected = before;
    expected[EVENT_SHOW_ALL_WINDOWS] =
        combination(before[EVENT_SHOW_ALL_WINDOWS], UNSPECIFIED_KEY, false);
    EXPECT_EQ(slots(), expected);
}

TEST_F(OtherEvents, ACommitRefusesModifiersWithoutAKeyAndAsksAboutAKeyWithoutModifiers) {
    std::wstring no_key;
    std::wstring question;
    Shown after_refusal;
    act([](HWND dialog) {
        set_combination(dialog, UNSPECIFIED_KEY, false, false, true);
        user::click(dialog, IDOK);
    });
    answer(L"No key specified", no_key, IDOK);
    act([&](HWND dialog) {
        after_refusal = shown_in(dialog);
        set_combination(dialog, VK_F9, false);
        user::click(dialog, IDOK);
    });
    answer(L"No modifiers specified", question, IDNO);
    act([](HWND dialog) { user::click(dialog, IDOK); });
    script.on(L"No modifiers specified", [](HWND box) { user::click(box, IDYES); });
    const auto before = slots();
    EXPECT_TRUE(run());
    EXPECT_EQ(no_key, L"The hot key combination you've specified contains only modifiers (such as "
                      L"the Control or Shift) key.  To continue, you must specify an actual key.");
    EXPECT_TRUE(after_refusal.shift);
    EXPECT_EQ(after_refusal.key, L"Unspecified");
    EXPECT_FALSE(question.empty());
    ASSERT_EQ(tested.size(), 1u) << "only the commit that was answered Yes is tested";
    auto expected = before;
    expected[EVENT_TOGGLE_ALL_WINDOWS] =
        combination(before[EVENT_TOGGLE_ALL_WINDOWS], VK_F9, false);
    EXPECT_EQ(slots(), expected);
}

TEST_F(OtherEvents, ATakenCombinationIsToldAndLeavesTheSlotAsItWas) {
    std::wstring in_use;
    std::wstring held_elsewhere;
    Shown after;
    test_result = {.usable = false, .in_use = true};
    act([](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ALL_EXCEPT_ACTIVE);
        set_combination(dialog, 'S', true, true);
        user::click(dialog, IDOK);
    });
    answer(L"Invalid Hot Key", in_use, IDOK);
    act([this](HWND dialog) {
        test_result = {.usable = false, .in_use = false};
        // Moving on from a refused combination tells the user again and still changes event.
        open_event_list(dialog);
    });
    answer(L"Invalid Hot Key", held_elsewhere, IDOK);
    act([&](HWND dialog) {
        user::choose(dialog, IDC_HOT_KEY_EVENT, EVENT_HIDE_ALL_WINDOWS);
        after = shown_in(dialog);
        user::close_window(dialog);
    });
    const auto before = slots();
    EXPECT_FALSE(run());
    EXPECT_EQ(in_use, L"The hot key combination you've selected is already in use.");
    EXPECT_EQ(held_elsewhere,
              L"The hot key combination you've selected appears to be registered by another "
              L"application on this system and can not be reused.");
    EXPECT_EQ(after.event, L"Hide All Windows");
    ASSERT_EQ(tested.size(), 2u);
    EXPECT_EQ(tested[0], combination(before[EVENT_HIDE_ALL_EXCEPT_ACTIVE], 'S', true, true));
    EXPECT_EQ(slots(), before);
}

} // namespace
