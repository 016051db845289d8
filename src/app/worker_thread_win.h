#pragma once

#include "app/unique_handle_win.h"

#include <atomic>
#include <cstdint>

namespace engine {

// A worker that calls one function with a parameter, again and again at an interval, until it
// is asked to stop. At most one worker exists per object.
class thread {
public:
    using function_type = void (*)(void* parameter);

    thread() = default;
    thread(const thread&) = delete;
    thread& operator=(const thread&) = delete;
    // Asks the worker to stop and waits for it.
    virtual ~thread();

    // Stops any earlier worker, then starts a new one that calls `function` and, when
    // `interval` is not 0, sleeps that many milliseconds between calls. False when the
    // worker cannot be created, or when the worker itself asks to start another.
    virtual bool start(function_type function, std::uint32_t interval);
    // From outside: ends the worker, at once (`terminate`) or by waiting for its current call
    // to finish. From the worker's own function: only asks the loop to end after this call.
    virtual void stop(bool terminate);
    virtual void set_priority(int priority);
    // True while a worker has been started and has not yet ended.
    virtual bool is_running() const;
    virtual void set_parameter(void* parameter);
    virtual void* parameter() const;

private:
    static DWORD WINAPI run(void* self);
    void loop();
    bool called_from_worker() const;
    void end_worker(bool terminate);

    UniqueKernelHandle handle_;
    std::uint32_t interval_ = 0;
    std::atomic<bool> stop_requested_ = false;
    std::atomic<void*> parameter_ = nullptr;
    function_type function_ = nullptr;
};

} // namespace engine
