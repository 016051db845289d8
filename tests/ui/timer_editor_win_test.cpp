#include "ui/timer_editor_win.h"

#include "engine/fake_clock.h"
#include "timers_editors_resource.h"
#include "ui/editor_test_win.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t EDITOR[] = L"Visibility Timer Editor";
constexpr wchar_t CLOCK_OPENING[] = L"Windows in the selected group will be hidden from ";
constexpr wchar_t STOPWATCH_OPENING[] =
    L"Once activated, windows in the selected group will be hidden for ";

// A time of day as the editor's lists show it: 1 to 12 o'clock, the minute, PM or not.
struct ClockFace {
    int hour;
    int minute;
    bool pm;
};

// The three lists of a time start with the hour list; the minute and AM/PM lists follow.
void choose_time(HWND editor, int hour_list, const ClockFace& face) {
    user::choose(editor, hour_list, face.hour - 1);
    user::choose(editor, hour_list + 1, face.minute);
    user::choose(editor, hour_list + 2, face.pm ? 1 : 0);
}

Texts shown_time(HWND editor, int hour_list) {
    return {user::chosen_text(editor, hour_list), user::chosen_text(editor, hour_list + 1),
            user::chosen_text(editor, hour_list + 2)};
}

std::wstring description_of(HWND editor) {
    return user::text_of(user::item(editor, IDC_TIMER_DESCRIPTION));
}

bool shown(HWND editor, int id) {
    return IsWindowVisible(user::item(editor, id)) != FALSE;
}

// A clock shows its start and end and hides the duration; a stopwatch the other way round.
void expect_layout(HWND editor, bool stopwatch) {
    for (const int id : {IDC_TIMER_START_BOX, IDC_TIMER_START_HOUR, IDC_TIMER_START_MINUTE,
                         IDC_TIMER_START_HALF, IDC_TIMER_USE_CURRENT_TIME, IDC_TIMER_END_BOX,
                         IDC_TIMER_END_HOUR, IDC_TIMER_END_MINUTE, IDC_TIMER_END_HALF}) {
        EXPECT_EQ(shown(editor, id), !stopwatch) << "control " << id;
    }
    for (const int id : {IDC_TIMER_DURATION_BOX, IDC_TIMER_HOURS_LABEL, IDC_TIMER_DURATION_HOURS,
                         IDC_TIMER_MINUTES_LABEL, IDC_TIMER_DURATION_MINUTES}) {
        EXPECT_EQ(shown(editor, id), stopwatch) << "control " << id;
    }
}

class TimerEditor : public EditorTest {
protected:
    TimerEditor() {
        for (const auto& [id, name] : {std::pair{3, L"Web Browsers"}, std::pair{7, L"Mail"}}) {
            Group group(id);
            group.set_name(name);
            group.add_pattern({.phrase = name});
            model.add_group(group);
        }
        clock.time = {14, 5, 40};
    }

    // A new timer as the timers page makes one at the clock's time.
    VisibilityTimer new_timer() const {
        return {.start_h = clock.time.hour, .start_m = clock.time.minute, .duration_m = 30};
    }

    VisibilityTimer stored(const VisibilityTimer& timer) {
        model.add_timer(timer);
        return timer;
    }
    // Mail's windows hidden from 9 AM to 5 PM, switched off.
    VisibilityTimer stored_clock() {
        return stored({.group_id = 7, .start_h = 9, .duration_h = 8});
    }

    bool run(const VisibilityTimer& timer, ModalScript& steps) {
        context.timer = timer;
        context.activate_requested = false;
        return steps.run([&] { return run_timer_editor(owner, context); });
    }
    bool run(const VisibilityTimer& timer) { return run(timer, script); }

    DataModel model;
    FakeClock clock;
    TimerEditorContext context{model, clock, {}};
};

