#include "app/sign_in_start_win.h"

#include "app/message_box_win.h"
#include "resource.h"
#include "storage/settings.h"

#include <shellapi.h>

#include <string>

namespace {

const wchar_t* const RUN_KEY = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const RUN_VALUE = L"Hushcloak";

bool run_entry_exists() {
    return RegGetValueW(HKEY_CURRENT_USER, RUN_KEY, RUN_VALUE, RRF_RT_REG_SZ, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

std::wstring own_path() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path;
}

bool write_run_entry(bool on) {
    if (!on) {
        const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, RUN_KEY, RUN_VALUE);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    const std::wstring command = L"\"" + own_path() + L"\" " + SIGN_IN_ARGUMENT;
    const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CURRENT_USER, RUN_KEY, RUN_VALUE, REG_SZ, command.c_str(), bytes) ==
           ERROR_SUCCESS;
}

} // namespace

bool started_at_sign_in() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr)
        return false;
    const bool at_sign_in = count > 1 && _wcsicmp(arguments[1], SIGN_IN_ARGUMENT) == 0;
    LocalFree(arguments);
    return at_sign_in;
}

bool sign_in_start_option(Settings& settings) {
    if (!settings.start_at_sign_in().has_value())
        settings.set_start_at_sign_in(run_entry_exists());
    return *settings.start_at_sign_in();
}

void toggle_sign_in_start(HWND main_window, Settings& settings) {
    const bool on = !sign_in_start_option(settings);
    if (!write_run_entry(on)) {
        warning_box(main_window, L"Start at Sign-in",
                    L"Windows did not let Hushcloak change its start at sign-in.");
        return;
    }
    settings.set_start_at_sign_in(on);
    settings.save();
    show_sign_in_start_state(main_window, on);
}

void show_sign_in_start_state(HWND main_window, bool on) {
    CheckMenuItem(GetMenu(main_window), ID_HELP_START_AT_SIGN_IN,
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}
