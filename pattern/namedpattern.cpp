#include "namedpattern.h"

#include <QtMath>

int scanIntervalOf(int speed)
{
    return speed > 0 ? (speed - 100) * (speed - 100) : 0;
}

int scanSpeedOf(int intervalMs)
{
    if (intervalMs <= 0)
        return 0;
    return qBound(1, 100 - qRound(qSqrt(intervalMs)), 99);
}

// A speed over 100 would give an interval of 0, a sweep on every pass of
// the event loop; the fastest sweep steps every millisecond.
int sweepIntervalOf(int speed)
{
    return speed > 0 ? qMax(1, 100 / speed) : 0;
}

// The slowest speed that gives the interval names it.
int sweepSpeedOf(int intervalMs)
{
    return intervalMs > 0 ? qBound(1, 100 / intervalMs, 99) : 0;
}

void setGrayRamp(PatternState &state, int length, int reverse, int rotate, const QColor &dark, const QColor &light)
{
    state.rampLength = length;
    state.rampReverse = reverse;
    state.rampRotate = rotate;
    state.rampDarkColor = dark;
    state.rampLightColor = light;
    state.mode = GrayBars;
}

void setScanLines(PatternState &state, int hor, int ver, int lr, int rl, int font, int square, const QColor &background,
                  const QColor &line, int width, int gap)
{
    state.fontTest = font;
    state.movingSquare = square;
    state.scanHorizontal = hor;
    state.scanVertical = ver;
    state.scanDiagonalRL = rl;
    state.scanDiagonalLR = lr;
    state.scanBackground = background;
    state.scanLineColor = line;
    state.scanLineWidth = width;
    state.scanPitch = width + gap;
    state.mode = ScanLines;
}

namespace {

void setSolid(PatternState &state, const QColor &color)
{
    state.solidColor = color;
    state.mode = Solid;
}

void applyBars(const PatternName &name, PatternState &state)
{
    state.colorList = name.colors(QStringLiteral("colors"));
    state.colorColumns = name.number(QStringLiteral("cols"));
    state.colorRows = name.number(QStringLiteral("rows"));
    const QSize cell = name.size(QStringLiteral("cell"));
    state.autoCellSize = cell.isEmpty();
    state.cellWidth = cell.isEmpty() ? 0 : cell.width();
    state.cellHeight = cell.isEmpty() ? 0 : cell.height();
    state.tileColorBars = !cell.isEmpty() && name.flag(QStringLiteral("tile"));
    state.mode = ColorBars;
}

void applyGrayBars(const PatternName &name, PatternState &state)
{
    const QString &family = name.family;
    const int reverse = name.flag(QStringLiteral("reverse")) ? 1 : 0;
    const int rotate = name.flag(QStringLiteral("rotate")) ? 1 : 0;
    const QColor dark = name.color(QStringLiteral("dark"));
    const QColor light = name.color(QStringLiteral("light"));
    state.mode = GrayBars;
    if (family == QLatin1String("chart")) {
        state.colorRampChart = 1;
        state.colorRampDirection = name.choiceIndex(QStringLiteral("direction"));
        return;
    }
    state.colorRampChart = 0;
    state.colorRampDirection = 0;
    if (family == QLatin1String("ramp")) {
        setGrayRamp(state, name.number(QStringLiteral("period")), reverse, rotate, dark, light);
    } else if (family == QLatin1String("graybars")) {
        state.grayBarWidth = name.number(QStringLiteral("width"));
        state.grayBarStart = name.number(QStringLiteral("start"));
        state.grayBarSpacing = name.number(QStringLiteral("step"));
        setGrayRamp(state, 0, reverse, rotate, dark, light);
    } else {
        setGrayRamp(state, BallRamp, reverse, 0, dark, light);
    }
}

// The scan family and the two tests that share its state; the panel starts
// with a black background, white lines, width 1 and gap 20.
int applyScanLines(const PatternName &name, PatternState &state)
{
    const QString &family = name.family;
    state.scanStep = 1;
    if (family == QLatin1String("scan")) {
        setScanLines(state, name.flag(QStringLiteral("h")), name.flag(QStringLiteral("v")), name.flag(QStringLiteral("lr")),
                     name.flag(QStringLiteral("rl")), 0, 0, name.color(QStringLiteral("bg")),
                     name.color(QStringLiteral("line")), name.number(QStringLiteral("width")),
                     name.number(QStringLiteral("gap")));
        state.scanDirection = name.flag(QStringLiteral("reverse")) ? -1 : 1;
        return scanIntervalOf(name.number(QStringLiteral("speed")));
    }
    if (family == QLatin1String("chars")) {
        state.fontIndex = name.number(QStringLiteral("font"));
        setScanLines(state, 0, 0, 0, 0, 1, 0, Qt::black, Qt::white, 1, 20);
        return 0;
    }
    setScanLines(state, 0, 0, 0, 0, 0, 1, Qt::black, Qt::white, 1, 20);
    state.squareWidth = name.number(QStringLiteral("size"));
    state.squareHeight = state.squareWidth;
    return scanIntervalOf(name.number(QStringLiteral("speed")));
}

void applySpecial(const PatternName &name, PatternState &state)
{
    const bool sized = name.values.contains(QStringLiteral("cabinet"));
    const QSize cabinet = sized ? name.size(QStringLiteral("cabinet")) : QSize(PanelCabinetWidth, PanelCabinetHeight);
    if (name.family == QLatin1String("picture")) {
        state.picturePath = name.text(QStringLiteral("path"));
        state.pictureFit = name.flag(QStringLiteral("fit"));
    }
    state.mode = Special;
    state.specialType = int(specialFamilies().indexOf(name.family));
    state.cabinetWidth = cabinet.width();
    state.cabinetHeight = cabinet.height();
}

// The technician's patterns; a ticker without cabinets spans the canvas.
void applyTechnician(const PatternName &name, PatternState &state)
{
    const QString &family = name.family;
    if (family == QLatin1String("checker")) {
        const QSize cell = name.size(QStringLiteral("cell"));
        state.checkerWidth = cell.width();
        state.checkerHeight = cell.height();
        state.checkerColorA = name.color(QStringLiteral("a"));
        state.checkerColorB = name.color(QStringLiteral("b"));
        state.mode = Checker;
    } else if (family == QLatin1String("zoneplate")) {
        state.zonePlateK = name.number(QStringLiteral("k"));
        state.mode = ZonePlate;
    } else if (family == QLatin1String("pixelwalk") || family == QLatin1String("ticker")) {
        const QSize cabinet = name.size(QStringLiteral("cabinet"));
        state.cabinetWidth = cabinet.isEmpty() ? 0 : cabinet.width();
        state.cabinetHeight = cabinet.isEmpty() ? 0 : cabinet.height();
        state.markColor = name.color(QStringLiteral("color"));
        const bool walk = family == QLatin1String("pixelwalk");
        if (walk) {
            state.walkRate = name.number(QStringLiteral("rate"));
            state.walkSubpixel = name.flag(QStringLiteral("subpixel"));
        } else {
            state.tickerFps = name.number(QStringLiteral("fps"));
        }
        state.mode = walk ? PixelWalk : Ticker;
    } else {
        state.mode = Ident;
    }
}

bool isTechnicianFamily(const QString &family)
{
    static const QStringList names{ QStringLiteral("checker"), QStringLiteral("zoneplate"), QStringLiteral("pixelwalk"),
                                    QStringLiteral("ticker"), QStringLiteral("ident") };
    return names.contains(family);
}

} // namespace

