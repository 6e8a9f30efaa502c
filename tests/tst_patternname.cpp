// Pattern names: reading and printing them, showing them on the window, the
// cabinet map that only a name reaches; the command line and the export, through
// the real program: exit codes, messages, and exported pixels against the
// window's own rendering.
#include "dialog.h"
#include "windowstate.h"
#include "patternname.h"
#include "render.h"
#include "fontsubstitutions.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PatternName parsed(const QString &text)
{
    PatternName name;
    QString error;
    if (!parsePatternName(text, &name, &error))
        qWarning("%s", qPrintable(error));
    return name;
}

QImage rendered(const PatternState &state, const QSize &size = QSize(320, 200))
{
    PatternState copy = state;
    copy.infoVisible = false;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QPainter painter(&image);
    PatternRenderer().render(painter, copy, image.rect(), QPoint());
    return image;
}

// 384 x 216 cabinets on a blue base colour, which the map's black hides.
PatternState cabinetMap()
{
    PatternState state;
    state.mode = Special;
    state.specialType = 4;
    state.cabinetWidth = 384;
    state.cabinetHeight = 216;
    state.solidColor = Qt::blue;
    return state;
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run walltest(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // A private runtime folder, as in a user's session, so that stderr holds
    // walltest's own lines only.
    static const QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("WALLTEST_BINARY"), arguments);
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError()) };
}

