#include "engine/hidden_window_journal.h"

#include "app/temporary_folder.h"
#include "engine/engine_fixture.h"
#include "storage/log_tail.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

const std::wstring SAVE_FAILED_PREFIX = L"Unable to save configuration";

std::size_t count_starting_with(const std::vector<std::wstring>& lines,
                                const std::wstring& prefix) {
    return static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(),
                      [&prefix](const auto& line) { return line.starts_with(prefix); }));
}

} // namespace

// One run's engine keeps the journal; a second engine over the same windows plays the next
// run of the program after the first was ended by force.
class HiddenWindowJournalTest : public EngineTest {
protected:
    HiddenWindowJournalTest() {
        editor = add_process_window(L"Report - Editor", L"editor.exe");
        chat = add_process_window(L"Chat - Messenger", L"messenger.exe");
        mail = add_process_window(L"Inbox - Mail", L"mail.exe");
        system.window(editor).show_state = show_command::MAXIMIZED;
        engine.enumerate_windows();
        engine.keep_journal(journal);
    }

    void hide(const std::vector<WindowHandle>& windows) {
        std::vector<int> indices;
        for (const auto window : windows)
            indices.push_back(index_of(window));
        std::sort(indices.begin(), indices.end());
        engine.hide_windows(indices);
        settle();
    }

    // What the file holds for this boot, as the next run reads it.
    std::vector<WindowHandle> on_disk() {
        HiddenWindowJournal reader(path, system.boot_session());
        std::vector<WindowHandle> windows;
        for (const auto& entry : reader.take_entries())
            windows.push_back(entry.hwnd);
        return windows;
    }

    // Starts the next run: a fresh model and engine that take the journal back.
    int restart() {
        next_engine.enumerate_windows();
        return next_engine.keep_journal(next_journal);
    }

    // Shows every window the next run lists as hidden and returns them.
    std::vector<WindowHandle> show_all_in_next_run() {
        std::vector<int> indices;
        next_engine.find_hidden_matches(match_all_pattern(), false, indices, true);
        std::vector<WindowHandle> windows;
        for (const int index : indices)
            windows.push_back(next_model.windows.record(index).hwnd);
        next_engine.show_windows(indices);
        return windows;
    }

    TemporaryFolder folder;
    std::wstring path = folder.file(L"hidden_windows.xml");
    HiddenWindowJournal journal{path, system.boot_session()};
    WindowHandle editor = 0;
    WindowHandle chat = 0;
    WindowHandle mail = 0;

    DataModel next_model;
    WindowEngine next_engine{next_model, system, host, waiter};
    HiddenWindowJournal next_journal{path, system.boot_session()};
};

TEST_F(HiddenWindowJournalTest, TheFileFollowsTheWindowsHiddenShownAndClosed) {
    hide({editor, chat, mail});
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{editor, chat, mail}));
    EXPECT_EQ(journal.entries()[0].show_cmd, show_command::MAXIMIZED);

    engine.show_window(index_of(editor));
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{chat, mail}));

    system.close_window(chat);
    settle();
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{mail}));

    engine.show_windows({index_of(mail)});
    EXPECT_TRUE(on_disk().empty());
}

TEST_F(HiddenWindowJournalTest, WindowsLeftHiddenAreTakenBackByTheNextRun) {
    hide({editor, mail});
    const LogTail log;

    EXPECT_EQ(restart(), 2);

    EXPECT_EQ(next_model.windows.hidden_register.owner_of(editor), HiddenWindowRegister::NO_OWNER);
    EXPECT_EQ(
        count_starting_with(log.lines(), L"Recovered 2 hidden windows from the previous run."), 1u);
    EXPECT_EQ(show_all_in_next_run(), (std::vector<WindowHandle>{editor, mail}));
    EXPECT_TRUE(is_shown(editor) && is_shown(mail));
    EXPECT_EQ(system.window(editor).show_state, show_command::MAXIMIZED);
    EXPECT_TRUE(on_disk().empty());
}

