#include "ui/list_rows_win.h"

#include <commctrl.h>

namespace {

void fill_background(const ListDrawingResources& resources, const DRAWITEMSTRUCT& request,
                     bool odd) {
    SetTextColor(request.hDC, odd ? ListDrawingResources::ODD_TEXT_COLOUR
                                  : ListDrawingResources::EVEN_TEXT_COLOUR);
    FillRect(request.hDC, &request.rcItem,
             odd ? resources.odd_row_brush() : resources.even_row_brush());
}

void draw_selection_bar(const ListDrawingResources& resources, const DRAWITEMSTRUCT& request) {
    ScopedSelection brush(request.hDC, resources.selected_row_brush());
    const RECT& row = request.rcItem;
    const int corner = scaled(4, resources.dpi());
    RoundRect(request.hDC, row.left, row.top, row.right, row.bottom, corner, corner);
    SetTextColor(request.hDC, ListDrawingResources::SELECTED_TEXT_COLOUR);
}

std::vector<int> column_widths(HWND list) {
    const int count = Header_GetItemCount(ListView_GetHeader(list));
    std::vector<int> widths;
    for (int column = 0; column < count; ++column) {
        widths.push_back(ListView_GetColumnWidth(list, column));
    }
    return widths;
}

void draw_columns(HWND list, const DRAWITEMSTRUCT& request, const RowText& text, int entry,
                  int dpi) {
    RECT client{};
    GetClientRect(list, &client);
    UniqueGdiObject pen(
        CreatePen(PS_SOLID, scaled(1, dpi), ListDrawingResources::SEPARATOR_COLOUR));
    ScopedSelection pen_selection(request.hDC, pen.get());
    const auto spans = column_spans(request.rcItem.left, column_widths(list), dpi);
    for (std::size_t column = 0; column < spans.size(); ++column) {
        const auto& span = spans[column];
        RECT text_rect{span.text_left, request.rcItem.top, span.text_right, request.rcItem.bottom};
        const auto cell = text(entry, static_cast<int>(column));
        DrawTextW(request.hDC, cell.c_str(), static_cast<int>(cell.size()), &text_rect,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        MoveToEx(request.hDC, span.separator_x, 0, nullptr);
        LineTo(request.hDC, span.separator_x, client.bottom);
    }
}

} // namespace

void set_up_list(HWND list, DWORD extended_styles, const std::vector<ListColumn>& columns) {
    ListView_SetExtendedListViewStyle(list, extended_styles);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = columns[i].width;
        column.pszText = const_cast<wchar_t*>(columns[i].caption);
        column.iSubItem = static_cast<int>(i);
        ListView_InsertColumn(list, static_cast<int>(i), &column);
    }
}

void set_column_widths(HWND list, const std::vector<int>& widths) {
    for (std::size_t i = 0; i < widths.size(); ++i) {
        ListView_SetColumnWidth(list, static_cast<int>(i), widths[i]);
    }
}

int measure_list_row(HWND page_window, const ListDrawingResources& resources) {
    const HDC dc = GetDC(page_window);
    int height = 0;
    {
        ScopedSelection font(dc, resources.row_font());
        height = HIWORD(GetTabbedTextExtentW(dc, L"W", 1, 0, nullptr));
    }
    ReleaseDC(page_window, dc);
    return height + scaled(3, resources.dpi());
}

int window_dpi(HWND window) {
    // Looked up, as systems before Windows 10 lack it; they have one DPI for every window.
    using DpiOfWindow = UINT(WINAPI*)(HWND);
    static const auto dpi_of_window = reinterpret_cast<DpiOfWindow>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (window != nullptr && dpi_of_window != nullptr) {
        if (const UINT dpi = dpi_of_window(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DEFAULT_DPI;
}

void measure_rows_again(HWND list) {
    // A fixed-height owner-drawn list measures its rows when its size is reported to it.
    RECT rect{};
    GetWindowRect(list, &rect);
    WINDOWPOS position{};
    position.hwnd = list;
    position.cx = rect.right - rect.left;
    position.cy = rect.bottom - rect.top;
    position.flags = SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_NOZORDER;
    SendMessageW(list, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

bool draw_list_row(HWND list, const ListDrawingResources& resources, const DRAWITEMSTRUCT& request,
                   int entry_count, const RowText& text) {
    const auto entry = static_cast<INT_PTR>(request.itemData);
    if (entry < 0 || entry >= entry_count) {
        return false;
    }
    const int position = static_cast<int>(request.itemID);
    if (position == -1) {
        return true;
    }
    if ((request.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) == 0) {
        // No focus rectangle is ever shown.
        return (request.itemAction & ODA_FOCUS) != 0;
    }
    // Selected rows are written in the row font too, so that a row keeps its look when it is
    // selected; the text never paints a background of its own over the stripes.
    ScopedSelection font(request.hDC, resources.row_font());
    SetBkMode(request.hDC, TRANSPARENT);
    if ((request.itemState & ODS_SELECTED) != 0) {
        draw_selection_bar(resources, request);
    } else {
        fill_background(resources, request, is_odd_row(position));
    }
    draw_columns(list, request, text, static_cast<int>(entry), resources.dpi());
    return true;
}

void supply_cell_text(NMLVDISPINFOW& request, int entry_count, const RowText& text,
                      std::wstring& kept) {
    if ((request.item.mask & LVIF_TEXT) == 0 || request.item.cchTextMax <= 0) {
        return;
    }
    const int entry = static_cast<int>(request.item.lParam);
    kept = entry >= 0 && entry < entry_count ? text(entry, request.item.iSubItem) : std::wstring();
    request.item.pszText = kept.data();
}

int count_selected(HWND list) {
    return ListView_GetItemCount(list) == 0 ? 0 : static_cast<int>(ListView_GetSelectedCount(list));
}

int first_selected_row(HWND list) {
    return ListView_GetNextItem(list, -1, LVNI_SELECTED);
}

bool is_row_selected(HWND list, int row) {
    return ListView_GetItemState(list, row, LVIS_SELECTED) != 0;
}

int row_entry(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!ListView_GetItem(list, &item)) {
        return -1;
    }
    return static_cast<int>(item.lParam);
}

void refresh_after_action(engine::page_host& host) {
    host.window_engine().settle_and_enumerate();
}

void rebuild_model_list(HWND list, int entry_count, const ModelListRebuild& options) {
    const int previous = first_selected_row(list);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (int entry = 0; entry < entry_count; ++entry) {
        LVITEMW item{};
        item.mask = LVIF_PARAM | LVIF_TEXT;
        item.iItem = entry;
        item.lParam = entry;
        item.pszText = LPSTR_TEXTCALLBACKW;
        ListView_InsertItem(list, &item);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, FALSE);
    if (options.take_focus) {
        SetFocus(list);
    }
    const int last = entry_count - 1;
    const int selected = options.select_last ? last : (previous < last ? previous : last);
    if (selected >= 0) {
        const UINT state = LVIS_SELECTED | (options.focus_row ? LVIS_FOCUSED : 0);
        ListView_SetItemState(list, selected, state, state);
    }
}

PixelRect control_rect(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void move_control(HWND control, const PixelRect& rect) {
    MoveWindow(control, rect.x, rect.y, rect.width, rect.height, TRUE);
}

bool main_window_in_front(engine::page_host& host) {
    return host.main_window_shown() && GetForegroundWindow() == host.main_dialog();
}
