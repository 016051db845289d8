#pragma once

#include "app/main_window_win.h"
#include "app/unique_handle_win.h"
#include "app/worker_thread_win.h"
#include "engine/hidden_window_journal.h"
#include "model/data_model.h"
#include "storage/data_folder.h"

#include <optional>
#include <string>

// The one object that owns the program's state for the life of the process: the user's data,
// the folders and files it lives in, the main window and the update thread.
class Application final : public engine::main_window_owner {
public:
    // `in_tray`: a start at sign-in, which leaves the main window in the tray.
    explicit Application(bool in_tray) : in_tray(in_tray) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start-up: finds the folders, loads the data and opens the main window, then writes the
    // log. False when the main window cannot be created.
    bool initialise();

    // The exit sequence. Returns false only when the user chose to keep the program running;
    // otherwise saves everything, writes the log and ends the process with exit code 0.
    bool shutdown(bool silent) override;
    void save_changes() override;
    void save_for_session_end() override;

    HICON program_icon() const override { return small_icon.get(); }
    Settings& settings() override { return files->settings(); }
    bool starts_in_tray() const override { return in_tray; }

    // What the update check needs on its own thread: the main window, which owns its boxes
    // and carries out its exit request, and the thread it runs on, which it ends once done.
    HWND main_window_handle() const { return main_window.handle(); }
    engine::thread& update_worker() { return update_thread; }

private:
    void find_directories();
    void load_data();
    void load_program_icon();
    void tell_about_set_aside_files() const;

    bool initialised = false;
    bool in_tray = false;
    UniqueIcon small_icon;
    DataModel model;
    // Declared before the main window, whose engine writes to it until the window is gone.
    std::optional<HiddenWindowJournal> journal;
    MainWindow main_window;
    std::wstring current_directory;
    std::wstring application_directory;
    // The log, the four list files and the settings; their paths follow from
    // `application_directory`, so they exist from start-up on.
    std::optional<DataFolder> files;
    engine::thread update_thread;
};

// Ends this process at once with `exit_code`, running no static destructors or exit handlers:
// everything worth keeping has been saved by then.
[[noreturn]] void end_process(unsigned exit_code);
