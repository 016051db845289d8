#include "engine/hidden_window_journal.h"

#include "engine/engine_fixture.h"
#include "harness/temporary_folder.h"
#include "storage/log_tail.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::StartsWith;

// One run's engine keeps the journal; a second engine over the same windows plays the next
// run of the program after the first was ended by force.
class HiddenWindowJournalTest : public EngineTest {
protected:
    HiddenWindowJournalTest() {
        settle();
        engine.keep_journal(journal);
    }

    void hide_all() { engine.on_hot_key(model.event_hot_key(EVENT_HIDE_ALL_WINDOWS).id); }

    // What the file holds for this boot, as the next run reads it.
    std::vector<WindowHandle> on_disk() {
        std::vector<WindowHandle> windows;
        for (const auto& entry : HiddenWindowJournal(path, system.boot_session()).take_entries())
            windows.push_back(entry.hwnd);
        return windows;
    }

    TemporaryFolder folder;
    std::wstring path = folder.file(L"hidden_windows.xml");
    HiddenWindowJournal journal{path, system.boot_session()};
    WindowHandle editor = add_process_window(L"Report - Editor", L"editor.exe");
    WindowHandle mail = add_process_window(L"Inbox - Mail", L"mail.exe");
    DataModel next_model;
    WindowEngine next_engine{next_model, system, host, waiter};
};

TEST_F(HiddenWindowJournalTest, TheNextRunTakesBackOnlyWindowsStillHiddenAsRecorded) {
    const auto new_process = add_process_window(L"Music", L"player.exe");
    const auto new_image = add_process_window(L"Updated", L"tool.exe");
    const auto shown_meanwhile = add_process_window(L"Notes", L"notes.exe");
    add_window(L"No Process"); // windows whose process or image cannot be read are left out
    system.add_window({L"Elevated", true, show_command::NORMAL, 0, 4242});
    hide_all();
    EXPECT_EQ(on_disk(),
              (std::vector<WindowHandle>{editor, mail, new_process, new_image, shown_meanwhile}));

    // The run ends by force; meanwhile handles are given to other windows.
    system.set_process_image(901, L"C:\\Apps\\player.exe");
    system.window(new_process).process_id = 901;
    system.set_process_image(system.process_id(new_image), L"C:\\Apps\\other.exe");
    system.window(shown_meanwhile).visible = true;
    const LogTail log;
    HiddenWindowJournal next_journal{path, system.boot_session()};
    next_engine.enumerate_windows();
    EXPECT_EQ(next_engine.keep_journal(next_journal), 2);
    EXPECT_THAT(log.lines(),
                Contains(L"Recovered 2 hidden windows from the previous run.").Times(1));
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{editor, mail}));
    next_engine.on_hot_key(next_model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).id);
    EXPECT_TRUE(is_shown(editor) && is_shown(mail) && !is_shown(new_process) &&
                !is_shown(new_image));
    EXPECT_TRUE(on_disk().empty());
}

TEST_F(HiddenWindowJournalTest, TheFileIsWrittenOncePerActionOrPassAndOnlyWhenTheSetChanged) {
    const auto chat = add_process_window(L"Chat - Messenger", L"messenger.exe");
    hide_all();
    engine.show_window(index_of(editor));
    system.close_window(chat);
    settle();
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{mail}));

    // Every write into a folder that does not exist fails with one log line.
    HiddenWindowJournal unwritable(folder.file(L"missing/hidden_windows.xml"),
                                   system.boot_session());
    next_engine.enumerate_windows();
    next_engine.keep_journal(unwritable);
    const LogTail log;
    const auto writes = [&](int count) {
        EXPECT_THAT(log.lines(),
                    Contains(StartsWith(L"Unable to save configuration")).Times(count));
    };
    next_engine.hide_windows({0, 1});
    writes(1);
    next_engine.enumerate_windows();
    next_engine.hide_group(-1);
    writes(1);
    {
        const WindowEngine::Action action(next_engine);
        next_engine.show_window(0);
        next_engine.show_window(1);
        writes(1);
    }
    writes(2);
    next_engine.on_hot_key(next_model.event_hot_key(EVENT_HIDE_ALL_WINDOWS).id);
    writes(3);
    EXPECT_EQ(unwritable.entries().size(), 2u);
}
