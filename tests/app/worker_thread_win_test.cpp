#include "app/unique_handle_win.h"
#include "app/worker_thread_win.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

constexpr DWORD patience_ms = 10000;

UniqueKernelHandle make_event() {
    return UniqueKernelHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

bool is_signalled(HANDLE handle, DWORD timeout = 0) {
    return WaitForSingleObject(handle, timeout) == WAIT_OBJECT_0;
}

// What a worker function sees and leaves behind. The worker's own thread is opened on its
// first call, so a test can tell when that thread has really ended.
struct WorkerProbe {
    std::atomic<int> calls = 0;
    int stop_inside_after = 0;
    UniqueKernelHandle worker_thread;
    UniqueKernelHandle first_call = make_event();
    UniqueKernelHandle stopped_inside = make_event();
    UniqueKernelHandle never = make_event();
    UniqueKernelHandle other_function_called = make_event();
    std::atomic<void*> seen_parameter = nullptr;
    // Last, so that it is destroyed first and its worker never outlives the fields above.
    engine::thread worker;

    static void count(void* parameter) {
        auto& probe = *static_cast<WorkerProbe*>(parameter);
        probe.note_call(parameter);
        if (probe.calls == probe.stop_inside_after) {
            probe.worker.stop(false);
            SetEvent(probe.stopped_inside.get());
        }
    }

    static void signal_other(void* parameter) {
        SetEvent(static_cast<WorkerProbe*>(parameter)->other_function_called.get());
    }

    static void block_forever(void* parameter) {
        auto& probe = *static_cast<WorkerProbe*>(parameter);
        probe.note_call(parameter);
        WaitForSingleObject(probe.never.get(), INFINITE);
    }

    void note_call(void* parameter) {
        seen_parameter = parameter;
        if (++calls == 1) {
            worker_thread.reset(OpenThread(SYNCHRONIZE, FALSE, GetCurrentThreadId()));
            SetEvent(first_call.get());
        }
    }

    bool start(engine::thread::function_type function, std::uint32_t interval) {
        worker.set_parameter(this);
        return worker.start(function, interval) && is_signalled(first_call.get(), patience_ms);
    }
};

} // namespace

TEST(WorkerThread, StopFromOutsideWaitsForTheCurrentCallOrEndsAStuckWorkerAtOnce) {
    for (const bool terminate : {false, true}) {
        SCOPED_TRACE(terminate);
        WorkerProbe probe;
        EXPECT_FALSE(probe.worker.is_running());

        ASSERT_TRUE(probe.start(terminate ? &WorkerProbe::block_forever : &WorkerProbe::count, 0));
        EXPECT_TRUE(probe.worker.is_running());
        EXPECT_EQ(probe.worker.parameter(), &probe);
        EXPECT_EQ(probe.seen_parameter.load(), &probe);

        probe.worker.stop(terminate);
        EXPECT_FALSE(probe.worker.is_running());
        EXPECT_TRUE(is_signalled(probe.worker_thread.get()));
    }
}

TEST(WorkerThread, StopFromInsideEndsTheLoopAfterTheCurrentCall) {
    // On the very first call there is no stored thread handle yet.
    for (const int last_call : {3, 1}) {
        SCOPED_TRACE(last_call);
        WorkerProbe probe;
        probe.stop_inside_after = last_call;

        ASSERT_TRUE(probe.start(&WorkerProbe::count, 0));
        ASSERT_TRUE(is_signalled(probe.stopped_inside.get(), patience_ms));

        EXPECT_TRUE(is_signalled(probe.worker_thread.get(), patience_ms));
        EXPECT_EQ(probe.calls, last_call);
        EXPECT_FALSE(probe.worker.is_running());
    }
}

TEST(WorkerThread, StartingAgainEndsTheEarlierWorkerFirst) {
    WorkerProbe probe;
    ASSERT_TRUE(probe.start(&WorkerProbe::count, 1));

    ASSERT_TRUE(probe.worker.start(&WorkerProbe::signal_other, 1));

    EXPECT_TRUE(is_signalled(probe.worker_thread.get()));
    EXPECT_TRUE(is_signalled(probe.other_function_called.get(), patience_ms));
    EXPECT_TRUE(probe.worker.is_running());
}

TEST(WorkerThread, DestroyingTheObjectWaitsForTheWorker) {
    UniqueKernelHandle worker_thread;
    {
        WorkerProbe probe;
        ASSERT_TRUE(probe.start(&WorkerProbe::count, 1));
        worker_thread.reset(probe.worker_thread.release());
    }
    EXPECT_TRUE(is_signalled(worker_thread.get()));
}
