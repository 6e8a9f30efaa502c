// The test-pattern window's state, commands and timers.
#include "render.h"
#include "windowstate.h"

#include <QMenu>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Counts the paints a window receives, to tell which commands repaint.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *watched) : QObject(watched) { watched->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

int paintsAfter(dialog &window, const std::function<void()> &command)
{
    auto *counter = new PaintCounter(&window);
    QCoreApplication::processEvents();
    counter->paints = 0;
    command();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const int paints = counter->paints;
    delete counter;
    return paints;
}

} // namespace

class ColorSource : public QObject
{
    Q_OBJECT
signals:
    void sendcolorlist(QVector<QColor>, int, int);
};

class TestPatternState : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        dialog window;
        QCOMPARE(window.geometry(), QRect(0, 0, 500, 500));
        QCOMPARE(window.objectName(), QStringLiteral("dialog"));
        QCOMPARE(window.windowFlags() & ~Qt::WindowType_Mask, Qt::FramelessWindowHint);
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(window.hasMouseTracking());
        QVERIFY(!window.isVisible());
        QCOMPARE(stateOf(window).mode, int(Solid));
        QVERIFY(!stateOf(window).solidColor.isValid());
        QCOMPARE(QSize(stateOf(window).cabinetWidth, stateOf(window).cabinetHeight), QSize(216, 216));
        QVERIFY(stateOf(window).hideBlockText && stateOf(window).infoVisible);
        QVERIFY(stateOf(window).squareDx >= 0 && stateOf(window).squareDx <= 9 && stateOf(window).squareDy >= 0 && stateOf(window).squareDy <= 9);
        for (QTimer *timer : { window.scanTimerForTest(), window.autoGrayTimerForTest(), window.delayTimerForTest(), window.clickTimerForTest() })
            QVERIFY(!timer->isActive());
        QCOMPARE(window.contextMenuForTest()->actions().size(), 1);
        QCOMPARE(window.contextMenuForTest()->actions().first()->text(), QStringLiteral("HIDE"));

        // A fresh window paints black.
        window.resize(50, 50);
        QImage image = window.grab().toImage();
        QCOMPARE(QColor(image.pixel(2, 2)), QColor(Qt::black));
    }

    void testFonts()
    {
        const QStringList families = { "Times New Roman", "Times New Roman", "Arial", "Arial",
                                       "Courier", "Courier", "宋体", "宋体" };
        for (int i = 0; i < 8; ++i) {
            const QFont font = characterTestFont(i);
            QCOMPARE(font.family(), families.at(i));
            QCOMPARE(font.pointSize(), 4);
            QVERIFY(!font.italic());
            QCOMPARE(font.bold(), i % 2 == 1);
        }
    }

    void metaMethodOrder()
    {
        const QStringList expected = {
            "xychange(int,int)", "whchange(int,int)", "getColorInfo(QVector<QColor>,int,int)",
            "getScanLinesInfo(int,int,int,int,int,int,QColor,QColor,int,int)", "updateScan()", "updateRect()",
            "getGrayInfo(int)", "getGraySpeed(int)", "getGaryBarInfo(int,int,int)", "autoGray()",
            "timeaddsecs()", "issingleclick()"
        };
        const QMetaObject &meta = dialog::staticMetaObject;
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(QString::fromLatin1(meta.method(meta.methodOffset() + i).methodSignature()), expected.at(i));
        const QMetaMethod scanInfo = meta.method(meta.methodOffset() + 3);
        QCOMPARE(scanInfo.parameterNames().join(','), QByteArray("hor,ver,lr,rl,font,square,bg,line,w,d"));
        QCOMPARE(meta.method(meta.methodOffset() + 8).parameterNames().join(','), QByteArray("grayw,start,dis"));
    }

    void commands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("expectedMode");
        QTest::newRow("setSolidColor selects Solid") << 0 << int(Solid);
        QTest::newRow("setColorBarLayout selects ColorBars") << 1 << int(ColorBars);
        QTest::newRow("setGrayRamp selects GrayBars") << 2 << int(GrayBars);
        QTest::newRow("setColorRampChart selects GrayBars") << 3 << int(GrayBars);
        QTest::newRow("getScanLinesInfo selects ScanLines; pitch is width plus gap") << 4 << int(ScanLines);
        QTest::newRow("getColorInfo selects ColorBars") << 5 << int(ColorBars);
        QTest::newRow("setMode selects what it is given") << 6 << int(Special);
        QTest::newRow("setSpecialPattern keeps the mode") << 7 << int(GrayBlocks);
        QTest::newRow("setMovingSquare sizes the square although it is off") << 8 << int(GrayBlocks);
        QTest::newRow("setPicture keeps the mode") << 9 << int(GrayBlocks);
    }

    void commands()
    {
        QFETCH(int, command);
        QFETCH(int, expectedMode);
        dialog w;
        w.setGrayBlockTest(2, false);
        QCOMPARE(stateOf(w).grayBlockType, 2);
        QVERIFY(!stateOf(w).hideBlockText);
        switch (command) {
        case 0: w.setSolidColor(Qt::red); break;
        case 1: w.setColorBarLayout(false, 30, 40, true); break;
        case 2: w.setGrayRamp(64, 1, 1, Qt::blue, Qt::yellow); break;
        case 3: w.setColorRampChart(1, 3); break;
        case 4:
            w.getScanLinesInfo(1, 0, 1, 0, 1, 0, Qt::red, Qt::green, 3, 7);
            QCOMPARE(stateOf(w).scanPitch, 10);
            QCOMPARE(stateOf(w).scanDiagonalLR, 1);
            QCOMPARE(stateOf(w).scanDiagonalRL, 0);
            break;
        case 5: w.getColorInfo({ Qt::red, Qt::green }, 2, 1); break;
        case 6: w.setMode(Special); break;
        case 7: w.setSpecialPattern(1, 100, 120); break;
        case 8:
            w.setMovingSquare(false, 30);
            QCOMPARE(stateOf(w).movingSquare, 0);
            QCOMPARE(QSize(stateOf(w).squareWidth, stateOf(w).squareHeight), QSize(30, 30));
            break;
        case 9: w.setPicture(QString(), true); break;
        }
        QCOMPARE(stateOf(w).mode, expectedMode);
    }

    void repaints_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("repaints");
        QTest::newRow("setMode does not repaint") << "mode" << false;
        QTest::newRow("getGraySpeed does not repaint") << "speed" << false;
        QTest::newRow("issingleclick does not repaint") << "click" << false;
        QTest::newRow("setSolidColor repaints") << "solid" << true;
        QTest::newRow("getGrayInfo repaints") << "gray" << true;
        QTest::newRow("getGaryBarInfo repaints") << "bars" << true;
        QTest::newRow("autoGray repaints") << "sweep" << true;
        QTest::newRow("setGrayBlockTest repaints") << "blocks" << true;
    }

    void repaints()
    {
        QFETCH(QString, command);
        QFETCH(bool, repaints);
        dialog w;
        w.resize(60, 60);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int paints = paintsAfter(w, [&] {
            if (command == "mode") w.setMode(GrayBars);
            else if (command == "speed") w.getGraySpeed(0);
            else if (command == "click") w.issingleclick();
            else if (command == "solid") w.setSolidColor(Qt::white);
            else if (command == "gray") w.getGrayInfo(100);
            else if (command == "bars") w.getGaryBarInfo(2, 3, 4);
            else if (command == "sweep") w.autoGray();
            else if (command == "blocks") w.setGrayBlockTest(0, true);
        });
        QCOMPARE(paints > 0, repaints);
    }

    void graySpeedIntervals_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("active");
        QTest::newRow("speed 3 runs every 33 ms") << 3 << 33 << true;
        QTest::newRow("speed 60 runs every 1 ms") << 60 << 1 << true;
        QTest::newRow("speed 99 runs every 1 ms") << 99 << 1 << true;
        QTest::newRow("speed 1 runs every 100 ms") << 1 << 100 << true;
        QTest::newRow("speed 0 stops") << 0 << -1 << false;
        QTest::newRow("negative speed stops") << -5 << -1 << false;
    }

    void graySpeedIntervals()
    {
        QFETCH(int, speed);
        QFETCH(int, interval);
        QFETCH(bool, active);
        dialog w;
        w.getGraySpeed(10);
        w.getGraySpeed(speed);
        QCOMPARE(w.autoGrayTimerForTest()->isActive(), active);
        if (active)
            QCOMPARE(w.autoGrayTimerForTest()->interval(), interval);
    }

    void scanTiming()
    {
        dialog w;
        w.setScanTiming(25, 3);
        QVERIFY(w.scanTimerForTest()->isActive());
        QCOMPARE(w.scanTimerForTest()->interval(), 25);
        QCOMPARE(stateOf(w).scanStep, 3);
        w.setScanTiming(0, 4);
        QVERIFY(!w.scanTimerForTest()->isActive());
        QCOMPARE(stateOf(w).scanStep, 4);
    }

    void scanTickWalk_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("offsets");
        QList<int> stepOne;
        for (int i = 1; i <= 21; ++i)
            stepOne << i;
        stepOne << 0 << 1;
        QTest::newRow("pitch 21 step 1: 1..21, 0") << 1 << stepOne;
        QTest::newRow("pitch 21 step 5: 5..25, 0") << 5 << QList<int>{ 5, 10, 15, 20, 25, 0, 5 };
    }

    void scanTickWalk()
    {
        QFETCH(int, step);
        QFETCH(QList<int>, offsets);
        dialog w;
        w.getScanLinesInfo(1, 0, 0, 0, 0, 0, Qt::black, Qt::white, 1, 20);
        w.setScanTiming(0, step);
        QCOMPARE(stateOf(w).scanOffset, 0);
        for (int expected : offsets) {
            w.updateScan();
            QCOMPARE(stateOf(w).scanOffset, expected);
        }
    }

    void graySweepWalk()
    {
        dialog w;
        for (int i = 0; i <= 255; ++i) {
            w.autoGray();
            QCOMPARE(stateOf(w).grayOffset, i);
        }
        w.autoGray();
        QCOMPARE(stateOf(w).grayOffset, 0);
        w.autoGray();
        QCOMPARE(stateOf(w).grayOffset, 1);
        // A hand-set gray value does not move the sweep; restarting continues.
        w.getGrayInfo(10);
        QCOMPARE(stateOf(w).grayOffset, 245);
        w.getGraySpeed(0);
        w.autoGray();
        QCOMPARE(stateOf(w).grayOffset, 2);
    }

    void grayAdjusted_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<int>("grayValue");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("invalid counts as black") << QColor() << 255 << QColor(Qt::black);
        QTest::newRow("red dimmed by 55") << QColor(255, 0, 0) << 200 << QColor(200, 0, 0);
        QTest::newRow("white with offset 255 is black") << QColor(Qt::white) << 0 << QColor(Qt::black);
        QTest::newRow("value 100 with offset 150 is black") << QColor(100, 100, 100) << 105 << QColor(Qt::black);
        QTest::newRow("value equal to offset is black") << QColor(100, 100, 100) << 155 << QColor(Qt::black);
        QTest::newRow("white dimmed to 200") << QColor(Qt::white) << 200 << QColor(200, 200, 200);
    }

    void grayAdjusted()
    {
        QFETCH(QColor, color);
        QFETCH(int, grayValue);
        QFETCH(QColor, expected);
        dialog w;
        w.getGrayInfo(grayValue);
        const QColor adjusted = w.grayAdjusted(color);
        QVERIFY(adjusted.isValid());
        QCOMPARE(adjusted.alpha(), 255);
        QCOMPARE(adjusted.value(), expected.value());
        if (expected.saturation() > 0)
            QCOMPARE(adjusted.toRgb(), expected.toRgb());
    }

    void clock()
    {
        dialog w;
        w.setMode(Special);
        w.setSpecialPattern(2, 216, 216);
        QVERIFY2(!w.delayTimerForTest()->isActive(), "the grid is static: no continuous repaint");
        w.setSpecialPattern(0, 216, 216);
        QCOMPARE(stateOf(w).delayTime, QTime(0, 0, 0, 0));
        QCOMPARE(w.delayTimerForTest()->interval(), 1);
        QVERIFY(w.delayTimerForTest()->isActive());
        // One tick after 200 ms of wall time shows at least 200 ms, not one tick's
        // millisecond; a busy machine may add any delay on top.
        QThread::msleep(200);
        w.timeaddsecs();
        const int shown = QTime(0, 0).msecsTo(stateOf(w).delayTime);
        QVERIFY2(shown >= 195 && shown < 10000, qPrintable(QString::number(shown)));
        // Every setSpecialPattern starts again at zero.
        w.setSpecialPattern(1, 216, 216);
        QCOMPARE(stateOf(w).delayTime, QTime(0, 0, 0, 0));
        w.setSolidColor(Qt::red);
        QVERIFY(!w.delayTimerForTest()->isActive());
        w.setMode(Special);
        QVERIFY(w.delayTimerForTest()->isActive());
    }

    void movingSquareTurnsAtTheEdges_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<int>("signX");
        QTest::addColumn<int>("signY");
        QTest::newRow("top-left edge: speeds 0..9") << 20 << QPoint(0, 0) << 1 << 1;
        QTest::newRow("bottom-right edge: speeds -9..0") << 20 << QPoint(80, 60) << -1 << -1;
        QTest::newRow("wider than the window: the second draw wins") << 120 << QPoint(0, 0) << 1 << 1;
    }

    void movingSquareTurnsAtTheEdges()
    {
        QFETCH(int, size);
        QFETCH(QPoint, from);
        QFETCH(int, signX);
        QFETCH(int, signY);
        dialog w;
        w.resize(100, 80);
        w.setMovingSquare(true, size);
        for (quint32 seed = 1; seed <= 30; ++seed) {
            w.seedRandom(seed);
            editState(w).squareX = from.x();
            editState(w).squareY = from.y();
            w.updateRect();
            QVERIFY(stateOf(w).squareDx * signX >= 0 && qAbs(stateOf(w).squareDx) <= 9);
            QVERIFY(stateOf(w).squareDy * signY >= 0 && qAbs(stateOf(w).squareDy) <= 9);
            QCOMPARE(QPoint(stateOf(w).squareX, stateOf(w).squareY), from + QPoint(stateOf(w).squareDx, stateOf(w).squareDy));
        }
        // Away from the edges the speed is kept.
        editState(w).squareX = 40;
        editState(w).squareY = 30;
        editState(w).squareDx = 3;
        editState(w).squareDy = -2;
        w.updateRect();
        QCOMPARE(QPoint(stateOf(w).squareX, stateOf(w).squareY), size < 80 ? QPoint(43, 28) : QPoint(40 + stateOf(w).squareDx, 30 + stateOf(w).squareDy));
    }

    void colorListTravelsThroughTheStringConnection()
    {
        dialog w;
        ColorSource source;
        w.connectColorSource(&source);
        QVERIFY(QMetaType::type("QVector<QColor>") != QMetaType::UnknownType);
        emit source.sendcolorlist({ Qt::red, Qt::green, Qt::blue }, 3, 1);
        QCOMPARE(stateOf(w).colorList.size(), 3);
        QCOMPARE(stateOf(w).colorList.at(2), QColor(Qt::blue));
        QCOMPARE(stateOf(w).colorColumns, 3);
        QCOMPARE(stateOf(w).colorRows, 1);
        QCOMPARE(stateOf(w).mode, int(ColorBars));
    }

    void pictureIsDecodedOnceAndFollowsItsFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("wall 图片.png");
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path));

        dialog w;
        w.setPicture(path, false);
        QTRY_COMPARE(QColor(pictureOf(w).pixel(0, 0)), QColor(Qt::red));
        const qint64 decoded = pictureOf(w).cacheKey();
        w.setPicture(path, true);
        QCOMPARE(pictureOf(w).cacheKey(), decoded);

        // The operator replaces the file on disk: the window shows the new one.
        QTest::qWait(1100);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(path));
        QTRY_COMPARE(QColor(pictureOf(w).pixel(0, 0)), QColor(Qt::blue));

        // A file that disappears is reported; the window keeps what it showed.
        QVERIFY(QFile::remove(path));
        w.setPicture(path, true);
        QTRY_VERIFY(w.pictureError().contains("wall 图片.png"));
    }
};

QTEST_MAIN(TestPatternState)
#include "tst_patternstate.moc"
