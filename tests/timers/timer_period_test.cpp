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

VisibilityTimer stopwatch(int hours, int minutes) {
    return {.type = VisibilityTimer::STOPWATCH, .duration_h = hours, .duration_m = minutes};
}

TEST(InPeriod, ClocksRunAcrossMidnightAndAStopwatchEndsAtItsStartingSecondOfItsLastMinute) {
    auto half_minute = clock_timer(9, 0, 0, 45);
    half_minute.start_s = 30; // a clock timer's seconds take no part
    auto watch = stopwatch(0, 10);
    watch.start_h = 14;
    watch.start_m = 5;
    watch.start_s = 40;
    // Times of day as hhmmss inside the period, and outside it. A stopwatch's tick that comes
    // late (a busy or sleeping machine) must not hide the group again.
    const std::tuple<VisibilityTimer, std::vector<int>, std::vector<int>> cases[] = {
        {clock_timer(22, 0, 4, 0), {220000, 233000, 15959}, {20000, 215959}},
        {clock_timer(10, 30, 23, 59), {102859, 103000}, {102900}},
        {clock_timer(0, 0, INT_MAX, INT_MAX), {120000}, {}},
        {half_minute, {94459}, {94500}},
        {watch, {140540, 141539}, {141540, 141610, 180000}}};
    for (const auto& [timer, inside, outside] : cases) {
        for (const int time : inside)
            EXPECT_TRUE(in_period(timer, time / 10000, time / 100 % 100, time % 100)) << time;
        for (const int time : outside)
            EXPECT_FALSE(in_period(timer, time / 10000, time / 100 % 100, time % 100)) << time;
    }
}

TEST(TimerTexts, ReadInWordsOnATwelveHourClockAndSurviveExtremeValues) {
    DataModel model;
    Group browsers(2);
    browsers.set_name(L"Web Browsers");
    model.add_group(browsers);
    auto clock = clock_timer(23, 50, 4, 20);
    auto watch = stopwatch(1, 1);
    clock.group_id = watch.group_id = 2;
    EXPECT_EQ(description_text(clock, model),
              L"This timer will hide \"Web Browsers\" from 11:50 PM "
              L"until 4:10 AM, (4 hours and 20 minutes).");
    EXPECT_EQ(description_text(watch, model),
              L"This timer will hide \"Web Browsers\" for 1 hour and 1 minute.");
    EXPECT_EQ(description_text(stopwatch(0, 1), model), L"Invalid group association.");
    EXPECT_EQ(period_text(clock_timer(12, 0, 0, 0)), L"No timer duration has been specified");
    EXPECT_EQ(period_text(stopwatch(2, 0)) + period_text(clock_timer(0, 30, 0, 30)),
              L"2 hours12:30 AM until 1:00 AM, (30 minutes)");
    EXPECT_EQ(time_of_day_text(12, 0) + time_of_day_text(24, 0), L"12:00 PM0:00 AM");
    EXPECT_EQ(period_text(clock_timer(INT_MAX, 0, 1, 0)).substr(0, 13), L"0:00 AM until");
    EXPECT_EQ(end_time({.start_h = 23, .start_m = 59, .start_s = 30, .duration_s = 30}),
              (HoursAndMinutes{0, 0}));
    EXPECT_LT(end_time(clock_timer(INT_MAX, INT_MAX, INT_MAX, INT_MAX)).hours, 24);
    EXPECT_EQ(elapsed_time(INT_MIN, INT_MIN, INT_MAX, INT_MAX).hours, INT_MAX);
}

} // namespace
