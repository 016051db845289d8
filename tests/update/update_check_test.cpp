#include "update/update_check.h"

#include "update/loopback_http_server.h"
#include "update/url_fetcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what the check asked of the desktop, in order.
class RecordingDesktop : public engine::update_desktop {
public:
    bool answer_yes = false;
    bool browser_starts = true;
    std::vector<std::wstring> calls;

    bool ask_yes_no(const std::wstring& caption, const std::wstring& text) override {
        calls.push_back(L"ask " + caption + L": " + text);
        return answer_yes;
    }
    void warning_box(const std::wstring& caption, const std::wstring& text) override {
        calls.push_back(L"warn " + caption + L": " + text);
    }
    bool open_web_page(const std::wstring& url) override {
        calls.push_back(L"open " + url);
        return browser_starts;
    }
    void request_silent_exit() override { calls.push_back(L"exit"); }
};

const std::wstring prompt =
    L"ask Updates Detected: A new version of Hushcloak is available.  We encourage you to visit "
    L"our web site to read about the new release, and to download and install it.  Would you "
    L"like to do that now?\r\n\r\nTo disable checking for updates in the future, use the Help "
    L"menu.";

class UpdateCheck : public testing::Test {
protected:
    void publish(const std::string& body) {
        server.serve("/meta/release_current_version_hushcloak.txt", {200, body, 0, {}});
    }
    void run() { run_update_check(fetcher, update_site_on(server.host()), desktop); }
    std::wstring page() const { return server.url("/hushcloak"); }

    test_http::Server server;
    UrlFetcher fetcher;
    RecordingDesktop desktop;
};

class PublishedNumber : public UpdateCheck, public testing::WithParamInterface<const char*> {};

using NewerNumber = PublishedNumber;
TEST_P(NewerNumber, Prompts) {
    publish(GetParam());
    run();
    EXPECT_EQ(desktop.calls, std::vector<std::wstring>{prompt});
}
INSTANTIATE_TEST_SUITE_P(Bodies, NewerNumber,
                         testing::Values("3", "3\r\n", " 12abc", "\t+4", "\r\n3"));

using NotNewerNumber = PublishedNumber;
TEST_P(NotNewerNumber, StaysSilent) {
    publish(GetParam());
    run();
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_EQ(server.requested_paths().size(), 1u);
}
INSTANTIATE_TEST_SUITE_P(Bodies, NotNewerNumber,
                         testing::Values("2", "1.9", "abc", "", "-7", "+", "02"));

TEST_F(UpdateCheck, AnsweringYesOpensTheDownloadPageAndExits) {
    publish("3");
    desktop.answer_yes = true;
    run();
    EXPECT_EQ(desktop.calls, (std::vector<std::wstring>{prompt, L"open " + page(), L"exit"}));
}

TEST_F(UpdateCheck, WithoutABrowserTheAddressIsShownAndTheProgramStillExits) {
    publish("3");
    desktop.answer_yes = true;
    desktop.browser_starts = false;
    run();
    const std::wstring warning = L"warn Unable to load...: Unable to launch the default web "
                                 L"browser.\r\n\r\nPlease manually visit the following URL:\r\n" +
                                 page();
    EXPECT_EQ(desktop.calls,
              (std::vector<std::wstring>{prompt, L"open " + page(), warning, L"exit"}));
}

TEST_F(UpdateCheck, FollowsARedirectOfTheVersionFile) {
    server.serve("/meta/release_current_version_hushcloak.txt", {301, "", 0, "/elsewhere.txt"});
    server.serve("/elsewhere.txt", {200, "5", 0, {}});
    run();
    EXPECT_EQ(desktop.calls, std::vector<std::wstring>{prompt});
    EXPECT_EQ(server.requested_paths(),
              (std::vector<std::string>{"/meta/release_current_version_hushcloak.txt",
                                        "/elsewhere.txt"}));
}

TEST_F(UpdateCheck, AMissingVersionFileOrAServerErrorIsSilent) {
    run();
    EXPECT_EQ(server.requested_paths(),
              std::vector<std::string>{"/meta/release_current_version_hushcloak.txt"});
    server.serve("/meta/release_current_version_hushcloak.txt", {500, "9", 0, {}});
    run();
    EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(UpdateCheck, ARefusedConnectionIsSilent) {
    const auto port = test_http::refusing_port();
    run_update_check(fetcher, update_site_on(L"127.0.0.1:" + std::to_wstring(port)), desktop);
    EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(UpdateCheck, AHugeVersionFileIsDecidedOnItsLeadingNumber) {
    server.serve("/meta/release_current_version_hushcloak.txt",
                 {200, "3\r\n", 100ull * 1024 * 1024, {}});
    run();
    EXPECT_EQ(desktop.calls, std::vector<std::wstring>{prompt});
    EXPECT_LE(fetcher.body().capacity(), UrlFetcher::body_capacity_limit);
}

TEST(LeadingInteger, ReadsOnlyTheGivenBytesAndHoldsHugeValuesInRange) {
    const auto value_of = [](const std::string& text, std::size_t size) {
        return leading_integer(reinterpret_cast<const unsigned char*>(text.data()), size);
    };
    EXPECT_EQ(value_of("427", 2), 42);
    const std::string huge = "99999999999999999999999";
    EXPECT_GT(value_of(huge, huge.size()), CURRENT_BUILD);
    EXPECT_LT(value_of("-" + huge, huge.size() + 1), 0);
}

} // namespace
