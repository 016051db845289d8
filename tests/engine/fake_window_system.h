#pragma once

#include "engine/show_commands.h"
#include "engine/window_system.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct FakeWindow {
    std::wstring title;
    bool visible = true;
    std::optional<int> show_state = show_command::NORMAL;
    WindowHandle parent = 0;
    std::uint32_t process_id = 0;
};

struct ShowRequest {
    WindowHandle window = 0;
    int command = 0;

    bool operator==(const ShowRequest&) const = default;
};

// Top-level windows held in memory. It records every request the engine makes and carries
// out show requests the way the system would, so that a later pass sees their effect.
class FakeWindowSystem final : public engine::window_system {
public:
    // Adds a window below all others in Z order and returns its handle.
    WindowHandle add_window(const FakeWindow& window) {
        const WindowHandle handle = next_handle_;
        next_handle_ += 0x10;
        windows_[handle] = window;
        z_order_.push_back(handle);
        return handle;
    }
    FakeWindow& window(WindowHandle handle) { return windows_.at(handle); }
    void close_window(WindowHandle handle) {
        std::erase(z_order_, handle);
        windows_.erase(handle);
    }
    void bring_to_top(WindowHandle handle) {
        std::erase(z_order_, handle);
        z_order_.insert(z_order_.begin(), handle);
    }
    void set_process_image(std::uint32_t process_id, const std::wstring& path) {
        image_paths_[process_id] = path;
    }
    void activate(WindowHandle handle) { foreground_ = handle; }

    engine::BootSession session{1, 1'700'000'000};

    std::vector<ShowRequest> show_requests;
    std::vector<WindowHandle> foreground_requests;
    int image_path_reads = 0;

    std::vector<WindowHandle> top_level_windows() override { return z_order_; }
    bool window_exists(WindowHandle window) override { return windows_.contains(window); }
    std::wstring title(WindowHandle window) override { return find(window).title; }
    bool is_visible(WindowHandle window) override { return find(window).visible; }
    std::optional<int> placement_show_state(WindowHandle window) override {
        return find(window).show_state;
    }
    WindowHandle parent(WindowHandle window) override { return find(window).parent; }
    std::uint32_t process_id(WindowHandle window) override { return find(window).process_id; }
    std::wstring process_image_path(std::uint32_t process_id) override {
        ++image_path_reads;
        const auto found = image_paths_.find(process_id);
        return found == image_paths_.end() ? std::wstring() : found->second;
    }
    void show_async(WindowHandle window, int show_command) override {
        show_requests.push_back({window, show_command});
        const auto found = windows_.find(window);
        if (found != windows_.end()) {
            carry_out(found->second, show_command);
        }
    }
    WindowHandle foreground_window() override { return foreground_; }
    void set_foreground_window(WindowHandle window) override {
        foreground_requests.push_back(window);
        foreground_ = window;
    }
    engine::BootSession boot_session() override { return session; }

private:
    const FakeWindow& find(WindowHandle window) const {
        static const FakeWindow destroyed{L"", false, std::nullopt, 0, 0};
        const auto found = windows_.find(window);
        return found == windows_.end() ? destroyed : found->second;
    }

    static void carry_out(FakeWindow& window, int command) {
        using namespace show_command;
        window.visible = command != HIDE;
        if (command == RESTORE) {
            window.show_state = NORMAL;
        } else if (command == NORMAL || command == MINIMIZED || command == MAXIMIZED) {
            window.show_state = command;
        }
    }

    WindowHandle next_handle_ = 0x1000;
    std::map<WindowHandle, FakeWindow> windows_;
    std::vector<WindowHandle> z_order_;
    std::map<std::uint32_t, std::wstring> image_paths_;
    WindowHandle foreground_ = 0;
};