TEST_F(HiddenWindowJournalTest, EntriesThatNoLongerNameTheirWindowAreDroppedAndNeverShown) {
    const auto shown_meanwhile = add_process_window(L"Notes", L"notes.exe");
    const auto same_image_new_process = add_process_window(L"Music", L"player.exe");
    settle();
    hide({editor, chat, mail, shown_meanwhile, same_image_new_process});

    system.close_window(editor);
    // The handle now belongs to a window of another program, hidden by someone else.
    system.set_process_image(900, L"\\Device\\HarddiskVolume2\\Apps\\intruder.exe");
    system.move_to_process(chat, 900);
    system.window(shown_meanwhile).visible = true;
    system.set_process_image(901, L"\\Device\\HarddiskVolume2\\Apps\\player.exe");
    system.move_to_process(same_image_new_process, 901);
    system.show_requests.clear();
    const LogTail log;

    EXPECT_EQ(restart(), 1);

    EXPECT_EQ(show_all_in_next_run(), (std::vector<WindowHandle>{mail}));
    EXPECT_FALSE(is_shown(chat));
    EXPECT_FALSE(is_shown(same_image_new_process));
    for (const auto& request : system.show_requests)
        EXPECT_EQ(request.window, mail);
    EXPECT_EQ(count_starting_with(log.lines(), L"Recovered 1 hidden windows"), 1u);
}

TEST_F(HiddenWindowJournalTest, EntriesOfAnotherBootAreDroppedFromTheFile) {
    hide({editor});
    system.session.boot_time += 3600;
    HiddenWindowJournal after_reboot(path, system.boot_session());

    EXPECT_EQ(next_engine.keep_journal(after_reboot), 0);

    EXPECT_TRUE(on_disk().empty());
    EXPECT_FALSE(next_model.windows.hidden_register.was_hidden(editor));
}

TEST_F(HiddenWindowJournalTest, AMissingOrDamagedFileIsLoggedAndReplaced) {
    for (const std::string content : {"", "<settings><hidden_windows><rule", "\xff\xfe garbage"}) {
        std::filesystem::remove(path_of(path));
        if (!content.empty()) {
            std::ofstream(path_of(path), std::ios::binary) << content;
        }
        const LogTail log;
        HiddenWindowJournal reader(path, system.boot_session());
        DataModel model_of_run;
        WindowEngine engine_of_run{model_of_run, system, host, waiter};

        EXPECT_EQ(engine_of_run.keep_journal(reader), 0) << content;
        EXPECT_EQ(count_starting_with(log.lines(), L"Unable to load hidden window list."), 1u);
        EXPECT_TRUE(std::filesystem::exists(path_of(path)));
        EXPECT_TRUE(on_disk().empty());
    }
}

TEST_F(HiddenWindowJournalTest, OneActionOrPassWritesTheFileOnceAndOnlyWhenItChanged) {
    // Every write into a folder that does not exist fails with one log line, which counts
    // the writes.
    HiddenWindowJournal unwritable(folder.file(L"missing/hidden_windows.xml"),
                                   system.boot_session());
    next_engine.enumerate_windows();
    next_engine.keep_journal(unwritable);
    const LogTail log;

    next_engine.hide_windows({next_model.windows.find_index(editor),
                              next_model.windows.find_index(chat),
                              next_model.windows.find_index(mail)});
    EXPECT_EQ(count_starting_with(log.lines(), SAVE_FAILED_PREFIX), 1u);
    next_engine.enumerate_windows();
    next_engine.hide_group(-1);
    EXPECT_EQ(count_starting_with(log.lines(), SAVE_FAILED_PREFIX), 1u);
    EXPECT_EQ(unwritable.entries().size(), 3u);

    {
        const WindowEngine::Action action(next_engine);
        next_engine.show_window(next_model.windows.find_index(editor));
        next_engine.show_window(next_model.windows.find_index(chat));
        EXPECT_EQ(count_starting_with(log.lines(), SAVE_FAILED_PREFIX), 1u);
    }
    EXPECT_EQ(count_starting_with(log.lines(), SAVE_FAILED_PREFIX), 2u);
    EXPECT_EQ(unwritable.entries().size(), 1u);

    next_engine.on_hot_key(next_model.event_hot_key(EVENT_HIDE_ALL_WINDOWS).id);
    EXPECT_EQ(count_starting_with(log.lines(), SAVE_FAILED_PREFIX), 3u);
    EXPECT_EQ(unwritable.entries().size(), 3u);
}
