#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the update tests: it answers every connection with
// the same reply, on a port the system chooses, until it is destroyed.

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace test_http {

#ifdef _WIN32
using Socket = SOCKET;
using socklen_t = int;
inline constexpr int send_flags = 0;
struct NetworkUser {
    NetworkUser() { WSAStartup(MAKEWORD(2, 2), &data); }
    ~NetworkUser() { WSACleanup(); }
    WSADATA data;
};
#else
using Socket = int;
inline void closesocket(Socket s) {
    close(s);
}
// A client that stops reading must not end the test process with SIGPIPE.
inline constexpr int send_flags = MSG_NOSIGNAL;
struct NetworkUser {};
#endif

struct Reply {
    int status = 200;
    std::string body;
    // When larger than the body, spaces follow it up to this many bytes, made as they are sent
    // so that no such body ever exists in memory.
    std::uint64_t padded_size = 0;
};

class Server {
public:
    explicit Server(Reply reply) : reply_(std::move(reply)) {
        address_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address_;
        bind(listener_, reinterpret_cast<sockaddr*>(&address_), sizeof address_);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address_), &length);
        listen(listener_, 4);
        worker_ = std::thread([this] {
            for (bool last = false; !last;) {
                const Socket client = accept(listener_, nullptr, nullptr);
                if (!(last = stopping_))
                    answer(client);
                closesocket(client);
            }
        });
    }
    // A connection of its own wakes the worker from its wait for the next one.
    ~Server() {
        stopping_ = true;
        const Socket waker = socket(AF_INET, SOCK_STREAM, 0);
        connect(waker, reinterpret_cast<const sockaddr*>(&address_), sizeof address_);
        worker_.join();
        closesocket(waker);
        closesocket(listener_);
    }

    std::wstring url(const std::wstring& path) const {
        return L"http://127.0.0.1:" + std::to_wstring(ntohs(address_.sin_port)) + path;
    }

private:
    void answer(Socket client) {
        std::string request;
        char block[1024];
        for (int received; request.find("\r\n\r\n") == std::string::npos;) {
            if ((received = recv(client, block, sizeof block, 0)) <= 0)
                return;
            request.append(block, static_cast<std::size_t>(received));
        }
        const std::uint64_t size = std::max<std::uint64_t>(reply_.body.size(), reply_.padded_size);
        std::string bytes = "HTTP/1.1 " + std::to_string(reply_.status) +
                            " Test\r\nContent-Length: " + std::to_string(size) +
                            "\r\nConnection: close\r\n\r\n" + reply_.body;
        for (std::uint64_t sent = reply_.body.size(); send_all(client, bytes) && sent < size;
             sent += bytes.size())
            bytes.assign(std::min<std::uint64_t>(64 * 1024, size - sent), ' ');
    }

    static bool send_all(Socket client, const std::string& bytes) {
        int count = 0;
        for (std::size_t sent = 0; sent < bytes.size(); sent += static_cast<std::size_t>(count))
            if ((count = send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent),
                              send_flags)) <= 0)
                return false;
        return true;
    }

    NetworkUser network_;
    const Reply reply_;
    Socket listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address_{AF_INET, 0, {}, {}};
    std::atomic<bool> stopping_ = false;
    std::thread worker_;
};

} // namespace test_http
