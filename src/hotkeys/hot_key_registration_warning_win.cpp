#include "hotkeys/hot_key_registration_warning_win.h"

#include "app/message_box_win.h"

void WarningBoxDisplay::show_warning(const std::wstring& caption, const std::wstring& text) {
    warning_box(owner_, caption, text);
}
