// The wall group's message handler on its own: which change wins, the guard
// against clocks far ahead, every kind of message it must ignore, and the
// --wall address.
#include "groupledger.h"
#include "wallurl.h"

#include <QtTest>

Q_DECLARE_METATYPE(GroupLedger::Outcome)

namespace {

const qint64 now = 1800000000000;
const QByteArray patternTopic = "walltest/hall/state/pattern";
const QByteArray infoTopic = "walltest/hall/state/info";

QByteArray message(const QJsonValue &value, qint64 time, const QString &member)
{
    return GroupLedger::stateMessage(Change{ value, time, member });
}

// A ledger showing `bars` since `time`, set by `member`.
GroupLedger showing(qint64 time, const QString &member)
{
    GroupLedger ledger(QStringLiteral("hall"));
    ledger.setShown(Shared::Pattern, Change{ QStringLiteral("bars"), time, member });
    ledger.setShown(Shared::Info, Change{ true, time, member });
    return ledger;
}

QByteArray announcement(const QString &canvas, const QJsonValue &errorMs)
{
    return QStringLiteral("{\"v\":1,\"host\":\"wall-a\",\"canvas\":\"%1\",\"version\":\"1.0.0\",\"online\":true,"
                          "\"clock\":{\"synchronised\":true,\"error_ms\":%2},\"time\":5,\"member\":\"m2\"}")
        .arg(canvas, errorMs.isNull() ? QStringLiteral("null") : QString::number(errorMs.toDouble()))
        .toUtf8();
}

} // namespace

class TestWallGroup : public QObject
{
    Q_OBJECT

private slots:
    void latestChangeWins_data();
    void latestChangeWins();
    void futureGuard_data();
    void futureGuard();
    void invalidMessages_data();
    void invalidMessages();
    void memberAnnouncement();
    void patternsMoveWithSharedTime_data();
    void patternsMoveWithSharedTime();
    void address_data();
    void address();
};

void TestWallGroup::latestChangeWins_data()
{
    QTest::addColumn<qint64>("shownTime");
    QTest::addColumn<QString>("shownMember");
    QTest::addColumn<qint64>("time");
    QTest::addColumn<QString>("member");
    QTest::addColumn<GroupLedger::Outcome>("outcome");

    QTest::newRow("newer is taken") << now - 10 << "b" << now - 5 << "a" << GroupLedger::Taken;
    QTest::newRow("older makes ours published") << now - 5 << "a" << now - 10 << "b" << GroupLedger::Older;
    QTest::newRow("tie: larger member id wins") << now << "a" << now << "b" << GroupLedger::Taken;
    QTest::newRow("tie: smaller member id loses") << now << "b" << now << "a" << GroupLedger::Older;
    QTest::newRow("tie: ids compare as text") << now << "9" << now << "a" << GroupLedger::Taken;
    QTest::newRow("own echo is nothing new") << now << "a" << now << "a" << GroupLedger::Same;
    QTest::newRow("remembered loses to any change") << qint64(0) << "z" << qint64(1) << "a" << GroupLedger::Taken;
    QTest::newRow("remembered against remembered") << qint64(0) << "b" << qint64(0) << "a" << GroupLedger::Older;
}

void TestWallGroup::latestChangeWins()
{
    QFETCH(qint64, shownTime);
    QFETCH(QString, shownMember);
    QFETCH(qint64, time);
    QFETCH(QString, member);
    QFETCH(GroupLedger::Outcome, outcome);

    GroupLedger ledger = showing(shownTime, shownMember);
    Shared which = Shared::Visible;
    QString why;
    QCOMPARE(ledger.receive(patternTopic, message(QStringLiteral("grid"), time, member), now, &which, &why), outcome);
    QCOMPARE(which, Shared::Pattern);
    const bool taken = outcome == GroupLedger::Taken;
    QCOMPARE(ledger.shown(Shared::Pattern).value.toString(), taken ? QStringLiteral("grid") : QStringLiteral("bars"));
    QCOMPARE(ledger.shown(Shared::Pattern).time, taken ? time : shownTime);
    QCOMPARE(ledger.shown(Shared::Info).value, QJsonValue(true));
}

void TestWallGroup::futureGuard_data()
{
    QTest::addColumn<qint64>("ahead");
    QTest::addColumn<bool>("taken");

    QTest::newRow("a minute ahead") << qint64(60000) << true;
    QTest::newRow("a millisecond over a minute ahead") << qint64(60001) << false;
    QTest::newRow("a year ahead") << qint64(365) * 86400000 << false;
    QTest::newRow("an hour behind") << qint64(-3600000) << true;
}

