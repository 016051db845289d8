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

// What the saver writes for a tree built by `write`, read back into a fresh tree.
template <typename Write> ConfigFile saved_and_reloaded(Write write) {
    ConfigFile file;
    write(file.root());
    return parsed(file.to_document());
}
