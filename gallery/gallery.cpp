// Renders every test pattern, with a few variants each, at 1920 × 1080 into
// PNG files, so a person can look the renderer over without a window:
//     walltest_gallery <output directory>

#include "render.h"
#include "fontsubstitutions.h"
#include "devicepixels.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

#include <functional>

namespace {

const QSize frameSize(1920, 1080);

// A picture with something to see at its edges and in its middle.
QImage makePicture(const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(20, 40, 120));
    gradient.setColorAt(1, QColor(240, 180, 30));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(picture.rect().adjusted(1, 1, -2, -2));
    painter.drawLine(0, 0, size.width(), size.height());
    painter.drawLine(size.width(), 0, 0, size.height());
    painter.setBrush(Qt::red);
    painter.drawEllipse(QPoint(size.width() / 2, size.height() / 2), size.height() / 6, size.height() / 6);
    return picture;
}

struct Variant
{
    QString name;
    std::function<void(PatternState &)> set;
    QSize pictureSize = QSize();    // the custom picture's size, for the picture variants
};

QList<Variant> solidVariants()
{
    return {
        { "solid-unset-black", [](PatternState &) {} },
        { "solid-red-offset55", [](PatternState &s) { s.solidColor = QColor(255, 0, 0); s.grayOffset = 55; } },
        { "solid-gray100", [](PatternState &s) { s.solidColor = QColor(100, 100, 100); } },
        { "solid-white-text-hidden", [](PatternState &s) { s.solidColor = Qt::white; s.infoVisible = false; } },
    };
}

void setTable(PatternState &s, int columns, int rows)
{
    const Qt::GlobalColor colours[] = { Qt::white, Qt::yellow, Qt::cyan, Qt::green,
                                        Qt::magenta, Qt::red, Qt::blue, Qt::black };
    s.mode = ColorBars;
    s.colorColumns = columns;
    s.colorRows = rows;
    s.colorList.clear();
    for (int cell = 0; cell < columns * rows; ++cell)
        s.colorList.append(QColor(colours[cell % 8]));
}

QList<Variant> colorBarVariants()
{
    return {
        { "colorbars-8x1-auto", [](PatternState &s) { setTable(s, 8, 1); } },
        { "colorbars-4x2-auto", [](PatternState &s) { setTable(s, 4, 2); } },
        { "colorbars-3x2-tiled-20x20", [](PatternState &s) {
              setTable(s, 3, 2);
              s.autoCellSize = false;
              s.cellWidth = 20;
              s.cellHeight = 20;
              s.tileColorBars = true;
          } },
        { "colorbars-2x2-300x200-on-gray", [](PatternState &s) {
              setTable(s, 2, 2);
              s.solidColor = QColor(128, 128, 128);
              s.autoCellSize = false;
              s.cellWidth = 300;
              s.cellHeight = 200;
          } },
    };
}

void setGrayBars(PatternState &s, int rampLength, int reverse, int rotate)
{
    s.mode = GrayBars;
    s.solidColor = Qt::white;
    s.rampLength = rampLength;
    s.rampReverse = reverse;
    s.rampRotate = rotate;
    s.rampDarkColor = Qt::black;
    s.rampLightColor = Qt::white;
}

void setCustomBars(PatternState &s, int width, int start, int spacing, int reverse, int rotate)
{
    setGrayBars(s, 0, reverse, rotate);
    s.solidColor = QColor(0, 0, 160);
    s.grayBarWidth = width;
    s.grayBarStart = start;
    s.grayBarSpacing = spacing;
}

