#include "engine/window_list.h"

#include <algorithm>

WindowRecord WindowList::record(int index) const {
    if (!contains_index(index)) {
        return {};
    }
    return records[static_cast<std::size_t>(index)];
}

int WindowList::find_index(WindowHandle window) const {
    const auto found = std::find_if(records.begin(), records.end(),
                                    [window](const WindowRecord& r) { return r.hwnd == window; });
    if (found == records.end()) {
        return -1;
    }
    return static_cast<int>(found - records.begin());
}

bool same_windows(const std::vector<WindowRecord>& a, const std::vector<WindowRecord>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const WindowRecord& x, const WindowRecord& y) {
                          return x.title == y.title && x.visible == y.visible &&
                                 x.show_cmd == y.show_cmd && x.hwnd == y.hwnd;
                      });
}
