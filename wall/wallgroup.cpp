#include "wallgroup.h"

#include "commandline.h"
#include "groupmembership.h"
#include "mainwindow.h"
#include "memberfacts.h"
#include "mqttlink.h"
#include "wallcontrol.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QTimer>
#include <QtDebug>

#include <algorithm>

namespace {

// The clock's health drifts slowly; a new reading is announced when it
// changed, looked at this often.
const int announceIntervalMs = 15000;
const int longestLoggedTopic = 200;
// A broker on the local network answers well within this.
const int noBrokerNoticeMs = 2000;

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

QString groupPattern(const QString &pattern)
{
    QString canonical;
    QString error;
    return groupPatternName(pattern, &canonical, &error) ? canonical : pattern;
}

void log(const QString &text)
{
    qWarning().noquote() << QStringLiteral("walltest: ") + text;
}

QJsonObject memberObject(const QString &id, const MemberEntry &member)
{
    const QJsonObject clock{ { QStringLiteral("synchronised"), member.clockSynchronised },
                             { QStringLiteral("error_ms"), member.clockErrorMs ? QJsonValue(*member.clockErrorMs)
                                                                               : QJsonValue(QJsonValue::Null) } };
    return QJsonObject{ { QStringLiteral("id"), id },
                        { QStringLiteral("host"), member.host },
                        { QStringLiteral("canvas"), member.canvas },
                        { QStringLiteral("version"), member.version },
                        { QStringLiteral("online"), member.online },
                        { QStringLiteral("clock"), clock } };
}

} // namespace

WallGroup::WallGroup(MainWindow *owner, const Start &given)
    : QObject(owner)
    , panel(owner)
    , control(owner->control())
    , start(given)
    , ledger(given.address.name)
    , settleTimer(new QTimer(this))
    , announceTimer(new QTimer(this))
{
    const qint64 startTime = nowMs();
    const bool givenNow[] = { start.patternGiven, start.infoGiven, start.patternGiven };
    for (Shared value : sharedValues)
        ledger.setShown(value, Change{ shownOnWall(value), givenNow[int(value)] ? startTime : 0, start.memberId });
    keepPatternShown();
    link = new MqttLink(linkOptions(startTime), this);
    settleTimer->setSingleShot(true);
    settleTimer->setInterval(SettleMs);
    announceTimer->setInterval(announceIntervalMs);
    wire();
    QString error;
    if (!link->start(&error))
        log(QCoreApplication::translate("WallGroup", "wall group %1: %2").arg(start.address.name, error));
    announceTimer->start();
    showStatus();
}

MqttLink::Options WallGroup::linkOptions(qint64 startTime) const
{
    MemberEntry gone = currentMemberFacts(*control);
    gone.online = false;
    MqttLink::Options options;
    options.address = start.address;
    options.caFile = start.caFile;
    options.clientId = QStringLiteral("walltest-") + start.memberId;
    options.subscription = ledger.subscription();
    options.willTopic = ledger.memberTopic(start.memberId);
    options.willPayload = GroupLedger::memberMessage(gone, start.memberId, startTime);
    return options;
}

void WallGroup::wire()
{
    connect(settleTimer, &QTimer::timeout, this, &WallGroup::offerUnseenValues);
    connect(announceTimer, &QTimer::timeout, this, &WallGroup::announce);
    connect(control, &WallControl::changed, this, &WallGroup::noticeChange);
    connect(link, &MqttLink::messageReceived, this, &WallGroup::receive);
    connect(link, &MqttLink::connected, this, &WallGroup::connectedToBroker);
    connect(link, &MqttLink::disconnected, this, &WallGroup::lostBroker);
    // The link retries every second: each reason is told once until it connects.
    connect(link, &MqttLink::refused, this, [this](const QString &reason) {
        if (refusalsTold.contains(reason))
            return;
        refusalsTold.insert(reason);
        log(QCoreApplication::translate("WallGroup", "wall group %1: the broker at %2 refused: %3")
                .arg(start.address.name, where(), reason));
    });
    // Said once when no broker answers at start; the link goes on looking.
    QTimer::singleShot(noBrokerNoticeMs, this, [this] {
        if (!everConnected)
            log(QCoreApplication::translate("WallGroup", "wall group %1: no broker at %2; running alone and retrying")
                    .arg(start.address.name, where()));
    });
    // A member that quits says so at once, rather than leaving it to its last will.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                [this] { leave(currentMemberFacts(*control)); });
}

