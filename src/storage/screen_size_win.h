#pragma once

#include "storage/screen_size.h"

// The system's full-screen client area (SM_CXFULLSCREEN by SM_CYFULLSCREEN).
ScreenSize full_screen_client_area();