TEST_F(TimerEditor, ANewTimerOpensAsThirtyMinutesFromNowAndTakesTheTimesChosenOrTheClocks) {
    script.on(EDITOR, [this](HWND editor) {
        EXPECT_TRUE(centred_on(editor, owner));
        EXPECT_EQ(user::chosen_text(editor, IDC_TIMER_GROUP), L"Web Browsers");
        EXPECT_TRUE(user::checked(editor, IDC_TIMER_CLOCK));
        EXPECT_FALSE(user::checked(editor, IDC_TIMER_STOPWATCH));
        expect_layout(editor, false);
        EXPECT_FALSE(shown(editor, IDC_TIMER_ACTIVATE_NOW)) << "only a stored timer has it";
        EXPECT_EQ(shown_time(editor, IDC_TIMER_START_HOUR), (Texts{L"02", L"05", L"PM"}));
        EXPECT_EQ(shown_time(editor, IDC_TIMER_END_HOUR), (Texts{L"02", L"35", L"PM"}));
        EXPECT_EQ(description_of(editor),
                  CLOCK_OPENING + std::wstring(L"2:05 PM until 2:35 PM, (30 minutes)."));
        screenshot(editor, L"timer_editor_clock");
        // The period is what the lists show, also across midnight and at twelve o'clock.
        choose_time(editor, IDC_TIMER_START_HOUR, {11, 0, true});
        choose_time(editor, IDC_TIMER_END_HOUR, {1, 0, false});
        EXPECT_EQ(description_of(editor),
                  CLOCK_OPENING + std::wstring(L"11:00 PM until 1:00 AM, (2 hours)."));
        choose_time(editor, IDC_TIMER_START_HOUR, {12, 30, false});
        choose_time(editor, IDC_TIMER_END_HOUR, {12, 15, true});
        EXPECT_EQ(description_of(editor),
                  CLOCK_OPENING +
                      std::wstring(L"12:30 AM until 12:15 PM, (11 hours and 45 minutes)."));
        clock.time = {0, 7, 59};
        user::click(editor, IDC_TIMER_USE_CURRENT_TIME);
    });
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(shown_time(editor, IDC_TIMER_START_HOUR), (Texts{L"12", L"07", L"AM"}));
        EXPECT_EQ(shown_time(editor, IDC_TIMER_END_HOUR), (Texts{L"12", L"15", L"PM"}));
        user::click(editor, IDOK);
    });
    // A timer whose group is gone takes the group the list shows, as a new one does.
    VisibilityTimer expected = new_timer();
    expected.group_id = 42;
    ASSERT_TRUE(run(expected));
    expected.group_id = 3;
    expected.start_h = 0;
    expected.start_m = 7;
    expected.duration_h = 12;
    expected.duration_m = 8;
    EXPECT_EQ(context.timer, expected) << "the clock's time without its seconds";
    EXPECT_FALSE(context.activate_requested);
}

TEST_F(TimerEditor, SwitchingTheKindStartsOverWithThirtyMinutesFromNowOrFromMidnight) {
    clock.time = {23, 50, 10};
    script.on(EDITOR, [](HWND editor) {
        expect_layout(editor, true);
        user::click(editor, IDC_TIMER_CLOCK);
    });
    script.on(EDITOR, [](HWND editor) {
        expect_layout(editor, false);
        EXPECT_EQ(shown_time(editor, IDC_TIMER_START_HOUR), (Texts{L"11", L"50", L"PM"}));
        EXPECT_EQ(shown_time(editor, IDC_TIMER_END_HOUR), (Texts{L"12", L"20", L"AM"}));
        user::click(editor, IDC_TIMER_STOPWATCH);
    });
    script.on(EDITOR, [](HWND editor) {
        expect_layout(editor, true);
        EXPECT_EQ(description_of(editor), STOPWATCH_OPENING + std::wstring(L"30 minutes."));
        user::choose(editor, IDC_TIMER_DURATION_HOURS, 1);
        user::choose(editor, IDC_TIMER_DURATION_MINUTES, 0);
        EXPECT_EQ(description_of(editor), STOPWATCH_OPENING + std::wstring(L"1 hour."));
        screenshot(editor, L"timer_editor_stopwatch");
        user::click(editor, IDOK);
    });
    VisibilityTimer expected{.group_id = 3, .type = VisibilityTimer::STOPWATCH, .duration_h = 5};
    ASSERT_TRUE(run(expected));
    expected.duration_h = 1;
    EXPECT_EQ(context.timer, expected) << "a stopwatch starts over from midnight";
}

