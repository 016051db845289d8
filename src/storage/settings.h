#pragma once

#include "storage/config_file.h"
#include "storage/screen_size.h"

#include <optional>
#include <string>

// settings.xml: where the main window was, how large, whether maximized, and whether the
// update check runs at start-up. Every value lives in the file's tree; a value the tree lacks
// reads as its default.
class Settings {
public:
    explicit Settings(ScreenSizeSource screen_size);

    // Remembers the path and loads the file; what a loaded file lacks is filled with the
    // defaults. When the file cannot be loaded, the defaults are written to a new file, a file
    // that was there being set aside first (see set_unreadable_file_aside). False only when
    // that write fails too; the defaults are then held in memory.
    bool load(const std::wstring& path);
    // Writes the file to the remembered path. A failure is logged, but not again until a save
    // has succeeded: a folder that refuses every write would otherwise grow the log each time.
    bool save() const;
    // Where load set an unreadable settings file aside; empty when it did not.
    const std::wstring& set_aside_copy() const { return set_aside_copy_; }

    int position_x() const;
    int position_y() const;
    int size_x() const;
    int size_y() const;
    bool maximized() const;
    bool check_updates() const;
    // Whether the program starts at sign-in; none in a file that an older build wrote.
    std::optional<bool> start_at_sign_in() const;

    void set_position_x(int x);
    void set_position_y(int y);
    void set_size_x(int width);
    void set_size_y(int height);
    void set_maximized(bool flag);
    void set_check_updates(bool flag);
    void set_start_at_sign_in(bool flag);

    // The window size used when the file has none: 640 by 800, or on a screen smaller than
    // that four fifths of the screen, but never below 400.
    ScreenSize default_size() const;

private:
    void fill_in_defaults(bool reset_options);
    const engine::config_property* find_value(const wchar_t* element, const wchar_t* inner,
                                              const wchar_t* attribute) const;
    engine::config_property& value(const wchar_t* element, const wchar_t* inner,
                                   const wchar_t* attribute);

    ScreenSizeSource screen_size_;
    std::wstring path_;
    ConfigFile file_;
    std::wstring set_aside_copy_;
    mutable bool last_save_failed_ = false;
};
