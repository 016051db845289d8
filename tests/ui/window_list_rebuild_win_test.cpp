#include "page_fixture_win.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

constexpr int VISIBLE = 0;
constexpr int ROWS = 500;
constexpr int ROUNDS = 31;

// A list of 500 windows of which one changes its title before every rebuild: the page's
// rebuild in place against emptying the list and filling it again, in the same run.
class WindowListRebuild : public PageTest {
protected:
    void SetUp() override {
        for (int i = 0; i < ROWS; ++i) {
            add_window(L"Window " + std::to_wstring(i), L"app" + std::to_wstring(i % 7) + L".exe");
        }
        create_pages();
        ASSERT_EQ(ListView_GetItemCount(list(VISIBLE)), ROWS);
    }

    // What a rebuild without the in-place update would do: every row deleted and inserted
    // again, then sorted.
    void clear_and_refill() {
        const HWND rows = list(VISIBLE);
        std::vector<int> indices;
        host.window_engine().find_visible_matches(match_all_pattern(), indices, true);
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
        ListView_SortItems(
            rows,
            [](LPARAM a, LPARAM b, LPARAM model_pointer) -> int {
                const auto& windows = reinterpret_cast<const DataModel*>(model_pointer)->windows;
                return SortOrder{}.compare(windows.record(static_cast<int>(a)),
                                           windows.record(static_cast<int>(b)));
            },
            reinterpret_cast<LPARAM>(&model));
        SendMessageW(rows, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(rows, nullptr, TRUE);
    }

    // The milliseconds one rebuild takes after one title changed: to one that keeps its row's
    // place in the sorted list, or to one that moves it to the top.
    template <typename Rebuild> double milliseconds_for(int round, bool moves, Rebuild rebuild) {
        auto& title = model.windows.records[static_cast<std::size_t>(round * 17 % ROWS)].title;
        title = moves ? L"Renamed " + std::to_wstring(round) : title + L" (edited)";
        const auto start = std::chrono::steady_clock::now();
        rebuild();
        const auto end = std::chrono::steady_clock::now();
        UpdateWindow(list(VISIBLE));
        return std::chrono::duration<double, std::milli>(end - start).count();
    }
};

TEST_F(WindowListRebuild, InPlaceRebuildAgainstClearAndRefill) {
    auto* page = host.pages.page(VISIBLE);
    for (const bool moves : {false, true}) {
        // The two kinds of rebuild take turns, so that both meet the same load of the machine.
        std::vector<double> in_place_times;
        std::vector<double> refill_times;
        for (int round = 0; round < ROUNDS; ++round) {
            in_place_times.push_back(
                milliseconds_for(2 * round, moves, [page] { page->refresh(); }));
            const auto titles = column(VISIBLE);
            EXPECT_EQ(titles.size(), static_cast<std::size_t>(ROWS));
            EXPECT_TRUE(
                std::is_sorted(titles.begin(), titles.end(), [](const auto& a, const auto& b) {
                    return compare_folded(a, b) < 0;
                }));
            refill_times.push_back(
                milliseconds_for(2 * round + 1, moves, [this] { clear_and_refill(); }));
        }
        const double in_place = median(in_place_times);
        const double refill = median(refill_times);
        const double ratio = in_place / refill;
        std::printf("500-row window list, one title that %s, median of %d rebuilds: in place "
                    "%.2f ms, clear and refill %.2f ms, ratio %.2f\n",
                    moves ? "moves its row" : "keeps its row's place", ROUNDS, in_place, refill,
                    ratio);
        const std::string key = moves ? "moved_" : "kept_";
        RecordProperty(key + "in_place_ms", std::to_string(in_place));
        RecordProperty(key + "clear_and_refill_ms", std::to_string(refill));
        RecordProperty(key + "ratio", std::to_string(ratio));
    }
}

} // namespace
