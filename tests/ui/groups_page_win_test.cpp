#include "editors_resource.h"
#include "groups_editors_resource.h"
#include "menu_choice_win.h"
#include "page_fixture_win.h"
#include "timers/timer_scheduler.h"
#include "ui/modal_script_win.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::wstring>;
constexpr int GROUPS = 2;
constexpr wchar_t EDITOR[] = L"Window Group Editor";
const Question REMOVE_QUESTION{
    L"Remove Group",
    L"There are hotkeys or timers associated with this group.  If you delete this group, those "
    L"associated items will also be removed.  Are you sure you'd like to remove this group?"};

// The middle of a window on the screen; odd sizes may round either way.
POINT centre_of(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class GroupsPage : public PageTest {
protected:
    // Groups "Work" (id 0, title contains "Editor"), "Games" (1, "Solitaire") and "Music" (2,
    // "Player"), with one window for each, and the groups page current.
    void SetUp() override {
        work_window = add_window(L"Text Editor");
        games_window = add_window(L"Solitaire");
        music_window = add_window(L"Player");
        add_group(L"Work", L"Editor");
        add_group(L"Games", L"Solitaire");
        add_group(L"Music", L"Player");
        create_pages();
        host.pages.select_tab(GROUPS);
    }

    void add_group(const std::wstring& name, const std::wstring& phrase) {
        Group group(model.next_group_id());
        group.set_name(name);
        group.add_pattern(title_contains(phrase));
        model.add_group(group);
    }

    std::vector<Group> groups() const {
        std::vector<Group> all;
        for (int index = 0; index < model.group_count(); ++index) {
            all.push_back(model.group(index));
        }
        return all;
    }

    HotKey hot_key_of(int group_id) {
        HotKey hot_key;
        hot_key.group_id = group_id;
        hot_key.mod_ctrl = true;
        hot_key.key_code = 'H';
        return hot_key;
    }

    // Runs a page command that may open dialogs, and checks that the script saw them through.
    void run(int button) {
        click(GROUPS, button);
        EXPECT_TRUE(script.finished())
            << "the script stopped after " << script.seen().size() << " steps";
    }

    WindowHandle work_window = 0;
    WindowHandle games_window = 0;
    WindowHandle music_window = 0;
    ModalScript script;
};

TEST_F(GroupsPage, AddOpensTheEditorOnANewGroupWithTheNextIdAndSelectsItAfterOk) {
    std::wstring name;
    Texts lines{L"not read"};
    script.on(EDITOR, [&](HWND editor) {
        name = user::text_of(user::item(editor, IDC_GROUP_NAME));
        lines = user::lines(editor, IDC_GROUP_PATTERNS);
        EXPECT_EQ(GetWindow(editor, GW_OWNER), host.main_dialog());
        const POINT editor_centre = centre_of(editor);
        const POINT main_centre = centre_of(host.main_dialog());
        EXPECT_LE(std::abs(editor_centre.x - main_centre.x), 1);
        EXPECT_LE(std::abs(editor_centre.y - main_centre.y), 1);
        user::type(editor, IDC_GROUP_NAME, L"Mail");
        user::type(editor, IDC_PATTERN_PHRASE, L"Inbox");
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    run(IDC_PAGE_ADD);
    EXPECT_EQ(name, L"Untitled Group");
    EXPECT_TRUE(lines.empty());
    ASSERT_EQ(model.group_count(), 4);
    EXPECT_EQ(model.group(3).id(), 3);
    EXPECT_EQ(model.group(3).name(), L"Mail");
    EXPECT_EQ(model.group(3).patterns(), std::vector<Pattern>{title_contains(L"Inbox")});
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Games", L"Music", L"Mail"}));
    EXPECT_EQ(first_selected_row(list(GROUPS)), 3);
    EXPECT_TRUE(enabled(GROUPS, IDC_PAGE_EDIT));
}

TEST_F(GroupsPage, CancelledAddOrEditLeavesTheGroupsAsTheyWere) {
    const auto before = groups();
    select_row(GROUPS, 1);
    script.on(EDITOR, [](HWND editor) {
        user::type(editor, IDC_GROUP_NAME, L"Changed");
        user::type(editor, IDC_PATTERN_PHRASE, L"more");
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    run(IDC_PAGE_EDIT);

    ModalScript adding;
    adding.on(EDITOR, [](HWND editor) { user::close_window(editor); });
    click(GROUPS, IDC_PAGE_ADD);
    EXPECT_TRUE(adding.finished());
    EXPECT_EQ(groups(), before);
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Games", L"Music"}));
}

TEST_F(GroupsPage, EditByButtonDoubleClickOrMenuWritesTheCopyBackAfterOk) {
    select_row(GROUPS, 1);
    std::wstring opened_with;
    script.on(EDITOR, [&](HWND editor) {
        opened_with = user::text_of(user::item(editor, IDC_GROUP_NAME));
        user::type(editor, IDC_GROUP_NAME, L"Card Games");
        user::select_line(editor, IDC_GROUP_PATTERNS, 0);
        user::click(editor, IDC_GROUP_REMOVE_PATTERN);
    });
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_COMPARISON, 0);
        user::type(editor, IDC_PATTERN_PHRASE, L"Freecell");
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    run(IDC_PAGE_EDIT);
    EXPECT_EQ(opened_with, L"Games");
    const Group edited = model.group(1);
    EXPECT_EQ(edited.id(), 1);
    EXPECT_EQ(edited.name(), L"Card Games");
    const Pattern freecell{.compare = Pattern::STARTS_WITH,
                           .applies_to = Pattern::WINDOW_TITLE,
                           .phrase = L"Freecell"};
    EXPECT_EQ(edited.patterns(), std::vector<Pattern>{freecell});
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Card Games", L"Music"}));
    EXPECT_EQ(first_selected_row(list(GROUPS)), 1);

    select_row(GROUPS, 2);
    ModalScript double_click;
    double_click.on(EDITOR, [](HWND editor) {
        user::type(editor, IDC_GROUP_NAME, L"Songs");
        user::click(editor, IDOK);
    });
    notify_list(GROUPS, NM_DBLCLK);
    EXPECT_TRUE(double_click.finished());
    EXPECT_EQ(model.group(2).name(), L"Songs");

    select_row(GROUPS, 0);
    ModalScript from_menu;
    from_menu.on(EDITOR, [](HWND editor) {
        user::type(editor, IDC_GROUP_NAME, L"Office");
        user::click(editor, IDOK);
    });
    {
        MenuChoice choice(0);
        notify_list(GROUPS, NM_RCLICK);
    }
    EXPECT_TRUE(from_menu.finished());
    EXPECT_EQ(model.group(0).name(), L"Office");
}

TEST_F(GroupsPage, CommandsThatNeedASelectedGroupDoNothingWithoutOne) {
    const auto before = groups();
    // An editor or question that opened would fail the empty script.
    for (const int button : {IDC_PAGE_EDIT, IDC_PAGE_REMOVE, IDC_GROUP_HIDE_ALL}) {
        SendMessageW(page_window(GROUPS), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control(GROUPS, button)));
    }
    notify_list(GROUPS, NM_DBLCLK);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(groups(), before);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(system.show_requests.empty());
}

TEST_F(GroupsPage, ContextMenuOffersTheGroupCommandsAlsoWithoutASelection) {
    {
        MenuChoice choice(-1);
        notify_list(GROUPS, NM_RCLICK);
    }
    EXPECT_EQ(MenuChoice::items(),
              (Texts{L"&Edit Group", L"&Remove Group", L"", L"&Show All Windows in Group",
                     L"&Hide All Windows in Group"}));
    {
        MenuChoice choice(4);
        notify_list(GROUPS, NM_RCLICK);
    }
    EXPECT_TRUE(system.show_requests.empty()) << "nothing selected, nothing hidden";
}

TEST_F(GroupsPage, HideAllAndShowAllActOnTheSelectedGroupsWindowsOnly) {
    select_row(GROUPS, 1);
    click(GROUPS, IDC_GROUP_HIDE_ALL);
    EXPECT_TRUE(is_hidden(games_window));
    EXPECT_FALSE(is_hidden(work_window));
    EXPECT_FALSE(is_hidden(music_window));
    EXPECT_EQ(host.pages.current_index(), GROUPS);

    click(GROUPS, IDC_GROUP_SHOW_ALL);
    EXPECT_FALSE(is_hidden(games_window));

    select_row(GROUPS, 2);
    {
        MenuChoice choice(4);
        notify_list(GROUPS, NM_RCLICK);
    }
    EXPECT_TRUE(is_hidden(music_window));
    {
        MenuChoice choice(3);
        notify_list(GROUPS, NM_RCLICK);
    }
    EXPECT_FALSE(is_hidden(music_window));
}

TEST_F(GroupsPage, RemovingAnUnusedGroupAsksNothingAndSelectsTheNewLastRow) {
    select_row(GROUPS, 2);
    click(GROUPS, IDC_PAGE_REMOVE);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Games"}));
    EXPECT_EQ(first_selected_row(list(GROUPS)), 1);
    {
        MenuChoice choice(1);
        notify_list(GROUPS, NM_RCLICK);
    }
    EXPECT_EQ(column(GROUPS), (Texts{L"Work"}));
    EXPECT_EQ(model.next_group_id(), 1);
}

TEST_F(GroupsPage, NoToTheRemovalQuestionLeavesGroupsHotKeysAndTimersAlone) {
    model.add_hot_key(hot_key_of(1));
    VisibilityTimer timer;
    timer.group_id = 1;
    timer.enabled = true;
    model.add_timer(timer);
    const auto before = groups();
    select_row(GROUPS, 1);
    host.answers = {false};
    click(GROUPS, IDC_PAGE_REMOVE);
    EXPECT_EQ(host.questions, std::vector<Question>{REMOVE_QUESTION});
    EXPECT_EQ(groups(), before);
    EXPECT_EQ(model.hot_key_count(), 1);
    ASSERT_EQ(model.timer_count(), 1);
    EXPECT_EQ(model.timer(0), timer);
}

TEST_F(GroupsPage, YesRemovesTheGroupItsHotKeysAndTimersAndShowsWhatItsTimersHid) {
    const HotKey kept_hot_key = hot_key_of(0);
    model.add_hot_key(hot_key_of(1));
    model.add_hot_key(kept_hot_key);
    model.add_hot_key(hot_key_of(1));
    VisibilityTimer stopwatch;
    stopwatch.group_id = 1;
    stopwatch.type = VisibilityTimer::STOPWATCH;
    stopwatch.enabled = true;
    stopwatch.duration_h = 1;
    VisibilityTimer kept_timer;
    kept_timer.group_id = 2;
    model.add_timer(stopwatch);
    model.add_timer(kept_timer);
    host.window_engine().hide_window(model.windows.find_index(games_window),
                                     timer_owner(stopwatch));
    ASSERT_TRUE(is_hidden(games_window));

    select_row(GROUPS, 1);
    host.answers = {true};
    click(GROUPS, IDC_PAGE_REMOVE);
    EXPECT_EQ(host.questions, std::vector<Question>{REMOVE_QUESTION});
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Music"}));
    EXPECT_EQ(model.find_group_index(1), -1);
    ASSERT_EQ(model.hot_key_count(), 1);
    EXPECT_EQ(model.hot_key(0), kept_hot_key);
    ASSERT_EQ(model.timer_count(), 1);
    EXPECT_EQ(model.timer(0), kept_timer);
    EXPECT_FALSE(is_hidden(games_window)) << "the stopwatch's window is shown again";
    EXPECT_TRUE(model.windows.hidden_register.windows_of(timer_owner(stopwatch)).empty());
}

TEST_F(GroupsPage, TheCombinationOfARemovedGroupsHotKeyIsFreeAtOnce) {
    HotKey hot_key = hot_key_of(1);
    hot_key.mod_alt = true;
    hot_key.key_code = VK_F11;
    model.add_hot_key(hot_key);
    constexpr UINT combination = MOD_CONTROL | MOD_ALT;
    ASSERT_TRUE(
        RegisterHotKey(host.main_dialog(), static_cast<int>(hot_key.id), combination, VK_F11));
    constexpr int another_id = 0x3FF0;
    ASSERT_FALSE(RegisterHotKey(host.main_dialog(), another_id, combination, VK_F11))
        << "the combination is held while its hot key exists";
    select_row(GROUPS, 1);
    host.answers = {true};
    click(GROUPS, IDC_PAGE_REMOVE);
    ASSERT_EQ(model.hot_key_count(), 0);
    EXPECT_TRUE(RegisterHotKey(host.main_dialog(), another_id, combination, VK_F11));
    UnregisterHotKey(host.main_dialog(), another_id);
    UnregisterHotKey(host.main_dialog(), static_cast<int>(hot_key.id));
}

} // namespace
