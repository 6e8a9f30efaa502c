// The test-pattern window's state, commands and timers.
#include "render.h"
#include "windowstate.h"

#include <QMenu>
#include <QMetaMethod>
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
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestPatternState : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        dialog window;
        QCOMPARE(window.geometry(), QRect(0, 0, 500, 500));
        QCOMPARE(window.windowFlags() & ~Qt::WindowType_Mask, Qt::FramelessWindowHint);
        QVERIFY(!window.isVisible());
        const PatternState &state = stateOf(window);
        QCOMPARE(state.mode, int(Solid));
        QCOMPARE(QSize(state.cabinetWidth, state.cabinetHeight), QSize(216, 216));
        QVERIFY(state.hideBlockText && state.infoVisible);
        for (QTimer *timer : { window.scanTimerForTest(), window.autoGrayTimerForTest(), window.delayTimerForTest(), window.clickTimerForTest() })
            QVERIFY(!timer->isActive());
        QCOMPARE(window.contextMenuForTest()->actions().size(), 1);
        QCOMPARE(window.contextMenuForTest()->actions().first()->text(), QStringLiteral("HIDE"));
        window.resize(50, 50); // a fresh window paints black
        QCOMPARE(QColor(window.grab().toImage().pixel(2, 2)), QColor(Qt::black));
    }

    void testFonts()
    {
        const QStringList families = { "Times New Roman", "Arial", "Courier", "宋体" };
        for (int i = 0; i < 8; ++i) {
            const QFont font = characterTestFont(i);
            QCOMPARE(font.family(), families.at(i / 2));
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
            QCOMPARE(QString::fromLatin1(meta.method(meta.methodOffset() + i).methodSignature()),
                     QString::fromLatin1(QMetaObject::normalizedSignature(qPrintable(expected.at(i))))); // QList in Qt 6
        QCOMPARE(meta.method(meta.methodOffset() + 3).parameterNames().join(','), QByteArray("hor,ver,lr,rl,font,square,bg,line,w,d"));
        QCOMPARE(meta.method(meta.methodOffset() + 8).parameterNames().join(','), QByteArray("grayw,start,dis"));
    }

    // Every command starts from the dark contrast chart; the panel suite
    // covers the commands whose mode its clicks show.
    void commands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("expectedMode");
        QTest::newRow("setColorBarLayout selects ColorBars") << 1 << int(ColorBars);
        QTest::newRow("getScanLinesInfo selects ScanLines; pitch is width plus gap") << 4 << int(ScanLines);
        QTest::newRow("setMode selects what it is given") << 6 << int(Special);
        QTest::newRow("setSpecialPattern keeps the mode") << 7 << int(GrayBlocks);
        QTest::newRow("setMovingSquare sizes the square although it is off") << 8 << int(GrayBlocks);
        QTest::newRow("setPicture keeps the mode") << 9 << int(GrayBlocks);
    }

    void commands()
    {
        QFETCH(int, command);
        dialog w;
        w.setGrayBlockTest(2, false);
        QCOMPARE(stateOf(w).grayBlockType, 2);
        QVERIFY(!stateOf(w).hideBlockText);
        switch (command) {
        case 1: w.setColorBarLayout(false, 30, 40, true); break;
        case 4:
            w.getScanLinesInfo(1, 0, 1, 0, 1, 0, Qt::red, Qt::green, 3, 7);
            QCOMPARE(QVector<int>({ stateOf(w).scanPitch, stateOf(w).scanDiagonalLR, stateOf(w).scanDiagonalRL }), QVector<int>({ 10, 1, 0 }));
            break;
        case 6: w.setMode(Special); break;
        case 7: w.setSpecialPattern(1, 100, 120); break;
        case 8:
            w.setMovingSquare(false, 30);
            QCOMPARE(stateOf(w).movingSquare, 0);
            QCOMPARE(QSize(stateOf(w).squareWidth, stateOf(w).squareHeight), QSize(30, 30));
            break;
        case 9: w.setPicture(QString(), true); break;
        }
        QTEST(stateOf(w).mode, "expectedMode");
    }

    void repaints_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("repaints");
        QTest::newRow("setMode does not repaint") << "mode" << false;
        QTest::newRow("setSolidColor repaints") << "solid" << true;
        QTest::newRow("getGrayInfo repaints") << "gray" << true;
        QTest::newRow("getGaryBarInfo repaints") << "bars" << true;
        QTest::newRow("autoGray repaints") << "sweep" << true;
        QTest::newRow("setGrayBlockTest repaints") << "blocks" << true;
    }

    void repaints()
    {
        QFETCH(QString, command);
        dialog w;
        w.resize(60, 60);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        PaintCounter counter(&w);
        if (command == "mode") w.setMode(GrayBars);
        else if (command == "solid") w.setSolidColor(Qt::white);
        else if (command == "gray") w.getGrayInfo(100);
        else if (command == "bars") w.getGaryBarInfo(2, 3, 4);
        else if (command == "sweep") w.autoGray();
        else if (command == "blocks") w.setGrayBlockTest(0, true);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QTEST(counter.paints > 0, "repaints");
    }

    // Pitch 21, step 5: the offset runs 5 ... 25 and wraps past the pitch to 0.
    void scanTimingAndTicks()
    {
        dialog w;
        w.setScanTiming(25, 3);
        QVERIFY(w.scanTimerForTest()->isActive());
        QCOMPARE(w.scanTimerForTest()->interval(), 25);
        w.getScanLinesInfo(1, 0, 0, 0, 0, 0, Qt::black, Qt::white, 1, 20);
        w.setScanTiming(0, 5);
        QVERIFY(!w.scanTimerForTest()->isActive());
        QCOMPARE(stateOf(w).scanOffset, 0);
        for (int expected : { 5, 10, 15, 20, 25, 0, 5 }) {
            w.updateScan();
            QCOMPARE(stateOf(w).scanOffset, expected);
        }
    }

    void graySweepWalk()
    {
        dialog w;
        for (int i = 0; i <= 257; ++i) {
            w.autoGray();
            QCOMPARE(stateOf(w).grayOffset, i % 256);
        }
        // A hand-set gray value does not move the sweep; restarting continues.
        w.getGrayInfo(10);
        QCOMPARE(stateOf(w).grayOffset, 245);
        w.getGraySpeed(0);
        w.autoGray();
        QCOMPARE(stateOf(w).grayOffset, 2);
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
        w.setSpecialPattern(1, 216, 216); // every setSpecialPattern starts again at zero
        QCOMPARE(stateOf(w).delayTime, QTime(0, 0, 0, 0));
        w.setSolidColor(Qt::red);
        QVERIFY(!w.delayTimerForTest()->isActive());
        w.setMode(Special);
        QVERIFY(w.delayTimerForTest()->isActive());
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
