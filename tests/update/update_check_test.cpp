#include "update/update_check.h"

#include "update/loopback_http_server.h"
#include "update/url_fetcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::wstring>;

// Records what the check asked of the desktop, in order.
class RecordingDesktop : public engine::update_desktop {
public:
    bool answer_yes = false;
    bool browser_starts = true;
    Calls calls;

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
const std::string version_path = "/meta/release_current_version_hushcloak.txt";

class UpdateCheck : public testing::Test {
protected:
    void publish(const std::string& body) { server.serve(version_path, {200, body, 0, {}}); }
    void run() { run_update_check(fetcher, update_site_on(server.host()), desktop); }
    std::wstring page() const { return server.url("/hushcloak"); }

    test_http::Server server;
    UrlFetcher fetcher;
    RecordingDesktop desktop;
};

TEST_F(UpdateCheck, OnlyANewerLeadingNumberPrompts) {
    const struct {
        const char* body;
        bool prompts;
    } cases[] = {
        {"3", true},     {"3\r\n", true}, {" 12abc", true}, {"\t+4", true},
        {"\r\n3", true}, {"2", false},    {"1.9", false},   {"abc", false},
        {"", false},     {"-7", false},   {"+", false},     {"02", false},
    };
    std::size_t requests = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.body));
        desktop.calls.clear();
        publish(c.body);
        run();
        EXPECT_EQ(desktop.calls, c.prompts ? Calls{prompt} : Calls{});
        EXPECT_EQ(server.requested_paths().size(), ++requests);
    }
}

TEST_F(UpdateCheck, AnsweringYesOpensTheDownloadPageOrShowsItsAddressAndExits) {
    publish("3");
    desktop.answer_yes = true;
    run();
    EXPECT_EQ(desktop.calls, (Calls{prompt, L"open " + page(), L"exit"}));

    desktop.calls.clear();
    desktop.browser_starts = false;
    run();
    const std::wstring warning = L"warn Unable to load...: Unable to launch the default web "
                                 L"browser.\r\n\r\nPlease manually visit the following URL:\r\n" +
                                 page();
    EXPECT_EQ(desktop.calls, (Calls{prompt, L"open " + page(), warning, L"exit"}));
}

TEST_F(UpdateCheck, FollowsARedirectOfTheVersionFile) {
    server.serve(version_path, {301, "", 0, "/elsewhere.txt"});
    server.serve("/elsewhere.txt", {200, "5", 0, {}});
    run();
    EXPECT_EQ(desktop.calls, Calls{prompt});
    EXPECT_EQ(server.requested_paths(), (std::vector<std::string>{version_path, "/elsewhere.txt"}));
}

TEST_F(UpdateCheck, AMissingVersionFileAServerErrorOrARefusedConnectionIsSilent) {
    run();
    EXPECT_EQ(server.requested_paths(), std::vector<std::string>{version_path});
    server.serve(version_path, {500, "9", 0, {}});
    run();
    const auto port = test_http::refusing_port();
    run_update_check(fetcher, update_site_on(L"127.0.0.1:" + std::to_wstring(port)), desktop);
    EXPECT_TRUE(desktop.calls.empty());
}

// A broken or hostile server must not be able to exhaust the program's memory.
TEST_F(UpdateCheck, AHugeVersionFileStopsAtTheBoundAndIsDecidedOnItsLeadingNumber) {
    server.serve(version_path, {200, "3\r\n", 100ull * 1024 * 1024, {}});
    run();
    EXPECT_EQ(desktop.calls, Calls{prompt});
    EXPECT_TRUE(fetcher.body_truncated());
    EXPECT_LE(fetcher.body().capacity(), UrlFetcher::body_capacity_limit);
    EXPECT_EQ(fetcher.body().size(), UrlFetcher::body_capacity_limit - 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(fetcher.body().data()), 4), "3\r\n ");
    EXPECT_EQ(fetcher.error_text(), L"");
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
