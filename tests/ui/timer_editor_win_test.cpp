#include "ui/timer_editor_win.h"

#include "engine/fake_clock.h"
#include "harness/screenshot_win.h"
#include "timers_editors_resource.h"
#include "ui/modal_script_win.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr wchar_t EDITOR[] = L"Visibility Timer Editor";
using Texts = std::vector<std::wstring>;

// A time as the editor's three lists of a start or an end show it.
struct ShownTime {
    std::wstring hour;
    std::wstring minute;
    std::wstring half;

    bool operator==(const ShownTime&) const = default;
};

void PrintTo(const ShownTime& time, std::ostream* out) {
    *out << std::string(time.hour.begin(), time.hour.end()) << ":"
         << std::string(time.minute.begin(), time.minute.end()) << " "
         << std::string(time.half.begin(), time.half.end());
}

ShownTime shown_time(HWND editor, int hour_list) {
    return {user::chosen_text(editor, hour_list), user::chosen_text(editor, hour_list + 1),
            user::chosen_text(editor, hour_list + 2)};
}

// Picks a time in the three lists that start with `hour_list`: 1 to 12 o'clock, the minute,
// PM or not.
void choose_time(HWND editor, int hour_list, int hour, int minute, bool pm) {
    user::choose(editor, hour_list, hour - 1);
    user::choose(editor, hour_list + 1, minute);
    user::choose(editor, hour_list + 2, pm ? 1 : 0);
}

std::wstring description_of(HWND editor) {
    return user::text_of(user::item(editor, IDC_TIMER_DESCRIPTION));
}

bool shown(HWND editor, int id) {
    return IsWindowVisible(user::item(editor, id)) != FALSE;
}

// The controls of each kind of timer: true when the clock's are shown and the stopwatch's not.
bool clock_layout(HWND editor) {
    for (const int id : {IDC_TIMER_START_BOX, IDC_TIMER_START_HOUR, IDC_TIMER_START_MINUTE,
                         IDC_TIMER_START_HALF, IDC_TIMER_USE_CURRENT_TIME, IDC_TIMER_END_BOX,
                         IDC_TIMER_END_HOUR, IDC_TIMER_END_MINUTE, IDC_TIMER_END_HALF}) {
        EXPECT_TRUE(shown(editor, id)) << "control " << id;
    }
    for (const int id : {IDC_TIMER_DURATION_BOX, IDC_TIMER_HOURS_LABEL, IDC_TIMER_DURATION_HOURS,
                         IDC_TIMER_MINUTES_LABEL, IDC_TIMER_DURATION_MINUTES}) {
        EXPECT_FALSE(shown(editor, id)) << "control " << id;
    }
    return shown(editor, IDC_TIMER_END_BOX) && !shown(editor, IDC_TIMER_DURATION_BOX);
}

bool stopwatch_layout(HWND editor) {
    return !shown(editor, IDC_TIMER_START_BOX) && !shown(editor, IDC_TIMER_END_HOUR) &&
           !shown(editor, IDC_TIMER_USE_CURRENT_TIME) && shown(editor, IDC_TIMER_DURATION_BOX) &&
           shown(editor, IDC_TIMER_HOURS_LABEL) && shown(editor, IDC_TIMER_DURATION_MINUTES);
}

void take_screenshot(HWND editor, const std::wstring& name) {
    RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    harness::save_screenshot(name);
}

class TimerEditor : public testing::Test {
protected:
    TimerEditor() {
        owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 120, 90,
                                760, 420, nullptr, nullptr, nullptr, nullptr);
        add_group(L"Web Browsers", 3);
        add_group(L"Mail", 7);
        clock.time = {14, 5, 40};
    }
    ~TimerEditor() override { DestroyWindow(owner); }

    void add_group(const std::wstring& name, int id) {
        Group group(id);
        group.set_name(name);
        group.add_pattern({.phrase = name});
        model.add_group(group);
    }

    // A new timer as the timers page makes one at the clock's time.
    VisibilityTimer new_timer() const {
        VisibilityTimer timer;
        timer.start_h = clock.time.hour;
        timer.start_m = clock.time.minute;
        timer.duration_m = 30;
        return timer;
    }

    VisibilityTimer stored_clock_timer(bool enabled) {
        VisibilityTimer timer;
        timer.group_id = 7;
        timer.enabled = enabled;
        timer.start_h = 9;
        timer.duration_h = 8;
        model.add_timer(timer);
        return timer;
    }

    bool run(const VisibilityTimer& timer) {
        context.timer = timer;
        const bool confirmed = run_timer_editor(owner, context);
        EXPECT_TRUE(script.finished())
            << "the script stopped after " << script.seen().size() << " steps";
        return confirmed;
    }

    // A step that expects a message box and answers it with OK.
    void expect_box(const std::wstring& caption, const std::wstring& text) {
        script.on(caption, [text](HWND box) {
            EXPECT_EQ(user::message_of(box), text);
            user::click(box, IDOK);
        });
    }

    HWND owner = nullptr;
    DataModel model;
    FakeClock clock;
    TimerEditorContext context{model, clock, {}};
    ModalScript script;
};

