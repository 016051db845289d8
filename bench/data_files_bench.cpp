// Loading and saving groups.xml with 1,000 groups of five patterns each.
#include "model/data_model.h"
#include "storage/config_file.h"
#include "storage/group_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

constexpr int GROUP_COUNT = 1000;
constexpr int PATTERNS_PER_GROUP = 5;

// A fresh folder under the system's temporary folder, removed when the program ends.
class BenchmarkFolder {
public:
    BenchmarkFolder() {
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() /
                    ("hushcloak-bench-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    BenchmarkFolder(const BenchmarkFolder&) = delete;
    BenchmarkFolder& operator=(const BenchmarkFolder&) = delete;
    ~BenchmarkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::wstring file(const std::string& name) const {
        const std::string path = (path_ / name).string();
        return {path.begin(), path.end()};
    }

private:
    std::filesystem::path path_;
};

const BenchmarkFolder& folder() {
    static const BenchmarkFolder instance;
    return instance;
}

DataModel large_model() {
    DataModel model;
    for (int id = 0; id < GROUP_COUNT; ++id) {
        Group group(id);
        group.set_name(L"Group number " + std::to_wstring(id));
        for (int index = 0; index < PATTERNS_PER_GROUP; ++index) {
            Pattern pattern;
            pattern.compare = 1 + index % 4;
            pattern.applies_to = index % 2;
            pattern.phrase = L"window title part " + std::to_wstring(id * 10 + index);
            pattern.case_sensitive = index == 0;
            group.add_pattern(pattern);
        }
        model.add_group(group);
    }
    return model;
}

void BM_SaveGroupsFile(benchmark::State& state) {
    const DataModel model = large_model();
    const std::wstring path = folder().file("groups_saved.xml");
    ConfigFile file;
    for (auto _ : state) {
        write_groups(model, file.root());
        benchmark::DoNotOptimize(file.save(path));
    }
}
BENCHMARK(BM_SaveGroupsFile)->Unit(benchmark::kMillisecond);

void BM_PrintGroupsDocument(benchmark::State& state) {
    const DataModel model = large_model();
    ConfigFile file;
    for (auto _ : state) {
        write_groups(model, file.root());
        benchmark::DoNotOptimize(file.to_document());
    }
}
BENCHMARK(BM_PrintGroupsDocument)->Unit(benchmark::kMillisecond);

void BM_LoadGroupsFile(benchmark::State& state) {
    const std::wstring path = folder().file("groups_loaded.xml");
    ConfigFile saved;
    write_groups(large_model(), saved.root());
    if (!saved.save(path)) {
        state.SkipWithError("the groups file could not be written");
        return;
    }
    for (auto _ : state) {
        ConfigFile file;
        DataModel model;
        const bool loaded = file.load(path) && read_groups(file.root(), model);
        if (!loaded || model.group_count() != GROUP_COUNT) {
            state.SkipWithError("the groups file did not load");
            return;
        }
    }
}
BENCHMARK(BM_LoadGroupsFile)->Unit(benchmark::kMillisecond);

} // namespace
