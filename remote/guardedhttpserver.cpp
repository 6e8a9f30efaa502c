#include "guardedhttpserver.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

int waitFor(socket_t sock, short events, std::chrono::milliseconds wait)
{
    pollfd entry{ sock, events, 0 };
    int ready;
    do
        ready = poll(&entry, 1, int(std::max<std::chrono::milliseconds::rep>(wait.count(), 0)));
    while (ready < 0 && errno == EINTR);
    return ready;
}

std::string numericAddress(const sockaddr_storage &address, socklen_t length, int *port)
{
    char host[NI_MAXHOST] = "";
    char service[NI_MAXSERV] = "";
    getnameinfo(reinterpret_cast<const sockaddr *>(&address), length, host, sizeof host, service, sizeof service,
                NI_NUMERICHOST | NI_NUMERICSERV);
    if (port)
        *port = std::atoi(service);
    return host;
}

std::string peerAddress(socket_t sock, int *port = nullptr)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (getpeername(sock, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return std::string();
    return numericAddress(address, length, port);
}

// One connection as the library reads and writes it. Reads are buffered,
// since the library reads a request's head a byte at a time, and each
// request's reads end at its deadline.
class GuardedStream : public httplib::Stream
{
public:
    GuardedStream(socket_t connection, std::chrono::milliseconds readWait, std::chrono::milliseconds writeWait)
        : sock(connection), readTimeout(readWait), writeTimeout(writeWait) {}

    void startRequest() { deadline = Clock::now() + std::chrono::seconds(GuardedHttpServer::RequestSeconds); }
    bool hasBuffered() const { return begin < end; }

    bool is_readable() const override
    {
        if (hasBuffered())
            return true;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        return left.count() > 0 && waitFor(sock, POLLIN, std::min(readTimeout, left)) > 0;
    }

    bool is_writable() const override { return waitFor(sock, POLLOUT, writeTimeout) > 0; }

    ssize_t read(char *ptr, size_t size) override
    {
        if (!hasBuffered()) {
            if (!is_readable())
                return -1;
            ssize_t received;
            do
                received = recv(sock, buffer, sizeof buffer, 0);
            while (received < 0 && errno == EINTR);
            if (received <= 0)
                return received;
            begin = 0;
            end = size_t(received);
        }
        const size_t taken = std::min(size, end - begin);
        std::memcpy(ptr, buffer + begin, taken);
        begin += taken;
        return ssize_t(taken);
    }

    ssize_t write(const char *ptr, size_t size) override
    {
        if (!is_writable())
            return -1;
        ssize_t sent;
        do
            sent = send(sock, ptr, size, MSG_NOSIGNAL);
        while (sent < 0 && errno == EINTR);
        return sent;
    }

    void get_remote_ip_and_port(std::string &ip, int &port) const override { ip = peerAddress(sock, &port); }

    void get_local_ip_and_port(std::string &ip, int &port) const override
    {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        if (getsockname(sock, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            ip = numericAddress(address, length, &port);
    }

    socket_t socket() const override { return sock; }

private:
    socket_t sock;
    std::chrono::milliseconds readTimeout;
    std::chrono::milliseconds writeTimeout;
    Clock::time_point deadline;
    char buffer[CPPHTTPLIB_RECV_BUFSIZ];
    size_t begin = 0;
    size_t end = 0;
};

std::chrono::milliseconds milliseconds(time_t seconds, time_t microseconds)
{
    return std::chrono::milliseconds(seconds * 1000 + microseconds / 1000);
}

// An address over its share hears why before the connection closes.
void refuseBusy(socket_t sock)
{
    const std::string body = "{\"error\":\"too many connections from one address\"}";
    const std::string answer = "HTTP/1.1 503 Service Unavailable\r\nContent-Type: application/json\r\nContent-Length: "
                               + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    send(sock, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

} // namespace

bool GuardedHttpServer::admit(const std::string &address)
{
    const std::lock_guard<std::mutex> lock(countMutex);
    int &count = connections[address];
    if (count == ConnectionsPerAddress)
        return false;
    ++count;
    return true;
}

void GuardedHttpServer::release(const std::string &address)
{
    const std::lock_guard<std::mutex> lock(countMutex);
    if (--connections[address] == 0)
        connections.erase(address);
}

bool GuardedHttpServer::nextRequestComing(socket_t sock) const
{
    const auto until = Clock::now() + std::chrono::seconds(keep_alive_timeout_sec_);
    while (svr_sock_ != INVALID_SOCKET) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0)
            return false;
        const int ready = waitFor(sock, POLLIN, std::min(left, std::chrono::milliseconds(100)));
        if (ready != 0)
            return ready > 0;
    }
    return false;
}

bool GuardedHttpServer::process_and_close_socket(socket_t sock)
{
    const std::string address = peerAddress(sock);
    bool served = false;
    if (!admit(address)) {
        refuseBusy(sock);
    } else {
        const int yes = 1;
        setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        GuardedStream stream(sock, milliseconds(read_timeout_sec_, read_timeout_usec_),
                             milliseconds(write_timeout_sec_, write_timeout_usec_));
        for (size_t left = keep_alive_max_count_; left > 0; --left) {
            if (!stream.hasBuffered() && !nextRequestComing(sock))
                break;
            stream.startRequest();
            bool closed = false;
            served = process_request(stream, left == 1, closed, nullptr);
            if (!served || closed)
                break;
        }
        release(address);
    }
    shutdown(sock, SHUT_RDWR);
    close(sock);
    return served;
}
