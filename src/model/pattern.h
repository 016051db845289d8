#pragma once

#include <string>

// Wildcard comparison: '*' matches any run of characters (also none), '?' exactly one
// character, every other character itself. Case matters; fold first when it should not.
bool wildcard_match(const std::wstring& wild, const std::wstring& text);

// One string condition on a window: a phrase compared with the window's title or with the
// image name of its process. The integer fields are kept as stored in the data files.
struct Pattern {
    static constexpr int NEVER = 0;
    static constexpr int STARTS_WITH = 1;
    static constexpr int CONTAINS = 2;
    static constexpr int ENDS_WITH = 3;
    static constexpr int EXACTLY_MATCHES = 4;
    static constexpr int EVERYTHING = 5;

    static constexpr int WINDOW_TITLE = 0;
    static constexpr int IMAGE_NAME = 1;

    int compare = NEVER;
    int applies_to = WINDOW_TITLE;
    std::wstring phrase;
    bool case_sensitive = false;

    // Any non-zero `applies_to` means the image name, as older files may hold other values.
    bool applies_to_image_name() const { return applies_to != WINDOW_TITLE; }

    // The caller passes the title or the image name, as `applies_to` says. Compare modes
    // outside 1 to 5 never match.
    bool matches(const std::wstring& subject) const;

    // One line for the editors' lists, e.g. Window titles that exactly match "Start".
    std::wstring describe() const;

    void set_compare(int value) { compare = value; }
    void set_applies_to(int value) { applies_to = value; }
    void set_phrase(const std::wstring& value) { phrase = value; }
    void set_case_sensitive(bool value) { case_sensitive = value; }

    bool operator==(const Pattern&) const = default;
};
