#include "app/message_box_win.h"

#include "ui/gdi_handles_win.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

constexpr wchar_t box_caption[] = L"Centring test box";

UniqueWindow make_owner(int x, int y, int width, int height) {
    return UniqueWindow(CreateWindowExW(0, L"STATIC", L"Centring test owner",
                                        WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y, width, height,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

RECT rect_of(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

void expect_centred_on(const RECT& box, const RECT& area) {
    EXPECT_NEAR((box.left + box.right) / 2, (area.left + area.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (area.top + area.bottom) / 2, 1);
}

// Where the box of `owner` opened on this thread.
RECT where_box_opens(HWND owner) {
    RECT opened_at{};
    ModalScript script;
    script.on(box_caption, [&](HWND box) {
        opened_at = rect_of(box);
        user::click(box, IDOK);
    });
    script.run([&] { warning_box(owner, box_caption, L"Where does this box open?"); });
    return opened_at;
}

TEST(MessageBoxes, OpenCentredOnTheirOwnerFromEveryThreadOrOnTheScreenWhenTheOwnerIsNotShown) {
    const UniqueWindow owner = make_owner(40, 60, 520, 360);
    expect_centred_on(where_box_opens(owner.get()), rect_of(owner.get()));
    // The update thread opens its boxes over the main window, which this thread goes on serving.
    std::atomic<bool> done = false;
    RECT from_update_thread{};
    std::thread update_thread([&] {
        from_update_thread = where_box_opens(owner.get());
        done = true;
    });
    serve_messages_until([&] { return done.load(); });
    update_thread.join();
    expect_centred_on(from_update_thread, rect_of(owner.get()));

    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const UniqueWindow off_screen = make_owner(screen.right - 100, screen.bottom - 60, 500, 400);
    const RECT kept = where_box_opens(off_screen.get());
    EXPECT_EQ(std::pair(kept.right, kept.bottom), std::pair(screen.right, screen.bottom));

    expect_centred_on(where_box_opens(nullptr), screen);
    ShowWindow(owner.get(), SW_MINIMIZE);
    expect_centred_on(where_box_opens(owner.get()), screen);

    // The centring ends with the box: a window activated later stays where it was put.
    const UniqueWindow later = make_owner(5, 7, 120, 90);
    SetActiveWindow(later.get());
    EXPECT_EQ(std::pair(rect_of(later.get()).left, rect_of(later.get()).top), std::pair(5L, 7L));
}

} // namespace
