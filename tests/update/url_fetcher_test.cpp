#include "update/url_fetcher.h"

#include "update/loopback_http_server.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string body_of(const UrlFetcher& fetcher) {
    return {reinterpret_cast<const char*>(fetcher.body().data()), fetcher.body().size()};
}

void expect_failure_text(const UrlFetcher& fetcher, const std::wstring& start) {
    EXPECT_EQ(fetcher.error_text().substr(0, start.size()), start);
}

class UrlFetcherTest : public testing::Test {
protected:
    test_http::Server server;
    UrlFetcher fetcher;
};

TEST_F(UrlFetcherTest, EachFetchStartsAfreshAndAServerErrorIsAFailureWithItsReason) {
    server.serve("/file.txt", {200, "3\r\nrest", 0, {}});
    ASSERT_TRUE(fetcher.fetch(server.url("/file.txt"))) << fetcher.error_text();
    EXPECT_EQ(body_of(fetcher), "3\r\nrest");
    EXPECT_FALSE(fetcher.body_truncated());

    EXPECT_FALSE(fetcher.fetch(server.url("/missing")));
    expect_failure_text(fetcher, L"Failed to load: ");
    EXPECT_NE(fetcher.error_text().find(L"404"), std::wstring::npos) << fetcher.error_text();
    EXPECT_TRUE(fetcher.body().empty());

    // A body just below the bound is whole.
    const std::string full(UrlFetcher::body_capacity_limit - 1, '7');
    server.serve("/full", {200, full, 0, {}});
    ASSERT_TRUE(fetcher.fetch(server.url("/full")));
    EXPECT_EQ(fetcher.error_text(), L"");
    EXPECT_FALSE(fetcher.body_truncated());
    EXPECT_EQ(body_of(fetcher), full);
}

TEST_F(UrlFetcherTest, AnUnacceptableUrlARefusedConnectionOrARefusingWriterIsAFailure) {
    // The transfer library refuses text options of this length.
    EXPECT_FALSE(fetcher.fetch(L"http://127.0.0.1/" + std::wstring(9'000'000, L'a')));
    expect_failure_text(fetcher, L"Unable to set URL: ");

    const auto port = test_http::refusing_port();
    EXPECT_FALSE(fetcher.fetch(L"http://127.0.0.1:" + std::to_wstring(port) + L"/x"));
    expect_failure_text(fetcher, L"Failed to load: ");
    // The sentence goes on with the transfer's own reason.
    EXPECT_GT(fetcher.error_text().size(), std::wstring(L"Failed to load: ").size());

    server.serve("/file.txt", {200, "3", 0, {}});
    fetcher.set_writer([](char*, std::size_t, std::size_t, void*) -> std::size_t { return 0; });
    EXPECT_FALSE(fetcher.fetch(server.url("/file.txt")));
    EXPECT_TRUE(fetcher.body().empty());
    expect_failure_text(fetcher, L"Failed to load: ");
}

} // namespace
