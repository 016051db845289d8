#include "engine/engine_fixture.h"

#include <functional>
#include <string>
#include <utility>

TEST_F(EngineTest, APassListsTitledWindowsInZOrderWithStateAndImageButNotTheMainWindowsOwn) {
    using namespace show_command;
    const auto dialog = system.add_window({L"Edit Group", true, NORMAL, host.main});
    system.add_window({L"Hot Key Error", true, NORMAL, dialog});
    add_window(L"");
    const auto foreign = add_window(L"Foreign", MAXIMIZED, false);
    const auto unreadable = add_window(L"No Placement");
    system.window(unreadable).show_state = std::nullopt;
    // Hidden, or with a placement that cannot be read, a window is shown again with SW_SHOW.
    std::vector<WindowRecord> expected{{L"Foreign", L"(Unknown)", false, SHOW, foreign},
                                       {L"No Placement", L"(Unknown)", true, SHOW, unreadable}};
    const std::pair<const wchar_t*, const wchar_t*> images[] = {
        {L"", L"(Unknown)"},
        {L"bare.exe", L""},
        {L"\\Device\\Dir\\", L""},
        {L"C:\\mixed/dir\\tool.exe", L"tool.exe"},
        {L"C:/App/App.EXE", L"App.EXE"}};
    std::uint32_t process = 200;
    for (const auto& [path, image] : images) {
        system.set_process_image(++process, path);
        const auto owned = system.add_window({L"Owned", true, MINIMIZED, foreign, process});
        expected.push_back({L"Owned", image, true, MINIMIZED, owned});
    }
    expected.push_back(
        {L"Tab", L"App.EXE", true, NORMAL, system.add_window({L"Tab", true, NORMAL, 0, process})});
    // The owner walk stops after 256 steps, and at a loop.
    WindowHandle owner = host.main;
    for (int depth = 1; depth <= 256; ++depth)
        owner = system.add_window({depth >= 255 ? L"Deep" : L"", true, NORMAL, owner});
    expected.push_back({L"Deep", L"(Unknown)", true, NORMAL, owner});
    const auto loop = add_window(L"Loop");
    system.window(loop).parent = loop;
    expected.push_back({L"Loop", L"(Unknown)", true, NORMAL, loop});
    const auto long_title = add_window(std::wstring(5000, L'x'));
    expected.push_back({std::wstring(4095, L'x'), L"(Unknown)", true, NORMAL, long_title});

    EXPECT_TRUE(engine.enumerate_windows());
    EXPECT_EQ(model.windows.records, expected);
    EXPECT_EQ(system.image_path_reads, 5); // once per process and pass
    settle();
    EXPECT_EQ(system.image_path_reads, 10);
    host.main = 0; // before the main window exists, every titled window is listed
    settle();
    EXPECT_EQ(model.windows.count(), static_cast<int>(expected.size()) + 4);
}

TEST_F(EngineTest, APassRefreshesTheShownPageOnlyWhenTitleVisibilityShowStateOrOrderChanged) {
    const auto first = add_window(L"First");
    const auto second = add_window(L"Second");
    settle();
    model.windows.records[1].image_name = L"marker"; // takes no part in the comparison
    const std::function<void()> changes[] = {
        [] {},
        [&] { system.window(first).title = L"First*"; },
        [&] { system.window(first).visible = false; },
        [&] { system.window(second).show_state = show_command::MAXIMIZED; },
        [&] { system.bring_to_top(second); },
        [&] { system.close_window(first); }};
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        const int refreshes = host.page_refreshes;
        changes[i]();
        settle();
        EXPECT_EQ(host.page_refreshes, refreshes + (i > 0 ? 1 : 0)) << i;
    }
    host.shown = false; // the records follow, but no page is drawn
    add_window(L"New");
    const int refreshes = host.page_refreshes;
    settle();
    EXPECT_EQ(host.page_refreshes, refreshes);
    EXPECT_EQ(model.windows.count(), 2);
    EXPECT_TRUE(host.refresh_timer_running);
}

