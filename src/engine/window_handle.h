#pragma once

#include <cstdint>

// A foreign top-level window as the portable core knows it: an integer wide enough for a
// pointer, 0 for none. The Windows layer converts it to and from HWND.
using WindowHandle = std::uintptr_t;
