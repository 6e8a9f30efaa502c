#include "remoteaddress.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace {

// The first IPv4 address of an interface that is up and not the loopback:
// the one a phone on the venue's network reaches.
QString networkHost()
{
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol)
                return entry.ip().toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

} // namespace

QString remoteAddress(const QString &address, int port, const QString &token)
{
    QString host = address.isEmpty() || address == QLatin1String("0.0.0.0") ? networkHost() : address;
    if (host.contains(QLatin1Char(':')))
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("http://%1:%2/?token=%3").arg(host).arg(port).arg(token);
}
