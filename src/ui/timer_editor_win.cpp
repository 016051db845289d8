#include "ui/timer_editor_win.h"

#include "app/message_box_win.h"
#include "timers/timer_period.h"
#include "timers_editors_resource.h"
#include "ui/editor_dialog_win.h"

#include <string>

namespace {

constexpr int HALF_DAY = 12;
constexpr int DEFAULT_DURATION_MINUTES = 30;

// A time of day as the editor's lists show it: 1 to 12 o'clock, the minute, AM or PM.
struct ClockFace {
    int hour = 12;
    int minute = 0;
    bool pm = false;
};

int to_24_hour(const ClockFace& face) {
    const int hour = face.hour % HALF_DAY;
    return face.pm ? hour + HALF_DAY : hour;
}

// Hours outside 0 to 23 show as 12 AM, as in the timer texts.
ClockFace to_clock_face(int hour, int minute) {
    if (hour < 0 || hour >= 2 * HALF_DAY) {
        return {HALF_DAY, minute, false};
    }
    const int twelve_hour = hour % HALF_DAY == 0 ? HALF_DAY : hour % HALF_DAY;
    return {twelve_hour, minute, hour >= HALF_DAY};
}

std::wstring two_digits(int value) {
    return (value < 10 ? L"0" : L"") + std::to_wstring(value);
}

class TimerEditor {
public:
    explicit TimerEditor(TimerEditorContext& context) : context_(context) {}

    bool run(HWND owner) { return run_editor_dialog(owner, IDD_TIMER_EDITOR, *this) == IDOK; }

private:
    friend INT_PTR CALLBACK editor_dialog_procedure<TimerEditor>(HWND, UINT, WPARAM, LPARAM);

    INT_PTR on_init_dialog(HWND dialog) {
        dialog_ = dialog;
        VisibilityTimer& timer = context_.timer;
        const bool stopwatch = timer.type != VisibilityTimer::CLOCK;
        CheckRadioButton(dialog_, IDC_TIMER_CLOCK, IDC_TIMER_STOPWATCH,
                         stopwatch ? IDC_TIMER_STOPWATCH : IDC_TIMER_CLOCK);
        const int stored = context_.model.find_timer_index(timer.id);
        ShowWindow(item(IDC_TIMER_ACTIVATE_NOW), stored >= 0 ? SW_SHOW : SW_HIDE);
        if (stored >= 0) {
            SetWindowTextW(item(IDC_TIMER_ACTIVATE_NOW),
                           context_.model.timer(stored).enabled ? L"Deactivate" : L"Activate");
        } else {
            set_default_duration();
        }
        fill_time_lists();
        apply_layout(stopwatch);
        fill_groups();
        centre_on_parent(dialog_);
        return TRUE;
    }

    INT_PTR on_command(WORD id, WORD notification) {
        switch (id) {
        case IDOK:
            if (valid()) {
                EndDialog(dialog_, IDOK);
            }
            return TRUE;
        case IDC_TIMER_ACTIVATE_NOW:
            if (valid()) {
                context_.activate_requested = true;
                EndDialog(dialog_, IDOK);
            }
            return TRUE;
        case IDC_TIMER_USE_CURRENT_TIME:
            use_current_time();
            return TRUE;
        case IDC_TIMER_CLOCK:
            if (notification == BN_CLICKED) {
                const auto now = context_.clock.now();
                reset(now.hour, now.minute);
                apply_layout(false);
            }
            return TRUE;
        case IDC_TIMER_STOPWATCH:
            if (notification == BN_CLICKED) {
                start_stopwatch_over();
            }
            return TRUE;
        case IDC_TIMER_GROUP:
            if (notification == CBN_SELCHANGE) {
                take_selected_group();
            }
            return TRUE;
        default:
            if (notification != CBN_SELCHANGE) {
                return FALSE;
            }
            read_back();
            return TRUE;
        }
    }

