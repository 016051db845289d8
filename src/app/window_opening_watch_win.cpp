#include "app/window_opening_watch_win.h"

namespace {

// Out-of-context events come to the thread that asked for them, through its message loop;
// one watch runs on the user-interface thread.
HWND notified_window = nullptr;
UINT notification = 0;

} // namespace

WindowOpeningWatch::WindowOpeningWatch(HWND notified, UINT message) {
    notified_window = notified;
    notification = message;
}

WindowOpeningWatch::~WindowOpeningWatch() {
    watch(false);
}

void WindowOpeningWatch::watch(bool on) {
    if (on && hook_ == nullptr) {
        // Creation rather than showing: Wine delivers the creation of another process's windows
        // but not their showing or a change of title.
        hook_ = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr,
                                &WindowOpeningWatch::on_event, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    } else if (!on && hook_ != nullptr) {
        UnhookWinEvent(hook_);
        hook_ = nullptr;
    }
}

void CALLBACK WindowOpeningWatch::on_event(HWINEVENTHOOK, DWORD, HWND window, LONG object,
                                           LONG child, DWORD, DWORD) {
    if (object != OBJID_WINDOW || child != CHILDID_SELF || window == nullptr ||
        GetAncestor(window, GA_PARENT) != GetDesktopWindow()) {
        return;
    }
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    if (process_id != GetCurrentProcessId()) {
        PostMessageW(notified_window, notification, 0, 0);
    }
}
