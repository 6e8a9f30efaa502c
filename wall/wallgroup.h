#ifndef WALLGROUP_H
#define WALLGROUP_H

#include "groupledger.h"
#include "mqttlink.h"
#include "wallurl.h"

#include <QJsonObject>
#include <QObject>
#include <QSet>

class MainWindow;
class QTimer;
class WallControl;
struct CommandLine;

// This computer as a member of a wall group on an MQTT broker. The group
// shares the pattern, the information text and whether the test-pattern
// window shows; each computer keeps its own placement and full screen.
//
// Every change the panel's WallControl tells of, whoever made it, is
// published; a newer change from the group is shown through the same
// WallControl, and is not published again. While no broker answers the
// wall works alone, and the link keeps looking for one. Lives on the GUI
// thread; the network's own thread reaches it through queued signals only.
class WallGroup : public QObject
{
    Q_OBJECT

public:
    struct Start
    {
        WallAddress address;
        QString caFile;
        QString memberId;
        // Values the command line gave count as changes made at start;
        // those remembered from the last run as older than any in the group.
        bool patternGiven = false;
        bool infoGiven = false;
    };

    // How long a starting member waits for the group's retained state
    // before it offers its own.
    static constexpr int SettleMs = 500;

    WallGroup(MainWindow *panel, const Start &start);
    ~WallGroup() override;

    // {"name", "broker", "members"} as GET /api/wall answers.
    QJsonObject statusObject() const;

private:
    MqttLink::Options linkOptions(qint64 startTime) const;
    void wire();
    void noticeChange();
    void receive(const QByteArray &topic, const QByteArray &payload);
    void takeChange(Shared value);
    void keepPatternShown();
    void publish(Shared value);
    void connectedToBroker();
    void lostBroker();
    void offerUnseenValues();
    void announce();
    void showStatus();
    void leave(const MemberEntry &facts);
    QJsonValue shownOnWall(Shared value) const;
    QString where() const;

    MainWindow *panel;
    WallControl *control;
    const Start start;
    GroupLedger ledger;
    MqttLink *link;
    QTimer *settleTimer;
    QTimer *announceTimer;
    bool applying = false;
    bool seen[3] = { false, false, false };
    bool everConnected = false;
    QSet<QString> refusalsTold;
    MemberEntry announced;
};

// Joins the group that --wall names or the profile remembers, or returns
// null when there is none. A remembered address that cannot be read is
// reported and left alone.
WallGroup *joinWallGroup(MainWindow &panel, const CommandLine &line);

#endif // WALLGROUP_H
