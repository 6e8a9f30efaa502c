#include "dialog.h"

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

    autoGrayTimer = new QTimer(this);
    scanTimer = new QTimer(this);
    connect(scanTimer, SIGNAL(timeout()), this, SLOT(updateScan()));
    connect(scanTimer, SIGNAL(timeout()), this, SLOT(updateRect()));
    connect(autoGrayTimer, SIGNAL(timeout()), this, SLOT(autoGray()));

    setAttribute(Qt::WA_TranslucentBackground);

    pattern.delayTime = QTime(0, 0, 0, 0);
    delayTimer = new QTimer(this);
    connect(delayTimer, SIGNAL(timeout()), this, SLOT(timeaddsecs()));

    clickTimer = new QTimer(this);
    connect(clickTimer, SIGNAL(timeout()), this, SLOT(issingleclick()));

    contextMenu = new QMenu(this);
    QAction *hideAction = new QAction(tr("HIDE"), this);
    contextMenu->addAction(hideAction);
    contextMenu->setStyleSheet(QStringLiteral("QMenu{background-color:white;border:1px solid black;}"));
    connect(hideAction, SIGNAL(triggered(bool)), this, SLOT(hide()));

    pattern.squareDx = drawSpeed();
    pattern.squareDy = drawSpeed();

    patternModel = new PatternModel(this);
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
    update();
    emit patternModel->changed();
}

int dialog::drawSpeed()
{
    const int r = static_cast<int>(random.generate() & 0x7fffffffu);
    return r % 10;
}

QColor dialog::grayAdjusted(QColor color) const
{
    return ::grayAdjusted(color, pattern.grayOffset);
}

void dialog::setMode(int newMode)
{
    pattern.mode = newMode;
    updateClockTimer();
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
    pattern.rampLength = length;
    pattern.rampReverse = reverse;
    pattern.rampRotate = rotate;
    pattern.rampDarkColor = dark;
    pattern.rampLightColor = light;
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
    if (intervalMs <= 0)
        scanTimer->stop();
    else
        scanTimer->start(intervalMs);
    pattern.scanStep = step;
    commandDone();
}