// The panel's children, WallControl among them, may be gone by now: the
// goodbye was said when the application quit, or is said with what was
// announced last.
WallGroup::~WallGroup()
{
    leave(announced);
}

void WallGroup::leave(const MemberEntry &facts)
{
    MemberEntry gone = facts;
    gone.online = false;
    link->stop(ledger.memberTopic(start.memberId), GroupLedger::memberMessage(gone, start.memberId, nowMs()));
}

QString WallGroup::where() const
{
    return QStringLiteral("%1:%2").arg(start.address.host).arg(start.address.port);
}

QJsonValue WallGroup::shownOnWall(Shared value) const
{
    const WallState state = control->state();
    switch (value) {
    case Shared::Pattern:
        return groupPattern(state.pattern);
    case Shared::Info:
        return state.infoVisible;
    case Shared::Visible:
        return state.visible;
    }
    return QJsonValue();
}

// A change shown here that the ledger does not hold was made here.
void WallGroup::noticeChange()
{
    if (applying)
        return;
    for (Shared value : sharedValues) {
        const QJsonValue now = shownOnWall(value);
        const Change &shown = ledger.shown(value);
        if (now == shown.value)
            continue;
        // Never older than what it replaces, whatever this computer's clock says.
        ledger.setShown(value, Change{ now, std::max(nowMs(), shown.time + 1), start.memberId });
        publish(value);
    }
    keepPatternShown();
    if (currentMemberFacts(*control).canvas != announced.canvas)
        announce();
}

void WallGroup::receive(const QByteArray &topic, const QByteArray &payload)
{
    Shared value = Shared::Pattern;
    QString why;
    const GroupLedger::Outcome outcome = ledger.receive(topic, payload, nowMs(), &value, &why);
    switch (outcome) {
    case GroupLedger::Taken:
        seen[int(value)] = true;
        takeChange(value);
        break;
    case GroupLedger::Older:
        seen[int(value)] = true;
        publish(value);
        break;
    case GroupLedger::Same:
        seen[int(value)] = true;
        break;
    case GroupLedger::MemberNews:
        showStatus();
        break;
    case GroupLedger::Refused:
        log(QCoreApplication::translate("WallGroup", "wall group %1: ignored a message on %2: %3")
                .arg(start.address.name, QString::fromUtf8(topic.left(longestLoggedTopic)), why));
        break;
    }
}

// Shows the ledger's value; WallControl's signals meanwhile are the group's
// own doing, not a change to publish.
void WallGroup::takeChange(Shared value)
{
    applying = true;
    const QJsonValue shown = ledger.shown(value).value;
    switch (value) {
    case Shared::Pattern:
        keepPatternShown();
        break;
    case Shared::Info:
        control->setInfoVisible(shown.toBool());
        break;
    case Shared::Visible:
        control->setWindowVisible(shown.toBool());
        // The profile shows its remembered pattern when the window first
        // shows; the group's stays.
        keepPatternShown();
        break;
    }
    applying = false;
}

// The wall shows the ledger's pattern. One remembered from the last run
// (time 0) follows what the wall shows, read as the group reads it.
void WallGroup::keepPatternShown()
{
    Change pattern = ledger.shown(Shared::Pattern);
    const QString onWall = control->state().pattern;
    if (pattern.time == 0) {
        pattern.value = groupPattern(onWall);
        ledger.setShown(Shared::Pattern, pattern);
    }
    if (pattern.value.toString() == onWall)
        return;
    const bool wasApplying = applying;
    applying = true;
    QString error;
    if (!control->showPattern(pattern.value.toString(), &error))
        log(QCoreApplication::translate("WallGroup", "wall group %1: %2").arg(start.address.name, error));
    applying = wasApplying;
}

