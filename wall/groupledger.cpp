#include "groupledger.h"

#include "patternname.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <QSet>

#include <cctype>
#include <cmath>
#include <optional>
#include <vector>

namespace {

const char *const sharedNames[] = { "pattern", "info", "visible" };

// The largest whole number a JSON number holds exactly.
constexpr double largestTime = 9007199254740992.0;

// Qt 5's JSON reader loses track of the first value of a key an object
// gives twice, when that value is an object or an array: a broker message
// repeating keys would leak memory at every reading. Such a message is
// refused before it is read; so is a key written with escapes, which could
// spell a key twice in two ways and which no message of the group needs.
bool repeatsKey(const QByteArray &json)
{
    std::vector<std::optional<QSet<QByteArray>>> open; // keys seen per open object; none for an array
    for (int i = 0; i < json.size(); ++i) {
        const char c = json.at(i);
        if (c == '{') {
            open.emplace_back(QSet<QByteArray>());
        } else if (c == '[') {
            open.emplace_back(std::nullopt);
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == '"') {
            const int start = i + 1;
            bool escaped = false;
            for (i = start; i < json.size() && json.at(i) != '"'; ++i) {
                if (json.at(i) == '\\') {
                    escaped = true;
                    ++i;
                }
            }
            int next = i + 1;
            while (next < json.size() && std::isspace(static_cast<unsigned char>(json.at(next))))
                ++next;
            const bool isKey = next < json.size() && json.at(next) == ':' && !open.empty() && open.back();
            if (!isKey)
                continue;
            const QByteArray key = json.mid(start, i - start);
            if (escaped || open.back()->contains(key))
                return true;
            open.back()->insert(key);
        }
    }
    return false;
}

// What every message carries: the version, the change's time and its member.
bool readEnvelope(const QByteArray &payload, QJsonObject *object, qint64 *time, QString *member, QString *why)
{
    if (payload.size() > GroupLedger::MaxMessage) {
        *why = QCoreApplication::translate("WallGroup", "over %1 bytes").arg(GroupLedger::MaxMessage);
        return false;
    }
    if (repeatsKey(payload)) {
        *why = QCoreApplication::translate("WallGroup", "a key given twice or written with escapes");
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        *why = QCoreApplication::translate("WallGroup", "not a JSON object");
        return false;
    }
    *object = document.object();
    if (object->value(QStringLiteral("v")) != QJsonValue(1)) {
        *why = QCoreApplication::translate("WallGroup", "a wrong or missing \"v\" (this version reads 1)");
        return false;
    }
    const QJsonValue stamp = object->value(QStringLiteral("time"));
    const double ms = stamp.toDouble(-1);
    if (!stamp.isDouble() || ms < 0 || ms > largestTime || std::floor(ms) != ms) {
        *why = QCoreApplication::translate("WallGroup", "\"time\" must be whole milliseconds since 1970");
        return false;
    }
    *time = qint64(ms);
    *member = object->value(QStringLiteral("member")).toString();
    if (!GroupLedger::isMemberId(*member)) {
        *why = QCoreApplication::translate("WallGroup", "\"member\" must be 1 to 64 of A-Z a-z 0-9 _ -");
        return false;
    }
    return true;
}

bool readClock(const QJsonValue &value, MemberEntry *entry)
{
    const QJsonObject clock = value.toObject();
    const QJsonValue synchronised = clock.value(QStringLiteral("synchronised"));
    const QJsonValue error = clock.value(QStringLiteral("error_ms"));
    if (!value.isObject() || !synchronised.isBool())
        return false;
    entry->clockSynchronised = synchronised.toBool();
    if (error.isNull())
        return true;
    const double ms = error.toDouble(-1);
    if (!error.isDouble() || !(ms >= 0 && ms < 1e9))
        return false;
    entry->clockErrorMs = ms;
    return true;
}

bool readMemberEntry(const QJsonObject &object, MemberEntry *entry)
{
    static const QRegularExpression canvasForm(QStringLiteral("^\\d{1,5}x\\d{1,5}[+-]\\d{1,5}[+-]\\d{1,5}$"));
    const QJsonValue host = object.value(QStringLiteral("host"));
    const QJsonValue canvas = object.value(QStringLiteral("canvas"));
    const QJsonValue version = object.value(QStringLiteral("version"));
    const QJsonValue online = object.value(QStringLiteral("online"));
    if (!host.isString() || host.toString().size() > 253 || !version.isString() || version.toString().size() > 64
        || !canvasForm.match(canvas.toString()).hasMatch() || !online.isBool())
        return false;
    entry->host = host.toString();
    entry->canvas = canvas.toString();
    entry->version = version.toString();
    entry->online = online.toBool();
    return readClock(object.value(QStringLiteral("clock")), entry);
}

} // namespace

bool isNewer(const Change &candidate, const Change &shown)
{
    if (candidate.time != shown.time)
        return candidate.time > shown.time;
    return candidate.member > shown.member;
}

