#include "ui/list_drawing_resources_win.h"

#include "ui/list_layout.h"
#include "ui/list_rows_win.h"

namespace {

HFONT create_row_font(int dpi) {
    // Weight 100 asks for the thinnest face; Tahoma has none, so the regular one is used.
    return CreateFontW(scaled(13, dpi), 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
}

} // namespace

ListDrawingResources::ListDrawingResources()
    : dpi_(window_dpi(nullptr)), row_font_(create_row_font(dpi_)),
      even_row_brush_(CreateSolidBrush(EVEN_ROW_COLOUR)),
      odd_row_brush_(CreateSolidBrush(ODD_ROW_COLOUR)),
      selected_row_brush_(CreateSolidBrush(SELECTED_ROW_COLOUR)) {}

void ListDrawingResources::set_dpi(int dpi) {
    if (dpi != dpi_) {
        dpi_ = dpi;
        row_font_ = UniqueGdiObject(create_row_font(dpi));
    }
}
