#pragma once

#include "update/update_site.h"

#include <cstddef>
#include <string>

class UrlFetcher;

// The program's own build number, which the published release number is compared with.
inline constexpr int CURRENT_BUILD = 2;

// The leading decimal integer of `size` bytes read as text: white space and a sign may come
// first, reading stops at the first non-digit, and no digits give 0. Values beyond the range
// of long long are held at its ends.
long long leading_integer(const unsigned char* text, std::size_t size);

namespace engine {

// What the update check needs of the desktop. Every box is owned by the main window.
class update_desktop {
public:
    virtual ~update_desktop() = default;
    virtual bool ask_yes_no(const std::wstring& caption, const std::wstring& text) = 0;
    virtual void warning_box(const std::wstring& caption, const std::wstring& text) = 0;
    // Hands the page to the default web browser; false when no browser took it.
    virtual bool open_web_page(const std::wstring& url) = 0;
    // Asks the user-interface thread to show every window hidden in this run, save and exit.
    virtual void request_silent_exit() = 0;
};

} // namespace engine

// Downloads the published release number and, when it is newer than CURRENT_BUILD, offers the
// download page. A failed download, an empty file or an older number is met with silence.
// After the user agrees, the program exits whether or not a browser could be started.
void run_update_check(UrlFetcher& fetcher, const UpdateSite& site, engine::update_desktop& desktop);

std::wstring update_prompt_text();
inline constexpr const wchar_t* update_prompt_caption = L"Updates Detected";
std::wstring browser_failure_text(const std::wstring& url);
inline constexpr const wchar_t* browser_failure_caption = L"Unable to load...";
