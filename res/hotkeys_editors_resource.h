#pragma once

// Identifiers of the two hot key dialogs and their controls. Plain #defines, since the resource
// compiler reads this file too. Both dialogs share the ids of their "Hot Key Settings:" box.

#define IDD_HOT_KEY_EDITOR 107
#define IDD_OTHER_EVENTS 108

// The "Hot Key Settings:" box: the four modifiers and the key.
#define IDC_HOT_KEY_KEY 1021
#define IDC_HOT_KEY_CTRL 1023
#define IDC_HOT_KEY_ALT 1024
#define IDC_HOT_KEY_SHIFT 1025
#define IDC_HOT_KEY_WIN 1026

// Hot Key Editor.
#define IDC_HOT_KEY_ACTION 1020
#define IDC_HOT_KEY_GROUP 1027

// Configure Other Hot Key Events.
#define IDC_HOT_KEY_EVENT 1027
#define IDC_HOT_KEY_CLEAR 3
