#pragma once

#include "storage/config_file.h"

#include <gtest/gtest.h>

#include <string>

// The tree of a data file given as text, as the loaders receive it.
inline ConfigFile parsed(const std::string& document) {
    ConfigFile file;
    EXPECT_TRUE(file.load_from_memory(document)) << document;
    return file;
}