// The window's pixels for a name at `size`, rendered in this process as the export renders them.
QImage windowRendering(const QString &pattern, const QSize &size)
{
    dialog window;
    window.resize(size);
    window.showPattern(parsed(pattern));
    PatternState state = window.state();
    state.infoVisible = false;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PatternRenderer().render(painter, state, image.rect(), QPoint());
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

class TestPatternName : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }

    void canonical_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::newRow("upper case, defaults left out") << "SOLID:Gray=255,COLOR=Red" << "solid:color=#ff0000";
        QTest::newRow("base is the solid colour") << "solid:base=#00FF00" << "solid:color=#00ff00";
        QTest::newRow("keys in the table's order") << "ramp:light=#ffffff,rotate,period=32,reverse" << "ramp:reverse,rotate";
        QTest::newRow("the preset's table is the preset")
            << "bars:cols=7,colors=red;green;blue;white;cyan;magenta;yellow" << "bars:preset";
        QTest::newRow("flags after numbers") << "scan:speed=20,reverse,v,h" << "scan:h,v,reverse";
        QTest::newRow("colour names anywhere") << "scan:bg=yellow" << "scan:bg=#ffff00";
    }

    void canonical()
    {
        QFETCH(QString, text);
        QFETCH(QString, printed);
        QCOMPARE(printPatternName(parsed(text)), printed);
    }

    void refusal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("empty") << "" << QStringList{ "empty", "solid, bars" };
        QTest::newRow("unknown family") << "plaid:h" << QStringList{ "unknown pattern family \"plaid\"", "cabinets" };
        QTest::newRow("unknown key") << "bars:size=3" << QStringList{ "unknown key \"size\"", "cols, rows, colors" };
        QTest::newRow("sweep 0") << "solid:sweep=0" << QStringList{ "sweep=0", "1..99" };
        QTest::newRow("short colour") << "solid:color=#12345" << QStringList{ "color=#12345", "#rrggbb", "magenta" };
        QTest::newRow("period not offered") << "ramp:period=48" << QStringList{ "period=48", "16, 32, 64, 128, 256" };
        QTest::newRow("cabinet too small") << "cabinets:cabinet=20x20" << QStringList{ "cabinet=20x20", "W 50..3840", "H 50..2160" };
        QTest::newRow("value missing") << "chars:font" << QStringList{ "font needs a value", "0..7" };
        QTest::newRow("key twice") << "solid:gray=1,gray=2" << QStringList{ "\"gray\" is given twice" };
        QTest::newRow("colour and base") << "solid:color=red,base=blue" << QStringList{ "\"base\" is given twice", "color and base" };
        QTest::newRow("colours short of the table") << "bars:cols=2,colors=red" << QStringList{ "colors holds 1", "cols x rows = 2" };
        QTest::newRow("preset with a table") << "bars:preset,cols=3" << QStringList{ "preset cannot take cols", "cell, tile" };
        QTest::newRow("tile without a cell size") << "bars:tile" << QStringList{ "tile needs a cell size", "cell=WxH" };
    }

    // One line naming the bad part, and the name given before stays whole.
    void refusal()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, parts);
        PatternName name = parsed(QStringLiteral("grid:gray=7"));
        const PatternName before = name;
        QString error;
        QVERIFY(!parsePatternName(text, &name, &error));
        for (const QString &part : parts)
            QVERIFY2(error.contains(part), qPrintable(error));
        QVERIFY(!error.contains(QLatin1Char('\n')));
        QCOMPARE(name, before);
    }

    void everyFamilyListed()
    {
        const QStringList help = patternFamilyHelp();
        QCOMPARE(help.size(), 21);
        for (const QString &line : help) {
            const QString family = line.section(QLatin1Char(':'), 0, 0);
            QCOMPARE(printPatternName(parsed(family)), family);
            QVERIFY2(line.contains(QStringLiteral("gray=0..255 (255)")), qPrintable(line));
        }
    }

    void sameNameSameState_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("text");
        QTest::newRow("sweep and dimmer stop") << "solid:color=blue,sweep=5,gray=10" << "ramp:period=64";
        QTest::newRow("line keys back to default") << "scan:h,v,width=5,gap=3,bg=#ff0000,speed=0,reverse" << "scan:v";
        QTest::newRow("table back to one white cell") << "bars:cols=2,colors=red;blue,cell=40x40,tile,base=#00ff00" << "bars";
        QTest::newRow("gray bar levels") << "graybars:width=9,start=30,step=5,rotate,dark=#ff0000" << "graybars:reverse";
        QTest::newRow("square after a picture") << "picture:fit,path=/nonexistent.png" << "square:size=30";
    }

    void sameNameSameState()
    {
        QFETCH(QString, before);
        QFETCH(QString, text);
        dialog used;
        used.showPattern(parsed(before));
        used.showPattern(parsed(text));
        dialog fresh;
        fresh.showPattern(parsed(text));
        QCOMPARE(rendered(used.state()), rendered(fresh.state()));
        QCOMPARE(used.patternName(), fresh.patternName());
        QCOMPARE(used.scanInterval(), fresh.scanInterval());
        QCOMPARE(used.graySweepInterval(), fresh.graySweepInterval());
        QCOMPARE(used.state().clockSource, fresh.state().clockSource);
    }

    // The system clock shows UTC minutes, seconds and milliseconds; the map
    // stands still, so the clock's timer stops.
    void systemClock()
    {
        dialog window;
        window.showPattern(parsed(QStringLiteral("clock:source=system")));
        QVERIFY(window.delayTimerForTest()->isActive());
        window.timeaddsecs();
        const QTime now = QDateTime::currentDateTimeUtc().time();
        const int hourMs = 3600 * 1000;
        const int shown = QTime(0, 0).msecsTo(window.state().delayTime);
        const int expected = QTime(0, 0).msecsTo(QTime(0, now.minute(), now.second(), now.msec()));
        QVERIFY2((expected - shown + hourMs) % hourMs < 2000, qPrintable(window.state().delayTime.toString()));
        window.showPattern(parsed(QStringLiteral("cabinets")));
        QVERIFY(!window.delayTimerForTest()->isActive());
    }

    void cabinetMapPixels_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("color");
        const QSize wall(1920, 1080);
        QTest::newRow("first cabinet, first column") << wall << QPoint(0, 100) << QColor(Qt::white);
        QTest::newRow("first cabinet, last column") << wall << QPoint(383, 100) << QColor(Qt::white);
        QTest::newRow("second row, first row") << wall << QPoint(100, 216) << QColor(Qt::white);
        QTest::newRow("last cabinet, last column inside") << wall << QPoint(1919, 1000) << QColor(Qt::white);
        QTest::newRow("beside the label, not the base") << wall << QPoint(20, 108) << QColor(Qt::black);
        QTest::newRow("cut cabinet, first column") << QSize(1000, 500) << QPoint(768, 100) << QColor(Qt::white);
        QTest::newRow("cut cabinet, no outline at the cut") << QSize(1000, 500) << QPoint(999, 20) << QColor(Qt::black);
    }

    void cabinetMapPixels()
    {
        QFETCH(QSize, window);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, color);
        QCOMPARE(rendered(cabinetMap(), window).pixelColor(pixel), color);
    }

    // The label "3-2" stands centred in the cabinet of column 3, row 2, in
    // white, about a third of the cabinet's height tall.
    void cabinetMapLabel()
    {
        const QImage image = rendered(cabinetMap(), QSize(1920, 1080));
        const QRect inside = QRect(768, 216, 384, 216).adjusted(1, 1, -1, -1);
        QRect text;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                if (image.pixel(x, y) == qRgb(255, 255, 255))
                    text |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(!text.isEmpty());
        QVERIFY2(qAbs(text.center().x() - 960) <= 12 && qAbs(text.center().y() - 324) <= 12, qPrintable(QString::number(text.center().x())));
        QVERIFY2(text.height() >= 30 && text.height() <= 72, qPrintable(QString::number(text.height())));
        QVERIFY(text.width() > text.height());
    }

    // ---- The command line and the export ----

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");       // a part of stdout + stderr

        QTest::newRow("help") << QStringList{ "--help" } << 0 << "--export <FILE>";
        QTest::newRow("version") << QStringList{ "--version" } << 0 << "walltest 1.";
        QTest::newRow("list patterns") << QStringList{ "--list-patterns" } << 0 << "cabinets:";
        QTest::newRow("unknown option") << QStringList{ "--bogus" } << 2 << "Try 'walltest --help'";
        QTest::newRow("bad pattern") << QStringList{ "--pattern", "sqare" } << 2 << "sqare";
        QTest::newRow("bad geometry") << QStringList{ "--geometry", "100x100" } << 2 << "WxH+X+Y";
        QTest::newRow("export without pattern") << QStringList{ "--export", "x.png" } << 2 << "--pattern";
        QTest::newRow("export too large") << QStringList{ "--export", "x.png", "--pattern", "grid", "--size", "16385x100" } << 2 << "16384";
        QTest::newRow("zero fps") << QStringList{ "--export", "x.png", "--pattern", "clock", "--frames", "2", "--fps", "0" } << 2 << "--fps";
        QTest::newRow("unwritable place") << QStringList{ "--export", "/proc/walltest/x.png", "--pattern", "grid", "--size", "64x64" } << 1 << "cannot write";
        QTest::newRow("part past its canvas") << QStringList{ "--export", "x.png", "--pattern", "grid", "--size", "800x600", "--canvas", "1000x700+333+0" } << 2 << "does not fit";
        QTest::newRow("canvas not WxH+X+Y") << QStringList{ "--export", "x.png", "--pattern", "grid", "--canvas", "1000x700" } << 2 << "WxH+X+Y";
        QTest::newRow("canvas too large") << QStringList{ "--export", "x.png", "--pattern", "grid", "--canvas", "65536x700+0+0" } << 2 << "65535";
        QTest::newRow("instant without export") << QStringList{ "--at", "2026-12-07T10:00:00Z" } << 2 << "--export";
        QTest::newRow("instant not UTC") << QStringList{ "--export", "x.png", "--pattern", "clock", "--at", "2026-12-07T10:00:00+01:00" } << 2 << "--at";
        QTest::newRow("unreadable picture") << QStringList{ "--export", "x.png", "--pattern", "picture:path=/nonexistent.png" } << 1 << "does not exist";
    }

    void exitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        const Run run = walltest(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((run.out + run.err).contains(says), qPrintable(run.out + run.err));
        if (exitCode != 0)
            QVERIFY2(run.err.count(QStringLiteral("walltest: ")) == 1, qPrintable(run.err)); // one line of ours
    }

    void exportEqualsWindow_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QSize>("size");
        QTest::newRow("cabinet map") << "cabinets:cabinet=200x150" << QSize(640, 360);
        QTest::newRow("colour bars") << "bars:preset" << QSize(333, 200);
        QTest::newRow("scan lines") << "scan:h,v,width=3,gap=5" << QSize(640, 360);
        QTest::newRow("character test") << "chars:font=3" << QSize(800, 600);
    }

    void exportEqualsWindow()
    {
        QFETCH(QString, pattern);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("wall.png"));
        const QString sizeText = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        const Run run = walltest({ "--export", file, "--pattern", pattern, "--size", sizeText });
        QCOMPARE(run.exitCode, 0);
        const QImage exported(file);
        QCOMPARE(exported.size(), size);
        QVERIFY(exported.convertToFormat(QImage::Format_RGB888) == windowRendering(pattern, size));
    }

    void framesAdvance()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("clock.png"));
        const Run run = walltest({ "--export", file, "--pattern", "clock", "--size", "320x180", "--frames", "3", "--fps", "10" });
        QCOMPARE(run.exitCode, 0);
        const QImage first(dir.filePath(QStringLiteral("clock-0001.png")));
        const QImage second(dir.filePath(QStringLiteral("clock-0002.png")));
        QVERIFY(!first.isNull() && !second.isNull());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("clock-0003.png"))));
        QVERIFY(!QFile::exists(file));
        QVERIFY(first != second);
    }
};

QTEST_MAIN(TestPatternName)
#include "tst_patternname.moc"
