#pragma once

#include <windows.h>

// The main dialog's keyboard, seen by the message loop before a message is dispatched: Tab and
// Shift+Tab through the tab control and the current page's controls, Ctrl+Tab and
// Ctrl+Shift+Tab through the pages, the buttons' mnemonics, Enter for the lists' default
// actions, and Shift+F10 or the menu key for their context menus. True when the message was
// handled here (dispatched or used up); false for a message of another window.
bool translate_main_dialog_message(HWND dialog, MSG& message);