QList<Variant> grayBarVariants()
{
    QList<Variant> list;
    for (int length : { 32, 64, 128, 256 })
        list.append({ QStringLiteral("graybars-ramp%1").arg(length),
                      [length](PatternState &s) { setGrayBars(s, length, 0, 0); } });
    list.append({ "graybars-ramp64-rotated", [](PatternState &s) { setGrayBars(s, 64, 0, 1); } });
    list.append({ "graybars-ramp256-rotated-reversed", [](PatternState &s) { setGrayBars(s, 256, 1, 1); } });
    list.append({ "graybars-ramp128-red-to-blue", [](PatternState &s) {
                      setGrayBars(s, 128, 0, 0);
                      s.rampDarkColor = Qt::red;
                      s.rampLightColor = Qt::blue;
                  } });
    list.append({ "graybars-full-width-ramp", [](PatternState &s) { setCustomBars(s, 1, 0, 1, 0, 0); } });
    list.append({ "graybars-custom-4-from-0", [](PatternState &s) { setCustomBars(s, 4, 0, 1, 0, 0); } });
    list.append({ "graybars-custom-40-step16-descending", [](PatternState &s) { setCustomBars(s, 40, 0, 16, 1, 0); } });
    list.append({ "graybars-custom-30-from15-step20-rotated", [](PatternState &s) { setCustomBars(s, 30, 15, 20, 0, 1); } });
    list.append({ "graybars-custom-1-from10-black", [](PatternState &s) { setCustomBars(s, 1, 10, 1, 0, 0); } });
    list.append({ "graybars-ball", [](PatternState &s) { setGrayBars(s, -1, 0, 0); } });
    list.append({ "graybars-ball-reversed-green", [](PatternState &s) {
                      setGrayBars(s, -1, 1, 0);
                      s.rampLightColor = Qt::green;
                  } });
    for (int direction = 0; direction < 4; ++direction)
        list.append({ QStringLiteral("graybars-chart-direction%1").arg(direction), [direction](PatternState &s) {
                          setGrayBars(s, 64, 0, 0);
                          s.colorRampChart = 1;
                          s.colorRampDirection = direction;
                      } });
    return list;
}

void setScanLines(PatternState &s, int hor, int ver, int lr, int rl, int width, int gap)
{
    s.mode = ScanLines;
    s.scanHorizontal = hor;
    s.scanVertical = ver;
    s.scanDiagonalLR = lr;
    s.scanDiagonalRL = rl;
    s.scanBackground = Qt::black;
    s.scanLineColor = Qt::white;
    s.scanLineWidth = width;
    s.scanPitch = width + gap;
}

QList<Variant> scanLineVariants()
{
    QList<Variant> list = {
        { "scanlines-horizontal-pitch20", [](PatternState &s) { setScanLines(s, 1, 0, 0, 0, 1, 19); } },
        { "scanlines-vertical-pitch20", [](PatternState &s) { setScanLines(s, 0, 1, 0, 0, 1, 19); } },
        { "scanlines-diagonal-lr-pitch20", [](PatternState &s) { setScanLines(s, 0, 0, 1, 0, 1, 19); } },
        { "scanlines-diagonal-rl-pitch20", [](PatternState &s) { setScanLines(s, 0, 0, 0, 1, 1, 19); } },
        { "scanlines-all-pitch2", [](PatternState &s) { setScanLines(s, 1, 1, 1, 1, 1, 1); } },
        { "scanlines-width5-pitch20-offset7-reverse-red-on-blue", [](PatternState &s) {
              setScanLines(s, 1, 1, 0, 0, 5, 15);
              s.scanOffset = 7;
              s.scanDirection = -1;
              s.scanBackground = Qt::blue;
              s.scanLineColor = Qt::red;
          } },
        { "scanlines-moving-square", [](PatternState &s) {
              setScanLines(s, 1, 1, 1, 1, 1, 19);
              s.movingSquare = 1;
              s.fontTest = 1;
              s.squareX = 700;
              s.squareY = 400;
              s.squareWidth = 60;
              s.squareHeight = 60;
          } },
    };
    for (int font : { 0, 3, 4, 6, 7 })
        list.append({ QStringLiteral("scanlines-character-test-font%1").arg(font), [font](PatternState &s) {
                          setScanLines(s, 1, 1, 1, 1, 1, 19);
                          s.scanBackground = QColor(0, 0, 128);
                          s.fontTest = 1;
                          s.fontIndex = font;
                      } });
    return list;
}

QList<Variant> grayBlockVariants()
{
    auto blocks = [](int type, bool hideText) {
        return [type, hideText](PatternState &s) {
            s.mode = GrayBlocks;
            s.grayBlockType = type;
            s.hideBlockText = hideText;
        };
    };
    return {
        { "grayblocks-256", blocks(0, true) },
        { "grayblocks-256-labels", blocks(0, false) },
        { "grayblocks-bright-contrast-labels", blocks(1, false) },
        { "grayblocks-dark-contrast-labels", blocks(2, false) },
        { "grayblocks-dark-contrast", blocks(2, true) },
    };
}

