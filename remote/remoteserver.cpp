#include "remoteserver.h"

#include "guardedhttpserver.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <sys/socket.h>

#include <cerrno>
#include <cstring>

namespace {

// A connection holds its thread from its first byte to its last. The
// server caps what one address and one request may hold; enough threads
// beside that that the phone has one while a few others trickle.
const size_t serverThreads = 32;

RemoteRequest requestOf(const httplib::Request &in)
{
    RemoteRequest request;
    request.method = QByteArray::fromStdString(in.method);
    request.path = QByteArray::fromStdString(in.path);
    request.authorization = QByteArray::fromStdString(in.get_header_value("Authorization"));
    request.queryToken = QByteArray::fromStdString(in.get_param_value("token"));
    request.body = QByteArray::fromStdString(in.body);
    return request;
}

// The library's own refusals (a body over the limit, a request it cannot
// read) answer in JSON like the API's.
void explainRefusal(httplib::Response &out)
{
    if (!out.body.empty())
        return;
    const QString message = out.status == 413 ? QStringLiteral("the body is over %1 bytes").arg(RemoteApi::MaxBody)
                                              : QStringLiteral("the request cannot be read");
    const QJsonObject error{ { QStringLiteral("error"), message } };
    out.set_content(QJsonDocument(error).toJson(QJsonDocument::Compact).toStdString(), "application/json");
}

// The library reads a body up to the end of the connection when a request
// names no length, so a script's plain `curl -X POST` would wait for its own
// timeout. Such a request has no body.
bool hasNoBody(const httplib::Request &in)
{
    return !in.has_header("Content-Length") && !in.has_header("Transfer-Encoding");
}

} // namespace

RemoteServer::RemoteServer(MainWindow &panel, const RemoteSettings &settings, QObject *parent)
    : QObject(parent)
    , requests(new RemoteApi(panel, settings, this))
    , server(std::make_unique<GuardedHttpServer>())
{
    server->new_task_queue = [] { return new httplib::ThreadPool(serverThreads); };
    server->set_payload_max_length(RemoteApi::MaxBody);
    server->set_read_timeout(5);
    server->set_write_timeout(5);
    server->set_keep_alive_timeout(1);
    // The library's default also shares the port with another live server
    // (SO_REUSEPORT); a second walltest on a busy port must fail instead.
    server->set_socket_options([](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    // Headers and body leave in separate writes; without this each answer waits for a delayed ACK.
    server->set_tcp_nodelay(true);
    const auto answer = [this](const httplib::Request &in, httplib::Response &out) {
        const RemoteReply reply = requests->handle(requestOf(in));
        out.status = reply.status;
        if (!reply.allow.isEmpty())
            out.set_header("Allow", reply.allow.toStdString());
        out.set_header("Cache-Control", "no-store");
        out.set_content(reply.body.toStdString(), reply.contentType.toStdString());
    };
    // Every path reaches the API, which tells an unknown path (404) from a
    // known one asked with another method (405).
    const char *const everything = ".*";
    server->Get(everything, answer);
    server->Post(everything, answer);
    server->Put(everything, answer);
    server->Patch(everything, answer);
    server->Delete(everything, answer);
    server->Options(everything, answer);
    server->set_pre_routing_handler([answer](const httplib::Request &in, httplib::Response &out) {
        if (in.method == "GET" || in.method == "HEAD" || !hasNoBody(in))
            return httplib::Server::HandlerResponse::Unhandled;
        answer(in, out);
        return httplib::Server::HandlerResponse::Handled;
    });
    server->set_error_handler([](const httplib::Request &, httplib::Response &out) { explainRefusal(out); });
}

RemoteServer::~RemoteServer()
{
    requests->stop();
    if (listener.joinable()) {
        server->stop();
        listener.join();
    }
}

bool RemoteServer::listen(const QString &address, int port, QString *error)
{
    const std::string host = address.isEmpty() ? std::string("0.0.0.0") : address.toStdString();
    errno = 0;
    if (port == 0)
        boundPort = server->bind_to_any_port(host);
    else
        boundPort = server->bind_to_port(host, port) ? port : -1;
    if (boundPort < 0) {
        const QString why = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : tr("the address is not available");
        *error = tr("cannot open the remote control on %1:%2: %3")
                     .arg(address.isEmpty() ? QStringLiteral("*") : address).arg(port).arg(why);
        return false;
    }
    listener = std::thread([this] { server->listen_after_bind(); });
    return true;
}
