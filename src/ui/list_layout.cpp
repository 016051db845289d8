#include "ui/list_layout.h"

namespace {

wchar_t fold_letter(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Single precision, truncated toward zero, as the lists have always been laid out.
int fraction_of(int width, float fraction) {
    return static_cast<int>(fraction * static_cast<float>(width));
}

} // namespace

std::vector<ColumnSpan> column_spans(int row_left, const std::vector<int>& widths, int dpi) {
    std::vector<ColumnSpan> spans;
    const int padding = scaled(2, dpi);
    int text_left = row_left + padding;
    int right_edge = row_left;
    for (const int width : widths) {
        right_edge += width;
        spans.push_back({text_left, text_left + width - 2 * padding, right_edge - 1});
        text_left += width + padding;
    }
    return spans;
}

int compare_folded(const std::wstring& a, const std::wstring& b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        // Compared as UTF-16 code units, whatever the width of wchar_t.
        const auto left = static_cast<unsigned>(fold_letter(a[i])) & 0xFFFFu;
        const auto right = static_cast<unsigned>(fold_letter(b[i])) & 0xFFFFu;
        if (left != right) {
            return left < right ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

void SortOrder::click(int clicked_column) {
    if (clicked_column == column) {
        ascending = !ascending;
    } else {
        column = clicked_column;
        ascending = true;
    }
}

int SortOrder::compare(const WindowRecord& a, const WindowRecord& b) const {
    const int result =
        column == 0 ? compare_folded(a.title, b.title) : compare_folded(a.image_name, b.image_name);
    return ascending ? result : -result;
}

WindowPageLayout window_page_layout(int width, int height, const PixelRect& search_box,
                                    const PixelRect& list, int dpi) {
    WindowPageLayout layout;
    layout.search_box = {search_box.x, search_box.y, width - search_box.x - scaled(8, dpi),
                         search_box.height};
    layout.list = {list.x, list.y, width - scaled(16, dpi), height - list.y - scaled(40, dpi)};
    layout.title_column = fraction_of(layout.list.width, 0.7f);
    layout.image_column = fraction_of(layout.list.width, 0.25f);
    layout.button_top = height - scaled(32, dpi);
    layout.button_height = scaled(24, dpi);
    layout.button_gap = scaled(4, dpi);
    layout.first_button_x = scaled(8, dpi);
    return layout;
}

ModelPageLayout hot_keys_page_layout(int width, int height, const PixelRect& text,
                                     const PixelRect& list, int add_button_width, int dpi) {
    const int margin = scaled(8, dpi);
    return {{text.x, text.y, width - text.x - margin, text.height},
            {list.x, list.y, width - add_button_width - scaled(24, dpi), height - list.y - margin}};
}

ModelPageLayout groups_page_layout(int width, int height, const PixelRect& text,
                                   const PixelRect& list, int add_button_width, int dpi) {
    const int margin = scaled(8, dpi);
    return {{text.x, text.y, width - text.x - margin, text.height},
            {list.x, list.y, width - (add_button_width + scaled(16, dpi)) - margin,
             height - list.y - margin}};
}

std::vector<int> hot_key_column_widths(int list_width) {
    return {fraction_of(list_width, 0.40f), fraction_of(list_width, 0.31f),
            fraction_of(list_width, 0.25f)};
}

std::vector<int> timer_column_widths(int list_width, int dpi) {
    const int width = list_width - scaled(8, dpi);
    return {fraction_of(width, 0.59f), fraction_of(width, 0.20f), fraction_of(width, 0.20f)};
}

int group_column_width(int list_width, int dpi) {
    return static_cast<int>(0.99 * static_cast<double>(list_width - scaled(8, dpi)));
}
