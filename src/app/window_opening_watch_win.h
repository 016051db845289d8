#pragma once

#include <windows.h>

// Tells a window, by a posted message, that another program opened a top-level window, so that
// a visibility timer in its period can hide it at once rather than at its next tick. The
// system's window events are asked for only while watching; the hook goes with the object.
class WindowOpeningWatch {
public:
    WindowOpeningWatch(HWND notified, UINT message);
    WindowOpeningWatch(const WindowOpeningWatch&) = delete;
    WindowOpeningWatch& operator=(const WindowOpeningWatch&) = delete;
    ~WindowOpeningWatch();

    void watch(bool on);

private:
    static void CALLBACK on_event(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                  LONG child, DWORD thread, DWORD time);

    HWINEVENTHOOK hook_ = nullptr;
};
