// One enumeration pass of the window engine over the windows of a peer process (the tests'
// peer program, which opens one top-level window per title on its command line), beside a bare
// EnumWindows loop that reads only titles and a loop that reads everything a pass reads but
// opens the owning process once per window. The desktop's own windows are counted too.
#include "bench_engine_host.h"

#include "app/unique_handle_win.h"
#include "engine/window_engine.h"
#include "engine/window_system_win.h"
#include "model/data_model.h"

#include <benchmark/benchmark.h>

#include <windows.h>

#include <psapi.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::wstring peer_path() {
    wchar_t path[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"HUSHCLOAK_PEER", path, MAX_PATH) > 0) {
        return path;
    }
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + L"..\\tests\\harness\\peer.exe";
}

// The peer program with `count` windows open. Closing its standard input ends it.
class PeerProcess {
public:
    explicit PeerProcess(int count) : count_(count) {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        HANDLE child_input = nullptr;
        HANDLE input = nullptr;
        HANDLE output = nullptr;
        HANDLE child_output = nullptr;
        if (!CreatePipe(&child_input, &input, &inherit, 0) ||
            !CreatePipe(&output, &child_output, &inherit, 0)) {
            return;
        }
        const UniqueKernelHandle child_input_end(child_input);
        const UniqueKernelHandle child_output_end(child_output);
        input_.reset(input);
        output_.reset(output);
        SetHandleInformation(input, HANDLE_FLAG_INHERIT, 0);
        SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);

        std::wstring command_line = L"\"" + peer_path() + L"\"";
        for (int i = 0; i < count; ++i) {
            command_line += L" \"Peer Window " + std::to_wstring(i) + L"\"";
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = child_input;
        startup.hStdOutput = child_output;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                            nullptr, &startup, &process)) {
            return;
        }
        process_.reset(process.hProcess);
        CloseHandle(process.hThread);
        ready_ = read_line() == "ready";
    }
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;
    ~PeerProcess() {
        input_.reset();
        if (process_ && WaitForSingleObject(process_.get(), 10000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.get(), 1);
        }
    }

    bool ready() const { return ready_; }
    int count() const { return count_; }

private:
    std::string read_line() {
        std::string line;
        char c = 0;
        DWORD read = 0;
        while (ReadFile(output_.get(), &c, 1, &read, nullptr) && read == 1 && c != '\n') {
            if (c != '\r') {
                line += c;
            }
        }
        return line;
    }

    int count_;
    UniqueKernelHandle input_;
    UniqueKernelHandle output_;
    UniqueKernelHandle process_;
    bool ready_ = false;
};

// One peer at a time; the benchmarks are registered grouped by window count, so each count
// starts its peer once.
bool use_peer_with(int count) {
    static std::unique_ptr<PeerProcess> peer;
    if (!peer || peer->count() != count) {
        peer.reset();
        peer = std::make_unique<PeerProcess>(count);
    }
    return peer->ready();
}

// The peer with the benchmark's window count open; a benchmark without it is skipped.
bool peer_ready_for(benchmark::State& state) {
    if (use_peer_with(static_cast<int>(state.range(0)))) {
        return true;
    }
    state.SkipWithError("the peer program did not start");
    return false;
}

struct EngineUnderTest {
    DataModel model;
    Win32WindowSystem windows;
    BenchHost host;
    NoWait waiter;
    WindowEngine engine{model, windows, host, waiter};
};

void BM_EnginePassWithoutChange(benchmark::State& state) {
    if (!peer_ready_for(state)) {
        return;
    }
    EngineUnderTest subject;
    subject.engine.enumerate_windows();
    for (auto _ : state) {
        subject.engine.enumerate_windows();
    }
    state.counters["records"] = static_cast<double>(subject.model.windows.count());
}

void BM_EnginePassWithOneChange(benchmark::State& state) {
    if (!peer_ready_for(state)) {
        return;
    }
    EngineUnderTest subject;
    subject.engine.enumerate_windows();
    for (auto _ : state) {
        // The stored title no longer matches, so the pass copies the whole list.
        subject.model.windows.records.front().title.push_back(L'*');
        subject.engine.enumerate_windows();
    }
}

BOOL CALLBACK read_title(HWND window, LPARAM total_length) {
    wchar_t title[4096];
    *reinterpret_cast<int*>(total_length) += GetWindowTextW(window, title, 4096);
    return TRUE;
}

BOOL CALLBACK read_everything(HWND window, LPARAM count) {
    wchar_t text[4096];
    WINDOWINFO info{};
    info.cbSize = sizeof(info);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowTextW(window, text, 4096);
    GetWindowInfo(window, &info);
    GetWindowPlacement(window, &placement);
    DWORD process_id = 0;
    if (GetWindowThreadProcessId(window, &process_id) != 0) {
        const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process_id));
        if (process) {
            GetProcessImageFileNameW(process.get(), text, 4096);
        }
    }
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// A bare EnumWindows loop that reads with `read_window` what it needs of each window.
void BM_BareEnumWindows(benchmark::State& state, WNDENUMPROC read_window) {
    if (!peer_ready_for(state)) {
        return;
    }
    for (auto _ : state) {
        int total = 0;
        EnumWindows(read_window, reinterpret_cast<LPARAM>(&total));
        benchmark::DoNotOptimize(total);
    }
}

// The same title loop over EnumDesktopWindows, which under Wine skips the check EnumWindows
// makes of each window before handing it on: the floor of a pass that reads titles.
void BM_BareEnumDesktopWindows(benchmark::State& state) {
    if (!peer_ready_for(state)) {
        return;
    }
    for (auto _ : state) {
        int total = 0;
        EnumDesktopWindows(nullptr, read_title, reinterpret_cast<LPARAM>(&total));
        benchmark::DoNotOptimize(total);
    }
}

} // namespace

#define WINDOW_BENCHMARKS(count)                                                                   \
    BENCHMARK(BM_EnginePassWithoutChange)->Arg(count)->Unit(benchmark::kMicrosecond);              \
    BENCHMARK(BM_EnginePassWithOneChange)->Arg(count)->Unit(benchmark::kMicrosecond);              \
    BENCHMARK_CAPTURE(BM_BareEnumWindows, titles, read_title)                                      \
        ->Arg(count)                                                                               \
        ->Unit(benchmark::kMicrosecond);                                                           \
    BENCHMARK(BM_BareEnumDesktopWindows)->Arg(count)->Unit(benchmark::kMicrosecond);               \
    BENCHMARK_CAPTURE(BM_BareEnumWindows, image_per_window, read_everything)                       \
        ->Arg(count)                                                                               \
        ->Unit(benchmark::kMicrosecond)

WINDOW_BENCHMARKS(50);
WINDOW_BENCHMARKS(200);
WINDOW_BENCHMARKS(500);
