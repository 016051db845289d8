#pragma once

#include "ui/gdi_handles_win.h"

#include <windows.h>

// The font, colours and brushes every owner-drawn list of the main window draws with:
// striped rows in a light grey-blue, and a dark rounded bar with light text for selected rows.
// The font and the lines are made for one DPI: the screen's at first, the main window's later.
class ListDrawingResources {
public:
    static constexpr COLORREF EVEN_TEXT_COLOUR = RGB(32, 32, 32);
    static constexpr COLORREF ODD_TEXT_COLOUR = RGB(32, 32, 32);
    static constexpr COLORREF SELECTED_TEXT_COLOUR = RGB(250, 250, 250);
    static constexpr COLORREF EVEN_ROW_COLOUR = RGB(250, 250, 250);
    static constexpr COLORREF ODD_ROW_COLOUR = RGB(235, 235, 245);
    static constexpr COLORREF SELECTED_ROW_COLOUR = RGB(0, 0, 64);
    static constexpr COLORREF SEPARATOR_COLOUR = RGB(192, 192, 192);

    ListDrawingResources();
    ListDrawingResources(const ListDrawingResources&) = delete;
    ListDrawingResources& operator=(const ListDrawingResources&) = delete;

    // Makes the font again for a window shown at `dpi`.
    void set_dpi(int dpi);
    int dpi() const { return dpi_; }

    HFONT row_font() const { return static_cast<HFONT>(row_font_.get()); }
    HBRUSH even_row_brush() const { return static_cast<HBRUSH>(even_row_brush_.get()); }
    HBRUSH odd_row_brush() const { return static_cast<HBRUSH>(odd_row_brush_.get()); }
    HBRUSH selected_row_brush() const { return static_cast<HBRUSH>(selected_row_brush_.get()); }

private:
    int dpi_;
    UniqueGdiObject row_font_;
    UniqueGdiObject even_row_brush_;
    UniqueGdiObject odd_row_brush_;
    UniqueGdiObject selected_row_brush_;
};