TEST_F(EngineTest, ShowingRestoresTheFormerStateAndGroupsShowOnlyWhatThisProgramHid) {
    using namespace show_command;
    const auto editor = add_window(L"Report - Editor", MAXIMIZED);
    const auto chat = add_window(L"Chat - Messenger", MINIMIZED);
    const auto mail = add_window(L"Inbox - Mail");
    const auto elsewhere = add_window(L"Notes - Hidden Elsewhere", NORMAL, false);
    // Group 0 is a real group here: a stale index must not be read as the default group.
    model.add_group(make_group(
        0, {title_pattern(Pattern::ENDS_WITH, L"Mail"), title_pattern(Pattern::CONTAINS, L" - ")}));
    model.add_ignore_pattern(title_pattern(Pattern::STARTS_WITH, L"Notes"));
    const HotKey toggle{.group_id = 0};
    model.add_hot_key(toggle);
    settle();
    const int past_the_end = model.windows.count();
    engine.hide_window(-1, HiddenWindowRegister::NO_OWNER);
    engine.hide_window(past_the_end, HiddenWindowRegister::NO_OWNER);
    engine.show_window(past_the_end);
    engine.show_windows({past_the_end + 5});
    engine.hide_group(1);
    engine.show_group(-1);
    EXPECT_TRUE(system.show_requests.empty() && system.foreground_requests.empty());

    // The toggle key of group 0 still counts its group as shown, so its press hides.
    engine.on_hot_key(toggle.id);
    EXPECT_FALSE(is_shown(editor) || is_shown(chat) || is_shown(mail));

    // After a pass, SW_SHOW lets the system bring back the state it kept; until then the
    // record holds the state the window was in. A minimised last window is restored.
    engine.show_group(0);
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{mail, SHOW}));
    EXPECT_EQ(system.window(editor).show_state, MAXIMIZED);
    EXPECT_TRUE(is_shown(editor) && is_shown(chat));
    EXPECT_FALSE(is_shown(elsewhere));
    settle();
    hide(editor);
    engine.show_window(index_of(editor));
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{editor, MAXIMIZED}));
    hide(chat);
    settle();
    engine.show_windows({index_of(chat)});
    EXPECT_EQ(system.show_requests.back(), (ShowRequest{chat, RESTORE}));
    hide(mail);
    settle();
    system.close_window(mail);
    engine.show_windows({index_of(mail)});
    EXPECT_EQ(system.foreground_requests, (std::vector<WindowHandle>{mail, chat}));
}

TEST_F(EngineTest, ATimerShowsOnlyTheWindowsStillOnItsListAndShowingTakesAWindowOffEveryList) {
    const int timer = 22921;
    const int other_timer = 22922;
    const auto editor = add_window(L"Report - Editor");
    const auto chat = add_window(L"Chat - Messenger");
    const auto mail = add_window(L"Inbox - Mail");
    settle();
    for (const auto window : {editor, editor, chat, mail}) // a duplicate is shown twice
        hide(window, timer);
    settle();
    engine.show_window(index_of(mail)); // shown from a tab, then hidden by a group
    hide(mail);
    system.close_window(chat);
    settle();
    system.show_requests.clear();
    engine.show_windows_of_owner(other_timer);
    engine.show_windows_of_owner(timer);
    EXPECT_EQ(system.show_requests, (std::vector<ShowRequest>(2, {editor, show_command::SHOW})));
    EXPECT_FALSE(is_shown(mail));
    EXPECT_FALSE(engine.has_owner(model.windows.record(index_of(mail))));

    // Overlapping timers: the first one's end takes the window off the second one's list too.
    hide(editor, timer);
    hide(editor, other_timer);
    settle();
    engine.show_windows_of_owner(timer);
    settle();
    hide(editor, other_timer);
    settle();
    system.show_requests.clear();
    engine.show_windows_of_owner(timer);
    EXPECT_TRUE(system.show_requests.empty());
    EXPECT_TRUE(engine.has_owner(model.windows.record(index_of(editor))));
}

