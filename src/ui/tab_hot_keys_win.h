#pragma once

#include "hotkeys/hot_key_registrar_win.h"
#include "hotkeys/hot_key_registration.h"
#include "hotkeys/hot_key_registration_warning_win.h"
#include "ui/model_list_page_win.h"

#include <memory>

namespace engine {

// Page 3: the group hot keys with their groups, key combinations and actions. The page holds
// the model's hot keys with the system, on the main window, for as long as it lives; it lets
// them go while an editor changes one, so that an unchanged combination does not collide with
// its own registration, and registers them again when the editor closes.
class TabHotKeys final : public ModelListPage {
public:
    TabHotKeys();
    ~TabHotKeys() override;
    std::wstring title() const override { return L" Hot Keys "; }

    // Builds the page, then registers the hot keys (a box for each one the system refuses).
    bool create(page_host& host, HWND parent, DataModel& model) override;
    // Releases the hot keys; the page window stays.
    void release() override;

private:
    // The system's hot key service bound to the main window, and what the page holds with it.
    struct HeldHotKeys {
        HeldHotKeys(const DataModel& model, HWND main_window)
            : registrar(main_window), warnings(main_window),
              registration(model, registrar, warnings) {}

        Win32HotKeyRegistrar registrar;
        WarningBoxDisplay warnings;
        HotKeyRegistration registration;
    };

    int entry_count() const override;
    std::wstring row_text(int entry, int column) const override;
    void layout(int width, int height) override;
    ModelListRebuild rebuild_options() const override;
    void update_buttons() override;
    INT_PTR handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    INT_PTR on_list_notification(const NMHDR& header);

    void run_command(int command) override;
    void add_hot_key();
    void edit_hot_key();
    void remove_hot_key();
    void confirm_and_remove_hot_key();
    void edit_other_events();
    HotKeyTestResult test(const HotKey& candidate);

    std::unique_ptr<HeldHotKeys> held_;
};

} // namespace engine
