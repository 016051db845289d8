#pragma once

#include "model/data_model.h"
#include "ui/gdi_handles_win.h"
#include "ui/page_host_win.h"

#include <windows.h>

#include <string>

namespace engine {

// One page of the main window's tab control: a modeless child dialog inside the tab control
// that shows one owner-drawn list. The page object is attached to its dialog from the
// dialog's first message on and detached before the dialog is destroyed.
class TabView {
public:
    TabView() = default;
    TabView(const TabView&) = delete;
    TabView& operator=(const TabView&) = delete;
    virtual ~TabView();

    // Builds the page's window inside `parent`. False when the page cannot be built.
    virtual bool create(page_host& host, HWND parent, DataModel& model);
    virtual void release();
    virtual void show(bool visible);
    // Rebuilds the page's list from the model.
    virtual void refresh();
    // Called whenever the window records may have changed.
    virtual void refresh_windows();
    virtual HWND window_handle() const;
    virtual DataModel* data_model() const;
    // The caption of the page's tab.
    virtual std::wstring title() const = 0;

protected:
    // Creates the page dialog from the program's resources as a child of `parent`.
    bool create_page_window(int dialog_id, HWND parent);
    void destroy_page_window();

    // The page's handling of one dialog message; the result is the dialog procedure's.
    virtual INT_PTR handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    // Sets the result a notification handler reports back to the control.
    void set_message_result(LRESULT result) const;
    // Where a context menu opens: under the focused row when the keyboard asked for it (Shift+F10
    // or the menu key), otherwise at the mouse pointer.
    POINT menu_point() const;

    page_host* host = nullptr;
    DataModel* model = nullptr;

private:
    static INT_PTR CALLBACK dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                             LPARAM lparam);
    // The keyboard's request for a list's context menu, handed to the page as the list's own
    // right click on its focused row, so that every page opens the menu it opens for the mouse.
    void open_menu_from_keyboard(HWND list);

    UniqueWindow page_window_;
    bool menu_from_keyboard_ = false;
    POINT keyboard_menu_point_{};
};

} // namespace engine
