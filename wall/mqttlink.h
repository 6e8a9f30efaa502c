#ifndef MQTTLINK_H
#define MQTTLINK_H

#include "wallurl.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

struct mosquitto;
struct mosquitto_message;

// One connection to an MQTT broker through libmosquitto, its network on a
// thread of its own, so that the wall never waits for the network. It
// connects, keeps reconnecting whatever went wrong, subscribes to one
// filter on every connection, and tells of what happens through signals,
// which reach the receiver's thread queued. publish() may be called from
// any thread; nothing here touches a widget.
class MqttLink : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        WallAddress address;
        QString caFile;             // with TLS; empty: the system's CAs
        QString clientId;
        QByteArray subscription;
        QByteArray willTopic;       // retained, sent by the broker when the link vanishes
        QByteArray willPayload;
    };

    explicit MqttLink(const Options &options, QObject *parent = nullptr);
    ~MqttLink() override;

    // Starts the network thread. False with the reason in *error when the
    // link cannot even be set up (a CA file that cannot be read).
    bool start(QString *error);
    // Retained, at least once; dropped while no broker is connected.
    void publish(const QByteArray &topic, const QByteArray &payload);
    // Sends one last retained message, if connected, and stops within a second.
    void stop(const QByteArray &topic, const QByteArray &payload);
    bool isConnected() const { return connectedNow; }

signals:
    void connected();
    void disconnected();
    // The broker answered but turned the connection down (a wrong password),
    // or the connection failed for a reason worth telling (a certificate
    // that cannot be trusted).
    void refused(const QString &reason);
    void messageReceived(const QByteArray &topic, const QByteArray &payload);

private:
    bool configure(QString *error);
    void run();
    void waitBeforeRetry();
    static void onConnect(mosquitto *client, void *self, int code);
    static void onDisconnect(mosquitto *client, void *self, int code);
    static void onMessage(mosquitto *client, void *self, const mosquitto_message *message);
    static void onLog(mosquitto *client, void *self, int level, const char *text);

    const Options options;
    mosquitto *client = nullptr;
    std::thread network;
    std::mutex waiting;
    std::condition_variable wake;
    std::atomic<bool> stopping{ false };
    std::atomic<bool> connectedNow{ false };
};

#endif // MQTTLINK_H
