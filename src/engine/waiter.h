#pragma once

#include <functional>

namespace engine {

// Runs a step later, once the windows changed by earlier requests had time to settle, without
// holding up the thread: the message loop keeps running meanwhile.
class waiter {
public:
    virtual ~waiter() = default;
    // Calls `then` once `milliseconds` have passed. Steps asked for with the same wait run in
    // the order they were asked for.
    virtual void after_milliseconds(unsigned milliseconds, std::function<void()> then) = 0;
};

} // namespace engine
