#include "timers/timer_period.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

namespace {

VisibilityTimer clock_timer(int start_h, int start_m, int duration_h, int duration_m) {
    return {
        .start_h = start_h, .start_m = start_m, .duration_h = duration_h, .duration_m = duration_m};
}

VisibilityTimer stopwatch(int hours, int minutes, int start_m = 0, int start_s = 0) {
    VisibilityTimer timer = clock_timer(0, start_m, hours, minutes);
    timer.type = VisibilityTimer::STOPWATCH;
    timer.start_s = start_s;
    return timer;
}

TEST(InPeriod, ClocksRunAcrossMidnightAndAStopwatchEndsAtItsStartingSecondOfItsLastMinute) {
    // Times of day as hhmmss inside the period, and outside it: a clock timer's seconds take no
    // part, and a stopwatch's tick that comes late (a busy or sleeping machine) is past its end.
    const std::tuple<VisibilityTimer, std::vector<int>, std::vector<int>> cases[] = {
        {clock_timer(22, 0, 4, 0), {220000, 233000, 15959}, {20000, 215959}},
        {clock_timer(10, 30, 23, 59), {102859, 103000}, {102900}},
        {clock_timer(0, 0, INT_MAX, INT_MAX), {120000}, {}},
        {VisibilityTimer{.start_h = 9, .start_s = 30, .duration_m = 45}, {94459}, {94500}},
        {stopwatch(0, 10, 5, 40), {540, 1539}, {1540, 1610, 20000}}};
    for (const auto& [timer, inside, outside] : cases)
        for (const bool in : {true, false})
            for (const int time : in ? inside : outside)
                EXPECT_EQ(in_period(timer, time / 10000, time / 100 % 100, time % 100), in) << time;
}

TEST(TimerTexts, ReadInWordsOnATwelveHourClockAndSurviveExtremeValues) {
    DataModel model;
    Group browsers(2);
    browsers.set_name(L"Web Browsers");
    model.add_group(browsers);
    auto clock = clock_timer(12, 50, 11, 20);
    auto watch = stopwatch(1, 1);
    clock.group_id = watch.group_id = 2;
    EXPECT_EQ(description_text(clock, model),
              L"This timer will hide \"Web Browsers\" from 12:50 PM "
              L"until 12:10 AM, (11 hours and 20 minutes).");
    EXPECT_EQ(description_text(watch, model),
              L"This timer will hide \"Web Browsers\" for 1 hour and 1 minute.");
    EXPECT_EQ(description_text(stopwatch(0, 1), model), L"Invalid group association.");
    EXPECT_EQ(period_text(clock_timer(12, 0, 0, 0)), L"No timer duration has been specified");
    EXPECT_EQ(time_of_day_text(24, 0) + period_text(clock_timer(INT_MAX, 0, 1, 0)).substr(0, 13),
              L"0:00 AM0:00 AM until");
    EXPECT_LT(end_time(clock_timer(INT_MAX, INT_MAX, INT_MAX, INT_MAX)).hours, 24);
    EXPECT_EQ(elapsed_time(INT_MIN, INT_MIN, INT_MAX, INT_MAX).hours, INT_MAX);
}

} // namespace
