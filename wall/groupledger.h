#ifndef GROUPLEDGER_H
#define GROUPLEDGER_H

#include <QByteArray>
#include <QJsonValue>
#include <QMap>
#include <QString>

#include <optional>

// What a wall group shares, each value a change of its own.
enum class Shared { Pattern, Info, Visible };
constexpr Shared sharedValues[] = { Shared::Pattern, Shared::Info, Shared::Visible };

// One change of a shared value: the value (a canonical pattern name, or
// true/false), when it was made in milliseconds since the Unix epoch, and
// the member that made it. Time 0 is a value remembered from an earlier
// run, older than any change made in the group.
struct Change
{
    QJsonValue value;
    qint64 time = 0;
    QString member;
};

// Latest change wins; at the same time, the larger member id.
bool isNewer(const Change &candidate, const Change &shown);

// A member as it announces itself.
struct MemberEntry
{
    QString host;
    QString canvas;             // WxH+X+Y
    QString version;
    bool online = false;
    bool clockSynchronised = false;
    std::optional<double> clockErrorMs;
};

// The messages of one group, read and written. Receiving is separate from
// the network and the wall, so it can be checked on its own: a message is
// taken only when it is valid and newer than what is shown.
class GroupLedger
{
public:
    static constexpr int MaxMessage = 64 * 1024;
    static constexpr qint64 MaxAheadMs = 60 * 1000;

    enum Outcome {
        Taken,          // a shared value changed: show it
        Older,          // ours is newer: publish ours again
        Same,           // nothing new, our own echo included
        MemberNews,     // the list of members changed
        Refused,        // not valid; *why says why
    };

    explicit GroupLedger(const QString &group);

    // Reads one message that arrived on `topic` at `now` (ms since the
    // epoch); a taken change becomes shown(*which).
    Outcome receive(const QByteArray &topic, const QByteArray &payload, qint64 now, Shared *which, QString *why);

    const Change &shown(Shared value) const;
    void setShown(Shared value, const Change &change);
    const QMap<QString, MemberEntry> &members() const { return known; }

    QByteArray subscription() const;
    QByteArray topic(Shared value) const;
    QByteArray memberTopic(const QString &id) const;

    static QByteArray stateMessage(const Change &change);
    static QByteArray memberMessage(const MemberEntry &member, const QString &id, qint64 time);
    // A member id as the topics and messages carry it.
    static bool isMemberId(const QString &id);

private:
    Outcome receiveState(Shared value, const QByteArray &payload, qint64 now, QString *why);
    Outcome receiveMember(const QString &id, const QByteArray &payload, QString *why);

    QByteArray prefix;
    Change changes[3];
    QMap<QString, MemberEntry> known;
};

// The name a group shows for `text`: patterns in a group move with shared
// time, so a family with a `source` left at `reset` takes `system`. False
// with the reason in *error when the text is no pattern.
bool groupPatternName(const QString &text, QString *canonical, QString *error);

#endif // GROUPLEDGER_H
