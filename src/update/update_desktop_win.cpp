#include "update/update_desktop_win.h"

#include "app/message_box_win.h"

#include <objbase.h>
#include <shellapi.h>

namespace {

// The shell may hand a web address to a browser through COM, which needs the calling thread
// to be in an apartment; the update thread is in none of its own.
class ComApartment {
public:
    ComApartment()
        : joined_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (joined_) {
            CoUninitialize();
        }
    }

private:
    bool joined_;
};

} // namespace

bool Win32UpdateDesktop::ask_yes_no(const std::wstring& caption, const std::wstring& text) {
    return ::ask_yes_no(main_window_, caption, text);
}

void Win32UpdateDesktop::warning_box(const std::wstring& caption, const std::wstring& text) {
    ::warning_box(main_window_, caption, text);
}

bool Win32UpdateDesktop::open_web_page(const std::wstring& url) {
    const ComApartment apartment;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

void Win32UpdateDesktop::request_silent_exit() {
    PostMessageW(main_window_, UPDATE_EXIT_MESSAGE, 0, 0);
}
