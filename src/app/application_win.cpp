#include "app/application_win.h"

#include "app/diagnostic_log.h"
#include "app/file_system.h"
#include "app/message_box_win.h"
#include "engine/window_system_win.h"
#include "resource.h"
#include "storage/screen_size_win.h"
#include "update/update_check_win.h"

#include <commctrl.h>

bool Application::initialise() {
    initialised = false;

    find_directories();
    load_data();

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    load_program_icon();
    journal.emplace(files->hidden_windows_path(), Win32WindowSystem().boot_session());
    if (!main_window.create(*this, model, &*journal))
        return false;

    initialised = true;
    write_log(diagnostic_messages(), files->log_path());
    if (files->settings().check_updates()) {
        update_thread.set_parameter(this);
        update_thread.start(&check_for_updates, UPDATE_CHECK_INTERVAL_MILLISECONDS);
    }
    tell_about_set_aside_files();
    return true;
}

void Application::save_changes() {
    if (files)
        files->save_changes(model);
}

void Application::save_for_session_end() {
    if (files) {
        files->save(model);
        write_log(diagnostic_messages(), files->log_path());
    }
}

bool Application::shutdown(bool silent) {
    if (!main_window.confirm_exit(silent))
        return false;
    // The exit keeps what a session end keeps, in the same order.
    save_for_session_end();
    main_window.destroy();
    initialised = false;
    end_process(0);
}

void Application::find_directories() {
    current_directory = get_current_directory();
    log_path_message("Current directory: [%s]", current_directory);

    if (!prepare_application_directory(L"Hushcloak", application_directory))
        application_directory = current_directory;
    log_path_message("Application directory: [%s]", application_directory);
}

void Application::load_data() {
    files.emplace(application_directory, &full_screen_client_area);
    if (!files->load(model)) {
        warning_box(nullptr, L"Critical Error",
                    L"Unable to load or create settings.  Please check read-only status.");
    }
}

// Once per start, over the main window: only this start's copies are named, so a copy an
// earlier start made is not reported again.
void Application::tell_about_set_aside_files() const {
    const std::vector<std::wstring>& copies = files->set_aside_copies();
    if (copies.empty())
        return;
    std::wstring text = L"Hushcloak could not read these files. It kept them under new names and "
                        L"started without what they hold:\n";
    for (const std::wstring& copy : copies)
        text += L"\n" + copy;
    information_box(main_window.handle(), L"Files Set Aside", text);
}

void Application::load_program_icon() {
    small_icon.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_HUSHCLOAK), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
}

void end_process(unsigned exit_code) {
    TerminateProcess(GetCurrentProcess(), exit_code);
    // Ending the own process does not return; should it ever, ExitProcess still ends it.
    ExitProcess(exit_code);
}
