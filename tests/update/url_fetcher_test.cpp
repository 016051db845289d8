#include "update/url_fetcher.h"

#include "update/loopback_http_server.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string body_of(const UrlFetcher& fetcher) {
    return {reinterpret_cast<const char*>(fetcher.body().data()), fetcher.body().size()};
}

bool starts_with(const std::wstring& text, const std::wstring& start) {
    return text.compare(0, start.size(), start) == 0;
}

class UrlFetcherTest : public testing::Test {
protected:
    test_http::Server server;
    UrlFetcher fetcher;
};

TEST_F(UrlFetcherTest, ReceivesTheBodyExactly) {
    server.serve("/file.txt", {200, "3\r\nrest", 0, {}});
    ASSERT_TRUE(fetcher.fetch(server.url("/file.txt"))) << fetcher.error_text();
    EXPECT_EQ(body_of(fetcher), "3\r\nrest");
    EXPECT_FALSE(fetcher.body_truncated());
}

TEST_F(UrlFetcherTest, ServerErrorIsAFailureWithTheTransfersReason) {
    EXPECT_FALSE(fetcher.fetch(server.url("/missing")));
    EXPECT_TRUE(starts_with(fetcher.error_text(), L"Failed to load: ")) << fetcher.error_text();
    EXPECT_NE(fetcher.error_text().find(L"404"), std::wstring::npos) << fetcher.error_text();
    EXPECT_TRUE(fetcher.body().empty());
}

TEST_F(UrlFetcherTest, RefusedConnectionIsAFailure) {
    const auto port = test_http::refusing_port();
    EXPECT_FALSE(fetcher.fetch(L"http://127.0.0.1:" + std::to_wstring(port) + L"/x"));
    EXPECT_TRUE(starts_with(fetcher.error_text(), L"Failed to load: ")) << fetcher.error_text();
    EXPECT_GT(fetcher.error_text().size(), std::wstring(L"Failed to load: ").size());
}

TEST_F(UrlFetcherTest, EachFetchStartsAfresh) {
    server.serve("/file.txt", {200, "3", 0, {}});
    ASSERT_TRUE(fetcher.fetch(server.url("/file.txt")));
    EXPECT_FALSE(fetcher.fetch(server.url("/missing")));
    EXPECT_TRUE(fetcher.body().empty());

    ASSERT_TRUE(fetcher.fetch(server.url("/file.txt")));
    EXPECT_EQ(fetcher.error_text(), L"");
    EXPECT_EQ(body_of(fetcher), "3");
}

// A broken or hostile server must not be able to exhaust the program's memory.
TEST_F(UrlFetcherTest, AHugeBodyStopsAtTheBoundAndKeepsWhatWasRead) {
    constexpr std::uint64_t hundred_mebibytes = 100ull * 1024 * 1024;
    server.serve("/huge", {200, "3\r\n", hundred_mebibytes, {}});

    ASSERT_TRUE(fetcher.fetch(server.url("/huge"))) << fetcher.error_text();
    EXPECT_TRUE(fetcher.body_truncated());
    EXPECT_LE(fetcher.body().capacity(), UrlFetcher::body_capacity_limit);
    EXPECT_EQ(fetcher.body().size(), UrlFetcher::body_capacity_limit - 1);
    EXPECT_EQ(body_of(fetcher).substr(0, 4), "3\r\n ");
    EXPECT_EQ(fetcher.error_text(), L"");
}

TEST_F(UrlFetcherTest, ABodyJustBelowTheBoundIsWhole) {
    const std::string body(UrlFetcher::body_capacity_limit - 1, '7');
    server.serve("/full", {200, body, 0, {}});
    ASSERT_TRUE(fetcher.fetch(server.url("/full")));
    EXPECT_FALSE(fetcher.body_truncated());
    EXPECT_EQ(body_of(fetcher), body);
}

std::size_t refuse_bytes(char*, std::size_t, std::size_t, void*) {
    return 0;
}

TEST_F(UrlFetcherTest, AWriterThatRefusesMakesTheFetchFail) {
    server.serve("/file.txt", {200, "3", 0, {}});
    fetcher.set_writer(&refuse_bytes);
    EXPECT_FALSE(fetcher.fetch(server.url("/file.txt")));
    EXPECT_TRUE(fetcher.body().empty());
    EXPECT_TRUE(starts_with(fetcher.error_text(), L"Failed to load: ")) << fetcher.error_text();
}

TEST(UrlFetcherSettings, AnUnacceptableUrlIsReportedAsSuch) {
    // The transfer library refuses text options of this length.
    const std::wstring url = L"http://127.0.0.1/" + std::wstring(9'000'000, L'a');
    UrlFetcher fetcher;
    EXPECT_FALSE(fetcher.fetch(url));
    EXPECT_TRUE(starts_with(fetcher.error_text(), L"Unable to set URL: ")) << fetcher.error_text();
}

} // namespace
