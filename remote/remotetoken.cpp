#include "remotetoken.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString newToken()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex());
}

} // namespace

QString profileRemoteToken(const QString &profile, bool renew)
{
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/walltest/") + profile + QStringLiteral(".ini");
    QSettings settings(file, QSettings::IniFormat);
    static const QRegularExpression tokenForm(QStringLiteral("^[0-9a-f]{32}$"));
    QString token = settings.value(QStringLiteral("remote/token")).toString();
    if (renew || !tokenForm.match(token).hasMatch()) {
        token = newToken();
        settings.setValue(QStringLiteral("remote/token"), token);
        settings.sync();
    }
    return token;
}
