#include "update/url_fetcher.h"

#include "app/narrow_text.h"

#include <curl/curl.h>

#include <memory>

namespace {

struct CurlCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using CurlHandle = std::unique_ptr<CURL, CurlCleanup>;

} // namespace

UrlFetcher::UrlFetcher() : body_(body_capacity_limit) {}

bool UrlFetcher::fetch(const std::wstring& url) {
    body_.clear();
    error_text_.clear();
    body_truncated_ = false;

    CurlHandle curl(curl_easy_init());
    if (!curl) {
        return fail(L"Unable to create connection.");
    }
    char error_buffer[CURL_ERROR_SIZE] = {};
    const auto with_error = [&error_buffer](const wchar_t* text) {
        return text + from_single_byte_text(error_buffer);
    };

    if (curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L) != CURLE_OK) {
        return fail(L"Unable to set fail settings.");
    }
    if (curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, error_buffer) != CURLE_OK) {
        return fail(L"Unable to set error buffer.");
    }
    const std::string narrow_url = to_single_byte_text(url);
    if (curl_easy_setopt(curl.get(), CURLOPT_URL, narrow_url.c_str()) != CURLE_OK) {
        return fail(with_error(L"Unable to set URL: "));
    }
    if (curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L) != CURLE_OK) {
        return fail(with_error(L"Unable to set redirect: "));
    }
    const Writer writer = writer_ != nullptr ? writer_ : &UrlFetcher::append_to_body;
    if (curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, writer) != CURLE_OK) {
        return fail(with_error(L"Unable to set writer: "));
    }
    if (curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, this) != CURLE_OK) {
        return fail(with_error(L"Unable to set write data: "));
    }

    const CURLcode result = curl_easy_perform(curl.get());
    curl.reset();
    // Stopping at the size bound aborts the transfer, but what was read is what we wanted.
    if (result == CURLE_OK || (result == CURLE_WRITE_ERROR && body_truncated_)) {
        return true;
    }
    return fail(with_error(L"Failed to load: "));
}

std::size_t UrlFetcher::append_to_body(char* bytes, std::size_t size, std::size_t count,
                                       void* fetcher) {
    if (fetcher == nullptr) {
        return 0;
    }
    auto& self = *static_cast<UrlFetcher*>(fetcher);
    const std::size_t total = size * count;
    const std::size_t taken = self.body_.append(bytes, total);
    if (taken < total) {
        self.body_truncated_ = true;
    }
    return taken;
}

bool UrlFetcher::fail(const std::wstring& text) {
    error_text_ = text;
    return false;
}