void TestWallGroup::futureGuard()
{
    QFETCH(qint64, ahead);
    QFETCH(bool, taken);

    GroupLedger ledger = showing(1, QStringLiteral("a"));
    Shared which;
    QString why;
    const auto outcome = ledger.receive(patternTopic, message(QStringLiteral("grid"), now + ahead, QStringLiteral("b")),
                                        now, &which, &why);
    QCOMPARE(outcome, taken ? GroupLedger::Taken : GroupLedger::Refused);
    QCOMPARE(ledger.shown(Shared::Pattern).time, taken ? now + ahead : 1);
    QCOMPARE(why.contains(QLatin1String("ahead")), !taken);
}

void TestWallGroup::invalidMessages_data()
{
    QTest::addColumn<QByteArray>("topic");
    QTest::addColumn<QByteArray>("payload");

    const QByteArray valid = message(QStringLiteral("grid"), now, QStringLiteral("b"));
    QByteArray huge = valid;
    huge.insert(1, "\"pad\":\"" + QByteArray(GroupLedger::MaxMessage, 'x') + "\",");
    QTest::newRow("over 64 KB") << patternTopic << huge;
    QTest::newRow("not JSON") << patternTopic << QByteArray("grid");
    QTest::newRow("binary") << patternTopic << QByteArray("\xff\x00\xfe", 3);
    QTest::newRow("empty") << patternTopic << QByteArray();
    QTest::newRow("a key twice") << patternTopic << QByteArray(R"({"v":1,"value":"grid","value":{"a":[]},"time":5,"member":"b"})");
    QTest::newRow("a key twice, nested") << patternTopic << QByteArray(R"({"v":1,"value":"grid","x":{"c":{},"c":{}},"time":5,"member":"b"})");
    QTest::newRow("a key spelt with escapes") << patternTopic << QByteArray(R"({"v":1,"val\u0075e":"grid","time":5,"member":"b"})");
    QTest::newRow("JSON but no object") << patternTopic << QByteArray("[1,\"grid\"]");
    QTest::newRow("missing v") << patternTopic << QByteArray(R"({"value":"grid","time":5,"member":"b"})");
    QTest::newRow("v 2") << patternTopic << QByteArray(R"({"v":2,"value":"grid","time":5,"member":"b"})");
    QTest::newRow("v as text") << patternTopic << QByteArray(R"({"v":"1","value":"grid","time":5,"member":"b"})");
    QTest::newRow("unknown pattern") << patternTopic << message(QStringLiteral("rainbow"), now, QStringLiteral("b"));
    QTest::newRow("key out of range") << patternTopic << message(QStringLiteral("scan:width=5000"), now, QStringLiteral("b"));
    QTest::newRow("picture that is no file here")
        << patternTopic << message(QStringLiteral("picture:path=/dev/zero"), now, QStringLiteral("b"));
    QTest::newRow("pattern as number") << patternTopic << message(7, now, QStringLiteral("b"));
    QTest::newRow("info as text") << infoTopic << message(QStringLiteral("true"), now, QStringLiteral("b"));
    QTest::newRow("visible as number") << QByteArray("walltest/hall/state/visible") << message(1, now, QStringLiteral("b"));
    QTest::newRow("missing time") << patternTopic << QByteArray(R"({"v":1,"value":"grid","member":"b"})");
    QTest::newRow("negative time") << patternTopic << message(QStringLiteral("grid"), -5, QStringLiteral("b"));
    QTest::newRow("fractional time") << patternTopic << QByteArray(R"({"v":1,"value":"grid","time":5.5,"member":"b"})");
    QTest::newRow("time as text") << patternTopic << QByteArray(R"({"v":1,"value":"grid","time":"5","member":"b"})");
    QTest::newRow("time beyond 2^53") << patternTopic << QByteArray(R"({"v":1,"value":"grid","time":1e300,"member":"b"})");
    QTest::newRow("missing member") << patternTopic << QByteArray(R"({"v":1,"value":"grid","time":5})");
    QTest::newRow("member with a slash") << patternTopic << message(QStringLiteral("grid"), now, QStringLiteral("a/b"));
    QTest::newRow("member too long") << patternTopic << message(QStringLiteral("grid"), now, QString(65, QLatin1Char('b')));
    QTest::newRow("unknown state topic") << QByteArray("walltest/hall/state/colour") << valid;
    QTest::newRow("topic beyond the state") << QByteArray("walltest/hall/state/pattern/x") << valid;
    QTest::newRow("another group's topic") << QByteArray("walltest/hall2/state/pattern") << valid;
    QTest::newRow("member topic with a bad id") << QByteArray("walltest/hall/members/a+b") << announcement("1x1+0+0", 0);
    QTest::newRow("member announcing another id") << QByteArray("walltest/hall/members/m3") << announcement("1x1+0+0", 0);
    QTest::newRow("member with a bad canvas") << QByteArray("walltest/hall/members/m2") << announcement("big", 0);
    QTest::newRow("member with a negative clock error")
        << QByteArray("walltest/hall/members/m2") << announcement("1920x1080+0+0", -1);
}

