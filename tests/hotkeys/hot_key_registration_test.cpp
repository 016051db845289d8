#include "hotkeys/hot_key_registration.h"

#include "hotkeys/hot_key_registration_warning.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using Combination = std::pair<std::uint32_t, std::uint32_t>; // the system's modifier bits, key
constexpr std::uint32_t KEY_A = 65, KEY_F5 = 116, KEY_DELETE = 46;

// The system's hot key table: refuses a combination that another application holds or that
// the program itself already holds, as the system does.
struct FakeHotKeyTable final : engine::hot_key_registrar, engine::warning_display {
    bool register_hot_key(std::uint32_t id, std::uint32_t modifiers, std::uint32_t key) override {
        for (const auto& [_, combination] : held)
            if (combination == Combination{modifiers, key})
                return false;
        return !held_elsewhere.contains({modifiers, key}) &&
               held.emplace(id, Combination{modifiers, key}).second;
    }
    void unregister_hot_key(std::uint32_t id) override { held.erase(id); }
    void show_warning(const std::wstring&, const std::wstring& text) override {
        warnings.push_back(text);
    }

    std::set<Combination> held_elsewhere;
    std::map<std::uint32_t, Combination> held;
    std::vector<std::wstring> warnings;
};

HotKey ctrl(std::uint32_t key_code) {
    return {.mod_ctrl = true, .key_code = key_code};
}

class HotKeys : public testing::Test {
protected:
    std::uint32_t add_group_hot_key(const HotKey& hot_key) {
        model.add_hot_key(hot_key);
        return hot_key.id;
    }

    DataModel model;
    FakeHotKeyTable system;
    HotKeyRegistration registration{model, system, system};
};

TEST_F(HotKeys, EventSlotsComeFirstEveryHotKeyWithAKeyIsHeldAndEachRefusalIsReportedOnce) {
    const auto first = add_group_hot_key(ctrl(KEY_A));
    const auto second = add_group_hot_key(ctrl(KEY_A));
    add_group_hot_key(ctrl(UNSPECIFIED_KEY));
    const auto held_elsewhere =
        add_group_hot_key({.mod_shift = true, .mod_win = true, .key_code = KEY_F5});
    const HotKey toggle_all_windows{.mod_alt = true, .key_code = KEY_DELETE};
    model.set_event_hot_key(EVENT_TOGGLE_ALL_WINDOWS, toggle_all_windows);
    const auto toggle_all = toggle_all_windows.id;
    system.held_elsewhere.insert({0x400C, KEY_F5});

    registration.register_hot_keys();
    // Alt 1, Control 2, Shift 4, Windows 8, and always 0x4000: a held key does not repeat.
    EXPECT_EQ(system.held, (std::map<std::uint32_t, Combination>{{toggle_all, {0x4001, KEY_DELETE}},
                                                                 {first, {0x4002, KEY_A}}}));
    EXPECT_EQ(registration.registered_ids(), (std::vector<std::uint32_t>{toggle_all, first}));
    ASSERT_EQ(system.warnings.size(), 2u);
    EXPECT_EQ(system.warnings[0].substr(0, 44), L"Unable to register global hot key: CTRL + A.");
    EXPECT_EQ(system.warnings[1].substr(35, 17), L"SHIFT + WIN + F5.");

    // Registering again releases everything first and tries what was refused once more.
    system.held_elsewhere.clear();
    model.remove_hot_key(0);
    registration.register_hot_keys();
    EXPECT_EQ(registration.registered_ids(),
              (std::vector<std::uint32_t>{toggle_all, second, held_elsewhere}));
    EXPECT_EQ(system.warnings.size(), 2u);
}

// An editor releases the registrations while it is open, tests what the user types and, when
// cancelled, registers everything again.
TEST_F(HotKeys, AnEditorTestsAgainstTheOtherHotKeysAndCancellingLeavesTheRegistrationsAsTheyWere) {
    add_group_hot_key(ctrl(KEY_A));
    add_group_hot_key({.mod_ctrl = true, .mod_alt = true, .key_code = KEY_A}); // held elsewhere
    model.set_event_hot_key(EVENT_SHOW_ALL_WINDOWS, ctrl(KEY_F5));
    system.held_elsewhere.insert({0x4003, KEY_A});
    registration.register_hot_keys();
    const auto ids_before = registration.registered_ids();
    const auto held_before = system.held;
    registration.unregister_hot_keys();
    {
        HotKeyRegistration until_exit{model, system, system};
        until_exit.register_hot_keys();
    }
    EXPECT_TRUE(system.held.empty()) << "the program's exit gives every combination back";

    // A hot key never clashes with its own record.
    HotKey edited = model.hot_key(0);
    EXPECT_EQ(test_hot_key(edited, model, system), (HotKeyTestResult{true, false}));
    EXPECT_EQ(test_hot_key(model.hot_key(1), model, system), (HotKeyTestResult{false, false}));
    edited.key_code = KEY_F5;
    EXPECT_EQ(test_hot_key(edited, model, system), (HotKeyTestResult{false, true}));
    EXPECT_EQ(test_hot_key(ctrl(KEY_DELETE), model, system), (HotKeyTestResult{true, false}));
    EXPECT_TRUE(system.held.empty());

    registration.register_hot_keys();
    EXPECT_EQ(registration.registered_ids(), ids_before);
    EXPECT_EQ(system.held, held_before);
}

} // namespace
