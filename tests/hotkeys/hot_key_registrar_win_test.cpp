#include "hotkeys/hot_key_registrar_win.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr UINT MODIFIERS = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
constexpr UINT KEY = VK_F20;
constexpr std::uint32_t FIRST_ID = 12921;
constexpr std::uint32_t SECOND_ID = 12922;

// A hidden window of the test's thread that hot keys are registered for.
class HotKeyTarget {
public:
    HotKeyTarget()
        : window_(CreateWindowExW(0, L"STATIC", L"Hot Key Target", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    HotKeyTarget(const HotKeyTarget&) = delete;
    HotKeyTarget& operator=(const HotKeyTarget&) = delete;
    ~HotKeyTarget() { DestroyWindow(window_); }

    HWND hwnd() const { return window_; }

private:
    HWND window_;
};

} // namespace

TEST(Win32HotKeyRegistrar, HoldsACombinationUntilReleasedAndRefusesOneAnotherWindowHolds) {
    HotKeyTarget other;
    HotKeyTarget target;
    Win32HotKeyRegistrar registrar(target.hwnd());

    ASSERT_TRUE(registrar.register_hot_key(FIRST_ID, MODIFIERS, KEY));
    EXPECT_FALSE(registrar.register_hot_key(SECOND_ID, MODIFIERS, KEY));
    registrar.unregister_hot_key(FIRST_ID);
    EXPECT_TRUE(registrar.register_hot_key(SECOND_ID, MODIFIERS, KEY));
    registrar.unregister_hot_key(SECOND_ID);

    ASSERT_TRUE(RegisterHotKey(other.hwnd(), 1, MODIFIERS, KEY));
    EXPECT_FALSE(registrar.register_hot_key(FIRST_ID, MODIFIERS, KEY));
    UnregisterHotKey(other.hwnd(), 1);
}