void TestWallGroup::invalidMessages()
{
    QFETCH(QByteArray, topic);
    QFETCH(QByteArray, payload);

    GroupLedger ledger = showing(1, QStringLiteral("a"));
    Shared which;
    QString why;
    QCOMPARE(ledger.receive(topic, payload, now, &which, &why), GroupLedger::Refused);
    QVERIFY(!why.isEmpty());
    QCOMPARE(ledger.shown(Shared::Pattern).value.toString(), QStringLiteral("bars"));
    QCOMPARE(ledger.shown(Shared::Info).value, QJsonValue(true));
    QVERIFY(ledger.members().isEmpty());
}

void TestWallGroup::memberAnnouncement()
{
    GroupLedger ledger(QStringLiteral("hall"));
    Shared which;
    QString why;
    const QByteArray topic = "walltest/hall/members/m2";
    QCOMPARE(ledger.receive(topic, announcement("1920x1080-1920+0", QJsonValue::Null), now, &which, &why),
             GroupLedger::MemberNews);
    const MemberEntry entry = ledger.members().value(QStringLiteral("m2"));
    QCOMPARE(entry.canvas, QStringLiteral("1920x1080-1920+0"));
    QVERIFY(entry.online && entry.clockSynchronised && !entry.clockErrorMs);
    // A cleared retained topic forgets the member.
    QCOMPARE(ledger.receive(topic, QByteArray(), now, &which, &why), GroupLedger::MemberNews);
    QVERIFY(ledger.members().isEmpty());
}

void TestWallGroup::patternsMoveWithSharedTime_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("shown");

    QTest::newRow("clock without source") << "clock" << "clock:source=system";
    QTest::newRow("clock counting from its start") << "clock:source=reset" << "clock:source=system";
    QTest::newRow("cabinet clock keeps its cabinet") << "cabinet-clock:cabinet=480x270"
                                                    << "cabinet-clock:cabinet=480x270,source=system";
    QTest::newRow("scan lines keep their keys") << "scan:h,speed=90" << "scan:h,speed=90,source=system";
    QTest::newRow("a family without source") << "grid" << "grid";
}

void TestWallGroup::patternsMoveWithSharedTime()
{
    QFETCH(QString, given);
    QFETCH(QString, shown);

    GroupLedger ledger = showing(1, QStringLiteral("a"));
    Shared which;
    QString why;
    QCOMPARE(ledger.receive(patternTopic, message(given, now, QStringLiteral("b")), now, &which, &why), GroupLedger::Taken);
    QCOMPARE(ledger.shown(Shared::Pattern).value.toString(), shown);
}

void TestWallGroup::address_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");     // empty: refused
    QTest::addColumn<QString>("password");

    QTest::newRow("plain") << "mqtt://broker/hall-a" << "mqtt://broker:1883/hall-a" << "";
    QTest::newRow("TLS takes 8883") << "mqtts://broker.example/hall" << "mqtts://broker.example:8883/hall" << "";
    QTest::newRow("port and user") << "mqtt://tech:s3cr%40t/x@10.0.0.5:1884/Wall_1"
                                   << "mqtt://tech@10.0.0.5:1884/Wall_1" << "s3cr@t/x";
    QTest::newRow("IPv6") << "mqtt://[::1]:1999/w" << "mqtt://[::1]:1999/w" << "";
    QTest::newRow("other scheme") << "http://broker/hall" << "" << "";
    QTest::newRow("no name") << "mqtt://broker/" << "" << "";
    QTest::newRow("name with a dot") << "mqtt://broker/hall.a" << "" << "";
    QTest::newRow("name over 64") << QStringLiteral("mqtt://broker/") + QString(65, QLatin1Char('n')) << "" << "";
    QTest::newRow("port 0") << "mqtt://broker:0/hall" << "" << "";
    QTest::newRow("port 70000") << "mqtt://broker:70000/hall" << "" << "";
    QTest::newRow("no host") << "mqtt:///hall" << "" << "";
    QTest::newRow("password without user") << "mqtt://:pw@broker/hall" << "" << "";
}

void TestWallGroup::address()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, password);

    WallAddress address;
    QString error;
    QCOMPARE(parseWallAddress(text, &address, &error), !shown.isEmpty());
    QCOMPARE(error.isEmpty(), !shown.isEmpty());
    if (shown.isEmpty())
        return;
    QCOMPARE(address.displayText(), shown);
    QCOMPARE(address.password, password);
    WallAddress again;
    QVERIFY(parseWallAddress(address.text(), &again, &error));
    QCOMPARE(again.password, password);
    QVERIFY(!hidePassword(text).contains(QLatin1String("s3cr")));
}

QTEST_GUILESS_MAIN(TestWallGroup)
#include "tst_wallgroup.moc"