bool groupPatternName(const QString &text, QString *canonical, QString *error)
{
    PatternName name;
    if (!parsePatternName(text, &name, error))
        return false;
    // Each computer reads its own disk: a picture is shown where that file
    // exists, and a device or a folder is never read.
    const QString path = name.text(QStringLiteral("path"));
    if (name.family == QLatin1String("picture") && !path.isEmpty() && !QFileInfo(path).isFile()) {
        *error = QCoreApplication::translate("WallGroup", "no picture file \"%1\" on this computer").arg(path);
        return false;
    }
    const QString source = QStringLiteral("source");
    if (name.values.value(source) == QLatin1String("reset"))
        name.values[source] = QStringLiteral("system");
    *canonical = printPatternName(name);
    return true;
}

GroupLedger::GroupLedger(const QString &group)
    : prefix("walltest/" + group.toUtf8() + '/')
{
}

bool GroupLedger::isMemberId(const QString &id)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    return form.match(id).hasMatch();
}

QByteArray GroupLedger::subscription() const
{
    return prefix + '#';
}

QByteArray GroupLedger::topic(Shared value) const
{
    return prefix + "state/" + sharedNames[int(value)];
}

QByteArray GroupLedger::memberTopic(const QString &id) const
{
    return prefix + "members/" + id.toUtf8();
}

const Change &GroupLedger::shown(Shared value) const
{
    return changes[int(value)];
}

void GroupLedger::setShown(Shared value, const Change &change)
{
    changes[int(value)] = change;
}

GroupLedger::Outcome GroupLedger::receive(const QByteArray &topic, const QByteArray &payload, qint64 now,
                                          Shared *which, QString *why)
{
    if (topic.startsWith(prefix + "members/")) {
        const QString id = QString::fromUtf8(topic.mid(prefix.size() + 8));
        if (isMemberId(id))
            return receiveMember(id, payload, why);
    }
    for (Shared value : sharedValues) {
        if (topic == this->topic(value)) {
            *which = value;
            return receiveState(value, payload, now, why);
        }
    }
    *why = QCoreApplication::translate("WallGroup", "a topic this version does not know");
    return Refused;
}

GroupLedger::Outcome GroupLedger::receiveState(Shared value, const QByteArray &payload, qint64 now, QString *why)
{
    QJsonObject object;
    Change change;
    if (!readEnvelope(payload, &object, &change.time, &change.member, why))
        return Refused;
    const QJsonValue given = object.value(QStringLiteral("value"));
    if (value == Shared::Pattern) {
        QString canonical;
        if (!given.isString() || !groupPatternName(given.toString(), &canonical, why)) {
            if (!given.isString())
                *why = QCoreApplication::translate("WallGroup", "\"value\" must be a pattern name");
            return Refused;
        }
        change.value = canonical;
    } else if (given.isBool()) {
        change.value = given;
    } else {
        *why = QCoreApplication::translate("WallGroup", "\"value\" must be true or false");
        return Refused;
    }
    if (change.time > now + MaxAheadMs) {
        *why = QCoreApplication::translate("WallGroup", "stamped %1 s ahead of this computer's clock")
                   .arg((change.time - now) / 1000);
        return Refused;
    }
    const Change &current = shown(value);
    if (isNewer(change, current)) {
        setShown(value, change);
        return Taken;
    }
    return isNewer(current, change) ? Older : Same;
}

GroupLedger::Outcome GroupLedger::receiveMember(const QString &id, const QByteArray &payload, QString *why)
{
    // An empty retained message is how a broker's user clears a topic.
    if (payload.isEmpty())
        return known.remove(id) > 0 ? MemberNews : Same;
    QJsonObject object;
    qint64 time = 0;
    QString member;
    if (!readEnvelope(payload, &object, &time, &member, why))
        return Refused;
    MemberEntry entry;
    if (member != id || !readMemberEntry(object, &entry)) {
        *why = QCoreApplication::translate("WallGroup", "not a member's announcement");
        return Refused;
    }
    known.insert(id, entry);
    return MemberNews;
}

QByteArray GroupLedger::stateMessage(const Change &change)
{
    const QJsonObject message{ { QStringLiteral("v"), 1 },
                               { QStringLiteral("value"), change.value },
                               { QStringLiteral("time"), double(change.time) },
                               { QStringLiteral("member"), change.member } };
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QByteArray GroupLedger::memberMessage(const MemberEntry &member, const QString &id, qint64 time)
{
    const QJsonObject clock{ { QStringLiteral("synchronised"), member.clockSynchronised },
                             { QStringLiteral("error_ms"),
                               member.clockErrorMs ? QJsonValue(*member.clockErrorMs) : QJsonValue(QJsonValue::Null) } };
    const QJsonObject message{ { QStringLiteral("v"), 1 },
                               { QStringLiteral("host"), member.host },
                               { QStringLiteral("canvas"), member.canvas },
                               { QStringLiteral("version"), member.version },
                               { QStringLiteral("online"), member.online },
                               { QStringLiteral("clock"), clock },
                               { QStringLiteral("time"), double(time) },
                               { QStringLiteral("member"), id } };
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}
