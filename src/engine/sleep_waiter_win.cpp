#include "engine/sleep_waiter_win.h"

#include <windows.h>

void SleepWaiter::wait_milliseconds(unsigned milliseconds) {
    Sleep(milliseconds);
}
