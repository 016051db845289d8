#pragma once

#include "update/receive_buffer.h"

#include <cstddef>
#include <string>

// One HTTP GET into memory, following redirects; an HTTP status of 400 or more is a failure.
//
// The body is bounded: a release number needs a few bytes, so once `body_capacity_limit` is
// reached the download is stopped and the fetch still succeeds with what was read (and
// `body_truncated` says so). A broken or hostile server therefore cannot exhaust memory.
class UrlFetcher {
public:
    // Called by the transfer with each received block of size * count bytes and the fetcher;
    // returning anything but size * count aborts the transfer.
    using Writer = std::size_t (*)(char* bytes, std::size_t size, std::size_t count, void* fetcher);

    static constexpr std::size_t body_capacity_limit = 64 * 1024;

    UrlFetcher();

    // Downloads `url`. On failure `error_text` says why, in one of the fixed sentences
    // ("Failed to load: " and the transfer's own error, for instance).
    bool fetch(const std::wstring& url);

    const ReceiveBuffer& body() const { return body_; }
    const std::wstring& error_text() const { return error_text_; }
    bool body_truncated() const { return body_truncated_; }

    // Replaces the built-in appender for the following fetches.
    void set_writer(Writer writer) { writer_ = writer; }

    // The built-in appender. Without a fetcher it takes nothing, which aborts the transfer.
    static std::size_t append_to_body(char* bytes, std::size_t size, std::size_t count,
                                      void* fetcher);

private:
    bool fail(const std::wstring& text);

    ReceiveBuffer body_;
    std::wstring error_text_;
    Writer writer_ = nullptr;
    bool body_truncated_ = false;
};
