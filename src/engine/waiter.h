#pragma once

namespace engine {

// Blocks the calling thread for a while; lets a hidden or shown window settle before the
// next enumeration pass.
class waiter {
public:
    virtual ~waiter() = default;
    virtual void wait_milliseconds(unsigned milliseconds) = 0;
};

} // namespace engine
