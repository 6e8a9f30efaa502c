#ifndef REMOTEAPI_H
#define REMOTEAPI_H

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class MainWindow;
class WallControl;
struct PatternName;

// One HTTP request as the remote control sees it: the server fills it in,
// tests build it by hand.
struct RemoteRequest
{
    QByteArray method;
    QByteArray path;            // decoded, without the query
    QByteArray authorization;   // the Authorization header
    QByteArray queryToken;      // ?token=
    QByteArray body;
};

struct RemoteReply
{
    int status = 200;
    QByteArray contentType = "application/json";
    QByteArray body;
    QByteArray allow;           // the methods of a known path, for 405
};

struct RemoteSettings
{
    QByteArray token;
    QString picturesFolder;     // empty: no picture may be shown remotely
};

// The remote control's page and JSON API, without the network: maps a
// request to a reply. It may be called from any thread; whatever touches the
// panel or the test-pattern window runs on the GUI thread, so the window's
// state is only ever written there. It drives the wall through the panel's
// WallControl.
class RemoteApi : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxBody = 64 * 1024;

    RemoteApi(MainWindow &panel, const RemoteSettings &settings, QObject *parent = nullptr);

    RemoteReply handle(const RemoteRequest &request);

    // Requests still waiting for the GUI thread give up; called before the
    // server stops, while the GUI thread waits for the server's threads.
    void stop() { stopping = true; }

    // The wall group's name, broker and members for GET /api/wall, asked on
    // the GUI thread; set on the GUI thread. Unset: this computer is in no group.
    void setWallGroupStatus(const std::function<QJsonObject()> &status) { wallGroupStatus = status; }

private:
    using Handler = RemoteReply (RemoteApi::*)(const QByteArray &body);
    struct Route
    {
        const char *path;
        const char *method;
        Handler handler;
    };
    static const Route routes[];

    bool authorised(const RemoteRequest &request) const;
    RemoteReply onGuiThread(const std::function<RemoteReply()> &work);
    QJsonObject stateObject() const;
    RemoteReply stateReply() const;
    RemoteReply switchCommand(const QByteArray &body, const QString &key, const std::function<void(bool)> &command);
    int checkPicture(PatternName &name, QString *error) const;

    RemoteReply page(const QByteArray &body);
    RemoteReply getState(const QByteArray &body);
    RemoteReply getPatterns(const QByteArray &body);
    RemoteReply getPictures(const QByteArray &body);
    RemoteReply putPattern(const QByteArray &body);
    RemoteReply putGeometry(const QByteArray &body);
    RemoteReply putVisible(const QByteArray &body);
    RemoteReply putFullscreen(const QByteArray &body);
    RemoteReply putInfo(const QByteArray &body);
    RemoteReply putFrames(const QByteArray &body);
    RemoteReply putCanvas(const QByteArray &body);
    RemoteReply postScanStep(const QByteArray &body);
    RemoteReply getWall(const QByteArray &body);

    WallControl &control;
    const RemoteSettings settings;
    std::atomic<bool> stopping{ false };
    std::function<QJsonObject()> wallGroupStatus;
};

#endif // REMOTEAPI_H
