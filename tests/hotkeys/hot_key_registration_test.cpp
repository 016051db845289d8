#include "hotkeys/hot_key_registration.h"

#include "hotkeys/fake_hot_key_registrar.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr std::uint32_t KEY_A = 65;
constexpr std::uint32_t KEY_F5 = 116;
constexpr std::uint32_t KEY_DELETE = 46;

HotKey ctrl_key(std::uint32_t key_code) {
    return {.mod_ctrl = true, .key_code = key_code};
}

} // namespace

class HotKeyRegistrationTest : public ::testing::Test {
protected:
    std::uint32_t add_group_hot_key(const HotKey& hot_key) {
        model.add_hot_key(hot_key);
        return hot_key.id;
    }
    std::uint32_t set_event(int slot, HotKey hot_key) {
        hot_key.id = model.event_hot_key(slot).id;
        model.set_event_hot_key(slot, hot_key);
        return hot_key.id;
    }
    HotKeyTestResult test(const HotKey& candidate) {
        return test_hot_key(candidate, model, system);
    }

    DataModel model;
    FakeHotKeyRegistrar system;
    RecordingWarnings warnings;
    std::optional<HotKeyRegistration> registration{std::in_place, model, system, warnings};
};

TEST_F(HotKeyRegistrationTest, RegistersTheEventSlotsFirstThenTheGroupHotKeysButNoneWithoutAKey) {
    const auto first = add_group_hot_key(ctrl_key(KEY_A));
    add_group_hot_key(ctrl_key(UNSPECIFIED_KEY));
    const auto second = add_group_hot_key({.mod_shift = true, .mod_win = true, .key_code = KEY_F5});
    const auto show_all = set_event(EVENT_SHOW_ALL_WINDOWS, {.mod_alt = true, .key_code = KEY_A});
    const auto toggle_all = set_event(EVENT_TOGGLE_ALL_WINDOWS, ctrl_key(KEY_F5));
    set_event(EVENT_HIDE_ALL_WINDOWS, {.mod_shift = true});

    registration->register_hot_keys();

    const std::vector<std::uint32_t> in_order{toggle_all, show_all, first, second};
    EXPECT_EQ(system.registration_attempts, in_order);
    EXPECT_EQ(registration->registered_ids(), in_order);
    // The system's modifier bits: Alt 1, Control 2, Shift 4, Windows 8.
    EXPECT_EQ(system.held, (std::map<std::uint32_t, Combination>{{toggle_all, {2, KEY_F5}},
                                                                 {show_all, {1, KEY_A}},
                                                                 {first, {2, KEY_A}},
                                                                 {second, {12, KEY_F5}}}));
    EXPECT_TRUE(warnings.shown.empty());
}

TEST_F(HotKeyRegistrationTest, ReportsEachRefusedHotKeyOnceAndRegistersTheRest) {
    const auto first = add_group_hot_key(ctrl_key(KEY_A));
    add_group_hot_key(ctrl_key(KEY_A));
    add_group_hot_key({.mod_ctrl = true, .mod_alt = true, .key_code = KEY_DELETE});
    const auto last = add_group_hot_key(ctrl_key(KEY_F5));
    system.held_elsewhere.insert({3, KEY_DELETE});

    registration->register_hot_keys();

    EXPECT_EQ(registration->registered_ids(), (std::vector<std::uint32_t>{first, last}));
    ASSERT_EQ(warnings.shown.size(), 2u);
    EXPECT_EQ(warnings.shown[0].first, L"Hot Key Error");
    EXPECT_EQ(warnings.shown[0].second,
              L"Unable to register global hot key: CTRL + A. This hot key combination may be in "
              L"use on this system already, and may not be duplicated.");
    EXPECT_EQ(warnings.shown[1].second.substr(0, 56),
              L"Unable to register global hot key: CTRL + ALT + Delete. ");
}