    void fill_time_lists() {
        for (const int list : {IDC_TIMER_START_HOUR, IDC_TIMER_END_HOUR}) {
            for (int hour = 1; hour <= HALF_DAY; ++hour) {
                add_choice(list, two_digits(hour));
            }
        }
        for (const int list : {IDC_TIMER_START_MINUTE, IDC_TIMER_END_MINUTE}) {
            for (int minute = 0; minute < 60; ++minute) {
                add_choice(list, two_digits(minute));
            }
        }
        for (const int list : {IDC_TIMER_START_HALF, IDC_TIMER_END_HALF}) {
            add_choice(list, L"AM");
            add_choice(list, L"PM");
        }
        for (int hours = 0; hours < 2 * HALF_DAY; ++hours) {
            add_choice(IDC_TIMER_DURATION_HOURS, std::to_wstring(hours));
        }
        for (int minutes = 0; minutes < 60; ++minutes) {
            add_choice(IDC_TIMER_DURATION_MINUTES, std::to_wstring(minutes));
        }
    }

    void fill_groups() {
        const DataModel& model = context_.model;
        for (int index = 0; index < model.group_count(); ++index) {
            add_choice(IDC_TIMER_GROUP, model.group(index).name());
        }
        // A timer whose group is gone takes the group the list shows, so that what is stored
        // on OK is what the user saw.
        const int found = model.find_group_index(context_.timer.group_id);
        choose(IDC_TIMER_GROUP, found >= 0 ? found : 0);
        take_selected_group();
    }

    void take_selected_group() {
        const int index = chosen(IDC_TIMER_GROUP);
        const DataModel& model = context_.model;
        context_.timer.group_id =
            index >= 0 && index < model.group_count() ? model.group(index).id() : -1;
    }

    // Switching the kind starts over from a fresh period.
    void reset(int start_hour, int start_minute) {
        VisibilityTimer& timer = context_.timer;
        timer.start_h = start_hour;
        timer.start_m = start_minute;
        timer.start_s = 0;
        set_default_duration();
    }

    // An inactive stopwatch waits for its activation; an active timer made a stopwatch starts
    // counting now, as activating it does, since one started at 0:00:00 would end at the next
    // tick.
    void start_stopwatch_over() {
        const auto now = context_.timer.enabled ? context_.clock.now() : engine::LocalTime{};
        reset(now.hour, now.minute);
        context_.timer.start_s = now.second;
        apply_layout(true);
    }

    void set_default_duration() {
        VisibilityTimer& timer = context_.timer;
        timer.duration_h = 0;
        timer.duration_m = DEFAULT_DURATION_MINUTES;
        timer.duration_s = 0;
    }

    // Shows the boxes of one kind of timer with the timer's values. The hidden start lists
    // keep a stopwatch's starting time, so editing a running stopwatch does not restart it.
    void apply_layout(bool stopwatch) {
        VisibilityTimer& timer = context_.timer;
        timer.type = stopwatch ? VisibilityTimer::STOPWATCH : VisibilityTimer::CLOCK;
        for (const int id : {IDC_TIMER_START_BOX, IDC_TIMER_START_HOUR, IDC_TIMER_START_MINUTE,
                             IDC_TIMER_START_HALF, IDC_TIMER_USE_CURRENT_TIME, IDC_TIMER_END_BOX,
                             IDC_TIMER_END_HOUR, IDC_TIMER_END_MINUTE, IDC_TIMER_END_HALF}) {
            ShowWindow(item(id), stopwatch ? SW_HIDE : SW_SHOW);
        }
        for (const int id :
             {IDC_TIMER_DURATION_BOX, IDC_TIMER_HOURS_LABEL, IDC_TIMER_DURATION_HOURS,
              IDC_TIMER_MINUTES_LABEL, IDC_TIMER_DURATION_MINUTES}) {
            ShowWindow(item(id), stopwatch ? SW_SHOW : SW_HIDE);
        }
        show_clock_face(IDC_TIMER_START_HOUR, to_clock_face(timer.start_h, timer.start_m));
        if (stopwatch) {
            choose(IDC_TIMER_DURATION_HOURS, timer.duration_h);
            choose(IDC_TIMER_DURATION_MINUTES, timer.duration_m);
        } else {
            const auto end = end_time(timer);
            show_clock_face(IDC_TIMER_END_HOUR, to_clock_face(end.hours, end.minutes));
        }
        read_back();
    }

