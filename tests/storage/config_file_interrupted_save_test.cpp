// A save that fails half-way must leave the previous file whole. The child process here is
// held to a file-size limit, so the failure strikes in the middle of writing, at the same point
// every run. Processes and resource limits are POSIX only.
#if !defined(_WIN32)

#include "storage/config_file.h"

#include "app/diagnostic_log.h"
#include "storage/temporary_data_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A document well beyond the limit, so that writing it crosses the limit part-way.
ConfigFile large_file(const std::wstring& phrase) {
    ConfigFile file;
    engine::config_element& list = file.root().add_child(L"ignore_list");
    for (int i = 0; i < 2000; ++i)
        list.add_child(L"rule").property(L"phrase").set_value(phrase + std::to_wstring(i));
    return file;
}

TEST(InterruptedSave, AWriteThatFailsPartWayLeavesThePreviousFileCompleteAndSaysSo) {
    constexpr rlim_t FILE_SIZE_LIMIT = 4096;
    TemporaryDataFolder folder;
    const std::wstring path = folder.file(L"ignore_list.xml");
    ASSERT_TRUE(large_file(L"old ").save(path));
    const std::string previous = folder.read("ignore_list.xml");
    ASSERT_GT(previous.size(), FILE_SIZE_LIMIT);
    const pid_t child = fork();
    if (child == 0) {
        // With the limit's signal ignored, the write past the limit fails instead of ending
        // the writer.
        const rlimit limit{FILE_SIZE_LIMIT, FILE_SIZE_LIMIT};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        const bool saved = large_file(L"new ").save(path);
        _exit(!saved && diagnostic_messages().back() ==
                            L"Unable to save configuration: " + path + L"."
                  ? 0
                  : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(folder.read("ignore_list.xml"), previous);
}

} // namespace

#endif
