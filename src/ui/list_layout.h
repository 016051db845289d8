#pragma once

#include "engine/window_record.h"

#include <string>
#include <vector>

// The arithmetic of the pages' owner-drawn lists and of their placement, free of any window so
// that it can be checked on its own. Pixels throughout; the fixed lengths are given at 96 dots
// per inch and scaled to the window's `dpi`.

inline constexpr int DEFAULT_DPI = 96;

// A length given at 96 dots per inch, at `dpi`, rounded to the nearest pixel.
inline int scaled(int pixels, int dpi) {
    return (pixels * dpi + DEFAULT_DPI / 2) / DEFAULT_DPI;
}

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    bool operator==(const PixelRect&) const = default;
};

// Where one column of a row is drawn: its text between text_left and text_right, and its
// one-pixel separator line at separator_x.
struct ColumnSpan {
    int text_left = 0;
    int text_right = 0;
    int separator_x = 0;

    bool operator==(const ColumnSpan&) const = default;
};

// The spans of a row's columns, given the row's left edge and the columns' current widths.
std::vector<ColumnSpan> column_spans(int row_left, const std::vector<int>& widths, int dpi);

// Stripes follow the position on screen, not the entry shown, so they stay regular after sorting.
inline bool is_odd_row(int display_position) {
    return display_position % 2 != 0;
}

// Compares two texts with the letters A to Z folded to lower case, then by UTF-16 code unit,
// so that an underscore sorts before the letters. Negative, zero or positive.
int compare_folded(const std::wstring& a, const std::wstring& b);

// Which column a window list is sorted by, and in which direction.
struct SortOrder {
    int column = 0;
    bool ascending = true;

    // A click on a column header: a new column sorts ascending, the same one flips.
    void click(int clicked_column);
    // Column 0 compares the titles, any other column the image names.
    int compare(const WindowRecord& a, const WindowRecord& b) const;
};

// The placement of a window page's search box, list and columns in a page of the given
// client size; the controls keep their positions and the list leaves room for a row of
// buttons below it.
struct WindowPageLayout {
    PixelRect search_box;
    PixelRect list;
    int title_column = 0;
    int image_column = 0;
    int button_top = 0;
    int button_height = 0;
    int button_gap = 0;
    int first_button_x = 0;
};

WindowPageLayout window_page_layout(int width, int height, const PixelRect& search_box,
                                    const PixelRect& list, int dpi);

// The placement of a model page (groups, hot keys, timers): its text stretched to the right
// edge and its list filling the page beside the buttons.
struct ModelPageLayout {
    PixelRect text;
    PixelRect list;
};

// The hot keys and timers pages: the list is as wide as the page less the buttons' column.
ModelPageLayout hot_keys_page_layout(int width, int height, const PixelRect& text,
                                     const PixelRect& list, int add_button_width, int dpi);
// The groups page: the list is as wide as the page less the buttons' column and a margin.
ModelPageLayout groups_page_layout(int width, int height, const PixelRect& text,
                                   const PixelRect& list, int add_button_width, int dpi);

// Column widths of the model lists, from the list's width.
std::vector<int> hot_key_column_widths(int list_width);
std::vector<int> timer_column_widths(int list_width, int dpi);
int group_column_width(int list_width, int dpi);
