#include "engine/window_timer_waiter_win.h"

#include <algorithm>

namespace {

const wchar_t* const WINDOW_CLASS = L"HushcloakSettleTimer";
constexpr UINT_PTR SETTLE_TIMER_ID = 1;

} // namespace

WindowTimerWaiter::~WindowTimerWaiter() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void WindowTimerWaiter::after_milliseconds(unsigned milliseconds, std::function<void()> then) {
    if (window_ == nullptr) {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = &WindowTimerWaiter::window_procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = WINDOW_CLASS;
        RegisterClassW(&window_class); // fails harmlessly once the class exists
        window_ = CreateWindowExW(0, WINDOW_CLASS, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    const std::uint64_t due = GetTickCount64() + milliseconds;
    // After every step due no later, so that equal waits keep their order.
    const auto place = std::upper_bound(steps_.begin(), steps_.end(), due,
                                        [](std::uint64_t d, const Step& s) { return d < s.due; });
    steps_.insert(place, Step{due, std::move(then)});
    arm_timer();
}

void WindowTimerWaiter::cancel() {
    steps_.clear();
    if (window_ != nullptr) {
        KillTimer(window_, SETTLE_TIMER_ID);
    }
}

LRESULT CALLBACK WindowTimerWaiter::window_procedure(HWND window, UINT message, WPARAM wparam,
                                                     LPARAM lparam) {
    if (message == WM_TIMER && wparam == SETTLE_TIMER_ID) {
        if (auto* waiter =
                reinterpret_cast<WindowTimerWaiter*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            waiter->run_due_steps();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

void WindowTimerWaiter::run_due_steps() {
    KillTimer(window_, SETTLE_TIMER_ID);
    // A step may ask for more steps, or open a modal loop that runs this again; each step is
    // taken off the queue before it runs.
    while (!steps_.empty() && steps_.front().due <= GetTickCount64()) {
        auto then = std::move(steps_.front().then);
        steps_.pop_front();
        then();
    }
    arm_timer();
}

void WindowTimerWaiter::arm_timer() {
    if (steps_.empty()) {
        return;
    }
    const std::uint64_t now = GetTickCount64();
    const std::uint64_t due = steps_.front().due;
    const auto delay = static_cast<UINT>(due > now ? due - now : 0);
    SetTimer(window_, SETTLE_TIMER_ID, std::max<UINT>(delay, USER_TIMER_MINIMUM), nullptr);
}
