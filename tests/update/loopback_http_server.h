#pragma once

// A small HTTP/1.1 server on 127.0.0.1 for the update tests: one connection at a time, replies
// from a table of paths (anything else is 404), every request recorded. It listens on a port
// the system chooses until it is destroyed.

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test_http {

#ifdef _WIN32
using Socket = SOCKET;
inline void close_socket(Socket s) {
    closesocket(s);
}
inline constexpr int send_flags = 0;
struct NetworkUser {
    NetworkUser() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~NetworkUser() { WSACleanup(); }
};
#else
using Socket = int;
inline void close_socket(Socket s) {
    close(s);
}
// A client that stops reading must not end the test process with SIGPIPE.
inline constexpr int send_flags = MSG_NOSIGNAL;
struct NetworkUser {};
#endif

struct Reply {
    int status = 200;
    std::string body;
    // When larger than the body, the body is followed by spaces up to this many bytes, made
    // as they are sent so that no such body ever exists in memory.
    std::uint64_t padded_size = 0;
    std::string location;
};

inline sockaddr_in loopback_address(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

// Binds a socket to a free port of 127.0.0.1; returns the port.
inline std::uint16_t bind_loopback(Socket s) {
    sockaddr_in address = loopback_address(0);
    bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

// A port on 127.0.0.1 on which nothing listens, so connections to it are refused.
inline std::uint16_t refusing_port() {
    [[maybe_unused]] NetworkUser network;
    const Socket s = socket(AF_INET, SOCK_STREAM, 0);
    const std::uint16_t port = bind_loopback(s);
    close_socket(s);
    return port;
}

inline bool send_all(Socket client, const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        const int count =
            send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent), send_flags);
        if (count <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(count);
    }
    return true;
}

class Server {
public:
    Server() : listener_(socket(AF_INET, SOCK_STREAM, 0)), port_(bind_loopback(listener_)) {
        listen(listener_, 4);
        worker_ = std::thread([this] {
            while (true) {
                const Socket client = accept(listener_, nullptr, nullptr);
                if (stopping_) {
                    close_socket(client);
                    return;
                }
                answer(client);
                close_socket(client);
            }
        });
    }
    // A connection of its own wakes the worker from its wait for the next one.
    ~Server() {
        stopping_ = true;
        const Socket waker = socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = loopback_address(port_);
        connect(waker, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        worker_.join();
        close_socket(waker);
        close_socket(listener_);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    void serve(const std::string& path, Reply reply) {
        std::lock_guard lock(mutex_);
        replies_[path] = std::move(reply);
    }
    std::wstring host() const { return L"127.0.0.1:" + std::to_wstring(port_); }
    std::wstring url(const std::string& path) const {
        return L"http://" + host() + std::wstring(path.begin(), path.end());
    }
    std::vector<std::string> requested_paths() const {
        std::lock_guard lock(mutex_);
        return requested_;
    }

private:
    void answer(Socket client) {
        const std::string path = read_request_path(client);
        Reply reply{404, "Not found", 0, {}};
        {
            std::lock_guard lock(mutex_);
            requested_.push_back(path);
            if (replies_.contains(path)) {
                reply = replies_[path];
            }
        }
        const std::uint64_t size = std::max<std::uint64_t>(reply.body.size(), reply.padded_size);
        const std::string location =
            reply.location.empty() ? "" : "Location: " + reply.location + "\r\n";
        if (!send_all(client, "HTTP/1.1 " + std::to_string(reply.status) +
                                  " Test\r\nContent-Length: " + std::to_string(size) +
                                  "\r\nConnection: close\r\n" + location + "\r\n" + reply.body)) {
            return;
        }
        const std::string padding(64 * 1024, ' ');
        for (std::uint64_t sent = reply.body.size(); sent < size; sent += padding.size()) {
            if (!send_all(client,
                          padding.substr(0, std::min<std::uint64_t>(64 * 1024, size - sent)))) {
                return;
            }
        }
    }

    static std::string read_request_path(Socket client) {
        std::string request;
        char block[1024];
        int received = 0;
        while (request.find("\r\n\r\n") == std::string::npos &&
               (received = recv(client, block, sizeof block, 0)) > 0) {
            request.append(block, static_cast<std::size_t>(received));
        }
        const auto start = request.find(' ');
        const auto end = request.find(' ', start + 1);
        return start == std::string::npos ? "" : request.substr(start + 1, end - start - 1);
    }

    NetworkUser network_;
    Socket listener_;
    std::uint16_t port_;
    std::atomic<bool> stopping_ = false;
    mutable std::mutex mutex_;
    std::map<std::string, Reply> replies_;
    std::vector<std::string> requested_;
    std::thread worker_;
};

} // namespace test_http
