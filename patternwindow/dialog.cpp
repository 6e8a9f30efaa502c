#include "dialog.h"

#include "picture.h"
#include "render.h"

#include <QAction>
#include <QCursor>
#include <QDebug>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMenu>
#include <QMetaType>
#include <QPainter>
#include <QTimer>

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

    delayTime = QTime(0, 0, 0, 0);
    delayTimer = new QTimer(this);
    connect(delayTimer, SIGNAL(timeout()), this, SLOT(timeaddsecs()));

    const QString families[] = { QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                                 QStringLiteral("Courier"), QStringLiteral("宋体") };
    for (const QString &family : families) {
        for (bool bold : { false, true }) {
            QFont font;
            font.setFamily(family);
            font.setPointSize(4);
            font.setItalic(false);
            if (bold)
                font.setWeight(QFont::Bold);
            testFonts.append(font);
        }
    }

    clickTimer = new QTimer(this);
    connect(clickTimer, SIGNAL(timeout()), this, SLOT(issingleclick()));

    contextMenu = new QMenu(this);
    QAction *hideAction = new QAction(tr("HIDE"), this);
    contextMenu->addAction(hideAction);
    contextMenu->setStyleSheet(QStringLiteral("QMenu{background-color:white;border:1px solid black;}"));
    connect(hideAction, SIGNAL(triggered(bool)), this, SLOT(hide()));

    squareDx = drawSpeed();
    squareDy = drawSpeed();

    pictureWatcher = new QFileSystemWatcher(this);
    connect(pictureWatcher, &QFileSystemWatcher::fileChanged, this, [this] {
        reloadPicture();
        update();
    });
}

dialog::~dialog() = default;

int dialog::drawSpeed()
{
    const int r = static_cast<int>(random.generate() & 0x7fffffffu);
    return r % 10;
}

QColor dialog::grayAdjusted(QColor color) const
{
    return ::grayAdjusted(color, grayOffset);
}

void dialog::setMode(int newMode)
{
    mode = newMode;
    updateClockTimer();
}

void dialog::setSolidColor(const QColor &color)
{
    solidColor = color;
    selectFamily(Solid);
}

void dialog::setColorBarLayout(bool autoSize, int newCellWidth, int newCellHeight, bool tile)
{
    autoCellSize = autoSize;
    cellWidth = newCellWidth;
    cellHeight = newCellHeight;
    tileColorBars = tile;
    selectFamily(ColorBars);
}

void dialog::setGrayRamp(int length, int reverse, int rotate, const QColor &dark, const QColor &light)
{
    rampLength = length;
    rampReverse = reverse;
    rampRotate = rotate;
    rampDarkColor = dark;
    rampLightColor = light;
    selectFamily(GrayBars);
}

void dialog::setColorRampChart(int on, int direction)
{
    colorRampChart = on;
    colorRampDirection = direction;
    selectFamily(GrayBars);
}

void dialog::setScanTiming(int intervalMs, int step)
{
    if (intervalMs <= 0)
        scanTimer->stop();
    else
        scanTimer->start(intervalMs);
    scanStep = step;
    update();
}

void dialog::setMovingSquare(bool on, int size)
{
    movingSquare = on ? 1 : 0;
    qDebug() << movingSquare;
    squareWidth = size;
    squareHeight = size;
    update();
}

void dialog::setScanDirection(int sign)
{
    scanDirection = sign;
    update();
}

void dialog::setGrayBlockTest(int type, bool hideText)
{
    grayBlockType = type;
    hideBlockText = hideText;
    selectFamily(GrayBlocks);
}

void dialog::setSpecialPattern(int type, int newCabinetWidth, int newCabinetHeight)
{
    delayTime = QTime(0, 0, 0, 0);
    clockStart.start();
    specialType = type;
    cabinetWidth = newCabinetWidth;
    cabinetHeight = newCabinetHeight;
    updateClockTimer();
    update();
}

void dialog::setPicture(const QString &path, bool fit)
{
    // The decoded picture is kept while its file stays the same; a new path,
    // a file changed on disk or one that could not be read before is read again.
    const bool samePath = path == picturePath;
    if (!samePath || !pictureProblem.isEmpty() || QFileInfo(path).lastModified() != pictureModified) {
        if (!samePath) {
            if (!pictureWatcher->files().isEmpty())
                pictureWatcher->removePaths(pictureWatcher->files());
            picturePath = path;
            if (!path.isEmpty())
                pictureWatcher->addPath(path);
        }
        reloadPicture();
    }
    pictureFit = fit;
    update();
}

