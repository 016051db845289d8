#include "engine/hidden_window_journal.h"

#include "engine/engine_fixture.h"
#include "harness/temporary_folder.h"
#include "storage/log_tail.h"

#include <gmock/gmock.h>

using ::testing::Contains, ::testing::StartsWith;

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
    const auto restarted = add_process_window(L"Clock", L"clock.exe");
    const auto new_image = add_process_window(L"Updated", L"tool.exe");
    const auto shown_meanwhile = add_process_window(L"Notes", L"notes.exe");
    const auto untitled = add_process_window(L"Loses Its Title", L"viewer.exe");
    add_window(L"No Process"); // windows whose process or image cannot be read are left out
    system.add_window({L"Elevated", true, show_command::NORMAL, 0, 4242});
    hide_all();
    system.window(untitled).title.clear(); // no record from now on, but still held hidden
    settle();
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{editor, mail, restarted, new_image,
                                                    shown_meanwhile, untitled}));

    // The run ends by force; meanwhile a process id is given to a new process, an image is
    // replaced, and the clock is set back two minutes.
    system.creation_times[system.process_id(restarted)] = 7;
    system.set_process_image(system.process_id(new_image), L"C:\\Apps\\other.exe");
    system.window(shown_meanwhile).visible = true;
    system.session.boot_time -= 120;
    // The next run hides a window before it has its journal.
    const auto early = add_process_window(L"Early", L"early.exe");
    next_engine.enumerate_windows();
    next_engine.hide_window(next_model.windows.find_index(early), HiddenWindowRegister::NO_OWNER);
    HiddenWindowJournal next_journal{path, system.boot_session()};
    EXPECT_EQ(next_engine.keep_journal(next_journal), 3);
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{editor, mail, untitled, early}));
    next_engine.on_hot_key(next_model.event_hot_key(EVENT_SHOW_ALL_WINDOWS).id);
    EXPECT_TRUE(is_shown(editor) && is_shown(mail) && is_shown(early) && !is_shown(restarted) &&
                !is_shown(new_image));
    // What the exit prompt shows comes from the register, titled or not.
    EXPECT_EQ(next_engine.held_hidden_windows(), (std::vector<WindowHandle>{untitled}));
    next_engine.show_held_windows();
    EXPECT_TRUE(is_shown(untitled) && on_disk().empty());
}

TEST_F(HiddenWindowJournalTest, AFailedWriteIsTriedAgainAtEachPassAndAnActionWritesAtItsEnd) {
    const auto chat = add_process_window(L"Chat - Messenger", L"messenger.exe");
    hide_all();
    {
        const WindowEngine::Action action(engine);
        engine.show_window(index_of(editor));
        EXPECT_EQ(on_disk().size(), 3u);
    }
    system.close_window(chat);
    settle();
    EXPECT_EQ(on_disk(), (std::vector<WindowHandle>{mail}));

    // Into a folder that does not exist yet every write fails; only the first is logged, and
    // the first pass once the folder is there writes the file.
    const auto missing = folder.path() / "missing";
    const auto unwritable_path = text_of(missing / "hidden_windows.xml");
    HiddenWindowJournal unwritable(unwritable_path, system.boot_session());
    next_engine.enumerate_windows();
    const LogTail log;
    next_engine.keep_journal(unwritable);
    next_engine.hide_windows({0, 1});
    next_engine.enumerate_windows();
    EXPECT_THAT(log.lines(), Contains(StartsWith(L"Unable to save configuration")).Times(1));
    std::filesystem::create_directory(missing);
    next_engine.enumerate_windows();
    EXPECT_EQ(HiddenWindowJournal(unwritable_path, system.boot_session()).take_entries().size(),
              2u);
}
