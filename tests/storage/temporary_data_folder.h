#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// A fresh, empty folder under the system's temporary folder, removed with its contents when
// the test ends. Its path is plain ASCII, so the wide and narrow forms agree everywhere.
class TemporaryDataFolder {
public:
    TemporaryDataFolder() {
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() /
                    ("hushcloak-storage-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    TemporaryDataFolder(const TemporaryDataFolder&) = delete;
    TemporaryDataFolder& operator=(const TemporaryDataFolder&) = delete;
    ~TemporaryDataFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    std::wstring text() const { return widen(path_.string()); }
    std::wstring file(const std::string& name) const { return widen((path_ / name).string()); }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream stream(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

private:
    static std::wstring widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

    std::filesystem::path path_;
};
