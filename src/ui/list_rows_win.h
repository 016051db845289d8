#pragma once

#include "ui/list_drawing_resources_win.h"
#include "ui/list_layout.h"
#include "ui/page_host_win.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

// What the five pages' lists share: their columns, their fixed row height, the drawing of a
// row, and the rebuild of a list that shows the entries of a model list.

struct ListColumn {
    const wchar_t* caption;
    int width;
};

// The text of one column of the entry a row shows.
using RowText = std::function<std::wstring(int entry, int column)>;

// Sets the list's extended styles and inserts its left-aligned columns.
void set_up_list(HWND list, DWORD extended_styles, const std::vector<ListColumn>& columns);
void set_column_widths(HWND list, const std::vector<int>& widths);

// The dots per inch `window` is shown at (null: the screen's), as the system scales it.
int window_dpi(HWND window);
// Has the list ask its parent for the row height again, after the font or the DPI changed.
void measure_rows_again(HWND list);

// The height of every row: the row font's height of "W" plus 3 pixels.
int measure_list_row(HWND page_window, const ListDrawingResources& resources);

// Draws one row of a list whose rows show entries 0 to entry_count - 1 of a source list.
// False (not handled, nothing drawn) for a row whose entry no longer exists.
bool draw_list_row(HWND list, const ListDrawingResources& resources, const DRAWITEMSTRUCT& request,
                   int entry_count, const RowText& text);

// Answers a list's request for the text of a cell (LVN_GETDISPINFO) with `text`; an entry that
// no longer exists gets an empty text. `kept` holds the text, as it must outlive the request.
void supply_cell_text(NMLVDISPINFOW& request, int entry_count, const RowText& text,
                      std::wstring& kept);

int count_selected(HWND list);
// The display position of the first selected row, or -1.
int first_selected_row(HWND list);
bool is_row_selected(HWND list, int row);
// The item data of a row: the index of the entry it shows.
int row_entry(HWND list, int row);

// After a page, the tray menu or an editor hid or showed windows: lets them settle, takes a
// new snapshot and rebuilds the current page while the main window is shown.
void refresh_after_action(engine::page_host& host);

// Deletes every row and inserts one per entry, in model order. The first selected row stays
// selected, limited to the last row; with select_last the last row is selected instead.
// `focus_row` marks the selected row focused as well; `take_focus` gives the list the keyboard
// focus.
struct ModelListRebuild {
    bool select_last = false;
    bool focus_row = true;
    bool take_focus = true;
};
void rebuild_model_list(HWND list, int entry_count, const ModelListRebuild& options);

// A control's rectangle in its parent's client coordinates.
PixelRect control_rect(HWND control);
void move_control(HWND control, const PixelRect& rect);
// True when the main dialog is shown normally or maximised and is the foreground window.
bool main_window_in_front(engine::page_host& host);