TEST_F(TimerEditor, AStoredTimersButtonSaysWhatItSwitchesToAndARunningStopwatchKeepsItsStart) {
    const VisibilityTimer running = stored({.group_id = 7,
                                            .type = VisibilityTimer::STOPWATCH,
                                            .enabled = true,
                                            .start_h = 14,
                                            .start_m = 5,
                                            .start_s = 40,
                                            .duration_m = 10});
    script.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::chosen_text(editor, IDC_TIMER_GROUP), L"Mail");
        EXPECT_EQ(user::chosen_text(editor, IDC_TIMER_DURATION_MINUTES), L"10");
        EXPECT_EQ(user::text_of(user::item(editor, IDC_TIMER_ACTIVATE_NOW)), L"Deactivate");
        screenshot(editor, L"timer_editor_edit");
        user::choose(editor, IDC_TIMER_GROUP, 0);
        user::choose(editor, IDC_TIMER_DURATION_MINUTES, 20);
        user::click(editor, IDC_TIMER_ACTIVATE_NOW);
    });
    ASSERT_TRUE(run(running));
    EXPECT_TRUE(context.activate_requested);
    VisibilityTimer expected = running;
    expected.group_id = 3;
    expected.duration_m = 20;
    EXPECT_EQ(context.timer, expected);

    ModalScript inactive;
    inactive.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(user::text_of(user::item(editor, IDC_TIMER_ACTIVATE_NOW)), L"Activate");
        user::click(editor, IDOK);
    });
    ASSERT_TRUE(run(stored_clock(), inactive));
    EXPECT_FALSE(context.activate_requested);
}

TEST_F(TimerEditor, OkAndActivateRefuseATimerWithoutAGroupOrADurationAndCancellingReturnsNothing) {
    std::wstring no_group_on_ok;
    std::wstring no_group_on_activate;
    std::wstring no_duration;
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_TIMER_GROUP, -1);
        user::click(editor, IDOK);
    });
    script.answer(L"Invalid Group", no_group_on_ok);
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDC_TIMER_ACTIVATE_NOW); });
    script.answer(L"Invalid Group", no_group_on_activate);
    script.on(EDITOR, [](HWND editor) {
        user::choose(editor, IDC_TIMER_GROUP, 0);
        choose_time(editor, IDC_TIMER_END_HOUR, {9, 0, false});
        EXPECT_EQ(description_of(editor), L"The timer is currently set without a duration.");
        user::click(editor, IDOK);
    });
    script.answer(L"Invalid Duration", no_duration);
    script.on(EDITOR, [](HWND editor) { user::click(editor, IDCANCEL); });
    EXPECT_FALSE(run(stored_clock()));
    EXPECT_FALSE(context.activate_requested);
    EXPECT_EQ(no_group_on_ok, L"Invalid group selection.");
    EXPECT_EQ(no_group_on_activate, no_group_on_ok);
    EXPECT_EQ(no_duration, L"Visibility timers without duration can not be created.");

    // While no group exists every timer is refused.
    model.clear_groups();
    std::wstring refusal;
    ModalScript without_groups;
    without_groups.on(EDITOR, [](HWND editor) {
        EXPECT_EQ(SendDlgItemMessageW(editor, IDC_TIMER_GROUP, CB_GETCOUNT, 0, 0), 0);
        user::click(editor, IDOK);
    });
    without_groups.answer(L"Invalid Group", refusal);
    without_groups.on(EDITOR, [](HWND editor) { user::close_window(editor); });
    EXPECT_FALSE(run(new_timer(), without_groups));
    EXPECT_EQ(context.timer.group_id, -1);
    EXPECT_EQ(refusal, L"You've attempted to use a group, but no groups have been created yet.");
}

} // namespace