void dialog::setMovingSquare(bool on, int size)
{
    pattern.movingSquare = on ? 1 : 0;
    qDebug() << pattern.movingSquare;
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
    clockStart.start();
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
    pictureSource->show(path, PictureView{ fit, size() });
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

void dialog::advanceAnimations(qint64 fromMs, qint64 toMs)
{
    const auto ticks = [fromMs, toMs](const QTimer *timer) {
        const qint64 interval = timer->isActive() ? timer->interval() : 0;
        return interval > 0 ? toMs / interval - fromMs / interval : 0;
    };
    for (qint64 tick = ticks(scanTimer); tick > 0; --tick) {
        updateScan();
        updateRect();
    }
    for (qint64 tick = ticks(autoGrayTimer); tick > 0; --tick)
        autoGray();
    if (fromMs == 0)
        animationStartUtc = QDateTime::currentDateTimeUtc();
    if (delayTimer->isActive() && pattern.clockSource == 1) {
        const QTime now = animationStartUtc.addMSecs(toMs).time();
        pattern.delayTime = QTime(0, now.minute(), now.second(), now.msec());
    } else if (delayTimer->isActive()) {
        pattern.delayTime = QTime(0, 0, 0, 0).addMSecs(int(toMs % (24LL * 3600 * 1000)));
    }
    update();
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
    const bool clockShown = pattern.mode == Special && (pattern.specialType == 0 || pattern.specialType == 1) && clockStart.isValid();
    if (clockShown && !delayTimer->isActive())
        delayTimer->start(1);
    else if (!clockShown && delayTimer->isActive())
        delayTimer->stop();
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
    pattern.fontTest = font;
    pattern.movingSquare = square;
    pattern.scanHorizontal = hor;
    pattern.scanVertical = ver;
    pattern.scanDiagonalRL = rl;
    pattern.scanDiagonalLR = lr;
    pattern.scanBackground = bg;
    pattern.scanLineColor = line;
    pattern.scanLineWidth = w;
    pattern.scanPitch = w + d;
    selectFamily(ScanLines);
}

void dialog::stepScanOffset()
{
    if (pattern.scanOffset < pattern.scanPitch)
        pattern.scanOffset += pattern.scanStep;
    else
        pattern.scanOffset = 0;
}

void dialog::updateScan()
{
    stepScanOffset();
    if (pattern.mode == ScanLines)
        updateChanged();
}

void dialog::updateRect()
{
    const int w = width();
    const int h = height();
    if (pattern.squareX >= w - pattern.squareWidth)
        pattern.squareDx = -drawSpeed();
    if (pattern.squareX <= 0)
        pattern.squareDx = drawSpeed();
    if (pattern.squareY >= h - pattern.squareHeight)
        pattern.squareDy = -drawSpeed();
    if (pattern.squareY <= 0)
        pattern.squareDy = drawSpeed();
    pattern.squareX += pattern.squareDx;
    pattern.squareY += pattern.squareDy;
    if (pattern.mode == ScanLines && pattern.movingSquare)
        updateChanged();
}

void dialog::getGrayInfo(int value)
{
    pattern.grayOffset = 255 - value;
    commandDone();
}

void dialog::getGraySpeed(int speed)
{
    if (speed <= 0)
        autoGrayTimer->stop();
    else
        autoGrayTimer->start(100 / speed);
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
    pattern.grayOffset = pattern.autoGrayStep;
    pattern.autoGrayStep = pattern.autoGrayStep > 254 ? 0 : pattern.autoGrayStep + 1;
    update();
}

// The clock shows real time since the pattern was chosen, read from a
// monotonic clock, so photos of the source and of the wall show the delay
// between them whatever the paint rate is.
void dialog::timeaddsecs()
{
    // Computers whose clocks are kept in step show the same digits at the
    // same instant, so a photo across two parts of a wall shows their delay.
    if (pattern.clockSource == 1) {
        const QTime now = QDateTime::currentDateTimeUtc().time();
        pattern.delayTime = QTime(0, now.minute(), now.second(), now.msec());
        updateChanged();
        return;
    }
    if (clockStart.isValid())
        pattern.delayTime = QTime(0, 0, 0, 0).addMSecs(static_cast<int>(clockStart.elapsed() % (24LL * 3600 * 1000)));
    updateChanged();
}

void dialog::issingleclick()
{
    clickTimer->stop();
}

// The paint covers the region asked for; the toolkit clips it there and
// keeps the rest of the window as the last paints left it.
void dialog::paintEvent(QPaintEvent *event)
{
    const QPoint cursor = QCursor::pos();
    QPainter painter(this);
    renderer.render(painter, pattern, rect(), cursor);
    if (addressCodeVisible)
        paintAddressCode(painter, addressCode, rect());
    painter.end();

    // The text shows the cursor at the time of the paint. Where the region
    // missed the text's old or new place, the next paint draws both whole.
    const QRect textBox = renderer.infoTextBox(pattern, rect(), cursor, this);
    const QRegion text = QRegion(paintedTextBox) + textBox;
    if (!(text - event->region()).isEmpty())
        update(text);
    painted = pattern;
    paintedTextBox = textBox;
}

// What a tick changed since the last paint, and the information text. The
// toolkit joins the requests until the next paint, so together they hold
// all that changed since it.
void dialog::updateChanged()
{
    const QRegion changed = renderer.changedRegion(painted, pattern, rect(), this);
    if (!changed.isEmpty())
        update(changed + infoTextRegion());
}

QRegion dialog::infoTextRegion() const
{
    return QRegion(paintedTextBox) + renderer.infoTextBox(pattern, rect(), QCursor::pos(), this);
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
    // The system clock shows its time from the first frame on.
    if (pattern.clockSource == 1)
        timeaddsecs();
    commandDone();
}

void dialog::setTestFont(int index)
{
    pattern.fontIndex = index;
    commandDone();
}

int dialog::scanInterval() const
{
    return scanTimer->isActive() ? scanTimer->interval() : 0;
}

int dialog::graySweepInterval() const
{
    return autoGrayTimer->isActive() ? autoGrayTimer->interval() : 0;
}

// A picture decoded for the old size, reduced or cut to it, is decoded again
// for the new one; meanwhile the old decode is drawn scaled or cut.
void dialog::resizeEvent(QResizeEvent *event)
{
    pictureSource->setView(PictureView{ pattern.pictureFit, event->size() });
    QWidget::resizeEvent(event);
}