void WallGroup::publish(Shared value)
{
    link->publish(ledger.topic(value), GroupLedger::stateMessage(ledger.shown(value)));
}

void WallGroup::connectedToBroker()
{
    everConnected = true;
    refusalsTold.clear();
    log(QCoreApplication::translate("WallGroup", "wall group %1: connected to the broker at %2")
            .arg(start.address.name, where()));
    std::fill(std::begin(seen), std::end(seen), false);
    settleTimer->start();
    announced = MemberEntry();
    announce();
}

void WallGroup::lostBroker()
{
    log(QCoreApplication::translate("WallGroup", "wall group %1: lost the broker at %2; running alone and retrying")
            .arg(start.address.name, where()));
    showStatus();
}

// After a broker restart the retained state is gone: each member offers
// what it shows, and the latest change wins again.
void WallGroup::offerUnseenValues()
{
    for (Shared value : sharedValues) {
        if (!seen[int(value)])
            publish(value);
    }
}

void WallGroup::announce()
{
    const MemberEntry facts = currentMemberFacts(*control);
    const bool same = facts.canvas == announced.canvas && facts.clockSynchronised == announced.clockSynchronised
                      && facts.clockErrorMs == announced.clockErrorMs && !announced.host.isEmpty();
    if (same || !link->isConnected())
        return;
    announced = facts;
    link->publish(ledger.memberTopic(start.memberId), GroupLedger::memberMessage(facts, start.memberId, nowMs()));
    showStatus();
}

QJsonObject WallGroup::statusObject() const
{
    QMap<QString, MemberEntry> members = ledger.members();
    members.insert(start.memberId, currentMemberFacts(*control));
    QJsonArray list;
    for (auto it = members.cbegin(); it != members.cend(); ++it)
        list.append(memberObject(it.key(), it.value()));
    return QJsonObject{ { QStringLiteral("name"), start.address.name },
                        { QStringLiteral("broker"), link->isConnected() ? QStringLiteral("connected")
                                                                        : QStringLiteral("connecting") },
                        { QStringLiteral("members"), list } };
}

void WallGroup::showStatus()
{
    if (!link->isConnected()) {
        panel->setWallGroupStatus(QCoreApplication::translate("WallGroup", "Wall group %1: no broker, running alone")
                                      .arg(start.address.name));
        control->showWallGroup(start.address.name, 1);
        return;
    }
    QMap<QString, MemberEntry> members = ledger.members();
    members.insert(start.memberId, currentMemberFacts(*control));
    const auto online = std::count_if(members.cbegin(), members.cend(), [](const MemberEntry &m) { return m.online; });
    panel->setWallGroupStatus(QCoreApplication::translate("WallGroup", "Wall group %1: %2 of %3 members online")
                                  .arg(start.address.name)
                                  .arg(online)
                                  .arg(members.size()));
    control->showWallGroup(start.address.name, int(online));
}

WallGroup *joinWallGroup(MainWindow &panel, const CommandLine &line)
{
    const GroupMembership membership = groupMembership(line);
    if (membership.address.isEmpty())
        return nullptr;
    WallGroup::Start start;
    QString error;
    if (!parseWallAddress(membership.address, &start.address, &error)) {
        log(QCoreApplication::translate("WallGroup", "the profile's wall group %1 cannot be used: %2")
                .arg(hidePassword(membership.address), error));
        return nullptr;
    }
    start.caFile = membership.caFile;
    start.memberId = membership.memberId;
    start.patternGiven = !line.pattern.isEmpty();
    start.infoGiven = line.noInfo;
    return new WallGroup(&panel, start);
}
