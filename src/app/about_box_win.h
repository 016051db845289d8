#pragma once

#include <windows.h>

// Shows the modal about box, owned by and centred on `owner`, until the user closes it.
void show_about_box(HWND owner);
