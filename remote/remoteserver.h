#ifndef REMOTESERVER_H
#define REMOTESERVER_H

#include "remoteapi.h"

#include <QObject>
#include <QString>

#include <memory>
#include <thread>

class MainWindow;
namespace httplib { class Server; }

// The remote control's HTTP server: cpp-httplib on threads of its own,
// answering through a RemoteApi. Destroy it before the panel: the destructor
// stops the server and waits for its threads.
class RemoteServer : public QObject
{
    Q_OBJECT

public:
    RemoteServer(MainWindow &panel, const RemoteSettings &settings, QObject *parent = nullptr);
    ~RemoteServer() override;

    // Starts listening on `address` (empty: every address) and `port`
    // (0: a free one). On failure returns false with one line in *error.
    bool listen(const QString &address, int port, QString *error);
    int port() const { return boundPort; }
    RemoteApi *api() const { return requests; }

private:
    RemoteApi *requests = nullptr;
    std::unique_ptr<httplib::Server> server;
    std::thread listener;
    int boundPort = -1;
};

#endif // REMOTESERVER_H
