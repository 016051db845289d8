#include "groups_editors_resource.h"
#include "page_fixture_win.h"
#include "ui/editor_test_win.h"

#include <string>
#include <vector>

namespace {

constexpr int GROUPS = 2;
constexpr wchar_t EDITOR[] = L"Window Group Editor";
const Question REMOVE_QUESTION{
    L"Remove Group",
    L"There are hotkeys or timers associated with this group.  If you delete this group, those "
    L"associated items will also be removed.  Are you sure you'd like to remove this group?"};

HotKey ctrl_h_for_group(int group_id) {
    return {.group_id = group_id, .mod_ctrl = true, .key_code = 'H'};
}

ModalScript::Action rename_to(const std::wstring& name) {
    return [name](HWND editor) { user::type(editor, IDC_GROUP_NAME, name); };
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

    WindowHandle work_window = 0;
    WindowHandle games_window = 0;
    WindowHandle music_window = 0;
    ModalScript script;
};

TEST_F(GroupsPage, AddOpensTheEditorCentredOnANewGroupAndKeepsItOnlyAfterOk) {
    const ModelLists before(model);
    script.on(EDITOR, [](HWND editor) { user::close_window(editor); });
    click_through(script, GROUPS, IDC_PAGE_ADD);
    EXPECT_EQ(ModelLists(model), before);

    script.on(EDITOR, [this](HWND editor) {
        EXPECT_EQ(user::text_of(user::item(editor, IDC_GROUP_NAME)), L"Untitled Group");
        EXPECT_TRUE(user::lines(editor, IDC_GROUP_PATTERNS).empty());
        EXPECT_EQ(GetWindow(editor, GW_OWNER), host.main_dialog());
        EXPECT_TRUE(centred_on(editor, host.main_dialog()));
        user::type(editor, IDC_GROUP_NAME, L"Mail");
        user::type(editor, IDC_PATTERN_PHRASE, L"Inbox");
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    click_through(script, GROUPS, IDC_PAGE_ADD);
    ASSERT_EQ(model.group_count(), 4);
    EXPECT_EQ(model.group(3).id(), 3);
    EXPECT_EQ(model.group(3).name(), L"Mail");
    EXPECT_EQ(model.group(3).patterns(), std::vector<Pattern>{title_contains(L"Inbox")});
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Games", L"Music", L"Mail"}));
    EXPECT_EQ(first_selected_row(list(GROUPS)), 3);
    EXPECT_TRUE(enabled(GROUPS, IDC_PAGE_EDIT));
}

TEST_F(GroupsPage, EditByButtonDoubleClickOrMenuWritesTheCopyBackOnlyAfterOk) {
    const ModelLists before(model);
    select_row(GROUPS, 1);
    script.on(EDITOR, [](HWND editor) {
        user::type(editor, IDC_GROUP_NAME, L"Changed");
        user::type(editor, IDC_PATTERN_PHRASE, L"more");
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    click_through(script, GROUPS, IDC_PAGE_EDIT);
    EXPECT_EQ(ModelLists(model), before);
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Games", L"Music"}));

    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::text_of(user::item(editor, IDC_GROUP_NAME)), L"Games");
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
    click_through(script, GROUPS, IDC_PAGE_EDIT);
    EXPECT_EQ(model.group(1).id(), 1);
    EXPECT_EQ(model.group(1).name(), L"Card Games");
    const Pattern freecell{.compare = Pattern::STARTS_WITH, .phrase = L"Freecell"};
    EXPECT_EQ(model.group(1).patterns(), std::vector<Pattern>{freecell});
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Card Games", L"Music"}));
    EXPECT_EQ(first_selected_row(list(GROUPS)), 1);

    select_row(GROUPS, 2);
    confirm_in(EDITOR, rename_to(L"Songs"), [this] { notify_list(GROUPS, NM_DBLCLK); });
    select_row(GROUPS, 0);
    confirm_in(EDITOR, rename_to(L"Office"), [this] { choose_from_menu(GROUPS, 0); });
    EXPECT_EQ(column(GROUPS), (Texts{L"Office", L"Card Games", L"Songs"}));
}

TEST_F(GroupsPage, WithoutASelectionTheGroupCommandsAreOfferedButDoNothing) {
    const ModelLists before(model);
    EXPECT_FALSE(enabled(GROUPS, IDC_PAGE_EDIT));
    EXPECT_TRUE(enabled(GROUPS, IDC_PAGE_ADD));
    EXPECT_EQ(choose_from_menu(GROUPS, -1),
              (Texts{L"&Edit Group", L"&Remove Group", L"", L"&Show All Windows in Group",
                     L"&Hide All Windows in Group"}));
    choose_from_menu(GROUPS, 4);
    // An editor or question that opened would fail the empty script.
    for (const int button : {IDC_PAGE_EDIT, IDC_PAGE_REMOVE, IDC_GROUP_HIDE_ALL}) {
        SendMessageW(page_window(GROUPS), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control(GROUPS, button)));
    }
    notify_list(GROUPS, NM_DBLCLK);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(ModelLists(model), before);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(system.show_requests.empty());
}

TEST_F(GroupsPage, HideAllAndShowAllActOnTheSelectedGroupsWindowsOnly) {
    select_row(GROUPS, 1);
    EXPECT_TRUE(enabled(GROUPS, IDC_GROUP_HIDE_ALL));
    click(GROUPS, IDC_GROUP_HIDE_ALL);
    EXPECT_TRUE(is_hidden(games_window));
    EXPECT_FALSE(is_hidden(work_window));
    EXPECT_FALSE(is_hidden(music_window));
    EXPECT_EQ(host.pages.current_index(), GROUPS);
    click(GROUPS, IDC_GROUP_SHOW_ALL);
    EXPECT_FALSE(is_hidden(games_window));

    select_row(GROUPS, 2);
    choose_from_menu(GROUPS, 4);
    EXPECT_TRUE(is_hidden(music_window));
    choose_from_menu(GROUPS, 3);
    EXPECT_FALSE(is_hidden(music_window));
}

TEST_F(GroupsPage, RemovingAnUnusedGroupAsksNothingAndSelectsTheNewLastRow) {
    select_row(GROUPS, 2);
    click(GROUPS, IDC_PAGE_REMOVE);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Games"}));
    EXPECT_EQ(first_selected_row(list(GROUPS)), 1);
    EXPECT_EQ(GetFocus(), list(GROUPS));
    choose_from_menu(GROUPS, 1);
    EXPECT_EQ(column(GROUPS), (Texts{L"Work"}));
    EXPECT_EQ(model.next_group_id(), 1);
}

TEST_F(GroupsPage, RemovingAGroupInUseAsksFirstThenTakesItsHotKeysAndTimersAlong) {
    const HotKey kept_hot_key = ctrl_h_for_group(0);
    model.add_hot_key(ctrl_h_for_group(1));
    model.add_hot_key(kept_hot_key);
    model.add_hot_key(ctrl_h_for_group(1));
    const VisibilityTimer stopwatch{
        .group_id = 1, .type = VisibilityTimer::STOPWATCH, .enabled = true, .duration_h = 1};
    const VisibilityTimer kept_timer{.group_id = 2};
    model.add_timer(stopwatch);
    model.add_timer(kept_timer);
    host.window_engine().hide_window(model.windows.find_index(games_window),
                                     timer_owner(stopwatch));
    select_row(GROUPS, 1);

    const ModelLists before(model);
    host.answers = {false};
    click(GROUPS, IDC_PAGE_REMOVE);
    EXPECT_EQ(host.questions, std::vector<Question>{REMOVE_QUESTION});
    EXPECT_EQ(ModelLists(model), before) << "No changes nothing";
    EXPECT_TRUE(is_hidden(games_window));

    host.answers = {true};
    click(GROUPS, IDC_PAGE_REMOVE);
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Music"}));
    EXPECT_EQ(model.find_group_index(1), -1);
    EXPECT_EQ(ModelLists(model).hot_keys, std::vector<HotKey>{kept_hot_key});
    EXPECT_EQ(ModelLists(model).timers, std::vector<VisibilityTimer>{kept_timer});
    EXPECT_FALSE(is_hidden(games_window)) << "the stopwatch's window is shown again";
    EXPECT_TRUE(model.windows.hidden_register.windows_of(timer_owner(stopwatch)).empty());
}

// Removing a group once left its hot keys' combinations held until the hot keys were next
// registered, so neither a new hot key nor another program could take them.
TEST_F(GroupsPage, TheCombinationOfARemovedGroupsHotKeyIsFreeAtOnce) {
    const HotKey hot_key{.group_id = 1, .mod_ctrl = true, .mod_alt = true, .key_code = VK_F11};
    model.add_hot_key(hot_key);
    const auto id = static_cast<int>(hot_key.id);
    constexpr int another_id = 0x3FF0;
    ASSERT_TRUE(RegisterHotKey(host.main_dialog(), id, MOD_CONTROL | MOD_ALT, VK_F11));
    ASSERT_FALSE(RegisterHotKey(host.main_dialog(), another_id, MOD_CONTROL | MOD_ALT, VK_F11))
        << "the combination is held while its hot key exists";
    select_row(GROUPS, 1);
    host.answers = {true};
    click(GROUPS, IDC_PAGE_REMOVE);
    ASSERT_EQ(model.hot_key_count(), 0);
    EXPECT_TRUE(RegisterHotKey(host.main_dialog(), another_id, MOD_CONTROL | MOD_ALT, VK_F11));
    UnregisterHotKey(host.main_dialog(), another_id);
    UnregisterHotKey(host.main_dialog(), id);
}

} // namespace
