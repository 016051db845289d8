#pragma once

#include "model/data_model.h"
#include "model/visibility_timer.h"

#include <string>

struct HoursAndMinutes {
    int hours = 0;
    int minutes = 0;

    bool operator==(const HoursAndMinutes&) const = default;
};

// The time from a start to the next time the clock shows the end, across midnight: 0 hours
// 0 minutes to 23 hours 59 minutes for times of day.
HoursAndMinutes elapsed_time(int start_hour, int start_minute, int end_hour, int end_minute);

// Whether the local time lies in the timer's period, to the minute; a stopwatch's period ends
// at the second it was started.
bool in_period(const VisibilityTimer& timer, int hour, int minute, int second);

// The time of day the period ends (start plus duration), hour 0 to 23 for sound records.
HoursAndMinutes end_time(const VisibilityTimer& timer);

// "9:05 AM"; an hour outside 0 to 23 shows as 0 AM.
std::wstring time_of_day_text(int hour, int minute);

// The period in words: "9:00 AM until 5:30 PM, (8 hours and 30 minutes)" for a clock,
// "1 hour and 30 minutes" for a stopwatch.
std::wstring period_text(const VisibilityTimer& timer);

// The tool tip of a timer: what it hides and when.
std::wstring description_text(const VisibilityTimer& timer, const DataModel& model);
