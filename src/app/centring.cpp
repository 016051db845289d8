#include "app/centring.h"

namespace {

int keep_on_screen(int position, int size, int screen_size) {
    if (position + size > screen_size)
        position = screen_size - size;
    if (position < 0)
        position = 0;
    return position;
}

} // namespace

ScreenPoint centred_position(const ScreenRect& window, const ScreenRect& parent, int screen_width,
                             int screen_height) {
    const int x = parent.left + (parent.width() - window.width()) / 2;
    const int y = parent.top + (parent.height() - window.height()) / 2;
    return {keep_on_screen(x, window.width(), screen_width),
            keep_on_screen(y, window.height(), screen_height)};
}
