#pragma once

#include <string>

namespace engine {

// Tells the user that something could not be done: a warning box owned by the main window.
class warning_display {
public:
    virtual ~warning_display() = default;
    virtual void show_warning(const std::wstring& caption, const std::wstring& text) = 0;
};

} // namespace engine