TEST_F(EngineTest, QueriesAndEventsLeaveIgnoredWindowsAndThoseAnotherProgramHid) {
    const auto notepad = add_process_window(L"Notes - Notepad", L"notepad.exe");
    const auto start = add_window(L"Start");
    const auto mail = add_process_window(L"Inbox - Mail", L"mail.exe");
    const auto editor = add_window(L"Report - Editor");
    const auto elsewhere = add_window(L"Hidden Elsewhere", show_command::NORMAL, false);
    model.add_ignore_pattern(title_pattern(Pattern::EXACTLY_MATCHES, L"Start"));
    model.add_ignore_pattern(image_pattern(Pattern::CONTAINS, L"NOTEPAD"));
    settle();
    const auto hidden = [&](bool include_all) {
        std::vector<int> indices;
        engine.find_hidden_matches(match_all_pattern(), include_all, indices, true);
        return handles_at(indices);
    };
    const auto press = [&](int slot) { engine.on_hot_key(model.event_hot_key(slot).id); };
    // Merging into a list keeps it sorted and free of duplicates.
    std::vector<int> found{index_of(editor)};
    engine.find_visible_matches(image_pattern(Pattern::EXACTLY_MATCHES, L"MAIL.EXE"), found, false);
    engine.find_visible_matches(title_pattern(Pattern::CONTAINS, L"o"), found, false);
    EXPECT_EQ(handles_at(found), (std::vector<WindowHandle>{mail, editor}));

    press(EVENT_HIDE_ACTIVE_WINDOW); // without an active window nothing happens
    press(EVENT_HIDE_ALL_EXCEPT_ACTIVE);
    for (const WindowHandle untouchable : {host.main, start, notepad}) {
        system.activate(untouchable);
        press(EVENT_HIDE_ACTIVE_WINDOW);
    }
    EXPECT_TRUE(system.show_requests.empty());
    system.activate(mail);
    press(EVENT_HIDE_ALL_EXCEPT_ACTIVE);
    EXPECT_TRUE(is_shown(mail) && is_shown(start) && is_shown(notepad));
    EXPECT_FALSE(is_shown(editor));
    press(EVENT_HIDE_ACTIVE_WINDOW);
    EXPECT_FALSE(is_shown(mail));
    EXPECT_EQ(hidden(false), (std::vector<WindowHandle>{mail, editor}));
    EXPECT_EQ(hidden(true), (std::vector<WindowHandle>{mail, editor, elsewhere}));
    EXPECT_EQ(host.main_window_hides, 1);

    hide(start, 7); // hidden by a timer before the ignore rule was added
    press(EVENT_SHOW_ALL_WINDOWS);
    EXPECT_TRUE(is_shown(mail) && is_shown(editor));
    EXPECT_FALSE(is_shown(elsewhere) || is_shown(start));
    EXPECT_TRUE(engine.was_hidden_this_session(start));
    EXPECT_FALSE(engine.was_hidden_this_session(mail));

    // A window shown again and then hidden by its own program is not this program's.
    system.window(mail).visible = false;
    press(EVENT_HIDE_ALL_WINDOWS);
    EXPECT_FALSE(is_shown(editor) || is_shown(mail));
    EXPECT_TRUE(is_shown(notepad));
    EXPECT_EQ(host.main_window_hides, 2);
    press(EVENT_TOGGLE_ALL_WINDOWS);
    press(EVENT_TOGGLE_ALL_WINDOWS);
    EXPECT_FALSE(is_shown(editor));
    EXPECT_EQ(host.main_window_hides, 4);
    press(EVENT_TOGGLE_ALL_WINDOWS);
    EXPECT_TRUE(is_shown(editor) && is_shown(notepad));
    EXPECT_FALSE(is_shown(mail) || is_shown(start) || is_shown(elsewhere));
}

TEST_F(EngineTest, EachToggleKeyKeepsItsOwnStateWhichGroupActionsAndOtherKeysSet) {
    const auto browser = add_window(L"News - Browser", show_command::MAXIMIZED);
    const auto player = add_window(L"Song - Player", show_command::MINIMIZED);
    const auto editor = add_window(L"Notes - Editor");
    model.add_group(make_group(3, {title_pattern(Pattern::ENDS_WITH, L"Browser"),
                                   title_pattern(Pattern::ENDS_WITH, L"Player")}));
    const auto key = [&](std::uint32_t action, int group_id = 3) {
        const HotKey hot_key{.action = action, .group_id = group_id};
        model.add_hot_key(hot_key);
        return hot_key.id;
    };
    const auto toggle = key(HotKey::TOGGLE_VISIBILITY);
    const auto other_toggle = key(HotKey::TOGGLE_VISIBILITY);
    const auto hide_only = key(HotKey::HIDE_ONLY);
    const auto show_only = key(HotKey::SHOW_ONLY);
    settle();

    engine.on_hot_key(toggle);
    EXPECT_FALSE(is_shown(browser) || is_shown(player));
    EXPECT_TRUE(is_shown(editor));
    engine.on_hot_key(other_toggle); // counts its group as shown: hides, which changes nothing
    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(browser) && is_shown(player));
    EXPECT_EQ(system.window(player).show_state, show_command::NORMAL); // brought forward

    engine.on_hot_key(hide_only);
    engine.on_hot_key(toggle); // Hide Only left the toggle key showing next
    EXPECT_TRUE(is_shown(browser));
    engine.hide_group(0);
    settle();
    engine.on_hot_key(toggle);
    EXPECT_TRUE(is_shown(browser));
    engine.on_hot_key(show_only);
    engine.on_hot_key(hide_only);
    engine.on_hot_key(show_only); // the toggle key now counts the group as shown again
    engine.on_hot_key(toggle);
    EXPECT_FALSE(is_shown(browser));

    // A key whose group is gone, or of an unknown action, or an unknown id, shows nothing.
    system.show_requests.clear();
    for (const auto id :
         {key(HotKey::TOGGLE_VISIBILITY, 99), key(HotKey::SHOW_ONLY, 99), key(7), std::uint32_t{1}})
        engine.on_hot_key(id);
    EXPECT_TRUE(system.show_requests.empty());
    EXPECT_EQ(host.main_window_hides, 0);
}