TEST_F(TimerEditor, ANewTimerOpensAsAThirtyMinuteClockFromNowOnTheFirstGroup) {
    Texts groups;
    ShownTime start;
    ShownTime end;
    std::wstring description;
    bool clock_checked = false;
    bool activate_shown = true;
    bool centred = false;
    script.on(EDITOR, [&](HWND editor) {
        groups = user::choices(editor, IDC_TIMER_GROUP);
        EXPECT_EQ(user::chosen_text(editor, IDC_TIMER_GROUP), L"Web Browsers");
        start = shown_time(editor, IDC_TIMER_START_HOUR);
        end = shown_time(editor, IDC_TIMER_END_HOUR);
        description = description_of(editor);
        clock_checked =
            user::checked(editor, IDC_TIMER_CLOCK) && !user::checked(editor, IDC_TIMER_STOPWATCH);
        activate_shown = shown(editor, IDC_TIMER_ACTIVATE_NOW);
        EXPECT_TRUE(clock_layout(editor));
        EXPECT_EQ(user::choices(editor, IDC_TIMER_START_HOUR).front(), L"01");
        EXPECT_EQ(user::choices(editor, IDC_TIMER_END_HOUR).back(), L"12");
        EXPECT_EQ(user::choices(editor, IDC_TIMER_END_MINUTE).size(), 60u);
        EXPECT_EQ(user::choices(editor, IDC_TIMER_START_HALF), (Texts{L"AM", L"PM"}));
        RECT editor_rect{};
        RECT owner_rect{};
        GetWindowRect(editor, &editor_rect);
        GetWindowRect(owner, &owner_rect);
        centred = std::abs((editor_rect.left + editor_rect.right) -
                           (owner_rect.left + owner_rect.right)) <= 2 &&
                  std::abs((editor_rect.top + editor_rect.bottom) -
                           (owner_rect.top + owner_rect.bottom)) <= 2;
        take_screenshot(editor, L"timer_editor_clock");
        user::click(editor, IDOK);
    });
    ASSERT_TRUE(run(new_timer()));
    EXPECT_EQ(groups, (Texts{L"Web Browsers", L"Mail"}));
    EXPECT_EQ(start, (ShownTime{L"02", L"05", L"PM"}));
    EXPECT_EQ(end, (ShownTime{L"02", L"35", L"PM"}));
    EXPECT_EQ(description, L"Windows in the selected group will be hidden from 2:05 PM until "
                           L"2:35 PM, (30 minutes).");
    EXPECT_TRUE(clock_checked);
    EXPECT_FALSE(activate_shown);
    EXPECT_TRUE(centred);
    const VisibilityTimer& made = context.timer;
    EXPECT_EQ(made.group_id, 3);
    EXPECT_EQ(made.type, VisibilityTimer::CLOCK);
    EXPECT_EQ((std::vector<int>{made.start_h, made.start_m, made.start_s, made.duration_h,
                                made.duration_m, made.duration_s}),
              (std::vector<int>{14, 5, 0, 0, 30, 0}));
    EXPECT_FALSE(context.activate_requested);
}

TEST_F(TimerEditor, TheEndAcrossMidnightGivesTheDurationAndAnEqualEndNone) {
    std::wstring across_midnight;
    std::wstring equal;
    script.on(EDITOR, [&](HWND editor) {
        choose_time(editor, IDC_TIMER_START_HOUR, 11, 0, true);
        choose_time(editor, IDC_TIMER_END_HOUR, 1, 0, false);
        across_midnight = description_of(editor);
        choose_time(editor, IDC_TIMER_END_HOUR, 11, 0, true);
        equal = description_of(editor);
        user::click(editor, IDOK);
    });
    expect_box(L"Invalid Duration", L"Visibility timers without duration can not be created.");
    script.on(EDITOR, [](HWND editor) {
        choose_time(editor, IDC_TIMER_END_HOUR, 1, 0, false);
        user::click(editor, IDOK);
    });
    ASSERT_TRUE(run(new_timer()));
    EXPECT_EQ(across_midnight, L"Windows in the selected group will be hidden from 11:00 PM "
                               L"until 1:00 AM, (2 hours).");
    EXPECT_EQ(equal, L"The timer is currently set without a duration.");
    EXPECT_EQ(context.timer.start_h, 23);
    EXPECT_EQ(context.timer.duration_h, 2);
    EXPECT_EQ(context.timer.duration_m, 0);
}

