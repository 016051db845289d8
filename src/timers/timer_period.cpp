#include "timers/timer_period.h"

#include <algorithm>
#include <climits>

namespace {

// Times read from a file are used as they are, so all arithmetic on them runs in 64 bits and
// results are brought back into int range only at the end.
int saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

long long elapsed_minutes(long long start_hour, long long start_minute, long long end_hour,
                          long long end_minute) {
    const long long start = start_hour * 60 + start_minute;
    if (end_hour == start_hour && end_minute < start_minute) {
        return 1440 + start_hour * 60 + end_minute - start;
    }
    if (end_hour < start_hour) {
        end_hour += 24;
    }
    return end_minute + 60 * end_hour - start;
}

bool is_stopwatch(const VisibilityTimer& timer) {
    return timer.type != VisibilityTimer::CLOCK;
}

std::wstring plural(int count, const wchar_t* unit) {
    return std::to_wstring(count) + unit + (count == 1 ? L"" : L"s");
}

std::wstring length_in_words(const VisibilityTimer& timer) {
    const std::wstring opening = is_stopwatch(timer) ? L"" : L", (";
    std::wstring words;
    if (timer.duration_h != 0) {
        words += opening + plural(timer.duration_h, L" hour");
    }
    if (timer.duration_m != 0) {
        words += timer.duration_h != 0 ? L" and " : opening;
        words += plural(timer.duration_m, L" minute");
    }
    return words;
}

} // namespace

HoursAndMinutes elapsed_time(int start_hour, int start_minute, int end_hour, int end_minute) {
    const long long minutes = elapsed_minutes(start_hour, start_minute, end_hour, end_minute);
    return {saturated(minutes / 60), static_cast<int>(minutes % 60)};
}

bool in_period(const VisibilityTimer& timer, int hour, int minute, int second) {
    const long long elapsed = elapsed_minutes(timer.start_h, timer.start_m, hour, minute);
    const long long length = static_cast<long long>(timer.duration_h) * 60 + timer.duration_m;
    if (elapsed < length) {
        return true;
    }
    // A stopwatch runs on to the second it was started at, but only within its last minute:
    // later minutes are past the end whatever their second.
    return is_stopwatch(timer) && elapsed == length && second < timer.start_s;
}

HoursAndMinutes end_time(const VisibilityTimer& timer) {
    long long hour = static_cast<long long>(timer.start_h) + timer.duration_h;
    long long minute = static_cast<long long>(timer.start_m) + timer.duration_m;
    if (static_cast<long long>(timer.start_s) + timer.duration_s >= 60) {
        ++minute;
    }
    if (minute >= 60) {
        minute -= 60;
        ++hour;
    }
    return {static_cast<int>(hour % 24), saturated(minute)};
}

std::wstring time_of_day_text(int hour, int minute) {
    int twelve_hour = 0;
    const wchar_t* suffix = L" AM";
    if (hour >= 0 && hour <= 23) {
        twelve_hour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
        suffix = hour > 11 ? L" PM" : L" AM";
    }
    return std::to_wstring(twelve_hour) + L":" + (minute < 10 ? L"0" : L"") +
           std::to_wstring(minute) + suffix;
}

std::wstring period_text(const VisibilityTimer& timer) {
    if (timer.duration_h == 0 && timer.duration_m == 0) {
        return L"No timer duration has been specified";
    }
    if (is_stopwatch(timer)) {
        return length_in_words(timer);
    }
    const HoursAndMinutes end = end_time(timer);
    return time_of_day_text(timer.start_h, timer.start_m) + L" until " +
           time_of_day_text(end.hours, end.minutes) + length_in_words(timer) + L")";
}

std::wstring description_text(const VisibilityTimer& timer, const DataModel& model) {
    const int index = model.find_group_index(timer.group_id);
    if (index == -1) {
        return L"Invalid group association.";
    }
    return L"This timer will hide \"" + model.group(index).name() + L"\"" +
           (is_stopwatch(timer) ? L" for " : L" from ") + period_text(timer) + L".";
}
