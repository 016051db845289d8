#include "update/update_check.h"

#include "update/url_fetcher.h"

#include <limits>

namespace {

bool is_white_space(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool is_digit(unsigned char c) {
    return c >= '0' && c <= '9';
}

} // namespace

long long leading_integer(const unsigned char* text, std::size_t size) {
    std::size_t at = 0;
    while (at < size && is_white_space(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < size && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    constexpr long long largest = std::numeric_limits<long long>::max();
    long long magnitude = 0;
    for (; at < size && is_digit(text[at]); ++at) {
        const int digit = text[at] - '0';
        if (magnitude > (largest - digit) / 10) {
            return negative ? std::numeric_limits<long long>::min() : largest;
        }
        magnitude = magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}

void run_update_check(UrlFetcher& fetcher, const UpdateSite& site,
                      engine::update_desktop& desktop) {
    if (!fetcher.fetch(site.version_file_url) || fetcher.body().empty()) {
        return;
    }
    const ReceiveBuffer& body = fetcher.body();
    if (leading_integer(body.data(), body.size()) <= CURRENT_BUILD) {
        return;
    }
    if (!desktop.ask_yes_no(update_prompt_caption, update_prompt_text())) {
        return;
    }
    if (!desktop.open_web_page(site.download_page_url)) {
        desktop.warning_box(browser_failure_caption, browser_failure_text(site.download_page_url));
    }
    desktop.request_silent_exit();
}

std::wstring update_prompt_text() {
    return L"A new version of Hushcloak is available.  We encourage you to visit our web site to "
           L"read about the new release, and to download and install it.  Would you like to do "
           L"that now?\r\n\r\nTo disable checking for updates in the future, use the Help menu.";
}

std::wstring browser_failure_text(const std::wstring& url) {
    return L"Unable to launch the default web browser.\r\n\r\nPlease manually visit the "
           L"following URL:\r\n" +
           url;
}
