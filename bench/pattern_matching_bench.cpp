#include "model/pattern.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int SUBJECT_COUNT = 1000;

// Window titles of a realistic mix of lengths and letter cases.
std::vector<std::wstring> make_subjects() {
    const std::vector<std::wstring> stems = {
        L"Untitled - Notepad",
        L"Inbox (3) - Mail",
        L"README.md - Visual Editor",
        L"Downloads",
        L"Quarterly Report FINAL v2.xlsx - Spreadsheet",
        L"chrome.exe",
        L"Media Player - Track 07 - Some Artist",
        L"Program Manager",
    };
    std::vector<std::wstring> subjects;
    subjects.reserve(SUBJECT_COUNT);
    for (int i = 0; i < SUBJECT_COUNT; ++i) {
        subjects.push_back(stems[static_cast<std::size_t>(i) % stems.size()] + L" #" +
                           std::to_wstring(i));
    }
    return subjects;
}

void match_all_subjects(benchmark::State& state) {
    Pattern pattern;
    pattern.compare = static_cast<int>(state.range(0));
    pattern.case_sensitive = state.range(1) != 0;
    pattern.phrase = L"report";
    const std::vector<std::wstring> subjects = make_subjects();
    for (auto _ : state) {
        int matched = 0;
        for (const std::wstring& subject : subjects) {
            matched += pattern.matches(subject) ? 1 : 0;
        }
        benchmark::DoNotOptimize(matched);
    }
    state.SetItemsProcessed(state.iterations() * SUBJECT_COUNT);
}

BENCHMARK(match_all_subjects)
    ->ArgNames({"compare", "case_sensitive"})
    ->ArgsProduct({{Pattern::STARTS_WITH, Pattern::CONTAINS, Pattern::ENDS_WITH,
                    Pattern::EXACTLY_MATCHES, Pattern::EVERYTHING},
                   {0, 1}});

} // namespace

BENCHMARK_MAIN();
