#ifndef DIALOG_H
#define DIALOG_H

#include "framemeter.h"
#include "patternname.h"
#include "patternrenderer.h"
#include "patternstate.h"
#include "picturedecoder.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QWidget>

class PatternModel;
class PictureSource;
class QMenu;
class QTimer;

// The test-pattern window: a frameless top-level window that paints the
// current test pattern from its state. The control panel drives it through
// the commands below; the operator moves, sizes and steps it with the mouse
// and keys (input.cpp).
class dialog : public QWidget
{
    Q_OBJECT

public:
    explicit dialog(QWidget *parent = nullptr);
    ~dialog() override;

    // Commands: each stores its arguments and asks for a repaint.
    void setMode(int mode);
    void setSolidColor(const QColor &color);
    void setColorBarLayout(bool autoSize, int cellWidth, int cellHeight, bool tile);
    void setGrayRamp(int length, int reverse, int rotate, const QColor &dark, const QColor &light);
    void setColorRampChart(int on, int direction);
    void setScanTiming(int intervalMs, int step);
    void setMovingSquare(bool on, int size);
    void setScanDirection(int sign);
    void setGrayBlockTest(int type, bool hideText);
    void setSpecialPattern(int type, int cabinetWidth, int cabinetHeight);
    void setPicture(const QString &path, bool fit);
    void connectColorSource(QObject *panel);
    QColor grayAdjusted(QColor color) const;

    // Why the last picture given to setPicture cannot be shown; empty when it can.
    QString pictureError() const;

    // The pattern shown, as the commands and the time left it.
    const PatternState &state() const { return current; }
    // The pattern apart from the window; it says when a command changed it.
    PatternModel *model() const { return patternModel; }

    // Shows or hides the information text, as Space does.
    void setInfoVisible(bool visible);

    // Shows the named pattern: every value its picture depends on, to its
    // default where the name leaves it out, and its animations' speeds.
    void showPattern(const PatternName &name);
    // The name of what the window shows now, the speeds of its running gray
    // sweep and scan lines included.
    PatternName patternName() const;
    // Moves the scan lines one step on, as the Right-arrow key does.
    void stepScanLines();

    // Tests seed the moving square's random source to make its walk repeatable.
    void seedRandom(quint32 seed);

    QTimer *scanTimerForTest() const { return scanTimer; }
    QTimer *autoGrayTimerForTest() const { return autoGrayTimer; }
    QTimer *delayTimerForTest() const { return delayTimer; }
    QTimer *clickTimerForTest() const { return clickTimer; }
    QMenu *contextMenuForTest() const { return contextMenu; }
    PatternState &stateForTest() { return pattern; }
    const QImage &pictureForTest() const { return renderer.picture(); }

    // Commands for named patterns, beyond what the panel offers.
    void setClockSource(int source);        // 0 time since chosen, 1 the computer's clock (UTC)
    void setTestFont(int index);            // the character test's font, 0..7
    // The wall's canvas of which this window shows a part; an unset one
    // makes the window the whole canvas.
    void setCanvas(const WallCanvas &canvas);
    WallCanvas canvas() const { return pattern.canvas; }
    // What the identification pattern tells of this window; the window
    // adds its own placement.
    void setWindowFacts(const WindowFacts &facts);
    WindowFacts windowFacts() const { return pattern.facts; }
    // The animation timers' intervals in milliseconds; 0 while stopped.
    int scanInterval() const;
    int graySweepInterval() const;

    // Whether the custom picture is being decoded now.
    bool isPictureDecoding() const;
    // The custom picture's source: it tells when a decode starts and ends.
    const PictureSource *pictures() const { return pictureSource; }
    // The remote control's address as a QR code; `Q` shows it in the
    // window's centre until the next key. A null image: `Q` does nothing.
    void setAddressCode(const QImage &code);
    bool addressCodeShown() const { return addressCodeVisible; }
    // How fast the window is really redrawn; `F` shows it in a corner.
    FrameFigures frameFigures() const;
    void setFrameReadoutVisible(bool visible);
    bool frameReadoutVisible() const { return frameReadoutShown; }

signals:
    void xychange(int, int);
    void whchange(int, int);

public slots:
    void getColorInfo(QVector<QColor> color, int column, int row);
    void getScanLinesInfo(int hor, int ver, int lr, int rl, int font, int square, QColor bg, QColor line, int w, int d);
    void updateScan();
    void updateRect();
    void getGrayInfo(int value);
    void getGraySpeed(int speed);
    void getGaryBarInfo(int grayw, int start, int dis);
    void autoGray();
    void timeaddsecs();
    void issingleclick();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    qint64 now() const;
    PatternState frameNow();
    PictureView pictureView(const QSize &windowSize) const;
    void followAnimations();
    void showAnimations();
    void stepFont();
    void recordAnchor(const QPoint &pos, const QPoint &globalPos);
    void dragFromAnchor(const QPoint &pos, const QPoint &globalPos);
    void toggleFullScreen();
    QRegion infoTextRegion() const;
    Qt::CursorShape cursorShapeAt(const QPoint &pos) const;
    bool fontTestShown() const;
    void selectFamily(int family);
    void updateClockTimer();
    void commandDone();

    // Press anchor of the last left press; valid only while anchorSet.
    int pressX = 0;
    int pressY = 0;
    int pressWidth = 0;
    int pressHeight = 0;
    int pressGlobalX = 0;
    int pressGlobalY = 0;
    int pressLeft = 0;
    int pressTop = 0;
    bool anchorSet = false;
    bool mousePressed = false;

    QTimer *scanTimer = nullptr;
    QTimer *autoGrayTimer = nullptr;
    QTimer *delayTimer = nullptr;
    QTimer *clickTimer = nullptr;
    QMenu *contextMenu = nullptr;
    PatternModel *patternModel = nullptr;
    PictureSource *pictureSource = nullptr;
    QElapsedTimer monotonic;        // the animations' clock
    QRandomGenerator random;
    PatternState pattern;           // as the commands left it
    PatternState current;           // at the instant last looked at
    PatternRenderer renderer;
    QTimer *readoutTimer = nullptr;
    FrameMeter frameMeter;
    quint64 frameSerial = 1;        // counts the frames made, so each is counted once when shown
    quint64 countedSerial = 0;
    bool frameReadoutShown = false;
    QImage addressCode;
    bool addressCodeVisible = false;
    // What the window's pixels show: the state of the last paint and where
    // its information text stands. A tick repaints only what changed since.
    PatternState painted;
    QRect paintedTextBox;
    QRect geometryBeforeFullScreen; // the geometry to return to from full screen
    bool coveringScreen = false;    // full screen by a double-click
};

#endif // DIALOG_H
