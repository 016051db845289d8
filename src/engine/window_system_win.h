#pragma once

#include "engine/window_system.h"

#include <windows.h>

// The foreign-window operations on the desktop the program runs on.
class Win32WindowSystem final : public engine::window_system {
public:
    std::vector<WindowHandle> top_level_windows() override;
    bool window_exists(WindowHandle window) override;
    std::wstring title(WindowHandle window) override;
    bool is_visible(WindowHandle window) override;
    std::optional<int> placement_show_state(WindowHandle window) override;
    State state(WindowHandle window) override;
    WindowHandle parent(WindowHandle window) override;
    std::uint32_t process_id(WindowHandle window) override;
    std::wstring process_image_path(std::uint32_t process_id) override;
    std::uint64_t process_creation_time(std::uint32_t process_id) override;
    void show_async(WindowHandle window, int show_command) override;
    WindowHandle foreground_window() override;
    void set_foreground_window(WindowHandle window) override;
    engine::BootSession boot_session() override;
};

// The same window as the system and the portable core name it.
HWND to_hwnd(WindowHandle window);
WindowHandle to_window_handle(HWND window);
