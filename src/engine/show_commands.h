#pragma once

// The ShowWindow commands and placement show states the engine uses, with the values the
// system gives them.
namespace show_command {
inline constexpr int HIDE = 0;
inline constexpr int NORMAL = 1;
inline constexpr int MINIMIZED = 2;
inline constexpr int MAXIMIZED = 3;
inline constexpr int SHOW = 5;
inline constexpr int MINIMIZE = 6;
inline constexpr int MINIMIZED_NO_ACTIVATE = 7;
inline constexpr int RESTORE = 9;
} // namespace show_command
