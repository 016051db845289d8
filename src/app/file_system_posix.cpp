// Linux stand-ins for the file services, so that the core's tests run natively. Wide paths
// are encoded as UTF-8, the file-name encoding of every current Linux system.
#include "app/file_system.h"
#include "app/file_system_platform.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void append_utf8(std::string& out, char32_t code) {
    if (code >= 0xD800 && code <= 0xDFFF)
        code = 0xFFFD;
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x110000) {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        append_utf8(out, 0xFFFD);
    }
}

std::string to_utf8(const std::wstring& text) {
    std::string out;
    for (wchar_t character : text)
        append_utf8(out, static_cast<char32_t>(character));
    return out;
}

// Decodes well-formed UTF-8; anything else is taken byte by byte.
std::wstring from_utf8(const std::string& bytes) {
    std::wstring out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        bool well_formed =
            lead < 0x80 || (lead >= 0xC2 && lead <= 0xF4 && i + length <= bytes.size());
        for (std::size_t k = 1; well_formed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            well_formed = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!well_formed) {
            out.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        }
        out.push_back(static_cast<wchar_t>(code));
        i += length;
    }
    return out;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }
    bool close() {
        if (descriptor_ < 0)
            return true;
        const bool closed = ::close(descriptor_) == 0;
        descriptor_ = -1;
        return closed;
    }

private:
    int descriptor_;
};

bool write_all(int descriptor, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0)
            return false;
        written += static_cast<std::size_t>(result);
    }
    return true;
}

bool write_whole_file(const std::string& path, const std::string& bytes, bool sync) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    return file.valid() && write_all(file.get(), bytes) && (!sync || ::fsync(file.get()) == 0) &&
           file.close();
}

void sync_parent_folder(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid())
        ::fsync(directory.get());
}

} // namespace

bool load_regular_file(const std::wstring& path, std::uint64_t max_size,
                       std::vector<unsigned char>& bytes) {
    FileDescriptor file(::open(to_utf8(path).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    if (static_cast<std::uint64_t>(status.st_size) > max_size)
        return false;
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t result = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0)
            return false;
        if (result == 0)
            break;
        filled += static_cast<std::size_t>(result);
    }
    bytes.resize(filled);
    return true;
}

bool is_directory(const std::wstring& path) {
    struct stat status {};
    return ::stat(to_utf8(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool path_exists(const std::wstring& path) {
    struct stat status {};
    return ::lstat(to_utf8(path).c_str(), &status) == 0;
}

bool rename_file(const std::wstring& from, const std::wstring& to) {
    // A hard link fails when the new name is taken, where a rename would replace it.
    const std::string source = to_utf8(from), target = to_utf8(to);
    return ::link(source.c_str(), target.c_str()) == 0 && ::unlink(source.c_str()) == 0;
}

bool create_directory(const std::wstring& path) {
    return ::mkdir(to_utf8(path).c_str(), 0755) == 0;
}

bool find_roaming_data_folder(std::wstring& folder) {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        folder = from_utf8(config);
        return true;
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        folder = from_utf8(home) + L"/.config";
        return true;
    }
    return false;
}

bool write_file_atomically(const std::wstring& path, const std::string& bytes,
                           Durability durability) {
    const std::string target = to_utf8(path);
    const std::string temporary = target + ".tmp";
    const bool sync = durability == Durability::system_failure;
    if (!write_whole_file(temporary, bytes, sync) ||
        ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (sync)
        sync_parent_folder(target);
    return true;
}

std::wstring get_current_directory() {
    std::string buffer(4096, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    std::wstring directory = from_utf8(buffer);
    if (!directory.empty() && directory.back() != L'/')
        directory += L'/';
    return directory;
}
