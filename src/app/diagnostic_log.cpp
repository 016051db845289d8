#include "app/diagnostic_log.h"

#include "app/file_system.h"
#include "app/narrow_text.h"

#include <string_view>

namespace {

// Only the user-interface thread logs, so the list needs no lock.
std::vector<std::wstring>& message_list() {
    static std::vector<std::wstring> messages;
    return messages;
}

// Expands "%s" to the path and "%%" to '%'; every other byte of the format stands for itself.
std::wstring expand_path_format(std::string_view format, const std::wstring& path) {
    std::wstring line;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 's') {
                line += path;
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                line += L'%';
                ++i;
                continue;
            }
        }
        line += from_single_byte_text(format.substr(i, 1));
    }
    return line;
}

std::string log_file_bytes(const std::vector<std::wstring>& messages) {
    std::string bytes;
    for (const auto& line : messages) {
        bytes += to_single_byte_text(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

void log_message(const std::wstring& line) {
    message_list().push_back(line);
}

void log_path_message(const char* format, const std::wstring& path) {
    log_message(expand_path_format(format, path));
}

const std::vector<std::wstring>& diagnostic_messages() {
    return message_list();
}

bool write_log(const std::vector<std::wstring>& messages, const std::wstring& log_path) {
    return write_file_atomically(log_path, log_file_bytes(messages));
}
