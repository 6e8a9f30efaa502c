// The command line and the export, through the real program: exit codes,
// messages, and exported pixels against the window's own rendering.
#include "applypattern.h"
#include "dialog.h"
#include "render.h"
#include "startup.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("WALLTEST_BINARY"), arguments);
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError()) };
}

// The window's pixels for a name at `size`, rendered in this process.
QImage windowRendering(const QString &pattern, const QSize &size)
{
    PatternName name;
    QString error;
    if (!parsePatternName(pattern, &name, &error))
        return QImage();
    dialog window;
    window.resize(size);
    applyPatternName(window, name);
    PatternState state = window.state();
    state.infoVisible = false;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PatternRenderer renderer;
    renderer.render(painter, state, image.rect(), QPoint());
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutions(); }
    void exitCodes_data();
    void exitCodes();
    void exportEqualsWindow_data();
    void exportEqualsWindow();
    void framesAdvance();
};

void TestCli::exitCodes_data()
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
    QTest::newRow("size without export") << QStringList{ "--size", "100x100" } << 2 << "--export";
    QTest::newRow("zero fps") << QStringList{ "--export", "x.png", "--pattern", "clock", "--frames", "2", "--fps", "0" } << 2 << "--fps";
    QTest::newRow("unwritable place") << QStringList{ "--export", "/proc/walltest/x.png", "--pattern", "grid", "--size", "64x64" } << 1 << "cannot write";
    QTest::newRow("unreadable picture") << QStringList{ "--export", "x.png", "--pattern", "picture:path=/nonexistent.png" } << 1 << "does not exist";
}

void TestCli::exitCodes()
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
        QVERIFY2(run.err.count(QLatin1Char('\n')) <= 2, qPrintable(run.err));
}

void TestCli::exportEqualsWindow_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QSize>("size");
    QTest::newRow("cabinet map") << "cabinets:cabinet=200x150" << QSize(640, 360);
    QTest::newRow("colour bars") << "bars:preset" << QSize(333, 200);
    QTest::newRow("scan lines") << "scan:h,v,width=3,gap=5" << QSize(640, 360);
    QTest::newRow("character test") << "chars:font=3" << QSize(800, 600);
    QTest::newRow("dimmed solid") << "solid:color=#40c080,gray=200" << QSize(64, 48);
}

void TestCli::exportEqualsWindow()
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

void TestCli::framesAdvance()
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

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
