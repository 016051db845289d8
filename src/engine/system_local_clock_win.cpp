#include "engine/system_local_clock_win.h"

#include <windows.h>

engine::LocalTime SystemLocalClock::now() const {
    SYSTEMTIME time = {};
    GetLocalTime(&time);
    return {time.wHour, time.wMinute, time.wSecond};
}
