#include "storage/timer_file.h"

#include "model/data_model.h"
#include "model/model_with_groups.h"
#include "storage/log_tail.h"
#include "storage/parsed_document.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct TimerRule {
    int type = 0;
    int duration_h = 1, duration_m = 0, duration_s = 0;
    int group_id = 0;

    std::string text() const {
        auto number = [](const char* name, int value) {
            return std::string(" ") + name + "=\"" + std::to_string(value) + "\"";
        };
        return "<rule enabled=\"true\" start_h=\"10\" start_m=\"20\" start_s=\"30\"" +
               number("type", type) + number("duration_h", duration_h) +
               number("duration_m", duration_m) + number("duration_s", duration_s) +
               number("group_id", group_id) + "/>";
    }
};

bool read_timer_rules(const std::string& rules, DataModel& model) {
    return read_timers(parsed("<settings><timers>" + rules + "</timers></settings>").root(), model);
}

TEST(TimerFileLoad, FaultyRulesAreSkippedWithALineEachAndAStopwatchComesBackInactive) {
    DataModel model = model_with_groups({0});
    const std::uint32_t first_free_id = next_timer_id() + 1;
    LogTail log;
    EXPECT_TRUE(read_timer_rules(
        TimerRule{.duration_h = 0, .duration_s = 30}.text() + TimerRule{.type = 2}.text() +
            TimerRule{.group_id = 8}.text() + "<rule enabled=\"true\" type=\"0\" start_h=\"1\"/>" +
            TimerRule{.duration_h = 0, .duration_m = 1}.text() + TimerRule{.type = 1}.text(),
        model));
    EXPECT_EQ(log.lines(), (std::vector<std::wstring>{
                               L"Unable to load timer, missing or invalid settings.",
                               L"Unable to load timer, missing or invalid type.",
                               L"Timer loaded, but removed due to invalid group assocation.",
                               L"Unable to load timer, missing or invalid data."}));
    ASSERT_EQ(model.timer_count(), 2);
    const VisibilityTimer clock = model.timer(0);
    EXPECT_EQ(clock.id, first_free_id + 2) << "a rule of unknown type takes no id";
    EXPECT_EQ(std::tuple(clock.type, clock.enabled, clock.start_h, clock.start_m, clock.start_s,
                         clock.duration_m),
              std::tuple(VisibilityTimer::CLOCK, true, 10, 20, 30, 1));
    const VisibilityTimer stopwatch = model.timer(1);
    EXPECT_EQ(std::tuple(stopwatch.type, stopwatch.enabled, stopwatch.start_h, stopwatch.start_m,
                         stopwatch.start_s, stopwatch.duration_h),
              std::tuple(VisibilityTimer::STOPWATCH, false, 0, 0, 0, 1));

    LogTail missing_list;
    EXPECT_FALSE(read_timers(parsed("<settings><hotkeys/></settings>").root(), model));
    EXPECT_EQ(missing_list.lines(),
              std::vector<std::wstring>{L"Unable to load timers, invalid data file."});
}

TEST(TimerFileSave, StopwatchIsWrittenInactiveAndClockKeepsItsState) {
    DataModel model = model_with_groups({0, 3});
    VisibilityTimer clock{.group_id = 3, .enabled = true, .start_h = 9, .start_m = 45};
    clock.duration_h = 8;
    clock.duration_m = 30;
    clock.duration_s = 15;
    VisibilityTimer stopwatch = clock;
    stopwatch.type = VisibilityTimer::STOPWATCH;
    stopwatch.group_id = 0;
    model.add_timer(clock);
    model.add_timer(stopwatch);
    ConfigFile file;
    write_timers(model, file.root());
    EXPECT_EQ(
        file.to_document(),
        "<?xml version=\"1.0\" standalone=\"no\" ?>\n"
        "<settings>\n"
        "    <timers>\n"
        "        <rule duration_h=\"8\" duration_m=\"30\" duration_s=\"15\" enabled=\"true\" "
        "group_id=\"3\" start_h=\"9\" start_m=\"45\" start_s=\"0\" type=\"0\" />\n"
        "        <rule duration_h=\"8\" duration_m=\"30\" duration_s=\"15\" enabled=\"false\" "
        "group_id=\"0\" start_h=\"0\" start_m=\"0\" start_s=\"0\" type=\"1\" />\n"
        "    </timers>\n"
        "</settings>\n");

    DataModel loaded = model_with_groups({0, 3});
    EXPECT_TRUE(read_timers(parsed(file.to_document()).root(), loaded));
    ASSERT_EQ(loaded.timer_count(), 2);
    clock.id = loaded.timer(0).id;
    EXPECT_EQ(loaded.timer(0), clock);
    stopwatch.id = loaded.timer(1).id;
    stopwatch.enabled = false;
    stopwatch.start_h = stopwatch.start_m = 0;
    EXPECT_EQ(loaded.timer(1), stopwatch);
}

} // namespace
