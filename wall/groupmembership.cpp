#include "groupmembership.h"

#include "commandline.h"
#include "groupledger.h"
#include "wallprofile.h"

#include <QRandomGenerator>
#include <QSettings>

namespace {

const QString groupKey = QStringLiteral("wall/group");
const QString caKey = QStringLiteral("wall/ca");
const QString memberKey = QStringLiteral("wall/member");

// Short enough for the 23 characters MQTT 3.1.1 promises a client id.
QString newMemberId()
{
    quint32 words[2];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex().left(12));
}

} // namespace

GroupMembership groupMembership(const CommandLine &line)
{
    QSettings settings(WallProfile::pathOf(line.profile), QSettings::IniFormat);
    GroupMembership membership;
    membership.memberId = settings.value(memberKey).toString();
    if (!GroupLedger::isMemberId(membership.memberId)) {
        membership.memberId = newMemberId();
        settings.setValue(memberKey, membership.memberId);
    }
    if (line.wall == QLatin1String("off") || line.reset) {
        settings.remove(groupKey);
        settings.remove(caKey);
    }
    if (!line.wall.isEmpty() && line.wall != QLatin1String("off")) {
        settings.setValue(groupKey, line.wall);
        settings.setValue(caKey, line.wallCa);
    }
    membership.address = settings.value(groupKey).toString();
    membership.caFile = settings.value(caKey).toString();
    settings.sync();
    return membership;
}
