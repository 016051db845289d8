#pragma once

#include <cstdint>

// The update thread calls the check once and is then ended by it; the interval only spaces
// out calls that never come.
inline constexpr std::uint32_t UPDATE_CHECK_INTERVAL_MILLISECONDS = 200;

// The function that the update thread runs once per start-up, handed the `Application`:
// checks the maker's web server, with boxes owned by the main window, then ends its own
// thread. Does nothing without an application.
void check_for_updates(void* application);
