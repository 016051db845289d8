#include "engine/hidden_window_journal.h"

#include "app/temporary_folder.h"
#include "engine/engine_fixture.h"
#include "storage/log_tail.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

// One run's engine keeps the journal; a second engine over the same windows plays the next
// run of the program after the first was ended by force.
class HiddenWindowJournalTest : public EngineTest {
protected:
    HiddenWindowJournalTest() {
        editor = add_process_window(L"Report - Editor", L"editor.exe");
        system.window(editor).show_state = show_command::MAXIMIZED;
        chat = add_process_window(L"Chat - Messenger", L"messenger.exe");
        mail = add_process_window(L"Inbox - Mail", L"mail.exe");
        settle();
        engine.keep_journal(journal);
    }

    void hide_all() {
        settle();
        std::vector<int> indices;
        engine.find_visible_matches(match_all_pattern(), indices, true);
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

    static std::size_t count_of(const LogTail& log, const std::wstring& prefix) {
        const auto lines = log.lines();
        return static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(),
                          [&](const auto& line) { return line.starts_with(prefix); }));
    }

    TemporaryFolder folder;
    std::wstring path = folder.file(L"hidden_windows.xml");
    HiddenWindowJournal journal{path, system.boot_session()};
    WindowHandle editor = 0;
    WindowHandle chat = 0;
    WindowHandle mail = 0;
    DataModel next_model;
    WindowEngine next_engine{next_model, system, host, waiter};
};

TEST_F(HiddenWindowJournalTest, TheNextRunTakesBackOnlyWindowsStillHiddenAsRecorded) {
    const auto closed = add_process_window(L"Closed", L"closed.exe");
    const auto reused = add_process_window(L"Reused Handle", L"reused.exe");
    const auto new_process = add_process_window(L"Music", L"player.exe");
    const auto new_image = add_process_window(L"Updated", L"tool.exe");
    const auto shown_meanwhile = add_process_window(L"Notes", L"notes.exe");
    // Windows whose process or image cannot be read could never be taken back safely.
    add_window(L"No Process");
    system.add_window({L"Elevated", true, show_command::NORMAL, 0, 4242});
    hide_all();
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{editor, chat, mail, closed, reused, new_process,
                                                    new_image, shown_meanwhile}));

    // The run ends by force; meanwhile handles are closed or given to other windows.
    system.close_window(closed);
    system.set_process_image(900, L"\\Device\\HarddiskVolume2\\Apps\\intruder.exe");
    system.window(reused).process_id = 900;
    system.set_process_image(901, L"\\Device\\HarddiskVolume2\\Apps\\player.exe");
    system.window(new_process).process_id = 901;
    system.set_process_image(system.process_id(new_image), L"C:\\Apps\\other.exe");
    system.window(shown_meanwhile).visible = true;
    system.window(chat).title = L"Chat - Messenger (1)";
    system.show_requests.clear();
    const LogTail log;
    HiddenWindowJournal next_journal{path, system.boot_session()};
    next_engine.enumerate_windows();

    EXPECT_EQ(next_engine.keep_journal(next_journal), 3);
    EXPECT_EQ(count_of(log, L"Recovered 3 hidden windows from the previous run."), 1u);
    EXPECT_EQ(next_model.windows.hidden_register.owner_of(editor), HiddenWindowRegister::NO_OWNER);
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{editor, chat, mail}));
    std::vector<int> indices;
    next_engine.find_hidden_matches(match_all_pattern(), false, indices, true);
    next_engine.show_windows(indices);
    EXPECT_TRUE(is_shown(editor) && is_shown(chat) && is_shown(mail));
    EXPECT_EQ(system.window(editor).show_state, show_command::MAXIMIZED);
    EXPECT_FALSE(is_shown(reused) || is_shown(new_process) || is_shown(new_image));
    EXPECT_EQ(system.show_requests.size(), 3u);
    EXPECT_TRUE(on_disk().empty());

    // After a restart of the system nothing in the file is taken back.
    hide_all();
    system.session.boot_time += 3600;
    HiddenWindowJournal after_reboot(path, system.boot_session());
    EXPECT_EQ(WindowEngine(next_model, system, host, waiter).keep_journal(after_reboot), 0);
    EXPECT_TRUE(on_disk().empty());
}

TEST_F(HiddenWindowJournalTest, TheFileIsWrittenOncePerActionOrPassAndOnlyWhenTheSetChanged) {
    hide_all();
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{editor, chat, mail}));
    EXPECT_EQ(journal.entries()[0].show_cmd, show_command::MAXIMIZED);
    engine.show_window(index_of(editor));
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{chat, mail}));
    system.close_window(chat);
    settle();
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{mail}));

    // Every write into a folder that does not exist fails with one log line, which counts
    // the writes.
    HiddenWindowJournal unwritable(folder.file(L"missing/hidden_windows.xml"),
                                   system.boot_session());
    next_engine.enumerate_windows();
    next_engine.keep_journal(unwritable);
    const LogTail log;
    const auto writes = [&] { return count_of(log, L"Unable to save configuration"); };
    next_engine.hide_windows({0, 1});
    EXPECT_EQ(writes(), 1u);
    next_engine.enumerate_windows();
    next_engine.hide_group(-1);
    EXPECT_EQ(writes(), 1u);
    {
        const WindowEngine::Action action(next_engine);
        next_engine.show_window(0);
        next_engine.show_window(1);
        EXPECT_EQ(writes(), 1u);
    }
    EXPECT_EQ(writes(), 2u);
    EXPECT_TRUE(unwritable.entries().empty());
    next_engine.on_hot_key(next_model.event_hot_key(EVENT_HIDE_ALL_WINDOWS).id);
    EXPECT_EQ(writes(), 3u);
    EXPECT_EQ(unwritable.entries().size(), 2u);

    // A damaged file is logged and replaced.
    std::ofstream(path_of(path), std::ios::binary) << "<settings><hidden_windows><rule";
    const LogTail damaged;
    HiddenWindowJournal reader(path, system.boot_session());
    EXPECT_EQ(WindowEngine(next_model, system, host, waiter).keep_journal(reader), 0);
    EXPECT_EQ(count_of(damaged, L"Unable to load hidden window list."), 1u);
    EXPECT_TRUE(std::filesystem::exists(path_of(path)) && on_disk().empty());
}
