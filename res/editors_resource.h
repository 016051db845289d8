#pragma once

// Identifiers of the editor dialogs and their controls. Plain #defines, since the resource
// compiler reads this file too. Control ids are unique within their dialog.

// Dialogs.
#define IDD_STRING_PATTERN_EDITOR 105
#define IDD_IGNORE_LIST_EDITOR 114

// The pattern entry row: what the phrase is compared with, how, the phrase and its case.
#define IDC_PATTERN_TARGET 1040
#define IDC_PATTERN_COMPARISON 1041
#define IDC_PATTERN_PHRASE 1042
#define IDC_PATTERN_CASE_SENSITIVE 1043

// Ignore List Editor.
#define IDC_IGNORE_TEXT 1050
#define IDC_IGNORE_RULES 1051
#define IDC_IGNORE_ADD 1052
#define IDC_IGNORE_EDIT 1053
#define IDC_IGNORE_DUPLICATE 1054
#define IDC_IGNORE_REMOVE 1055
