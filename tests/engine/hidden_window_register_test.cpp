#include "engine/hidden_window_register.h"

#include <gtest/gtest.h>

namespace {

constexpr WindowHandle first = 0x10;
constexpr WindowHandle second = 0x20;
constexpr int timer = 22921;
constexpr int other_timer = 22922;

} // namespace

TEST(HiddenWindowRegister, AWindowNeverTouchedIsNotHiddenAndHasNoOwner) {
    const HiddenWindowRegister hidden;
    EXPECT_FALSE(hidden.was_hidden(first));
    EXPECT_FALSE(hidden.owner_of(first));
    EXPECT_TRUE(hidden.windows_of(timer).empty());
}

TEST(HiddenWindowRegister, ShowingClearsTheFlagButKeepsTheLastOwner) {
    HiddenWindowRegister hidden;
    hidden.record_hidden(first, timer);
    EXPECT_TRUE(hidden.was_hidden(first));

    hidden.record_shown(first);

    EXPECT_FALSE(hidden.was_hidden(first));
    EXPECT_EQ(hidden.owner_of(first), timer);
}

TEST(HiddenWindowRegister, OwnerListsKeepRepeatsInHidingOrder) {
    HiddenWindowRegister hidden;
    hidden.record_hidden(first, timer);
    hidden.record_hidden(second, timer);
    hidden.record_hidden(first, timer);

    EXPECT_EQ(hidden.windows_of(timer), (std::vector<WindowHandle>{first, second, first}));
}

TEST(HiddenWindowRegister, HidingUnderAnotherOwnerKeepsTheWindowInTheFirstOwnersList) {
    HiddenWindowRegister hidden;
    hidden.record_hidden(first, timer);
    hidden.record_hidden(first, HiddenWindowRegister::NO_OWNER);

    EXPECT_EQ(hidden.owner_of(first), HiddenWindowRegister::NO_OWNER);
    EXPECT_EQ(hidden.windows_of(timer), (std::vector<WindowHandle>{first}));
}

TEST(HiddenWindowRegister, ShowingReleasesTheWindowFromEveryOwner) {
    HiddenWindowRegister hidden;
    hidden.record_hidden(first, timer);
    hidden.record_hidden(second, timer);
    hidden.record_hidden(first, other_timer);
    hidden.record_hidden(first, HiddenWindowRegister::NO_OWNER);

    hidden.record_shown(first);

    EXPECT_EQ(hidden.windows_of(timer), (std::vector<WindowHandle>{second}));
    EXPECT_TRUE(hidden.windows_of(other_timer).empty());
    EXPECT_TRUE(hidden.windows_of(HiddenWindowRegister::NO_OWNER).empty());
}
