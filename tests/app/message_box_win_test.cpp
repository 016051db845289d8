#include "app/message_box_win.h"
#include "app/unique_handle_win.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct WindowTraits {
    using pointer = HWND;
    static pointer invalid() { return nullptr; }
    static void close(pointer window) { DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

constexpr wchar_t box_caption[] = L"Centring test box";

int screen_width() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int screen_height() {
    return GetSystemMetrics(SM_CYSCREEN);
}

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

// Answers the next message box of this thread from inside its modal loop: a thread timer
// finds the box, records where it opened and presses one of its buttons.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button) {
        button_ = button;
        opened_at_.reset();
        timer_ = SetTimer(nullptr, 0, 10, &BoxAnswerer::on_timer);
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    ~BoxAnswerer() { KillTimer(nullptr, timer_); }

    std::optional<RECT> box_rect() const { return opened_at_; }

private:
    static void CALLBACK on_timer(HWND, UINT, UINT_PTR, DWORD) {
        const HWND box = FindWindowW(L"#32770", box_caption);
        if (box == nullptr || opened_at_)
            return;
        opened_at_ = rect_of(box);
        SendMessageW(GetDlgItem(box, button_), BM_CLICK, 0, 0);
    }

    UINT_PTR timer_ = 0;
    static inline int button_ = IDOK;
    static inline std::optional<RECT> opened_at_;
};

void expect_centred_on(const RECT& box, const RECT& owner) {
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
}

} // namespace

TEST(MessageBoxes, OpenCentredOnTheirOwner) {
    // Off the screen's centre, where a box would open by default.
    const UniqueWindow owner = make_window(nullptr, 40, 60, 520, 360);
    BoxAnswerer answerer(IDOK);

    information_box(owner.get(), box_caption, L"Centred on the owner.");

    ASSERT_TRUE(answerer.box_rect());
    expect_centred_on(*answerer.box_rect(), rect_of(owner.get()));
}

TEST(MessageBoxes, StayOnThePrimaryScreenWhenTheOwnerIsOffToTheRightAndBelow) {
    const UniqueWindow owner =
        make_window(nullptr, screen_width() - 100, screen_height() - 60, 500, 400);
    BoxAnswerer answerer(IDOK);

    warning_box(owner.get(), box_caption, L"Kept on the primary screen.");

    ASSERT_TRUE(answerer.box_rect());
    EXPECT_EQ(answerer.box_rect()->right, screen_width());
    EXPECT_EQ(answerer.box_rect()->bottom, screen_height());
}

TEST(MessageBoxes, WithoutAnOwnerOpenCentredOnTheScreen) {
    BoxAnswerer answerer(IDOK);

    warning_box(nullptr, box_caption, L"Unable to load or create settings.");

    ASSERT_TRUE(answerer.box_rect());
    expect_centred_on(*answerer.box_rect(), RECT{0, 0, screen_width(), screen_height()});
}

TEST(MessageBoxes, AskYesNoIsTrueOnlyForYes) {
    const UniqueWindow owner = make_window(nullptr, 100, 100, 400, 300);
    {
        BoxAnswerer answerer(IDYES);
        EXPECT_TRUE(ask_yes_no(owner.get(), box_caption, L"Yes?"));
    }
    {
        BoxAnswerer answerer(IDNO);
        EXPECT_FALSE(ask_yes_no(owner.get(), box_caption, L"No?"));
    }
}

TEST(MessageBoxes, TheCentringEndsWithTheBox) {
    const UniqueWindow owner = make_window(nullptr, 200, 150, 600, 400);
    {
        BoxAnswerer answerer(IDOK);
        information_box(owner.get(), box_caption, L"First box.");
    }

    // A window activated after the box has closed stays where it was put.
    const UniqueWindow later = make_window(owner.get(), 5, 7, 120, 90);
    SetActiveWindow(later.get());
    EXPECT_EQ(rect_of(later.get()).left, 5);
    EXPECT_EQ(rect_of(later.get()).top, 7);
}

TEST(CentreOnParent, MovesAnOwnedWindowOntoItsOwnerKeepingItsSize) {
    const UniqueWindow owner = make_window(nullptr, 300, 200, 400, 300);
    const UniqueWindow dialog = make_window(owner.get(), 0, 0, 200, 100);
    const RECT before = rect_of(dialog.get());

    EXPECT_TRUE(centre_on_parent(dialog.get()));

    const RECT after = rect_of(dialog.get());
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    expect_centred_on(after, rect_of(owner.get()));
}

TEST(CentreOnParent, AMinimisedOwnerCentresOnTheScreen) {
    const UniqueWindow owner = make_window(nullptr, 300, 200, 400, 300);
    const UniqueWindow dialog = make_window(owner.get(), 0, 0, 200, 100);
    ShowWindow(owner.get(), SW_MINIMIZE);

    EXPECT_TRUE(centre_on_parent(dialog.get()));

    expect_centred_on(rect_of(dialog.get()), RECT{0, 0, screen_width(), screen_height()});
}
