#pragma once

#include "engine/show_commands.h"
#include "engine/window_system.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct FakeWindow {
    std::wstring title;
    bool visible = true;
    std::optional<int> show_state = show_command::NORMAL;
    WindowHandle parent = 0;
    std::uint32_t process_id = 0;
};

using ShowRequest = std::pair<WindowHandle, int>; // a window and the command asked for it

// Top-level windows held in memory, recording every request the engine makes.
class FakeWindowSystem final : public engine::window_system {
public:
    // Adds a window below all others in Z order and returns its handle.
    WindowHandle add_window(const FakeWindow& window) {
        const WindowHandle handle = next_handle_ += 0x10;
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
    std::map<std::uint32_t, std::uint64_t> creation_times;
    // Set, the active window is gone after it was read once.
    bool foreground_goes_after_read = false;

    std::vector<ShowRequest> show_requests;
    std::vector<WindowHandle> foreground_requests;
    // How often the windows were listed, and processes asked for their image.
    int listings = 0;
    int image_reads = 0;

    std::vector<WindowHandle> top_level_windows() override {
        ++listings;
        return z_order_;
    }
    bool window_exists(WindowHandle window) override { return windows_.contains(window); }
    std::wstring title(WindowHandle window) override { return find(window).title; }
    bool is_visible(WindowHandle window) override { return find(window).visible; }
    std::optional<int> placement_show_state(WindowHandle w) override { return find(w).show_state; }
    State state(WindowHandle window) override {
        return {is_visible(window), find(window).show_state};
    }
    WindowHandle parent(WindowHandle window) override { return find(window).parent; }
    std::uint32_t process_id(WindowHandle window) override { return find(window).process_id; }
    std::wstring process_image_path(std::uint32_t process_id) override {
        ++image_reads;
        return image_paths_.contains(process_id) ? image_paths_[process_id] : std::wstring();
    }
    // A process's creation time is made up from its id unless a test sets it.
    std::uint64_t process_creation_time(std::uint32_t process_id) override {
        const auto set = creation_times.find(process_id);
        return process_id == 0 ? 0 : set != creation_times.end() ? set->second : 1000 + process_id;
    }
    // Carries the request out as the system would.
    void show_async(WindowHandle window, int command) override {
        using namespace show_command;
        show_requests.push_back({window, command});
        if (!windows_.contains(window))
            return;
        windows_[window].visible = command != HIDE;
        if (command == RESTORE || command == NORMAL || command == MINIMIZED || command == MAXIMIZED)
            windows_[window].show_state = command == RESTORE ? NORMAL : command;
    }
    WindowHandle foreground_window() override {
        return foreground_goes_after_read ? std::exchange(foreground_, 0) : foreground_;
    }
    void set_foreground_window(WindowHandle window) override {
        foreground_requests.push_back(foreground_ = window);
    }
    engine::BootSession boot_session() override { return session; }

private:
    const FakeWindow& find(WindowHandle window) const {
        static const FakeWindow destroyed{L"", false, std::nullopt, 0, 0};
        return windows_.contains(window) ? windows_.at(window) : destroyed;
    }

    WindowHandle next_handle_ = 0x1000;
    std::map<WindowHandle, FakeWindow> windows_;
    std::vector<WindowHandle> z_order_;
    std::map<std::uint32_t, std::wstring> image_paths_;
    WindowHandle foreground_ = 0;
};
