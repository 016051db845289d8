// A group hot key that hides 20 windows, with and without the hidden-window journal that
// writes hidden_windows.xml once per action, in one run. The windows belong to this process;
// the hot key's two settle waits are left out, as they cost the same either way. The last
// benchmark times the journal's write alone, which the hot key's time varies too much to show.
#include "bench_engine_host.h"

#include "engine/hidden_window_journal.h"
#include "engine/window_engine.h"
#include "engine/window_system_win.h"
#include "model/data_model.h"
#include "ui/gdi_handles_win.h"

#include <benchmark/benchmark.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int GROUP_ID = 1;
const wchar_t* const WINDOW_TITLE_START = L"Journal bench window";

std::vector<UniqueWindow> open_windows(int count) {
    std::vector<UniqueWindow> windows;
    for (int i = 0; i < count; ++i) {
        const std::wstring title = WINDOW_TITLE_START + std::to_wstring(i);
        windows.emplace_back(CreateWindowExW(0, L"STATIC", title.c_str(),
                                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10 + i, 10 + i, 200,
                                             100, nullptr, nullptr, nullptr, nullptr));
    }
    return windows;
}

std::wstring journal_path() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"hushcloak-bench-hidden_windows-" +
           std::to_wstring(GetCurrentProcessId()) + L".xml";
}

struct HotKeyUnderTest {
    HotKeyUnderTest() {
        Pattern pattern;
        pattern.compare = Pattern::STARTS_WITH;
        pattern.applies_to = Pattern::WINDOW_TITLE;
        pattern.phrase = WINDOW_TITLE_START;
        Group group(GROUP_ID);
        group.add_pattern(pattern);
        model.add_group(group);
        HotKey hide;
        hide.action = HotKey::HIDE_ONLY;
        hide.group_id = GROUP_ID;
        hot_key_id = hide.id;
        model.add_hot_key(hide);
    }

    void show_all_again() {
        std::vector<int> hidden;
        engine.find_hidden_matches(match_all_pattern(), false, hidden, true);
        engine.show_windows(hidden);
        engine.enumerate_windows();
    }

    DataModel model;
    Win32WindowSystem windows;
    BenchHost host;
    NoWait waiter;
    WindowEngine engine{model, windows, host, waiter};
    std::uint32_t hot_key_id = 0;
};

void BM_HideGroupByHotKey(benchmark::State& state, bool with_journal) {
    const auto windows = open_windows(static_cast<int>(state.range(0)));
    HotKeyUnderTest under_test;
    const std::wstring path = journal_path();
    std::optional<HiddenWindowJournal> journal;
    if (with_journal) {
        journal.emplace(path, under_test.windows.boot_session());
        under_test.engine.keep_journal(*journal);
    }
    for (auto _ : state) {
        under_test.engine.on_hot_key(under_test.hot_key_id);
        state.PauseTiming();
        under_test.show_all_again();
        state.ResumeTiming();
    }
    DeleteFileW(path.c_str());
}

// The journal's own share of the hot key above: 20 entries recorded and the file written once.
void BM_JournalWriteOfOneAction(benchmark::State& state) {
    const std::wstring path = journal_path();
    HiddenWindowJournal journal(path, Win32WindowSystem().boot_session());
    const auto count = static_cast<WindowHandle>(state.range(0));
    for (auto _ : state) {
        for (WindowHandle window = 1; window <= count; ++window) {
            journal.record_hidden({window * 16, 1234, L"peer.exe",
                                   WINDOW_TITLE_START + std::to_wstring(window),
                                   show_command::NORMAL});
        }
        journal.flush();
        state.PauseTiming();
        for (WindowHandle window = 1; window <= count; ++window) {
            journal.record_shown(window * 16);
        }
        journal.flush();
        state.ResumeTiming();
    }
    DeleteFileW(path.c_str());
}

} // namespace

BENCHMARK(BM_JournalWriteOfOneAction)->Arg(20)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_HideGroupByHotKey, without_journal, false)
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_HideGroupByHotKey, with_journal, true)->Arg(20)->Unit(benchmark::kMicrosecond);
