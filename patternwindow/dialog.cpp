#include "dialog.h"

#include "namedpattern.h"
#include "patternmodel.h"
#include "picturesource.h"
#include "render.h"

#include <QAction>
#include <QCursor>
#include <QDateTime>
#include <QDebug>
#include <QMenu>
#include <QMetaType>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

namespace {

// Whole pixels per module, over about two thirds of the window's shorter
// side, so a phone's camera reads sharp edges.
void paintAddressCode(QPainter &painter, const QImage &code, const QRect &area)
{
    const int module = qMax(1, qMin(area.width(), area.height()) * 2 / 3 / code.width());
    QRect target(0, 0, code.width() * module, code.height() * module);
    target.moveCenter(area.center());
    painter.drawImage(target, code);
}

// The readout of how fast the window is redrawn, in the top-right corner.
QRect frameReadoutBox(const QRect &area)
{
    const QSize size(280, 64);
    return QRect(QPoint(area.right() - size.width() - 8, area.top() + 8), size);
}

void paintFrameReadout(QPainter &painter, const FrameFigures &figures, const QRect &box)
{
    painter.save();
    painter.setPen(Qt::white);
    painter.setBrush(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(14);
    painter.setFont(font);
    const QString text = dialog::tr("%1 redraws/s\nlongest gap %2 ms\nscreen %3 Hz")
                             .arg(figures.perSecond)
                             .arg(figures.longestGapMs)
                             .arg(figures.refreshHz, 0, 'f', 1);
    painter.drawText(box.adjusted(8, 4, -8, -4), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.restore();
}

} // namespace

dialog::dialog(QWidget *parent)
    : QWidget(parent)
    , random(QRandomGenerator::securelySeeded())
{
    setGeometry(0, 0, 500, 500);
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("dialog"));
    resize(500, 500);
    setAttribute(Qt::WA_MouseTracking);
    setWindowOpacity(1.0);

    setWindowFlags(Qt::FramelessWindowHint);

    // The animations are functions of time; their timers only say when to
    // look at the time again. A precise timer keeps each look close to the
    // tick it is for, so a step is never seen twice in one frame.
    monotonic.start();
    patternModel = new PatternModel(this);
    autoGrayTimer = new QTimer(this);
    scanTimer = new QTimer(this);
    delayTimer = new QTimer(this);
    for (QTimer *timer : { scanTimer, autoGrayTimer, delayTimer }) {
        connect(timer, &QTimer::timeout, this, &dialog::showAnimations);
    }

    // No translucent background and no background erased before a paint:
    // every pattern covers every pixel, and a translucent window's backing
    // store clears each painted pixel to transparent first, which halved the
    // rate of whole-window redraws.
    setAttribute(Qt::WA_OpaquePaintEvent);

    pattern.delayTime = QTime(0, 0, 0, 0);

    clickTimer = new QTimer(this);
    connect(clickTimer, &QTimer::timeout, this, &dialog::issingleclick);

    readoutTimer = new QTimer(this);
    readoutTimer->setInterval(1000);
    connect(readoutTimer, &QTimer::timeout, this, [this] { update(frameReadoutBox(rect())); });

    contextMenu = new QMenu(this);
    QAction *hideAction = new QAction(tr("HIDE"), this);
    contextMenu->addAction(hideAction);
    contextMenu->setStyleSheet(QStringLiteral("QMenu{background-color:white;border:1px solid black;}"));
    connect(hideAction, &QAction::triggered, this, &QWidget::hide);

    patternModel->restartWalk(0, random.generate());
    current = pattern;
    pictureSource = new PictureSource(this);
    connect(pictureSource, &PictureSource::changed, this, [this] {
        renderer.setPicture(pictureSource->image());
        update();
    });
}

dialog::~dialog() = default;

// A command changed the pattern: the window shows it, and whoever
// remembers or shares the pattern hears of it.
void dialog::commandDone()
{
    current = frameNow();
    update();
    emit patternModel->changed();
}

// The timers follow the model: each runs while its animation does, and is
// started again whenever the animation is, so its ticks and the model's agree.
void dialog::followAnimations()
{
    const auto follow = [](QTimer *timer, int intervalMs) {
        if (intervalMs > 0)
            timer->start(intervalMs);
        else
            timer->stop();
    };
    follow(scanTimer, patternModel->scanInterval());
    follow(autoGrayTimer, patternModel->sweepInterval());
    follow(delayTimer, patternModel->clockRunning() ? 1 : 0);
}

void dialog::showPattern(const PatternName &name)
{
    patternModel->start(name, &pattern, now(), random.generate());
    followAnimations();
    if (pattern.mode == Special && pattern.specialType == CustomPicture)
        pictureSource->show(pattern.picturePath, pictureView(size()));
    commandDone();
}

// The pattern as it was set, not the frame of the moment, whose gray level
// the sweep changes on every tick.
PatternName dialog::patternName() const
{
    return patternNameOf(pattern, patternModel->timing());
}

qint64 dialog::now() const
{
    return monotonic.elapsed();
}

// What the window shows at this instant: the pattern with its animations
// where time has taken them.
PatternState dialog::frameNow()
{
    PatternState frame = patternModel->frameAt(pattern, now(), QDateTime::currentMSecsSinceEpoch(), size());
    frame.frameRate = screen() ? qRound(screen()->refreshRate()) : 0;
    frame.facts.placement = geometry();
    ++frameSerial;
    return frame;
}

QColor dialog::grayAdjusted(QColor color) const
{
    return ::grayAdjusted(color, pattern.grayOffset);
}

void dialog::setMode(int newMode)
{
    pattern.mode = newMode;
    updateClockTimer();
    current = frameNow();
    emit patternModel->changed();
}

void dialog::setSolidColor(const QColor &color)
{
    pattern.solidColor = color;
    selectFamily(Solid);
}

void dialog::setColorBarLayout(bool autoSize, int newCellWidth, int newCellHeight, bool tile)
{
    pattern.autoCellSize = autoSize;
    pattern.cellWidth = newCellWidth;
    pattern.cellHeight = newCellHeight;
    pattern.tileColorBars = tile;
    selectFamily(ColorBars);
}

void dialog::setGrayRamp(int length, int reverse, int rotate, const QColor &dark, const QColor &light)
{
    ::setGrayRamp(pattern, length, reverse, rotate, dark, light);
    selectFamily(GrayBars);
}

void dialog::setColorRampChart(int on, int direction)
{
    pattern.colorRampChart = on;
    pattern.colorRampDirection = direction;
    selectFamily(GrayBars);
}

void dialog::setScanTiming(int intervalMs, int step)
{
    patternModel->runScan(now(), intervalMs);
    followAnimations();
    pattern.scanStep = step;
    commandDone();
}

void dialog::setMovingSquare(bool on, int size)
{
    pattern.movingSquare = on ? 1 : 0;
    qDebug() << pattern.movingSquare;
    if (on)
        patternModel->restartWalk(now(), random.generate());
    pattern.squareWidth = size;
    pattern.squareHeight = size;
    commandDone();
}

void dialog::setScanDirection(int sign)
{
    pattern.scanDirection = sign;
    commandDone();
}

void dialog::setGrayBlockTest(int type, bool hideText)
{
    pattern.grayBlockType = type;
    pattern.hideBlockText = hideText;
    selectFamily(GrayBlocks);
}

void dialog::setSpecialPattern(int type, int newCabinetWidth, int newCabinetHeight)
{
    pattern.delayTime = QTime(0, 0, 0, 0);
    patternModel->restartClock(now());
    pattern.specialType = type;
    pattern.cabinetWidth = newCabinetWidth;
    pattern.cabinetHeight = newCabinetHeight;
    updateClockTimer();
    commandDone();
}

void dialog::setPicture(const QString &path, bool fit)
{
    pattern.picturePath = path;
    pattern.pictureFit = fit;
    pictureSource->show(path, pictureView(size()));
    commandDone();
}

QString dialog::pictureError() const
{
    return pictureSource->error();
}

void dialog::setInfoVisible(bool visible)
{
    pattern.infoVisible = visible;
    commandDone();
}

bool dialog::isPictureDecoding() const
{
    return pictureSource->isDecoding();
}

void dialog::connectColorSource(QObject *panel)
{
    qRegisterMetaType<QVector<QColor>>("QVector<QColor>");
    connect(panel, SIGNAL(sendcolorlist(QVector<QColor>,int,int)),
            this, SLOT(getColorInfo(QVector<QColor>,int,int)));
}

// The clock patterns repaint continuously; every other pattern repaints only
// when something changes, so a static pattern costs no CPU. The clock shows
// milliseconds, so it ticks every millisecond: a tick on every pass of the
// event loop would spin a core now that a tick repaints only a few digits.
void dialog::updateClockTimer()
{
    if (countsMilliseconds(pattern) != patternModel->clockRunning()) {
        patternModel->runClock(now(), countsMilliseconds(pattern));
        followAnimations();
    }
}

// The family changes; the clock runs only while a clock is shown.
void dialog::selectFamily(int family)
{
    pattern.mode = family;
    updateClockTimer();
    commandDone();
}

void dialog::getColorInfo(QVector<QColor> color, int column, int row)
{
    pattern.colorList = color;
    pattern.colorColumns = column;
    pattern.colorRows = row;
    selectFamily(ColorBars);
}

void dialog::getScanLinesInfo(int hor, int ver, int lr, int rl, int font, int square, QColor bg, QColor line, int w, int d)
{
    setScanLines(pattern, hor, ver, lr, rl, font, square, bg, line, w, d);
    selectFamily(ScanLines);
}

// Called directly, each tick slot moves its animation one tick on, as the
// Right-arrow key steps the scan lines; the timers only show the time.
void dialog::updateScan()
{
    patternModel->stepScanLines();
    showAnimations();
}

void dialog::stepScanLines()
{
    patternModel->stepScanLines();
    current = frameNow();
    update();
}

void dialog::updateRect()
{
    patternModel->stepSquare();
    showAnimations();
}

void dialog::getGrayInfo(int value)
{
    pattern.grayOffset = 255 - value;
    patternModel->holdGray(now());
    commandDone();
}

void dialog::getGraySpeed(int speed)
{
    patternModel->runSweep(now(), sweepIntervalOf(speed));
    followAnimations();
    emit patternModel->changed();
}

void dialog::getGaryBarInfo(int grayw, int start, int dis)
{
    pattern.grayBarWidth = grayw;
    pattern.grayBarStart = start;
    pattern.grayBarSpacing = dis;
    commandDone();
}

void dialog::autoGray()
{
    patternModel->stepSweep();
    current = frameNow();
    update();
}

void dialog::timeaddsecs()
{
    patternModel->stepClock();
    showAnimations();
}

void dialog::issingleclick()
{
    clickTimer->stop();
}

// The paint shows the frame whose changes it was asked to paint; it covers
// the region asked for; the toolkit clips it there and
// keeps the rest of the window as the last paints left it.
void dialog::paintEvent(QPaintEvent *event)
{
    const QPoint cursor = QCursor::pos();
    const QRect textBox = renderer.infoTextBox(current, rect(), cursor, this);
    const QRegion text = QRegion(paintedTextBox) + textBox;
    const QRect readoutBox = frameReadoutBox(rect());
    QPainter painter(this);
    renderer.render(painter, current, rect(), cursor);
    if (addressCodeVisible)
        paintAddressCode(painter, addressCode, rect());
    // A redraw shows a frame not shown before, beyond the text and the
    // readout: the text following the cursor, the readout's own repaint
    // once a second, or the second part of one step is none.
    if (frameSerial != countedSerial && !(event->region() - text - readoutBox).isEmpty()) {
        frameMeter.frameShown(now());
        countedSerial = frameSerial;
    }
    if (frameReadoutShown)
        paintFrameReadout(painter, frameFigures(), readoutBox);
    painter.end();

    // The text shows the cursor at the time of the paint. Where the region
    // missed the text's old or new place, the next paint draws both whole.
    if (!(text - event->region()).isEmpty())
        update(text);
    painted = current;
    paintedTextBox = textBox;
}

// What time changed since the last paint, and the information text. The
// toolkit joins the requests until the next paint, so together they hold
// all that changed since it.
void dialog::showAnimations()
{
    current = frameNow();
    const QVector<QRegion> parts = renderer.changedParts(painted, current, rect(), this);
    if (parts.size() == 1) {
        if (!parts.first().isEmpty())
            update(parts.first() + infoTextRegion());
        return;
    }
    // Each part painted and shown at once, before the toolkit joins them
    // into one region it would clip and flush rectangle by rectangle.
    const QRegion text = infoTextRegion();
    for (const QRegion &part : parts)
        repaint(part);
    update(text);
}

QRegion dialog::infoTextRegion() const
{
    return QRegion(paintedTextBox) + renderer.infoTextBox(current, rect(), QCursor::pos(), this);
}

void dialog::setAddressCode(const QImage &code)
{
    addressCode = code;
    addressCodeVisible = addressCodeVisible && !code.isNull();
    update();
}

void dialog::setClockSource(int source)
{
    pattern.clockSource = source;
    commandDone();
}

// Not a command of the pattern: the same pattern now lies on another
// canvas, so the picture is decoded for the new part and the frame drawn
// again.
void dialog::setCanvas(const WallCanvas &canvas)
{
    if (pattern.canvas == canvas)
        return;
    pattern.canvas = canvas;
    pictureSource->setView(pictureView(size()));
    current = frameNow();
    update();
}

PictureView dialog::pictureView(const QSize &windowSize) const
{
    return PictureView{ pattern.pictureFit, windowSize, pattern.canvas };
}

void dialog::setTestFont(int index)
{
    pattern.fontIndex = index;
    commandDone();
}

int dialog::scanInterval() const
{
    return patternModel->scanInterval();
}

int dialog::graySweepInterval() const
{
    return patternModel->sweepInterval();
}

// A picture decoded for the old size, reduced or cut to it, is decoded again
// for the new one; meanwhile the old decode is drawn scaled or cut.
void dialog::resizeEvent(QResizeEvent *event)
{
    pictureSource->setView(pictureView(event->size()));
    QWidget::resizeEvent(event);
    if (pattern.mode == Ident)
        current = frameNow();
}

// The identification shows where the window is.
void dialog::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (pattern.mode == Ident) {
        current = frameNow();
        update();
    }
}

void dialog::setWindowFacts(const WindowFacts &facts)
{
    pattern.facts = facts;
    current = frameNow();
    if (pattern.mode == Ident)
        update();
}

void dialog::seedRandom(quint32 seed)
{
    random.seed(seed);
    patternModel->restartWalk(now(), seed);
}

FrameFigures dialog::frameFigures() const
{
    FrameFigures figures = frameMeter.figures(now());
    figures.refreshHz = screen() ? screen()->refreshRate() : 0;
    return figures;
}

void dialog::setFrameReadoutVisible(bool visible)
{
    frameReadoutShown = visible;
    if (visible)
        readoutTimer->start();
    else
        readoutTimer->stop();
    update(frameReadoutBox(rect()));
}