TEST_F(TimerEditor, TwelveOClockMapsToMidnightAndNoon) {
    script.on(EDITOR, [](HWND editor) {
        choose_time(editor, IDC_TIMER_START_HOUR, 12, 30, false);
        choose_time(editor, IDC_TIMER_END_HOUR, 12, 15, true);
        user::click(editor, IDOK);
    });
    ASSERT_TRUE(run(new_timer()));
    EXPECT_EQ(context.timer.start_h, 0);
    EXPECT_EQ(context.timer.start_m, 30);
    EXPECT_EQ(context.timer.duration_h, 11);
    EXPECT_EQ(context.timer.duration_m, 45);
}

TEST_F(TimerEditor, UseCurrentTimeSetsTheStartFromTheClockWithoutSeconds) {
    ShownTime start;
    std::wstring description;
    clock.time = {0, 7, 59};
    script.on(EDITOR, [&](HWND editor) { user::click(editor, IDC_TIMER_USE_CURRENT_TIME); });
    script.on(EDITOR, [&](HWND editor) {
        start = shown_time(editor, IDC_TIMER_START_HOUR);
        description = description_of(editor);
        user::click(editor, IDOK);
    });
    VisibilityTimer timer = new_timer();
    timer.start_h = 9;
    timer.start_m = 5;
    ASSERT_TRUE(run(timer));
    EXPECT_EQ(start, (ShownTime{L"12", L"07", L"AM"}));
    // The end stays where it was, so the period grows.
    EXPECT_EQ(description, L"Windows in the selected group will be hidden from 12:07 AM until "
                           L"9:35 AM, (9 hours and 28 minutes).");
    EXPECT_EQ(context.timer.start_s, 0);
}

TEST_F(TimerEditor, StopwatchShowsItsDurationAndStartsOverFromMidnight) {
    bool stopwatch_shown = false;
    std::wstring reset_description;
    std::wstring description;
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDC_TIMER_STOPWATCH); });
    script.on(EDITOR, [&](HWND editor) {
        stopwatch_shown = stopwatch_layout(editor);
        reset_description = description_of(editor);
        EXPECT_EQ(user::choices(editor, IDC_TIMER_DURATION_HOURS).back(), L"23");
        EXPECT_EQ(user::choices(editor, IDC_TIMER_DURATION_MINUTES).back(), L"59");
        user::choose(editor, IDC_TIMER_DURATION_HOURS, 1);
        user::choose(editor, IDC_TIMER_DURATION_MINUTES, 0);
        description = description_of(editor);
        take_screenshot(editor, L"timer_editor_stopwatch");
        user::click(editor, IDOK);
    });
    ASSERT_TRUE(run(new_timer()));
    EXPECT_TRUE(stopwatch_shown);
    EXPECT_EQ(reset_description,
              L"Once activated, windows in the selected group will be hidden for 30 minutes.");
    EXPECT_EQ(description,
              L"Once activated, windows in the selected group will be hidden for 1 hour.");
    const VisibilityTimer& made = context.timer;
    EXPECT_EQ(made.type, VisibilityTimer::STOPWATCH);
    EXPECT_EQ((std::vector<int>{made.start_h, made.start_m, made.start_s, made.duration_h,
                                made.duration_m, made.duration_s}),
              (std::vector<int>{0, 0, 0, 1, 0, 0}));
}

TEST_F(TimerEditor, ClockAgainStartsAThirtyMinutePeriodAtTheCurrentTime) {
    ShownTime start;
    ShownTime end;
    clock.time = {23, 50, 10};
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDC_TIMER_CLOCK); });
    script.on(EDITOR, [&](HWND editor) {
        EXPECT_TRUE(clock_layout(editor));
        start = shown_time(editor, IDC_TIMER_START_HOUR);
        end = shown_time(editor, IDC_TIMER_END_HOUR);
        user::click(editor, IDOK);
    });
    VisibilityTimer timer;
    timer.type = VisibilityTimer::STOPWATCH;
    timer.duration_h = 5;
    ASSERT_TRUE(run(timer));
    EXPECT_EQ(start, (ShownTime{L"11", L"50", L"PM"}));
    EXPECT_EQ(end, (ShownTime{L"12", L"20", L"AM"}));
    EXPECT_EQ(context.timer.type, VisibilityTimer::CLOCK);
    EXPECT_EQ(context.timer.duration_m, 30);
}