TEST_F(HotKeyRegistrationTest, RegisteringAgainReleasesEverythingAndRetriesWhatWasRefused) {
    const auto refused = add_group_hot_key(ctrl_key(KEY_A));
    const auto removed = add_group_hot_key(ctrl_key(KEY_F5));
    system.held_elsewhere.insert({2, KEY_A});
    registration->register_hot_keys();
    system.held_elsewhere.clear();
    model.remove_hot_key(1);

    registration->register_hot_keys();

    EXPECT_EQ(registration->registered_ids(), (std::vector<std::uint32_t>{refused}));
    EXPECT_FALSE(system.held.contains(removed));
    EXPECT_EQ(warnings.shown.size(), 1u);
}

TEST_F(HotKeyRegistrationTest, ReleasesEverythingItHoldsWhenUnregisteredOrDestroyed) {
    add_group_hot_key(ctrl_key(KEY_A));
    registration->register_hot_keys();
    registration->unregister_hot_keys();
    EXPECT_TRUE(system.held.empty());
    EXPECT_TRUE(registration->registered_ids().empty());

    registration->register_hot_keys();
    registration.reset();
    EXPECT_TRUE(system.held.empty());
}

TEST_F(HotKeyRegistrationTest, CancellingAnEditorLeavesTheSameRegistrations) {
    add_group_hot_key(ctrl_key(KEY_A));
    const auto edited = add_group_hot_key(ctrl_key(KEY_F5));
    add_group_hot_key(ctrl_key(KEY_A)); // refused before and after
    set_event(EVENT_HIDE_ACTIVE_WINDOW, ctrl_key(KEY_DELETE));
    registration->register_hot_keys();
    const auto ids_before = registration->registered_ids();
    const auto held_before = system.held;

    registration->unregister_hot_keys();
    auto copy = model.hot_key(1);
    copy.key_code = KEY_DELETE;
    ASSERT_EQ(copy.id, edited);
    test(copy); // the user tries a clash, then cancels
    registration->register_hot_keys();

    EXPECT_EQ(registration->registered_ids(), ids_before);
    EXPECT_EQ(system.held, held_before);
}

using TestHotKey = HotKeyRegistrationTest;

TEST_F(TestHotKey, InUseOnlyForTheSameModifiersAndKeyAsAnotherHotKeyOfTheModel) {
    add_group_hot_key(ctrl_key(KEY_A));
    set_event(EVENT_HIDE_ALL_WINDOWS, ctrl_key(KEY_F5));
    system.held_elsewhere.insert({0, UNSPECIFIED_KEY});
    system.held_elsewhere.insert({3, KEY_A});

    // Without modifiers and key a hot key is usable without asking the system.
    EXPECT_EQ(test(HotKey{}), (HotKeyTestResult{true, false}));
    EXPECT_EQ(test(ctrl_key(KEY_A)), (HotKeyTestResult{false, true}));
    EXPECT_EQ(test(ctrl_key(KEY_F5)), (HotKeyTestResult{false, true}));
    EXPECT_TRUE(system.registration_attempts.empty());

    EXPECT_TRUE(test({.mod_ctrl = true, .mod_shift = true, .key_code = KEY_A}).usable);
    EXPECT_TRUE(test(ctrl_key(KEY_DELETE)).usable);
    // Another application holds this one: not usable, but not in use by this program.
    EXPECT_EQ(test({.mod_ctrl = true, .mod_alt = true, .key_code = KEY_A}),
              (HotKeyTestResult{false, false}));
    EXPECT_TRUE(system.held.empty());
}

TEST_F(TestHotKey, AnUnchangedHotKeyIsUsableOnceThePageReleasedItsRegistrations) {
    add_group_hot_key(ctrl_key(KEY_A));
    set_event(EVENT_SHOW_ALL_WINDOWS, ctrl_key(KEY_F5));
    registration->register_hot_keys();
    registration->unregister_hot_keys();

    EXPECT_EQ(test(model.hot_key(0)), (HotKeyTestResult{true, false}));
    EXPECT_EQ(test(model.event_hot_key(EVENT_SHOW_ALL_WINDOWS)), (HotKeyTestResult{true, false}));
    EXPECT_TRUE(system.held.empty());
}
