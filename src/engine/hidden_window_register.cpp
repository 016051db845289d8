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

void HiddenWindowRegister::record_hidden(WindowHandle window, int owner) {
    hidden_flags_[window] = true;
    owners_[window] = owner;
    windows_of_owner_[owner].push_back(window);
}

void HiddenWindowRegister::record_shown(WindowHandle window) {
    hidden_flags_[window] = false;
    for (auto& [owner, windows] : windows_of_owner_) {
        std::erase(windows, window);
    }
}
