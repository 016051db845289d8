#include "engine/engine_fixture.h"

#include <utility>

TEST_F(EngineTest, APassListsTitledWindowsInZOrderWithStateAndImageButNotTheMainWindowsOwn) {
    using namespace show_command;
    add_window(L"");
    const auto foreign = add_window(L"Foreign", MAXIMIZED, false);
    const auto unreadable = add_window(L"No Placement");
    system.window(unreadable).show_state = std::nullopt;
    // Hidden, or with a placement that cannot be read, a window is shown again with SW_SHOW.
    std::vector<WindowRecord> expected{{L"Foreign", L"(Unknown)", false, SHOW, foreign},
                                       {L"No Placement", L"(Unknown)", true, SHOW, unreadable}};
    std::uint32_t process = 200;
    for (const auto& [path, image] : {std::pair{L"", L"(Unknown)"},
                                      {L"bare.exe", L""},
                                      {L"C:\\mixed/dir\\tool.exe", L"tool.exe"},
                                      {L"C:/App/App.EXE", L"App.EXE"}}) {
        system.set_process_image(++process, path);
        expected.push_back({L"Owned", image, true, MINIMIZED,
                            system.add_window({L"Owned", true, MINIMIZED, foreign, process})});
    }
    WindowHandle owner = host.main; // the owner walk gives up after 256 steps
    for (int depth = 1; depth <= 256; ++depth)
        owner = system.add_window({depth >= 255 ? L"Deep" : L"", true, NORMAL, owner});
    expected.push_back({L"Deep", L"(Unknown)", true, NORMAL, owner});
    const auto long_title = add_window(std::wstring(5000, L'x'));
    expected.push_back({std::wstring(4095, L'x'), L"(Unknown)", true, NORMAL, long_title});
    EXPECT_TRUE(engine.enumerate_windows());
    EXPECT_EQ(model.windows.records, expected);

    const int refreshes = host.page_refreshes; // the page is drawn again only after a change
    settle();
    host.main = 0; // before the main window exists, every titled window is listed
    settle();
    EXPECT_EQ(model.windows.count(), static_cast<int>(expected.size()) + 2);
    EXPECT_EQ(host.page_refreshes, refreshes + 1);
    host.shown = false; // the records follow, but no page is drawn
    system.window(unreadable).visible = false;
    settle();
    EXPECT_TRUE(host.page_refreshes == refreshes + 1 && host.refresh_timer_running);
    EXPECT_FALSE(model.windows.record(index_of(unreadable)).visible);

    // A window the last pass saw keeps its process; after a look without a pass it is read.
    const int reads = system.image_reads;
    system.window(expected[3].hwnd).process_id = process;
    settle();
    EXPECT_EQ(system.image_reads, reads);
    engine.look_at_held_windows();
    settle();
    EXPECT_EQ(system.image_reads, reads + 3); // processes 201, 203 and 204
}

TEST_F(EngineTest, ShowingGroupsKeysAndTimersRestoreTheFormerStateOfOnlyWhatThisProgramHid) {
    using namespace show_command;
    const auto editor = add_window(L"Report - Editor", MAXIMIZED);
    const auto chat = add_window(L"Chat - Messenger", MINIMIZED);
    const auto mail = add_window(L"Inbox - Mail");
    // Group 0 is a real group here: a stale index must not be read as the default group.
    model.add_group(make_group(0, {title_pattern(Pattern::CONTAINS, L" - ")}));
    const auto key = [&](std::uint32_t action, int group_id = 0) {
        const HotKey hot_key{.action = action, .group_id = group_id};
        model.add_hot_key(hot_key);
        return hot_key.id;
    };
    const auto toggle = key(HotKey::TOGGLE_VISIBILITY);
    settle();
    const int past_the_end = model.windows.count();
    for (const int index : {-1, past_the_end})
        engine.hide_window(index, HiddenWindowRegister::NO_OWNER);
    engine.show_windows({past_the_end, past_the_end + 5});
    engine.hide_group(1);
    engine.show_group(-1);
    // A key whose group is gone, of an unknown action, or an unknown id does nothing.
    for (const auto id : {key(HotKey::SHOW_ONLY, 99), key(7), std::uint32_t{1}})
        engine.on_hot_key(id);
    EXPECT_TRUE(system.show_requests.empty() && system.foreground_requests.empty());
    engine.on_hot_key(toggle); // still counts its group as shown, so it hides
    EXPECT_FALSE(is_shown(editor) || is_shown(chat) || is_shown(mail));

    // After a pass, SW_SHOW lets the system bring back the state it kept; a minimised last
    // window is restored.
    engine.show_group(0);
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{mail, SHOW}));
    EXPECT_TRUE(is_shown(editor) && is_shown(chat));
    hide(chat);
    settle();
    engine.show_windows({index_of(chat)});
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{chat, RESTORE}));
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{mail, chat}));

    // Each toggle key keeps its own state, which the other keys and the group's actions set.
    // Each press, and whether the group is shown after it.
    const auto other = key(HotKey::TOGGLE_VISIBILITY), hide_only = key(HotKey::HIDE_ONLY),
               show_only = key(HotKey::SHOW_ONLY);
    const std::pair<std::uint32_t, bool> presses[] = {
        {toggle, false},    {other, false},    {toggle, true},  {hide_only, false}, {toggle, true},
        {hide_only, false}, {show_only, true}, {toggle, false}, {toggle, true},     {other, false}};
    for (std::size_t i = 0; i < std::size(presses); ++i) {
        engine.on_hot_key(presses[i].first);
        EXPECT_EQ(is_shown(editor), presses[i].second) << i;
    }
    engine.hide_group(0);
    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(editor));

    // A timer shows only the windows still on its list, a duplicate once for each entry;
    // showing a window takes it off every owner's list.
    const int timer = 22921;
    for (const auto window : {editor, editor, chat, mail, mail})
        hide(window, timer);
    hide(mail, timer + 1);
    settle();
    engine.show_window(index_of(mail)); // shown from a tab, then hidden by a group
    hide(mail);
    system.close_window(chat);
    const auto brought_forward = system.foreground_requests;
    engine.show_windows({index_of(chat)}); // a last window that is gone is not brought forward
    settle();
    system.show_requests.clear();
    EXPECT_TRUE(engine.has_owner(model.windows.record(index_of(editor))));
    engine.show_windows_of_owner(timer + 1);
    engine.show_windows_of_owner(timer);
    EXPECT_EQ(system.show_requests, (std::vector<ShowRequest>(2, {editor, SHOW})));
    EXPECT_FALSE(engine.has_owner(model.windows.record(index_of(mail))) || is_shown(mail));
    EXPECT_EQ(system.foreground_requests, brought_forward);
}

