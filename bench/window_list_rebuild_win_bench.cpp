// The visible windows page with 500 rows, of which one title changes before every rebuild: the
// page's rebuild in place, beside emptying the list and filling it again as a rebuild without
// the in-place update would. A changed title either keeps its row's place in the sorted list
// or moves the row to the top. For medians of runs that take turns under the same load:
//   --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true
//   --benchmark_report_aggregates_only=true
#include "ui/page_fixture_win.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int VISIBLE = 0;
constexpr int ROWS = 500;

// The five pages in the program's main dialog over 500 fake foreign windows.
class PagesOverFakeWindows {
public:
    PagesOverFakeWindows() {
        for (int i = 0; i < ROWS; ++i) {
            const auto process = static_cast<std::uint32_t>(i % 7 + 1);
            system_.set_process_image(process, L"\\Device\\HarddiskVolume1\\app" +
                                                   std::to_wstring(process) + L".exe");
            system_.add_window(
                {L"Window " + std::to_wstring(i), true, show_command::NORMAL, 0, process});
        }
        host_.window_engine().enumerate_windows();
        host_.pages.create_pages(host_, host_.tab_control(), model_);
        host_.pages.layout(host_.main_dialog(), host_.frame());
    }

    HWND list() const {
        return GetDlgItem(host_.pages.page(VISIBLE)->window_handle(), IDC_WINDOW_LIST);
    }

    // Changes the title of one record, a different one each round.
    void change_one_title(int round, bool moves) {
        auto& title = model_.windows.records[static_cast<std::size_t>(round * 17 % ROWS)].title;
        title = moves ? L"Renamed " + std::to_wstring(round) : title + L" (edited)";
    }

    void rebuild_in_place() { host_.pages.page(VISIBLE)->refresh(); }

    // Every row deleted and inserted again, then sorted.
    void clear_and_refill() {
        const HWND rows = list();
        std::vector<int> indices;
        host_.window_engine().find_visible_matches(match_all_pattern(), indices, true);
        SendMessageW(rows, WM_SETREDRAW, FALSE, 0);
        ListView_DeleteAllItems(rows);
        for (std::size_t i = 0; i < indices.size(); ++i) {
            LVITEMW item{};
            item.mask = LVIF_PARAM | LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.lParam = indices[i];
            item.pszText = LPSTR_TEXTCALLBACKW;
            ListView_InsertItem(rows, &item);
        }
        ListView_SortItems(rows, &PagesOverFakeWindows::compare_rows,
                           reinterpret_cast<LPARAM>(&model_));
        SendMessageW(rows, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(rows, nullptr, TRUE);
    }

private:
    static int CALLBACK compare_rows(LPARAM a, LPARAM b, LPARAM model_pointer) {
        const auto& windows = reinterpret_cast<const DataModel*>(model_pointer)->windows;
        return SortOrder{}.compare(windows.record(static_cast<int>(a)),
                                   windows.record(static_cast<int>(b)));
    }

    DataModel model_;
    FakeWindowSystem system_;
    FakeWaiter waiter_;
    PageHost host_{model_, system_, waiter_};
};

void BM_RebuildAfterOneTitleChanged(benchmark::State& state, bool in_place, bool moves) {
    PagesOverFakeWindows pages;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        pages.change_one_title(round++, moves);
        state.ResumeTiming();
        if (in_place) {
            pages.rebuild_in_place();
        } else {
            pages.clear_and_refill();
        }
        state.PauseTiming();
        UpdateWindow(pages.list());
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_RebuildAfterOneTitleChanged, kept_in_place, true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RebuildAfterOneTitleChanged, kept_clear_and_refill, false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RebuildAfterOneTitleChanged, moved_in_place, true, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RebuildAfterOneTitleChanged, moved_clear_and_refill, false, true)
    ->Unit(benchmark::kMillisecond);
