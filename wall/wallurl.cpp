#include "wallurl.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

namespace {

QString credentials(const WallAddress &address, bool withPassword)
{
    if (address.user.isEmpty())
        return QString();
    const QString user = QString::fromLatin1(QUrl::toPercentEncoding(address.user));
    if (!withPassword || address.password.isEmpty())
        return user + QLatin1Char('@');
    return user + QLatin1Char(':') + QString::fromLatin1(QUrl::toPercentEncoding(address.password)) + QLatin1Char('@');
}

QString hostText(const QString &host)
{
    return host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
}

QString addressText(const WallAddress &address, bool withPassword)
{
    // One arg() for all: a password's percent escapes look like place markers.
    return QStringLiteral("%1://%2%3:%4/%5")
        .arg(address.tls ? QStringLiteral("mqtts") : QStringLiteral("mqtt"), credentials(address, withPassword),
             hostText(address.host), QString::number(address.port), address.name);
}

// HOST[:PORT], the host possibly an IPv6 address in brackets.
bool readHostPort(const QString &text, WallAddress *address, QString *error)
{
    static const QRegularExpression form(QStringLiteral("^(\\[[0-9A-Fa-f:.]+\\]|[A-Za-z0-9._-]+)(?::(\\d{1,5}))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        *error = QCoreApplication::translate("WallGroup", "expected HOST or HOST:PORT after the scheme");
        return false;
    }
    address->host = match.captured(1);
    if (address->host.startsWith(QLatin1Char('[')))
        address->host = address->host.mid(1, address->host.size() - 2);
    if (!match.captured(2).isEmpty()) {
        address->port = match.captured(2).toInt();
        if (address->port < 1 || address->port > 65535) {
            *error = QCoreApplication::translate("WallGroup", "the port must be from 1 to 65535");
            return false;
        }
    }
    return true;
}

} // namespace

QString WallAddress::displayText() const
{
    return addressText(*this, false);
}

QString WallAddress::text() const
{
    return addressText(*this, true);
}

QString hidePassword(const QString &text)
{
    static const QRegularExpression password(QStringLiteral("^([a-z]+://[^:@/]*:)(.*)@"));
    QString hidden = text;
    return hidden.replace(password, QStringLiteral("\\1***@"));
}

bool parseWallAddress(const QString &text, WallAddress *address, QString *error)
{
    WallAddress read;
    QString rest;
    if (text.startsWith(QLatin1String("mqtt://"))) {
        rest = text.mid(7);
    } else if (text.startsWith(QLatin1String("mqtts://"))) {
        read.tls = true;
        read.port = 8883;
        rest = text.mid(8);
    } else {
        *error = QCoreApplication::translate("WallGroup", "expected mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME, mqtts://... or off");
        return false;
    }
    // The name comes after the last slash, so a password may hold one.
    const int slash = rest.lastIndexOf(QLatin1Char('/'));
    static const QRegularExpression nameForm(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    read.name = slash < 0 ? QString() : rest.mid(slash + 1);
    if (!nameForm.match(read.name).hasMatch()) {
        *error = QCoreApplication::translate("WallGroup", "the group's NAME, after the last '/', must be 1 to 64 of A-Z a-z 0-9 _ -");
        return false;
    }
    QString authority = rest.left(slash);
    const int at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userInfo = authority.left(at);
        const int colon = userInfo.indexOf(QLatin1Char(':'));
        read.user = QUrl::fromPercentEncoding(userInfo.left(colon).toUtf8());
        read.password = colon < 0 ? QString() : QUrl::fromPercentEncoding(userInfo.mid(colon + 1).toUtf8());
        if (read.user.isEmpty()) {
            *error = QCoreApplication::translate("WallGroup", "a user name must come before ':' and '@'");
            return false;
        }
        authority = authority.mid(at + 1);
    }
    if (!readHostPort(authority, &read, error))
        return false;
    *address = read;
    return true;
}
