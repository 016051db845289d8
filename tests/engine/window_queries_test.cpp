#include "engine/engine_fixture.h"

class WindowQueries : public EngineTest {
protected:
    WindowQueries() {
        notepad = add_process_window(L"Notes - Notepad", L"notepad.exe");
        start = add_window(L"Start");
        mail = add_process_window(L"Inbox - Mail", L"mail.exe");
        hidden_elsewhere = add_window(L"Hidden By Someone Else", show_command::NORMAL, false);
        model.add_ignore_pattern(title_pattern(Pattern::EXACTLY_MATCHES, L"Start"));
        settle();
    }

    std::vector<WindowHandle> visible_matches(const Pattern& pattern) {
        std::vector<int> indices;
        engine.find_visible_matches(pattern, indices, true);
        return handles_at(indices);
    }

    std::vector<WindowHandle> hidden_matches(bool include_all = false) {
        std::vector<int> indices;
        engine.find_hidden_matches(match_all_pattern(), include_all, indices, true);
        return handles_at(indices);
    }

    WindowHandle notepad = 0;
    WindowHandle start = 0;
    WindowHandle mail = 0;
    WindowHandle hidden_elsewhere = 0;
};

TEST_F(WindowQueries, VisibleMatchesLeaveOutIgnoredAndHiddenWindows) {
    EXPECT_EQ(visible_matches(match_all_pattern()), (std::vector<WindowHandle>{notepad, mail}));
    EXPECT_TRUE(visible_matches(title_pattern(Pattern::CONTAINS, L"Start")).empty());
    EXPECT_EQ(visible_matches(image_pattern(Pattern::EXACTLY_MATCHES, L"MAIL.EXE")),
              (std::vector<WindowHandle>{mail}));
    EXPECT_TRUE(visible_matches(title_pattern(Pattern::EXACTLY_MATCHES, L"mail.exe")).empty());

    // Merging without clearing keeps the list sorted and free of duplicates.
    std::vector<int> indices{index_of(mail)};
    engine.find_visible_matches(title_pattern(Pattern::CONTAINS, L"-"), indices, false);
    engine.find_visible_matches(image_pattern(Pattern::STARTS_WITH, L"note"), indices, false);
    EXPECT_EQ(handles_at(indices), (std::vector<WindowHandle>{notepad, mail}));

    // An ignore pattern on the image name wins over a title pattern.
    model.add_ignore_pattern(image_pattern(Pattern::CONTAINS, L"notepad"));
    EXPECT_TRUE(visible_matches(title_pattern(Pattern::CONTAINS, L"Notepad")).empty());
}

TEST_F(WindowQueries, HiddenMatchesAreTheWindowsThisProgramHidThatAreNotIgnored) {
    hide(mail);
    hide(start, 22921); // hidden before the ignore rule could say otherwise, e.g. by a tab button
    // The records stay as they were until the pass after an action.
    EXPECT_EQ(visible_matches(match_all_pattern()), (std::vector<WindowHandle>{notepad, mail}));
    EXPECT_TRUE(hidden_matches().empty());
    settle();

    EXPECT_EQ(hidden_matches(), (std::vector<WindowHandle>{mail}));
    EXPECT_EQ(hidden_matches(true), (std::vector<WindowHandle>{mail, hidden_elsewhere}));
    EXPECT_TRUE(engine.was_hidden_this_session(start));
    EXPECT_TRUE(engine.has_owner(model.windows.record(index_of(start))));
    EXPECT_FALSE(engine.has_owner(model.windows.record(index_of(mail))));
    EXPECT_FALSE(engine.has_owner(model.windows.record(index_of(hidden_elsewhere))));

    // A window shown again and then hidden by its own application is no longer one of them.
    engine.show_window(index_of(mail));
    system.window(mail).visible = false;
    settle();
    EXPECT_TRUE(hidden_matches().empty());
    EXPECT_FALSE(engine.was_hidden_this_session(mail));
}
