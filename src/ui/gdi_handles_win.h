#pragma once

#include "app/unique_handle_win.h"

#include <windows.h>

// Owning wrappers for the GDI objects, menus and windows of the tab pages.

struct GdiObjectTraits {
    using pointer = HGDIOBJ;
    static pointer invalid() { return nullptr; }
    static void close(pointer object) { DeleteObject(object); }
};

struct MenuTraits {
    using pointer = HMENU;
    static pointer invalid() { return nullptr; }
    static void close(pointer menu) { DestroyMenu(menu); }
};

struct WindowTraits {
    using pointer = HWND;
    static pointer invalid() { return nullptr; }
    static void close(pointer window) { DestroyWindow(window); }
};

using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;

// Selects a GDI object into a device context and puts the previous one back when it goes.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~ScopedSelection() { SelectObject(dc_, previous_); }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A context menu resource and the first submenu of it that the page opens.
class ContextMenu {
public:
    ContextMenu() = default;
    ContextMenu(HINSTANCE instance, int resource_id)
        : menu_(LoadMenuW(instance, MAKEINTRESOURCEW(resource_id))) {}

    HMENU popup() const { return menu_ ? GetSubMenu(menu_.get(), 0) : nullptr; }

private:
    UniqueMenu menu_;
};
