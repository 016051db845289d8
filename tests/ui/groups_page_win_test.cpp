#include "editors_resource.h"
#include "groups_editors_resource.h"
#include "page_fixture_win.h"

namespace {

constexpr wchar_t EDITOR[] = L"Window Group Editor";

// Groups "Work" (id 0), "Games" (1, "Solitaire" in titles) and "Music" (2); a "Solitaire" window.
class GroupsPage : public PageTest {
protected:
    void SetUp() override {
        games_window = add_window(L"Solitaire");
        add_group(L"Work", L"Editor");
        add_group(L"Games", L"Solitaire");
        add_group(L"Music", L"Player");
    }

    WindowHandle games_window = 0;
};

TEST_F(GroupsPage, AddAndEditWorkACopyInTheGroupEditorThatOkRefusesUntilItMakesAGroup) {
    // A name from the file longer than typing allows.
    Group long_named = model.group(0);
    long_named.set_name(std::wstring(300, L'n'));
    model.set_group(0, long_named);
    create_pages();
    host.pages.select_tab(GROUPS);
    screenshot(host.main_dialog(), L"groups_page");

    script.on(EDITOR, [this](HWND editor) {
        EXPECT_EQ(GetWindow(editor, GW_OWNER), host.main_dialog());
        EXPECT_EQ(user::text_of(GetDlgItem(editor, IDC_GROUP_NAME)), L"Untitled Group");
        SetDlgItemTextW(editor, IDC_GROUP_NAME, L"Mail");
        user::click(editor, IDOK);
    });
    script.answer(L"Missing Window Patterns");
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_PATTERN_TARGET, 1);
        user::choose(editor, IDC_PATTERN_COMPARISON, 2);
        SetDlgItemTextW(editor, IDC_PATTERN_PHRASE, L".exe");
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    // The phrase and the comparison start over, the target stays.
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::lines(editor, IDC_GROUP_PATTERNS),
                  Texts{L"Image names that end with \".exe\""});
        EXPECT_EQ(user::chosen_text(editor, IDC_PATTERN_COMPARISON), L"Contains");
        SetDlgItemTextW(editor, IDC_PATTERN_PHRASE, L"Inbox");
        user::click(editor, IDC_GROUP_ADD_PATTERN);
    });
    script.on(EDITOR, [](HWND editor) {
        user::select_line(editor, IDC_GROUP_PATTERNS, 0);
        user::click(editor, IDC_GROUP_REMOVE_PATTERN);
    });
    // A phrase typed but not added is asked about: No keeps the editor open, Yes leaves it.
    script.on(EDITOR, [](HWND editor) {
        SetDlgItemTextW(editor, IDC_PATTERN_PHRASE, L"half typed");
        user::click(editor, IDOK);
    });
    script.answer(L"Editing Window Pattern", IDNO);
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    script.answer(L"Editing Window Pattern", IDYES);
    script.run([this] { click(GROUPS, IDC_PAGE_ADD); });
    Group mail(3);
    mail.set_name(L"Mail");
    mail.add_pattern({.compare = Pattern::CONTAINS, .applies_to = 1, .phrase = L"Inbox"});
    ASSERT_EQ(model.group_count(), 4);
    EXPECT_EQ(model.group(3), mail);

    // A cancelled edit leaves the group alone; the long name survives OK whole.
    const Group games = model.group(1);
    script.on(EDITOR, [](HWND editor) {
        SetDlgItemTextW(editor, IDC_GROUP_NAME, L"Changed");
        user::select_line(editor, IDC_GROUP_PATTERNS, 0);
        user::click(editor, IDC_GROUP_REMOVE_PATTERN);
        PostMessageW(editor, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    script.run([this] { notify_list(GROUPS, NM_DBLCLK, 1); });
    EXPECT_EQ(model.group(1), games);
    select_row(GROUPS, {0});
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDOK); });
    script.run([this] { choose_from_menu(GROUPS, 0); });
    EXPECT_EQ(model.group(0), long_named);
}

TEST_F(GroupsPage, RemovalAsksFirstAndTakesTheGroupsHotKeysAndTimersAlong) {
    model.add_hot_key({.group_id = 1, .mod_ctrl = true, .mod_alt = true, .key_code = VK_F11});
    const HotKey work_keys{.group_id = 0, .mod_ctrl = true, .mod_alt = true, .key_code = VK_F12};
    model.add_hot_key(work_keys);
    const VisibilityTimer stopwatch{
        .group_id = 1, .type = VisibilityTimer::STOPWATCH, .enabled = true, .duration_h = 1};
    model.add_timer(stopwatch);
    create_pages();
    host.pages.select_tab(GROUPS);
    host.window_engine().hide_window(model.windows.find_index(games_window),
                                     timer_owner(stopwatch));

    // No leaves everything as it was; Yes frees the group's combination at once and shows
    // what its stopwatch hid.
    ASSERT_TRUE(held(MOD_CONTROL | MOD_ALT, VK_F11));
    select_row(GROUPS, {1});
    click(GROUPS, IDC_PAGE_REMOVE);
    EXPECT_EQ(model.hot_key_count(), 2);
    host.answer = true;
    click(GROUPS, IDC_PAGE_REMOVE);
    EXPECT_EQ(column(GROUPS), (Texts{L"Work", L"Music"}));
    ASSERT_EQ(model.hot_key_count(), 1);
    EXPECT_EQ(model.hot_key(0), work_keys);
    EXPECT_FALSE(is_hidden(games_window) || held(MOD_CONTROL | MOD_ALT, VK_F11));
    EXPECT_TRUE(held(MOD_CONTROL | MOD_ALT, VK_F12));
}

} // namespace