TEST_F(TimerEditor, EditingARunningStopwatchKeepsTheTimeItStarted) {
    VisibilityTimer running;
    running.group_id = 7;
    running.type = VisibilityTimer::STOPWATCH;
    running.enabled = true;
    running.start_h = 14;
    running.start_m = 5;
    running.start_s = 40;
    running.duration_m = 10;
    model.add_timer(running);
    ShownTime duration;
    script.on(EDITOR, [&](HWND editor) {
        EXPECT_TRUE(stopwatch_layout(editor));
        EXPECT_EQ(user::chosen_text(editor, IDC_TIMER_GROUP), L"Mail");
        duration = {user::chosen_text(editor, IDC_TIMER_DURATION_HOURS),
                    user::chosen_text(editor, IDC_TIMER_DURATION_MINUTES), L""};
        user::choose(editor, IDC_TIMER_DURATION_MINUTES, 20);
        user::click(editor, IDOK);
    });
    ASSERT_TRUE(run(running));
    EXPECT_EQ(duration, (ShownTime{L"0", L"10", L""}));
    VisibilityTimer expected = running;
    expected.duration_m = 20;
    EXPECT_EQ(context.timer, expected);
}

TEST_F(TimerEditor, TheActivateButtonOfAStoredTimerNamesWhatItDoesAndConfirms) {
    std::wstring label;
    script.on(EDITOR, [&](HWND editor) {
        EXPECT_TRUE(shown(editor, IDC_TIMER_ACTIVATE_NOW));
        label = user::text_of(user::item(editor, IDC_TIMER_ACTIVATE_NOW));
        take_screenshot(editor, L"timer_editor_edit");
        user::choose(editor, IDC_TIMER_GROUP, 0);
        user::click(editor, IDC_TIMER_ACTIVATE_NOW);
    });
    ASSERT_TRUE(run(stored_clock_timer(true)));
    EXPECT_EQ(label, L"Deactivate");
    EXPECT_TRUE(context.activate_requested);
    EXPECT_EQ(context.timer.group_id, 3);

    context.activate_requested = false;
    model.clear_timers();
    script.on(EDITOR, [&](HWND editor) {
        label = user::text_of(user::item(editor, IDC_TIMER_ACTIVATE_NOW));
        user::click(editor, IDOK);
    });
    ASSERT_TRUE(run(stored_clock_timer(false)));
    EXPECT_EQ(label, L"Activate");
    EXPECT_FALSE(context.activate_requested);
}

TEST_F(TimerEditor, ATimerWhoseGroupIsGoneTakesTheGroupTheListShows) {
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::chosen_text(editor, IDC_TIMER_GROUP), L"Web Browsers");
        user::click(editor, IDOK);
    });
    VisibilityTimer orphan = new_timer();
    orphan.group_id = 42;
    ASSERT_TRUE(run(orphan));
    EXPECT_EQ(context.timer.group_id, 3);
}

TEST_F(TimerEditor, RefusesATimerWithoutAGroupAndCancelAndTheCloseBoxReturnNothing) {
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_TIMER_GROUP, -1);
        user::click(editor, IDOK);
    });
    expect_box(L"Invalid Group", L"Invalid group selection.");
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDC_TIMER_ACTIVATE_NOW); });
    expect_box(L"Invalid Group", L"Invalid group selection.");
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    EXPECT_FALSE(run(stored_clock_timer(false)));
    EXPECT_FALSE(context.activate_requested);

    script.on(EDITOR, [](HWND editor) { user::close_window(editor); });
    EXPECT_FALSE(run(new_timer()));
}

TEST_F(TimerEditor, RefusesEveryTimerWhileNoGroupExists) {
    model.clear_groups();
    script.on(EDITOR, [](HWND editor) {
        EXPECT_TRUE(user::choices(editor, IDC_TIMER_GROUP).empty());
        user::click(editor, IDOK);
    });
    expect_box(L"Invalid Group",
               L"You've attempted to use a group, but no groups have been created yet.");
    script.on(EDITOR, [](HWND editor) { user::press_escape(editor); });
    EXPECT_FALSE(run(new_timer()));
    EXPECT_EQ(context.timer.group_id, -1);
}

} // namespace
