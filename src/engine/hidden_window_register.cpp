#include "engine/hidden_window_register.h"

#include <algorithm>

bool HiddenWindowRegister::was_hidden(WindowHandle window) const {
    const auto found = hidden_flags_.find(window);
    return found != hidden_flags_.end() && found->second;
}

std::optional<int> HiddenWindowRegister::owner_of(WindowHandle window) const {
    const auto found = owners_.find(window);
    if (found == owners_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<WindowHandle> HiddenWindowRegister::windows_of(int owner) const {
    const auto found = windows_of_owner_.find(owner);
    if (found == windows_of_owner_.end()) {
        return {};
    }
    return found->second;
}

std::vector<WindowHandle> HiddenWindowRegister::hidden_windows() const {
    std::vector<WindowHandle> windows;
    for (const auto& [window, hidden] : hidden_flags_) {
        if (hidden) {
            windows.push_back(window);
        }
    }
    return windows;
}

void HiddenWindowRegister::record_hidden(WindowHandle window, int owner) {
    hidden_flags_[window] = true;
    seen_hidden_.erase(window);
    owners_[window] = owner;
    windows_of_owner_[owner].push_back(window);
}

bool HiddenWindowRegister::notice_visibility(WindowHandle window, bool visible) {
    if (!was_hidden(window)) {
        return false;
    }
    if (!visible) {
        seen_hidden_.insert(window);
        return false;
    }
    if (!seen_hidden_.contains(window)) {
        return false;
    }
    record_shown(window);
    return true;
}

void HiddenWindowRegister::record_shown(WindowHandle window) {
    hidden_flags_[window] = false;
    seen_hidden_.erase(window);
    for (auto& [owner, windows] : windows_of_owner_) {
        std::erase(windows, window);
    }
}
