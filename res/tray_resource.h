#pragma once

// Identifiers of the tray icon's menu. Plain #defines, since the resource compiler reads this
// file too.

#define IDR_TRAY_MENU 104

// The placeholder of each submenu, removed before the menu is first filled, carries the first
// identifier of its range.
#define ID_TRAY_HIDE_GROUP_FIRST 5000
#define ID_TRAY_SHOW_GROUP_FIRST 6000
#define ID_TRAY_HIDE_WINDOW_FIRST 7000
#define ID_TRAY_SHOW_WINDOW_FIRST 8000
#define ID_TRAY_TIMER_FIRST 9000

#define ID_TRAY_HIDE_ALL_WINDOWS 40016
#define ID_TRAY_SHOW_ALL_WINDOWS 40017