TEST_F(EngineTest, QueriesAndEventsLeaveIgnoredWindowsAndThoseAnotherProgramHid) {
    const auto notepad = add_process_window(L"Notes - Notepad", L"notepad.exe");
    const auto start = add_window(L"Start");
    const auto mail = add_process_window(L"Inbox - Mail", L"mail.exe");
    const auto editor = add_window(L"Report - Editor");
    const auto elsewhere = add_window(L"Hidden Elsewhere", show_command::NORMAL, false);
    model.add_ignore_pattern(title_pattern(Pattern::EXACTLY_MATCHES, L"Start"));
    model.add_ignore_pattern(Pattern{Pattern::CONTAINS, Pattern::IMAGE_NAME, L"NOTEPAD"});
    settle();
    const auto press = [&](int slot) { engine.on_hot_key(model.event_hot_key(slot).id); };
    press(EVENT_HIDE_ALL_EXCEPT_ACTIVE); // without an active window nothing happens
    for (const WindowHandle untouchable : {host.main, start, notepad}) {
        system.activate(untouchable);
        press(EVENT_HIDE_ACTIVE_WINDOW);
    }
    EXPECT_TRUE(system.show_requests.empty());
    system.activate(mail);
    system.foreground_goes_after_read = true; // the active window is read once
    press(EVENT_HIDE_ALL_EXCEPT_ACTIVE);
    EXPECT_TRUE(is_shown(mail) && is_shown(start) && is_shown(notepad) && !is_shown(editor) &&
                host.main_window_hides == 1);
    system.activate(mail);
    press(EVENT_HIDE_ACTIVE_WINDOW);
    std::vector<int> found{0};
    engine.find_hidden_matches(match_all_pattern(), true, found, true);
    EXPECT_EQ(found, (std::vector<int>{2, 3, 4}));

    hide(start, 7); // hidden by a timer before the ignore rule was added
    // Shown by its own program once a pass saw it hidden, a window is no longer this
    // program's; a hung program's window not yet seen hidden still is.
    system.window(mail).visible = true;
    settle();
    system.window(mail).visible = false;
    engine.show_window(index_of(editor));
    hide(editor);
    system.window(editor).visible = true;
    settle();
    system.window(editor).visible = false;
    press(EVENT_SHOW_ALL_WINDOWS);
    EXPECT_TRUE(is_shown(editor) && is_shown(notepad) && !is_shown(elsewhere) && !is_shown(start) &&
                !is_shown(mail));
    press(EVENT_TOGGLE_ALL_WINDOWS);
    EXPECT_FALSE(is_shown(editor));
    press(EVENT_TOGGLE_ALL_WINDOWS);
    EXPECT_TRUE(is_shown(editor) && is_shown(notepad) && host.main_window_hides == 3);
    EXPECT_FALSE(is_shown(mail) || is_shown(start) || is_shown(elsewhere));

    // A key acts once earlier requests settled, from the message loop, and looks again once
    // its own did, drawing the page once.
    host.shown = waiter.held = true;
    system.activate(editor);
    press(EVENT_HIDE_ACTIVE_WINDOW);
    EXPECT_TRUE(is_shown(editor) && waiter.waiting.size() == 1);
    waiter.elapse();
    const int refreshes = host.page_refreshes;
    EXPECT_TRUE(!is_shown(editor) && model.windows.record(index_of(editor)).visible);
    waiter.elapse();
    EXPECT_FALSE(model.windows.record(index_of(editor)).visible);
    EXPECT_EQ(host.page_refreshes, refreshes + 1);
}
