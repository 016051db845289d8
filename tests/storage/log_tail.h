#pragma once

#include "app/diagnostic_log.h"

#include <string>
#include <vector>

// The diagnostic list only grows; a test marks where it stood and reads what came after.
class LogTail {
public:
    LogTail() : start_(diagnostic_messages().size()) {}

    std::vector<std::wstring> lines() const {
        const auto& all = diagnostic_messages();
        return {all.begin() + static_cast<std::ptrdiff_t>(start_), all.end()};
    }

private:
    std::size_t start_;
};