PatternTiming applyPatternName(const PatternName &name, PatternState *state)
{
    const QString &family = name.family;
    const bool solid = family == QLatin1String("solid");
    PatternTiming timing;

    // The base colour and the dimmer show under every family; the sweep runs
    // only when the solid colour asks for it.
    setSolid(*state, name.color(solid ? QStringLiteral("color") : QStringLiteral("base")));
    state->grayOffset = 255 - name.number(QStringLiteral("gray"));
    timing.sweepIntervalMs = solid ? sweepIntervalOf(name.number(QStringLiteral("sweep"))) : 0;

    if (family == QLatin1String("bars")) {
        applyBars(name, *state);
    } else if (family == QLatin1String("ramp") || family == QLatin1String("graybars") || family == QLatin1String("ball")
               || family == QLatin1String("chart")) {
        applyGrayBars(name, *state);
    } else if (family == QLatin1String("scan") || family == QLatin1String("chars") || family == QLatin1String("square")) {
        timing.scanIntervalMs = applyScanLines(name, *state);
    } else if (family == QLatin1String("grayblocks") || family == QLatin1String("contrast")) {
        const bool contrast = family == QLatin1String("contrast");
        state->grayBlockType = contrast ? BrightContrast + name.choiceIndex(QStringLiteral("level")) : AllGrayLevels;
        state->hideBlockText = !name.flag(QStringLiteral("labels"));
        state->mode = GrayBlocks;
    } else if (isTechnicianFamily(family)) {
        applyTechnician(name, *state);
    } else if (!solid) {
        applySpecial(name, *state);
    }
    state->clockSource = name.choiceIndex(QStringLiteral("source")) == 1 ? ClockSystemUtc : ClockSinceChosen;
    return timing;
}

PatternName patternNameOf(const PatternState &state, const PatternTiming &timing)
{
    PatternName name = patternNameOf(state);
    if (name.family == QLatin1String("solid")) {
        // The gray level is the one the sweep starts from, which the
        // state holds whatever level the sweep shows at the moment.
        name.values[QStringLiteral("sweep")] = QString::number(sweepSpeedOf(timing.sweepIntervalMs));
    }
    if (name.values.contains(QStringLiteral("speed")))
        name.values[QStringLiteral("speed")] = QString::number(scanSpeedOf(timing.scanIntervalMs));
    return name;
}
