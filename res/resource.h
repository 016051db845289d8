#pragma once

// Identifiers shared by the resource script and the code. Plain #defines, since the resource
// compiler reads this file too.

// Main dialog and its controls.
#define IDD_MAIN 101
#define IDR_MAIN_MENU 103
#define IDI_HUSHCLOAK 109
#define IDC_MAIN_TABS 1005
#define IDC_MAIN_FRAME 1011

// Main menu commands.
#define ID_FILE_EXIT 40001
#define ID_HELP_ABOUT 40005
#define ID_FILE_MINIMIZE_TO_TRAY 40010
#define ID_EDIT_IGNORE_LIST 40031
#define ID_HELP_CHECK_FOR_UPDATES 40049
#define ID_HELP_START_AT_SIGN_IN 40050

// About box.
#define IDD_ABOUT 130
#define IDC_ABOUT_VERSION 1300