QList<Variant> specialVariants(const QString &picturePath)
{
    auto special = [](int type) {
        return [type](PatternState &s) {
            s.mode = Special;
            s.specialType = type;
            s.delayTime = QTime(0, 1, 2, 500);
        };
    };
    auto picture = [picturePath](bool fit) {
        return [picturePath, fit](PatternState &s) {
            s.mode = Special;
            s.specialType = 3;
            s.solidColor = QColor(60, 60, 60);
            s.picturePath = picturePath;
            s.pictureFit = fit;
        };
    };
    return {
        { "special-clock", special(0) },
        { "special-cabinet-clock-216", special(1) },
        { "special-cabinet-clock-300x150", [special](PatternState &s) {
              special(1)(s);
              s.cabinetWidth = 300;
              s.cabinetHeight = 150;
          } },
        { "special-grid-and-circles", special(2) },
        { "special-cabinet-map-480x270", [special](PatternState &s) {
              special(4)(s);
              s.cabinetWidth = 480;
              s.cabinetHeight = 270;
          } },
        { "special-picture-640x480", picture(false), QSize(640, 480) },
        { "special-picture-640x480-fit", picture(true), QSize(640, 480) },
        { "special-picture-3840x2160", picture(false), QSize(3840, 2160) },
    };
}

// The technician's patterns; the moving ones at a moment in their motion.
QList<Variant> technicianVariants()
{
    auto mode = [](int family, const std::function<void(PatternState &)> &more) {
        return [family, more](PatternState &s) {
            s.mode = family;
            s.cabinetWidth = 384;
            s.cabinetHeight = 216;
            more(s);
        };
    };
    return {
        { "checker-1x1", mode(Checker, [](PatternState &) {}) },
        { "checker-cabinet-384x216", mode(Checker, [](PatternState &s) {
              s.checkerWidth = 384;
              s.checkerHeight = 216;
          }) },
        { "zoneplate-100", mode(ZonePlate, [](PatternState &) {}) },
        { "zoneplate-20", mode(ZonePlate, [](PatternState &s) { s.zonePlateK = 20; }) },
        { "pixelwalk-384x216-step-4000", mode(PixelWalk, [](PatternState &s) { s.elapsedMs = 400000; }) },
        { "pixelwalk-8x4-subpixel", mode(PixelWalk, [](PatternState &s) {
              s.cabinetWidth = 8;
              s.cabinetHeight = 4;
              s.walkSubpixel = true;
              s.elapsedMs = 700;
          }) },
        { "ticker-384x216-frame-1234", mode(Ticker, [](PatternState &s) { s.tickerFps = 60; s.elapsedMs = 20567; }) },
        { "ticker-whole-canvas", mode(Ticker, [](PatternState &s) {
              s.cabinetWidth = 0;
              s.cabinetHeight = 0;
              s.tickerFps = 60;
              s.elapsedMs = 20567;
          }) },
        { "ident-part-of-canvas", mode(Ident, [](PatternState &s) {
              s.infoVisible = false;
              s.facts.hostName = QStringLiteral("wall-pc-2");
              s.facts.placement = QRect(1920, 0, 1920, 1080);
              s.facts.remoteAddress = QStringLiteral("http://192.168.1.20:8080/");
              s.canvas = WallCanvas{ QSize(5760, 2160), QPoint(1920, 0) };
          }) },
    };
}

bool writeVariant(const QDir &dir, int number, const Variant &variant)
{
    PatternState state;
    variant.set(state);
    QImage image(frameSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        PatternRenderer renderer;
        if (variant.pictureSize.isValid())
            renderer.setPicture(makePicture(variant.pictureSize));
        QPainter painter(&image);
        renderer.render(painter, state, QRect(QPoint(0, 0), frameSize), QPoint(960, 540));
    }
    const QString file = dir.filePath(QStringLiteral("%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(variant.name));
    return image.save(file);
}

} // namespace

int main(int argc, char **argv)
{
    useDevicePixels();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerFontSubstitutions();
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: walltest_gallery <output directory>\n";
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        err << "cannot create " << dir.path() << "\n";
        return 1;
    }
    // The custom picture also goes to disk, for a renderer that reads it from there.
    const QString picturePath = dir.filePath(QStringLiteral("picture-640x480.png"));
    makePicture(QSize(640, 480)).save(picturePath);

    const QList<QList<Variant>> families = { solidVariants(), colorBarVariants(), grayBarVariants(),
                                             scanLineVariants(), grayBlockVariants(),
                                             specialVariants(picturePath), technicianVariants() };
    int number = 0;
    int failed = 0;
    for (const auto &family : families) {
        for (const Variant &variant : family) {
            if (!writeVariant(dir, ++number, variant)) {
                err << "cannot write " << variant.name << "\n";
                ++failed;
            }
        }
    }
    QTextStream(stdout) << number - failed << " patterns written to " << dir.path() << "\n";
    return failed == 0 ? 0 : 1;
}
