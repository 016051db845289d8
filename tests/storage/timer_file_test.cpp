#include "storage/timer_file.h"

#include "model/data_model.h"
#include "storage/log_tail.h"
#include "storage/parsed_document.h"

#include <gtest/gtest.h>

namespace {

struct TimerRule {
    std::string enabled = "true";
    int type = 0;
    int start_h = 10, start_m = 20, start_s = 30;
    int duration_h = 1, duration_m = 0, duration_s = 0;
    int group_id = 0;

    std::string text() const {
        auto number = [](const char* name, int value) {
            return std::string(" ") + name + "=\"" + std::to_string(value) + "\"";
        };
        return "<rule enabled=\"" + enabled + "\"" + number("type", type) +
               number("start_h", start_h) + number("start_m", start_m) +
               number("start_s", start_s) + number("duration_h", duration_h) +
               number("duration_m", duration_m) + number("duration_s", duration_s) +
               number("group_id", group_id) + "/>";
    }
};

ConfigFile timers_file(const std::string& rules) {
    return parsed("<settings><timers>" + rules + "</timers></settings>");
}

DataModel model_with_groups(std::initializer_list<int> ids) {
    DataModel model;
    for (int id : ids)
        model.add_group(Group(id));
    return model;
}

TEST(TimerFileLoad, ClockTimerLoadsAsWritten) {
    DataModel model = model_with_groups({0});
    EXPECT_TRUE(read_timers(timers_file(TimerRule{}.text()).root(), model));
    ASSERT_EQ(model.timer_count(), 1);
    const VisibilityTimer timer = model.timer(0);
    EXPECT_EQ(timer.type, VisibilityTimer::CLOCK);
    EXPECT_TRUE(timer.enabled);
    EXPECT_EQ(timer.start_h, 10);
    EXPECT_EQ(timer.start_m, 20);
    EXPECT_EQ(timer.start_s, 30);
    EXPECT_EQ(timer.duration_h, 1);
    EXPECT_EQ(timer.group_id, 0);
}

TEST(TimerFileLoad, StopwatchComesBackInactiveFromMidnight) {
    TimerRule stopwatch;
    stopwatch.type = 1;
    DataModel model = model_with_groups({0});
    EXPECT_TRUE(read_timers(timers_file(stopwatch.text()).root(), model));
    ASSERT_EQ(model.timer_count(), 1);
    const VisibilityTimer timer = model.timer(0);
    EXPECT_FALSE(timer.enabled);
    EXPECT_EQ(timer.start_h, 0);
    EXPECT_EQ(timer.start_m, 0);
    EXPECT_EQ(timer.start_s, 0);
    EXPECT_EQ(timer.duration_h, 1);
}

TEST(TimerFileLoad, DurationNeedsHoursOrMinutes) {
    TimerRule seconds_only;
    seconds_only.duration_h = 0;
    seconds_only.duration_s = 30;
    TimerRule one_minute;
    one_minute.duration_h = 0;
    one_minute.duration_m = 1;
    DataModel model = model_with_groups({0});
    LogTail log;
    EXPECT_TRUE(read_timers(timers_file(seconds_only.text() + one_minute.text()).root(), model));
    ASSERT_EQ(model.timer_count(), 1);
    EXPECT_EQ(model.timer(0).duration_m, 1);
    EXPECT_EQ(log.lines(),
              std::vector<std::wstring>{L"Unable to load timer, missing or invalid settings."});
}

TEST(TimerFileLoad, UnknownTypeIsLoggedAndTakesNoId) {
    TimerRule unknown;
    unknown.type = 2;
    DataModel model = model_with_groups({0});
    const std::uint32_t before = next_timer_id();
    LogTail log;
    EXPECT_TRUE(read_timers(timers_file(unknown.text()).root(), model));
    EXPECT_EQ(next_timer_id(), before + 1);
    EXPECT_EQ(model.timer_count(), 0);
    EXPECT_EQ(log.lines(),
              std::vector<std::wstring>{L"Unable to load timer, missing or invalid type."});
}

TEST(TimerFileLoad, UnknownGroupAndMissingAttributeAreLoggedAndSkipped) {
    TimerRule elsewhere;
    elsewhere.group_id = 8;
    DataModel model = model_with_groups({0});
    LogTail log;
    EXPECT_TRUE(read_timers(timers_file(elsewhere.text() +
                                        "<rule enabled=\"true\" type=\"0\" start_h=\"1\"/>" +
                                        TimerRule{}.text())
                                .root(),
                            model));
    EXPECT_EQ(model.timer_count(), 1);
    EXPECT_EQ(log.lines(), (std::vector<std::wstring>{
                               L"Timer loaded, but removed due to invalid group assocation.",
                               L"Unable to load timer, missing or invalid data."}));
}

TEST(TimerFileLoad, MissingListElementFails) {
    DataModel model;
    LogTail log;
    EXPECT_FALSE(read_timers(parsed("<settings><hotkeys/></settings>").root(), model));
    EXPECT_EQ(log.lines(), std::vector<std::wstring>{L"Unable to load timers, invalid data file."});
}

TEST(TimerFileSave, StopwatchIsWrittenInactiveAndClockKeepsItsState) {
    DataModel model = model_with_groups({0});
    VisibilityTimer clock;
    clock.group_id = 0;
    clock.enabled = true;
    clock.start_h = 9;
    clock.duration_h = 8;
    clock.duration_m = 30;
    VisibilityTimer stopwatch = clock;
    stopwatch.type = VisibilityTimer::STOPWATCH;
    model.add_timer(clock);
    model.add_timer(stopwatch);
    ConfigFile file;
    write_timers(model, file.root());
    EXPECT_EQ(file.to_document(),
              "<?xml version=\"1.0\" standalone=\"no\" ?>\n"
              "<settings>\n"
              "    <timers>\n"
              "        <rule duration_h=\"8\" duration_m=\"30\" duration_s=\"0\" enabled=\"true\" "
              "group_id=\"0\" start_h=\"9\" start_m=\"0\" start_s=\"0\" type=\"0\" />\n"
              "        <rule duration_h=\"8\" duration_m=\"30\" duration_s=\"0\" enabled=\"false\" "
              "group_id=\"0\" start_h=\"0\" start_m=\"0\" start_s=\"0\" type=\"1\" />\n"
              "    </timers>\n"
              "</settings>\n");
}

TEST(TimerFileRoundTrip, LoadsWhatWasSaved) {
    DataModel model = model_with_groups({0, 3});
    VisibilityTimer clock;
    clock.group_id = 3;
    clock.enabled = true;
    clock.start_h = 23;
    clock.start_m = 45;
    clock.duration_m = 30;
    clock.duration_s = 15;
    VisibilityTimer stopwatch;
    stopwatch.group_id = 0;
    stopwatch.type = VisibilityTimer::STOPWATCH;
    stopwatch.duration_h = 2;
    model.add_timer(clock);
    model.add_timer(stopwatch);
    const ConfigFile file =
        saved_and_reloaded([&](engine::config_element& root) { write_timers(model, root); });
    DataModel loaded = model_with_groups({0, 3});
    EXPECT_TRUE(read_timers(file.root(), loaded));
    ASSERT_EQ(loaded.timer_count(), 2);
    for (int i = 0; i < 2; ++i) {
        VisibilityTimer expected = model.timer(i);
        expected.id = loaded.timer(i).id;
        EXPECT_EQ(loaded.timer(i), expected);
    }
}

} // namespace