    void use_current_time() {
        const auto now = context_.clock.now();
        show_clock_face(IDC_TIMER_START_HOUR, to_clock_face(now.hour, now.minute));
        read_back();
    }

    // Copies the lists into the timer and describes the period they make.
    void read_back() {
        VisibilityTimer& timer = context_.timer;
        const bool stopwatch = timer.type != VisibilityTimer::CLOCK;
        const ClockFace start = clock_face_shown(IDC_TIMER_START_HOUR);
        timer.start_h = to_24_hour(start);
        timer.start_m = start.minute;
        // The lists carry no seconds: a running stopwatch keeps the second it started at.
        if (stopwatch) {
            timer.duration_h = chosen_or_zero(IDC_TIMER_DURATION_HOURS);
            timer.duration_m = chosen_or_zero(IDC_TIMER_DURATION_MINUTES);
        } else {
            const ClockFace end = clock_face_shown(IDC_TIMER_END_HOUR);
            const auto length =
                elapsed_time(timer.start_h, timer.start_m, to_24_hour(end), end.minute);
            timer.duration_h = length.hours;
            timer.duration_m = length.minutes;
            timer.start_s = 0;
        }
        timer.duration_s = 0;
        SetWindowTextW(item(IDC_TIMER_DESCRIPTION), description().c_str());
    }

    std::wstring description() const {
        const VisibilityTimer& timer = context_.timer;
        if (timer.duration_h == 0 && timer.duration_m == 0) {
            return L"The timer is currently set without a duration.";
        }
        const wchar_t* const opening =
            timer.type != VisibilityTimer::CLOCK
                ? L"Once activated, windows in the selected group will be hidden for "
                : L"Windows in the selected group will be hidden from ";
        return opening + period_text(timer) + L".";
    }

    bool valid() const {
        if (context_.model.group_count() == 0) {
            information_box(dialog_, L"Invalid Group",
                            L"You've attempted to use a group, but no groups have been created "
                            L"yet.");
            return false;
        }
        const int group = chosen(IDC_TIMER_GROUP);
        if (group < 0 || group >= context_.model.group_count()) {
            information_box(dialog_, L"Invalid Group", L"Invalid group selection.");
            return false;
        }
        if (context_.timer.duration_h == 0 && context_.timer.duration_m == 0) {
            information_box(dialog_, L"Invalid Duration",
                            L"Visibility timers without duration can not be created.");
            return false;
        }
        return true;
    }

    // The three lists of a time start with the hour list; the minute and AM/PM lists follow.
    void show_clock_face(int hour_list, const ClockFace& face) const {
        choose(hour_list, face.hour - 1);
        choose(hour_list + 1, face.minute);
        choose(hour_list + 2, face.pm ? 1 : 0);
    }

    // No selection reads as 12 AM, minute 0.
    ClockFace clock_face_shown(int hour_list) const {
        const int hour = chosen(hour_list);
        return {hour < 0 ? HALF_DAY : hour + 1, chosen_or_zero(hour_list + 1),
                chosen(hour_list + 2) == 1};
    }

    void add_choice(int list, const std::wstring& text) const {
        SendMessageW(item(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

    void choose(int list, int index) const {
        SendMessageW(item(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }

    int chosen(int list) const {
        const auto index = SendMessageW(item(list), CB_GETCURSEL, 0, 0);
        return index == CB_ERR ? -1 : static_cast<int>(index);
    }

    int chosen_or_zero(int list) const {
        const int index = chosen(list);
        return index < 0 ? 0 : index;
    }

    HWND item(int id) const { return GetDlgItem(dialog_, id); }

    TimerEditorContext& context_;
    HWND dialog_ = nullptr;
};

} // namespace

bool run_timer_editor(HWND owner, TimerEditorContext& context) {
    return TimerEditor(context).run(owner);
}
