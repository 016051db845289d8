#pragma once

#include "harness/temporary_folder.h"

#include <fstream>
#include <iterator>
#include <string>

// A temporary folder whose files a test writes and reads byte for byte, named in ASCII.
class TemporaryDataFolder : public TemporaryFolder {
public:
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path() / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream stream(path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }
};
