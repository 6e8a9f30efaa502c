#include "mqttlink.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <mosquitto.h>

#include <chrono>

namespace {

const int keepAliveSeconds = 10;
// A broker that went away is looked for again this often: a restarted one
// finds its members back within about a second.
const auto retryDelay = std::chrono::milliseconds(1000);
const auto stopGrace = std::chrono::milliseconds(1000);
const char *const systemCaFolder = "/etc/ssl/certs";

} // namespace

MqttLink::MqttLink(const Options &given, QObject *parent)
    : QObject(parent)
    , options(given)
{
    mosquitto_lib_init();
    client = mosquitto_new(options.clientId.toUtf8().constData(), true, this);
}

MqttLink::~MqttLink()
{
    stop(QByteArray(), QByteArray());
    if (client)
        mosquitto_destroy(client);
    mosquitto_lib_cleanup();
}

bool MqttLink::configure(QString *error)
{
    if (!client) {
        *error = QCoreApplication::translate("WallGroup", "cannot make an MQTT client");
        return false;
    }
    mosquitto_threaded_set(client, true);
    const WallAddress &address = options.address;
    if (!address.user.isEmpty())
        mosquitto_username_pw_set(client, address.user.toUtf8().constData(),
                                  address.password.isEmpty() ? nullptr : address.password.toUtf8().constData());
    mosquitto_will_set(client, options.willTopic.constData(), options.willPayload.size(), options.willPayload.constData(),
                       1, true);
    if (address.tls) {
        // Debian keeps the system's CAs hashed in /etc/ssl/certs.
        const QByteArray caFile = QFile::encodeName(options.caFile);
        const int rc = mosquitto_tls_set(client, caFile.isEmpty() ? nullptr : caFile.constData(),
                                         caFile.isEmpty() ? systemCaFolder : nullptr, nullptr, nullptr, nullptr);
        if (rc != MOSQ_ERR_SUCCESS) {
            *error = QCoreApplication::translate("WallGroup", "TLS cannot be set up: %1")
                         .arg(QString::fromUtf8(mosquitto_strerror(rc)));
            return false;
        }
    }
    mosquitto_connect_callback_set(client, &MqttLink::onConnect);
    mosquitto_disconnect_callback_set(client, &MqttLink::onDisconnect);
    mosquitto_message_callback_set(client, &MqttLink::onMessage);
    mosquitto_log_callback_set(client, &MqttLink::onLog);
    return true;
}

bool MqttLink::start(QString *error)
{
    if (!configure(error))
        return false;
    network = std::thread(&MqttLink::run, this);
    return true;
}

// Looking the host up and connecting may take seconds; they happen here,
// never on the GUI thread.
void MqttLink::run()
{
    const QByteArray host = options.address.host.toUtf8();
    bool first = true;
    while (!stopping) {
        int rc = first ? mosquitto_connect_async(client, host.constData(), options.address.port, keepAliveSeconds)
                       : mosquitto_reconnect_async(client);
        first = false;
        auto deadline = std::chrono::steady_clock::time_point::max();
        while (rc == MOSQ_ERR_SUCCESS) {
            rc = mosquitto_loop(client, 100, 1);
            // Stopping lets the last message and the goodbye go out first.
            if (stopping && deadline == std::chrono::steady_clock::time_point::max())
                deadline = std::chrono::steady_clock::now() + stopGrace;
            if (std::chrono::steady_clock::now() > deadline)
                break;
        }
        if (connectedNow.exchange(false))
            emit disconnected();
        waitBeforeRetry();
    }
}

void MqttLink::waitBeforeRetry()
{
    std::unique_lock<std::mutex> lock(waiting);
    wake.wait_for(lock, retryDelay, [this] { return stopping.load(); });
}

void MqttLink::publish(const QByteArray &topic, const QByteArray &payload)
{
    if (connectedNow)
        mosquitto_publish(client, nullptr, topic.constData(), payload.size(), payload.constData(), 1, true);
}

void MqttLink::stop(const QByteArray &topic, const QByteArray &payload)
{
    if (!network.joinable())
        return;
    if (connectedNow && !topic.isEmpty())
        publish(topic, payload);
    mosquitto_disconnect(client);
    {
        std::lock_guard<std::mutex> lock(waiting);
        stopping = true;
    }
    wake.notify_all();
    network.join();
}

void MqttLink::onConnect(mosquitto *client, void *self, int code)
{
    auto *link = static_cast<MqttLink *>(self);
    if (code != 0) {
        emit link->refused(QString::fromUtf8(mosquitto_connack_string(code)));
        return;
    }
    mosquitto_subscribe(client, nullptr, link->options.subscription.constData(), 1);
    link->connectedNow = true;
    emit link->connected();
}

void MqttLink::onDisconnect(mosquitto *, void *self, int)
{
    auto *link = static_cast<MqttLink *>(self);
    if (link->connectedNow.exchange(false))
        emit link->disconnected();
}

void MqttLink::onMessage(mosquitto *, void *self, const mosquitto_message *message)
{
    auto *link = static_cast<MqttLink *>(self);
    const QByteArray topic(message->topic);
    const QByteArray payload(static_cast<const char *>(message->payload), message->payloadlen);
    emit link->messageReceived(topic, payload);
}

// The library tells why a TLS connection failed only on its log.
void MqttLink::onLog(mosquitto *, void *self, int level, const char *text)
{
    if (level & MOSQ_LOG_ERR)
        emit static_cast<MqttLink *>(self)->refused(QString::fromUtf8(text));
}