void dialog::reloadPicture()
{
    if (picturePath.isEmpty()) {
        picture = QImage();
        pictureProblem.clear();
        return;
    }
    pictureModified = QFileInfo(picturePath).lastModified();
    const PictureLoad load = loadPicture(picturePath);
    picture = load.image;
    pictureProblem = load.error;
    // An editor that replaces the file drops it from the watch list.
    if (!pictureWatcher->files().contains(picturePath) && QFileInfo::exists(picturePath))
        pictureWatcher->addPath(picturePath);
}

void dialog::connectColorSource(QObject *panel)
{
    qRegisterMetaType<QVector<QColor>>("QVector<QColor>");
    connect(panel, SIGNAL(sendcolorlist(QVector<QColor>,int,int)),
            this, SLOT(getColorInfo(QVector<QColor>,int,int)));
}

// The clock patterns repaint continuously; every other pattern repaints only
// when something changes, so a static pattern costs no CPU.
void dialog::updateClockTimer()
{
    const bool clockShown = mode == Special && (specialType == 0 || specialType == 1) && clockStart.isValid();
    if (clockShown && !delayTimer->isActive())
        delayTimer->start(0);
    else if (!clockShown && delayTimer->isActive())
        delayTimer->stop();
}

// The family changes; the clock runs only while a clock is shown.
void dialog::selectFamily(int family)
{
    mode = family;
    updateClockTimer();
    update();
}

void dialog::getColorInfo(QVector<QColor> color, int column, int row)
{
    colorList = color;
    colorColumns = column;
    colorRows = row;
    selectFamily(ColorBars);
}

void dialog::getScanLinesInfo(int hor, int ver, int lr, int rl, int font, int square, QColor bg, QColor line, int w, int d)
{
    fontTest = font;
    movingSquare = square;
    scanHorizontal = hor;
    scanVertical = ver;
    scanDiagonalRL = rl;
    scanDiagonalLR = lr;
    scanBackground = bg;
    scanLineColor = line;
    scanLineWidth = w;
    scanPitch = w + d;
    selectFamily(ScanLines);
}

void dialog::stepScanOffset()
{
    if (scanOffset < scanPitch)
        scanOffset += scanStep;
    else
        scanOffset = 0;
}

void dialog::updateScan()
{
    stepScanOffset();
    if (mode == ScanLines)
        update();
}

void dialog::updateRect()
{
    const int w = width();
    const int h = height();
    if (squareX >= w - squareWidth)
        squareDx = -drawSpeed();
    if (squareX <= 0)
        squareDx = drawSpeed();
    if (squareY >= h - squareHeight)
        squareDy = -drawSpeed();
    if (squareY <= 0)
        squareDy = drawSpeed();
    squareX += squareDx;
    squareY += squareDy;
    if (mode == ScanLines && movingSquare)
        update();
}

void dialog::getGrayInfo(int value)
{
    grayOffset = 255 - value;
    update();
}

void dialog::getGraySpeed(int speed)
{
    if (speed <= 0)
        autoGrayTimer->stop();
    else
        autoGrayTimer->start(100 / speed);
}

void dialog::getGaryBarInfo(int grayw, int start, int dis)
{
    grayBarWidth = grayw;
    grayBarStart = start;
    grayBarSpacing = dis;
    update();
}

void dialog::autoGray()
{
    grayOffset = autoGrayStep;
    autoGrayStep = autoGrayStep > 254 ? 0 : autoGrayStep + 1;
    update();
}

// The clock shows real time since the pattern was chosen, read from a
// monotonic clock, so photos of the source and of the wall show the delay
// between them whatever the paint rate is.
void dialog::timeaddsecs()
{
    // Computers whose clocks are kept in step show the same digits at the
    // same instant, so a photo across two parts of a wall shows their delay.
    if (clockSource == 1) {
        const QTime now = QDateTime::currentDateTimeUtc().time();
        delayTime = QTime(0, now.minute(), now.second(), now.msec());
        update();
        return;
    }
    if (clockStart.isValid())
        delayTime = QTime(0, 0, 0, 0).addMSecs(static_cast<int>(clockStart.elapsed() % (24LL * 3600 * 1000)));
    update();
}

void dialog::issingleclick()
{
    clickTimer->stop();
}

void dialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    renderFrame(painter, *this, QRect(0, 0, width(), height()), QCursor::pos());
}

void dialog::setClockSource(int source)
{
    clockSource = source;
    // The system clock shows its time from the first frame on.
    if (clockSource == 1)
        timeaddsecs();
    update();
}

void dialog::setTestFont(int index)
{
    fontIndex = index;
    update();
}

int dialog::scanInterval() const
{
    return scanTimer->isActive() ? scanTimer->interval() : 0;
}

int dialog::graySweepInterval() const
{
    return autoGrayTimer->isActive() ? autoGrayTimer->interval() : 0;
}
