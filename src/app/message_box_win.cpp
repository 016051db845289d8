#include "app/message_box_win.h"

#include "app/centring.h"
#include "app/unique_handle_win.h"

namespace {

ScreenRect screen_rect_of(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

ScreenRect primary_screen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ScreenRect centring_area_for(HWND window) {
    const HWND parent = GetParent(window);
    RECT parent_rect{};
    if (parent == nullptr || IsIconic(parent) || !GetWindowRect(parent, &parent_rect))
        return primary_screen();
    return screen_rect_of(parent_rect);
}

// Installed on the calling thread around one message box: when the box is activated it is
// centred and the hook removes itself. Each thread has its own, so boxes opening at the same
// moment on the user-interface thread and the update thread do not disturb each other.
class CentringHook {
public:
    CentringHook()
        : hook_(SetWindowsHookExW(WH_CBT, &CentringHook::procedure, nullptr, GetCurrentThreadId())),
          outer_(active_) {
        active_ = this;
    }
    CentringHook(const CentringHook&) = delete;
    CentringHook& operator=(const CentringHook&) = delete;
    ~CentringHook() { active_ = outer_; }

private:
    static LRESULT CALLBACK procedure(int code, WPARAM wparam, LPARAM lparam) {
        if (code == HCBT_ACTIVATE && active_ != nullptr && active_->hook_) {
            centre_on_parent(reinterpret_cast<HWND>(wparam));
            active_->hook_.reset();
            return 0;
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }

    UniqueHook hook_;
    CentringHook* outer_;
    static thread_local CentringHook* active_;
};

thread_local CentringHook* CentringHook::active_ = nullptr;

} // namespace

int centred_message_box(HWND owner, const std::wstring& caption, const std::wstring& text,
                        UINT type) {
    CentringHook hook;
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

void warning_box(HWND owner, const std::wstring& caption, const std::wstring& text) {
    centred_message_box(owner, caption, text, MB_OK | MB_ICONEXCLAMATION);
}

void information_box(HWND owner, const std::wstring& caption, const std::wstring& text) {
    centred_message_box(owner, caption, text, MB_OK | MB_ICONINFORMATION);
}

bool ask_yes_no(HWND owner, const std::wstring& caption, const std::wstring& text) {
    return centred_message_box(owner, caption, text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool centre_on_parent(HWND window) {
    RECT window_rect{};
    if (!GetWindowRect(window, &window_rect))
        return false;
    const ScreenRect area = centring_area_for(window);
    const ScreenRect current = screen_rect_of(window_rect);
    const ScreenRect screen = primary_screen();
    const ScreenPoint position = centred_position(current, area, screen.width(), screen.height());
    MoveWindow(window, position.x, position.y, current.width(), current.height(), FALSE);
    return true;
}
