#pragma once

// Identifiers of the Window Group Editor and its controls. Plain #defines, since the resource
// compiler reads this file too. Its pattern entry row uses the ids of editors_resource.h, so
// that the row's code serves both pattern editors.

#define IDD_GROUP_EDITOR 113

#define IDC_GROUP_NAME_LABEL 1060
#define IDC_GROUP_NAME 1061
#define IDC_GROUP_PATTERNS 1062
#define IDC_GROUP_ADD_PATTERN 1063
#define IDC_GROUP_REMOVE_PATTERN 1064
