#pragma once

// Identifiers of the five tab pages, their controls and their context menus. Plain #defines,
// since the resource compiler reads this file too. Control ids are unique within their page.

// Page dialogs.
#define IDD_VISIBLE_WINDOWS_PAGE 102
#define IDD_HIDDEN_WINDOWS_PAGE 103
#define IDD_HOT_KEYS_PAGE 106
#define IDD_TIMERS_PAGE 109
#define IDD_GROUPS_PAGE 112

// Context menus; each page uses the first submenu of its menu resources.
#define IDR_HOT_KEYS_MENU 110
#define IDR_TIMERS_MENU 111
#define IDR_GROUPS_MENU 120
#define IDR_VISIBLE_SINGLE_MENU 121
#define IDR_VISIBLE_MULTI_MENU 122
#define IDR_HIDDEN_SINGLE_MENU 123
#define IDR_HIDDEN_MULTI_MENU 124

// Controls of the two window pages.
#define IDC_SEARCH_FILTER 1002
#define IDC_WINDOW_LIST 1003
#define IDC_HIDE_SELECTED 1006
#define IDC_HIDE_ALL_BUT_SELECTED 1007
#define IDC_HIDE_ALL 1008
#define IDC_ACTIVATE_WINDOW 1009
#define IDC_SHOW_SELECTED 1006
#define IDC_SHOW_ALL_BUT_SELECTED 1007
#define IDC_SHOW_ALL 1008
#define IDC_LIST_ALL_HIDDEN 1012

// Controls the three model pages share.
#define IDC_PAGE_ADD 1015
#define IDC_PAGE_EDIT 1016
#define IDC_PAGE_REMOVE 1017
#define IDC_PAGE_TEXT 1018

// Controls of single model pages.
#define IDC_HOT_KEY_LIST 1020
#define IDC_OTHER_EVENTS 1021
#define IDC_TIMER_LIST 1028
#define IDC_TIMER_ACTIVATE 1029
#define IDC_GROUP_HIDE_ALL 1032
#define IDC_GROUP_SHOW_ALL 1033
#define IDC_GROUP_LIST 1034

// Context menu commands.
#define ID_HOT_KEY_EDIT 40024
#define ID_HOT_KEY_REMOVE 40044
#define ID_TIMER_EDIT 40045
#define ID_TIMER_REMOVE 40046
#define ID_TIMER_TOGGLE 40048
#define ID_WINDOWS_HIDE_SELECTED 40101
#define ID_WINDOWS_HIDE_ALL_BUT_SELECTED 40102
#define ID_WINDOWS_ACTIVATE 40103
#define ID_WINDOWS_SHOW_SELECTED 40104
#define ID_WINDOWS_SHOW_ALL_BUT_SELECTED 40105
#define ID_GROUP_EDIT 40111
#define ID_GROUP_REMOVE 40112
#define ID_GROUP_SHOW_ALL 40113
#define ID_GROUP_HIDE_ALL 40114
