#pragma once

namespace engine {

// A time of the local wall-clock day.
struct LocalTime {
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const LocalTime&) const = default;
};

class local_clock {
public:
    virtual ~local_clock() = default;
    virtual LocalTime now() const = 0;
};

} // namespace engine
