#pragma once

#include "app/main_window_win.h"
#include "app/temporary_folder.h"
#include "model/data_model.h"
#include "storage/settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

inline void pump_messages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The program around the main window: its settings, and a record of the exits it was asked
// for, which it always declines.
class FakeMainWindowOwner final : public engine::main_window_owner {
public:
    explicit FakeMainWindowOwner(const std::wstring& settings_path) {
        settings_.load(settings_path);
    }

    HICON program_icon() const override { return LoadIconW(nullptr, IDI_APPLICATION); }
    Settings& settings() override { return settings_; }
    bool shutdown(bool silent) override {
        ++shutdowns;
        last_shutdown_silent = silent;
        return false;
    }

    int shutdowns = 0;
    bool last_shutdown_silent = true;

private:
    Settings settings_{[] { return ScreenSize{1280, 1024}; }};
};

// A real main window over `model`, its settings in a temporary folder.
class MainWindowTest : public testing::Test {
protected:
    void create() {
        owner = std::make_unique<FakeMainWindowOwner>(settings_path);
        ASSERT_TRUE(window.create(*owner, model));
        pump_messages();
    }

    TemporaryFolder folder;
    std::wstring settings_path = folder.file(L"settings.xml");
    DataModel model;
    std::unique_ptr<FakeMainWindowOwner> owner;
    MainWindow window;
};
