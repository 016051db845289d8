#pragma once

#include "storage/config_element.h"

#include <string>
#include <string_view>

// One data file: the tree of its elements and the reading and writing of the whole file.
// Every saved file has the root element `settings`, attributes sorted by name and children
// in order, laid out one element per line. The encoding rule is in storage/text_encoding.h.
class ConfigFile {
public:
    engine::config_element& root() { return root_; }
    const engine::config_element& root() const { return root_; }

    // Reads the file and adds its elements to the tree. On failure logs "Unable to load
    // configuration: %s" with the path (after the reader's own message when the file cannot
    // be read) and leaves the tree as it was.
    bool load(const std::wstring& path);

    // Adds the elements of a whole document held in memory to the tree; logs nothing. False,
    // with the tree unchanged, when the document is empty, too large, nested too deeply, not
    // well-formed or has no element.
    bool load_from_memory(std::string_view document);

    // The bytes that `save` writes.
    std::string to_document() const;

    // Replaces the file in one step, so that a failure leaves the previous file whole. On
    // failure logs "Unable to save configuration: %s." with the path, when `log_failure`.
    bool save(const std::wstring& path, bool log_failure = true) const;

private:
    engine::config_element root_;
    // A file read with a UTF-8 byte-order mark is written with one again.
    bool byte_order_mark_ = false;
};

// Renames a data file that is there but could not be used out of the way of the new one (see
// set_file_aside) and logs "Unreadable file kept as: %s" with the new path, or "Unable to set
// the unreadable file aside: %s" with the old one. The new path, or empty.
std::wstring set_unreadable_file_aside(const std::wstring& path);

// Data files are a few kilobytes; anything beyond this is not one of them.
inline constexpr std::size_t MAX_CONFIG_FILE_SIZE = 4 * 1024 * 1024;
