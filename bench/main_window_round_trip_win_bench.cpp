// The round trip of a WM_NULL sent to the running program's main window: how long its
// user-interface thread keeps a message waiting. bench/idle_cost.py starts the program with
// its visibility timers ticking and runs this beside it; the window is found by its caption.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

void BM_MainWindowRoundTrip(benchmark::State& state) {
    const HWND window = FindWindowW(nullptr, L"Hushcloak");
    if (window == nullptr) {
        state.SkipWithError("the program's main window is not open");
        return;
    }
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    std::vector<double> milliseconds;
    for (auto _ : state) {
        LARGE_INTEGER before{};
        LARGE_INTEGER after{};
        QueryPerformanceCounter(&before);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        QueryPerformanceCounter(&after);
        milliseconds.push_back(1000.0 * static_cast<double>(after.QuadPart - before.QuadPart) /
                               static_cast<double>(frequency.QuadPart));
        // Spread over many ticks, and sparse enough that a send blocked for the length of a
        // stall is not one among thousands that never meet one.
        Sleep(20);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto at = [&](double share) {
        return milliseconds[static_cast<std::size_t>(share *
                                                     static_cast<double>(milliseconds.size() - 1))];
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = milliseconds.back();
}

} // namespace

BENCHMARK(BM_MainWindowRoundTrip)->Iterations(1000)->Unit(benchmark::kMillisecond);
