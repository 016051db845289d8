#include "storage/screen_size_win.h"

#include <windows.h>

ScreenSize full_screen_client_area() {
    return {GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}
