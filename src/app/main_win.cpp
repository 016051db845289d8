#include "app/application_win.h"
#include "app/main_dialog_keys_win.h"
#include "app/sign_in_start_win.h"
#include "app/unique_handle_win.h"

#include <windows.h>

namespace {

// One instance per machine, whoever starts it: the mutex lives in the global namespace, so
// another user's session sees it too.
struct InstanceMutex {
    UniqueKernelHandle handle;
    DWORD creation_error = ERROR_SUCCESS;

    // A mutex made in another user's session may refuse us access; that instance runs too.
    bool another_instance_runs() const {
        return creation_error == ERROR_ALREADY_EXISTS || creation_error == ERROR_ACCESS_DENIED;
    }
};

InstanceMutex create_instance_mutex() {
    HANDLE handle = CreateMutexW(nullptr, FALSE, L"Global\\{787F0B4C-CE63-4221-8222-95C8AD7FE749}");
    const DWORD error = GetLastError();
    return {UniqueKernelHandle(handle), error};
}

// Created before wWinMain runs and held until the process ends.
const InstanceMutex instance_mutex = create_instance_mutex();

// Asks the running instance to bring its main window forward. This process was started by the
// user, so it may hand the foreground on.
void bring_first_instance_forward() {
    AllowSetForegroundWindow(ASFW_ANY);
    PostMessageW(HWND_BROADCAST, MainWindow::bring_forward_message(), 0, 0);
}

void run_message_loop(const Application& application) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (translate_main_dialog_message(application.main_window_handle(), message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const bool at_sign_in = started_at_sign_in();
    if (instance_mutex.another_instance_runs()) {
        if (!at_sign_in)
            bring_first_instance_forward();
        return 0;
    }

    // Give the thread its message queue before any window exists, so that a quit message
    // posted to it from the start is not lost.
    MSG message{};
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);

    Application application(at_sign_in);
    if (application.initialise())
        run_message_loop(application);
    application.shutdown(false);
    end_process(1);
}
