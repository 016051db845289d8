#include "app/worker_thread_win.h"

namespace engine {

namespace {

// The object whose worker runs on this thread, so that a stop from inside the worker is told
// apart from a stop from outside without relying on the handle already being stored.
thread_local const thread* worker_of_this_thread = nullptr;

} // namespace

thread::~thread() {
    end_worker(false);
}

bool thread::start(function_type function, std::uint32_t interval) {
    if (called_from_worker())
        return false;
    stop(false);
    function_ = function;
    interval_ = interval;
    handle_.reset(CreateThread(nullptr, 0, &thread::run, this, 0, nullptr));
    if (!handle_) {
        function_ = nullptr;
        return false;
    }
    return true;
}

void thread::stop(bool terminate) {
    if (called_from_worker()) {
        stop_requested_ = true;
        return;
    }
    end_worker(terminate);
}

void thread::set_priority(int priority) {
    if (handle_)
        SetThreadPriority(handle_.get(), priority);
}

bool thread::is_running() const {
    return handle_ && WaitForSingleObject(handle_.get(), 0) == WAIT_TIMEOUT;
}

void thread::set_parameter(void* parameter) {
    parameter_ = parameter;
}

void* thread::parameter() const {
    return parameter_;
}

DWORD WINAPI thread::run(void* self) {
    auto& worker = *static_cast<thread*>(self);
    worker_of_this_thread = &worker;
    worker.loop();
    return 0;
}

void thread::loop() {
    while (!stop_requested_ && function_ != nullptr) {
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
        function_(parameter_);
        if (interval_ == 0 || stop_requested_)
            continue;
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
        Sleep(interval_);
    }
}

bool thread::called_from_worker() const {
    return worker_of_this_thread == this;
}

void thread::end_worker(bool terminate) {
    if (!handle_)
        return;
    stop_requested_ = true;
    if (terminate)
        TerminateThread(handle_.get(), 0);
    WaitForSingleObject(handle_.get(), INFINITE);
    handle_.reset();
    function_ = nullptr;
    stop_requested_ = false;
}

} // namespace engine
