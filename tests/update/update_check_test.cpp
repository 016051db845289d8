#include "update/update_check.h"

#include "update/loopback_http_server.h"
#include "update/url_fetcher.h"

#include <gtest/gtest.h>

namespace {

// Answers every question No and notes the caption of each box.
class DesktopAnsweringNo : public engine::update_desktop {
public:
    bool ask_yes_no(const std::wstring& caption, const std::wstring&) override {
        boxes += caption + L"|";
        return false;
    }
    void warning_box(const std::wstring& caption, const std::wstring&) override {
        boxes += caption;
    }
    bool open_web_page(const std::wstring&) override { return true; }
    void request_silent_exit() override {}

    std::wstring boxes;
};

std::wstring boxes_after_check(UrlFetcher& fetcher, const test_http::Server& server) {
    DesktopAnsweringNo desktop;
    run_update_check(fetcher, {server.url(L"/version.txt"), server.url(L"/download")}, desktop);
    return desktop.boxes;
}

TEST(UpdateCheck, OnlyANewerLeadingBuildNumberBringsThePromptAndAFailedFetchIsSilent) {
    const std::string huge = "99999999999999999999999";
    const struct {
        test_http::Reply version_file;
        bool prompts;
    } cases[] = {
        {{200, "3"}, true},    {{200, "3\r\n"}, true},     {{200, " 12abc"}, true},
        {{200, "\t+4"}, true}, {{200, "\r\n3"}, true},     {{200, huge}, true},
        {{200, "2"}, false},   {{200, "1.9"}, false},      {{200, "abc"}, false},
        {{200, ""}, false},    {{200, "-7"}, false},       {{200, "+"}, false},
        {{200, "02"}, false},  {{200, "-" + huge}, false}, {{404, "9"}, false},
        {{500, "9"}, false},
    };
    UrlFetcher fetcher;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version_file.status << " " << c.version_file.body);
        const test_http::Server server(c.version_file);
        EXPECT_EQ(boxes_after_check(fetcher, server), c.prompts ? L"Updates Detected|" : L"");
    }
}

// A broken or hostile server must not be able to exhaust the program's memory: the body stops
// at the bound, yet the fetch counts as done and the check decides on what it read.
TEST(UpdateCheck, AHugeVersionFileStopsAtTheBoundAndIsDecidedOnItsLeadingNumber) {
    const std::size_t bound = UrlFetcher::body_capacity_limit;
    UrlFetcher fetcher;
    const test_http::Server huge({200, "3\r\n", std::uint64_t{100} << 20});
    EXPECT_EQ(boxes_after_check(fetcher, huge), L"Updates Detected|");
    EXPECT_TRUE(fetcher.body_truncated());
    EXPECT_EQ(fetcher.body().capacity(), bound);
    EXPECT_EQ(fetcher.body().size(), bound - 1);
}

} // namespace
