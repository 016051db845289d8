#include "app/message_box_win.h"

#include "ui/gdi_handles_win.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr wchar_t box_caption[] = L"Centring test box";

UniqueWindow make_window(HWND owner, int x, int y, int width, int height) {
    UniqueWindow window(CreateWindowExW(0, L"STATIC", L"Centring test owner",
                                        WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y, width, height,
                                        owner, nullptr, GetModuleHandleW(nullptr), nullptr));
    EXPECT_TRUE(window);
    return window;
}

RECT rect_of(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT screen_rect() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// Where the box that `open` shows opened; it is answered with `button`.
RECT where_box_opens(const std::function<void()>& open, int button = IDOK) {
    RECT opened_at{};
    ModalScript script;
    script.on(box_caption, [&](HWND box) {
        opened_at = rect_of(box);
        user::click(box, button);
    });
    open();
    EXPECT_TRUE(script.finished());
    return opened_at;
}

void expect_centred_on(const RECT& box, const RECT& owner) {
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
}

TEST(MessageBoxes, OpenCentredOnTheirOwnerOrTheScreenAndStayOnThePrimaryScreen) {
    // Off the screen's centre, where a box would open by default.
    const UniqueWindow owner = make_window(nullptr, 40, 60, 520, 360);
    expect_centred_on(where_box_opens([&] {
                          information_box(owner.get(), box_caption, L"Centred on the owner.");
                      }),
                      rect_of(owner.get()));

    const RECT screen = screen_rect();
    const UniqueWindow off_screen =
        make_window(nullptr, screen.right - 100, screen.bottom - 60, 500, 400);
    const RECT kept = where_box_opens(
        [&] { warning_box(off_screen.get(), box_caption, L"Kept on the primary screen."); });
    EXPECT_EQ(kept.right, screen.right);
    EXPECT_EQ(kept.bottom, screen.bottom);

    expect_centred_on(where_box_opens([] {
                          warning_box(nullptr, box_caption, L"Unable to load or create settings.");
                      }),
                      screen);

    // The centring ends with the box: a window activated later stays where it was put.
    const UniqueWindow later = make_window(owner.get(), 5, 7, 120, 90);
    SetActiveWindow(later.get());
    EXPECT_EQ(rect_of(later.get()).left, 5);
    EXPECT_EQ(rect_of(later.get()).top, 7);
}

TEST(CentreOnParent, CentresOnTheOwnerKeepingTheSizeOrOnTheScreenWhenTheOwnerIsMinimised) {
    const UniqueWindow owner = make_window(nullptr, 300, 200, 400, 300);
    const UniqueWindow dialog = make_window(owner.get(), 0, 0, 200, 100);
    const RECT before = rect_of(dialog.get());

    EXPECT_TRUE(centre_on_parent(dialog.get()));
    const RECT after = rect_of(dialog.get());
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    expect_centred_on(after, rect_of(owner.get()));

    ShowWindow(owner.get(), SW_MINIMIZE);
    EXPECT_TRUE(centre_on_parent(dialog.get()));
    expect_centred_on(rect_of(dialog.get()), screen_rect());
}

} // namespace
