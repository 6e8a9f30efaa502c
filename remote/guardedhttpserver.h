#ifndef GUARDEDHTTPSERVER_H
#define GUARDEDHTTPSERVER_H

#include <httplib.h>

#include <map>
#include <mutex>
#include <string>

// cpp-httplib's server, whose threads a few clients cannot hold for long: a
// request must arrive whole within a deadline however slowly its bytes
// trickle in, and one address may hold only so many connections at once.
// Everything else is the library's, request by request.
class GuardedHttpServer : public httplib::Server
{
public:
    static constexpr int RequestSeconds = 10;
    static constexpr int ConnectionsPerAddress = 16;

private:
    // The library's per-connection loop, with the guards around it.
    bool process_and_close_socket(socket_t sock) override;
    bool admit(const std::string &address);
    void release(const std::string &address);
    // Waits up to the keep-alive time for a next request, or for the server to stop.
    bool nextRequestComing(socket_t sock) const;

    std::mutex countMutex;
    std::map<std::string, int> connections;
};

#endif // GUARDEDHTTPSERVER_H
