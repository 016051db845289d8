#include "timers/timer_period.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

VisibilityTimer clock_timer(int start_h, int start_m, int duration_h, int duration_m) {
    return {
        .start_h = start_h, .start_m = start_m, .duration_h = duration_h, .duration_m = duration_m};
}

VisibilityTimer stopwatch(int hours, int minutes) {
    return {.type = VisibilityTimer::STOPWATCH, .duration_h = hours, .duration_m = minutes};
}

TEST(ElapsedTime, CountsToTheNextOccurrenceOfTheEnd) {
    EXPECT_EQ(elapsed_time(9, 0, 17, 30), (HoursAndMinutes{8, 30}));
    EXPECT_EQ(elapsed_time(10, 30, 10, 10), (HoursAndMinutes{23, 40}));
    EXPECT_EQ(elapsed_time(14, 5, 14, 5), (HoursAndMinutes{0, 0}));
    EXPECT_EQ(elapsed_time(23, 59, 0, 0), (HoursAndMinutes{0, 1}));
    EXPECT_EQ(elapsed_time(INT_MIN, INT_MIN, INT_MAX, INT_MAX).hours, INT_MAX);
}

TEST(InPeriod, ClockRunsAcrossMidnightIgnoresSecondsAndSurvivesExtremeDurations) {
    const VisibilityTimer timer = clock_timer(22, 0, 4, 0);
    EXPECT_TRUE(in_period(timer, 22, 0, 0));
    EXPECT_TRUE(in_period(timer, 23, 30, 0));
    EXPECT_TRUE(in_period(timer, 1, 59, 59));
    EXPECT_FALSE(in_period(timer, 2, 0, 0));
    EXPECT_FALSE(in_period(timer, 21, 59, 59));

    VisibilityTimer with_seconds = clock_timer(9, 0, 0, 45);
    with_seconds.start_s = 30;
    EXPECT_FALSE(in_period(with_seconds, 9, 45, 0));
    EXPECT_TRUE(in_period(with_seconds, 9, 44, 59));
    EXPECT_TRUE(in_period(clock_timer(0, 0, INT_MAX, INT_MAX), 12, 0, 0));
}

TEST(InPeriod, ClockOfAlmostADayMissesOnlyTheMinuteBeforeItsStart) {
    const VisibilityTimer timer = clock_timer(10, 30, 23, 59);
    int minutes_outside = 0;
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            if (!in_period(timer, hour, minute, 0)) {
                ++minutes_outside;
                EXPECT_EQ(hour * 60 + minute, 10 * 60 + 29);
            }
        }
    }
    EXPECT_EQ(minutes_outside, 1);
}

TEST(InPeriod, StopwatchEndsAtItsStartingSecondOrWhenATickComesLate) {
    VisibilityTimer timer = stopwatch(0, 10);
    timer.start_h = 14;
    timer.start_m = 5;
    timer.start_s = 40;
    EXPECT_TRUE(in_period(timer, 14, 5, 40));
    EXPECT_TRUE(in_period(timer, 14, 15, 39));
    EXPECT_FALSE(in_period(timer, 14, 15, 40));
    // A tick that comes late (a busy or sleeping machine) must not hide the group again.
    EXPECT_FALSE(in_period(timer, 14, 16, 10));
    EXPECT_FALSE(in_period(timer, 18, 0, 0));
}

TEST(TimeOfDayText, UsesTwelveHourClock) {
    std::wstring texts;
    for (const auto& [hour, minute] :
         {std::pair{9, 5}, {12, 0}, {0, 30}, {11, 59}, {13, 10}, {23, 59}, {24, 0}, {-1, 0}})
        texts += time_of_day_text(hour, minute) + L"|";
    EXPECT_EQ(texts, L"9:05 AM|12:00 PM|12:30 AM|11:59 AM|1:10 PM|11:59 PM|0:00 AM|0:00 AM|");
}

TEST(PeriodText, ReadsInWords) {
    const std::pair<VisibilityTimer, const wchar_t*> cases[] = {
        {clock_timer(22, 0, 4, 0), L"10:00 PM until 2:00 AM, (4 hours)"},
        {clock_timer(9, 0, 8, 30), L"9:00 AM until 5:30 PM, (8 hours and 30 minutes)"},
        {clock_timer(9, 0, 1, 1), L"9:00 AM until 10:01 AM, (1 hour and 1 minute)"},
        {clock_timer(23, 50, 0, 20), L"11:50 PM until 12:10 AM, (20 minutes)"},
        {clock_timer(9, 0, 0, 0), L"No timer duration has been specified"},
        {stopwatch(0, 0), L"No timer duration has been specified"},
        {stopwatch(1, 30), L"1 hour and 30 minutes"},
        {stopwatch(2, 0), L"2 hours"},
        {stopwatch(0, 1), L"1 minute"}};
    for (const auto& [timer, text] : cases)
        EXPECT_EQ(period_text(timer), text);
}

TEST(EndTime, CarriesSecondsMinutesAndWrapsTheHour) {
    const VisibilityTimer seconds_carry{
        .start_h = 23, .start_m = 59, .start_s = 30, .duration_s = 30};
    EXPECT_EQ(end_time(seconds_carry), (HoursAndMinutes{0, 0}));
    EXPECT_EQ(end_time(clock_timer(20, 40, 5, 30)), (HoursAndMinutes{2, 10}));
    EXPECT_LT(end_time(clock_timer(INT_MAX, INT_MAX, INT_MAX, INT_MAX)).hours, 24);
    EXPECT_EQ(period_text(clock_timer(INT_MAX, 0, 1, 0)).substr(0, 13), L"0:00 AM until");
}

TEST(DescriptionText, SaysWhatAndWhen) {
    DataModel model;
    Group browsers(2);
    browsers.set_name(L"Web Browsers");
    model.add_group(browsers);
    VisibilityTimer clock = clock_timer(9, 0, 8, 0);
    clock.group_id = 2;
    EXPECT_EQ(description_text(clock, model),
              L"This timer will hide \"Web Browsers\" from 9:00 AM until 5:00 PM, (8 hours).");
    VisibilityTimer watch = stopwatch(0, 45);
    watch.group_id = 2;
    EXPECT_EQ(description_text(watch, model),
              L"This timer will hide \"Web Browsers\" for 45 minutes.");
    watch.group_id = 3;
    EXPECT_EQ(description_text(watch, model), L"Invalid group association.");
}

} // namespace
