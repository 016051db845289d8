#include "ui/list_drawing_resources_win.h"

namespace {

HFONT create_row_font() {
    // Weight 100 asks for the thinnest face; Tahoma has none, so the regular one is used.
    return CreateFontW(13, 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"Tahoma");
}

} // namespace

ListDrawingResources::ListDrawingResources()
    : row_font_(create_row_font()), even_row_brush_(CreateSolidBrush(EVEN_ROW_COLOUR)),
      odd_row_brush_(CreateSolidBrush(ODD_ROW_COLOUR)),
      selected_row_brush_(CreateSolidBrush(SELECTED_ROW_COLOUR)) {}
