#include "applypattern.h"

#include "dialog.h"

#include <QtMath>

namespace {

// The panel's speed control, 1..99, sets the scan interval to (speed - 100)²
// milliseconds; 0 stops the lines.
int scanIntervalOf(int speed)
{
    return speed > 0 ? (speed - 100) * (speed - 100) : 0;
}

int scanSpeedOf(int interval)
{
    if (interval <= 0)
        return 0;
    return qBound(1, 100 - qRound(qSqrt(interval)), 99);
}

// The sweep runs every 100 / speed milliseconds; the slowest speed that
// gives the interval names it.
int sweepSpeedOf(int interval)
{
    return interval > 0 ? qBound(1, 100 / interval, 99) : 0;
}

// The cabinet size the panel passes with the special tests that have none.
const QSize panelCabinet(384, 216);

void applyGrayBars(dialog &window, const PatternName &name)
{
    const QString &family = name.family;
    const int reverse = name.flag(QStringLiteral("reverse")) ? 1 : 0;
    const int rotate = name.flag(QStringLiteral("rotate")) ? 1 : 0;
    const QColor dark = name.color(QStringLiteral("dark"));
    const QColor light = name.color(QStringLiteral("light"));
    if (family == QLatin1String("chart")) {
        window.setColorRampChart(1, name.choiceIndex(QStringLiteral("direction")));
        return;
    }
    // Leaving the chart's button sends the chart off before the ramp.
    window.setColorRampChart(0, 0);
    if (family == QLatin1String("ramp")) {
        window.setGrayRamp(name.number(QStringLiteral("period")), reverse, rotate, dark, light);
    } else if (family == QLatin1String("graybars")) {
        window.getGaryBarInfo(name.number(QStringLiteral("width")), name.number(QStringLiteral("start")),
                              name.number(QStringLiteral("step")));
        window.setGrayRamp(0, reverse, rotate, dark, light);
    } else {
        window.setGrayRamp(-1, reverse, 0, dark, light);
    }
}

// The scan family and the two tests that share its window state; the panel
// starts with a black background, white lines, width 1 and gap 20.
void applyScanLines(dialog &window, const PatternName &name)
{
    const QString &family = name.family;
    if (family == QLatin1String("scan")) {
        window.getScanLinesInfo(name.flag(QStringLiteral("h")), name.flag(QStringLiteral("v")),
                                name.flag(QStringLiteral("lr")), name.flag(QStringLiteral("rl")), 0, 0,
                                name.color(QStringLiteral("bg")), name.color(QStringLiteral("line")),
                                name.number(QStringLiteral("width")), name.number(QStringLiteral("gap")));
        window.setScanTiming(scanIntervalOf(name.number(QStringLiteral("speed"))), 1);
        window.setScanDirection(name.flag(QStringLiteral("reverse")) ? -1 : 1);
    } else if (family == QLatin1String("chars")) {
        window.setTestFont(name.number(QStringLiteral("font")));
        window.getScanLinesInfo(0, 0, 0, 0, 1, 0, Qt::black, Qt::white, 1, 20);
        window.setScanTiming(0, 1);
    } else {
        window.getScanLinesInfo(0, 0, 0, 0, 0, 1, Qt::black, Qt::white, 1, 20);
        window.setMovingSquare(true, name.number(QStringLiteral("size")));
        window.setScanTiming(scanIntervalOf(name.number(QStringLiteral("speed"))), 1);
    }
}

void applySpecial(dialog &window, const PatternName &name)
{
    const QStringList specials{ QStringLiteral("clock"), QStringLiteral("cabinet-clock"), QStringLiteral("grid"),
                                QStringLiteral("picture"), QStringLiteral("cabinets") };
    const int type = int(specials.indexOf(name.family));
    const QSize cabinet = name.values.contains(QStringLiteral("cabinet")) ? name.size(QStringLiteral("cabinet")) : panelCabinet;
    if (name.family == QLatin1String("picture"))
        window.setPicture(name.text(QStringLiteral("path")), name.flag(QStringLiteral("fit")));
    window.setMode(Special);
    window.setSpecialPattern(type, cabinet.width(), cabinet.height());
}

} // namespace

void applyPatternName(dialog &window, const PatternName &name)
{
    const QString &family = name.family;
    const bool solid = family == QLatin1String("solid");

    // The base colour and the dimmer show under every family; the sweep runs
    // only when the solid colour asks for it.
    window.setSolidColor(name.color(solid ? QStringLiteral("color") : QStringLiteral("base")));
    window.getGrayInfo(name.number(QStringLiteral("gray")));
    window.getGraySpeed(solid ? name.number(QStringLiteral("sweep")) : 0);

    if (family == QLatin1String("bars")) {
        window.getColorInfo(name.colors(QStringLiteral("colors")), name.number(QStringLiteral("cols")),
                            name.number(QStringLiteral("rows")));
        const QSize cell = name.size(QStringLiteral("cell"));
        if (cell.isEmpty())
            window.setColorBarLayout(true, 0, 0, false);
        else
            window.setColorBarLayout(false, cell.width(), cell.height(), name.flag(QStringLiteral("tile")));
    } else if (family == QLatin1String("ramp") || family == QLatin1String("graybars") || family == QLatin1String("ball")
               || family == QLatin1String("chart")) {
        applyGrayBars(window, name);
    } else if (family == QLatin1String("scan") || family == QLatin1String("chars") || family == QLatin1String("square")) {
        applyScanLines(window, name);
    } else if (family == QLatin1String("grayblocks")) {
        window.setGrayBlockTest(0, !name.flag(QStringLiteral("labels")));
    } else if (family == QLatin1String("contrast")) {
        window.setGrayBlockTest(1 + name.choiceIndex(QStringLiteral("level")), !name.flag(QStringLiteral("labels")));
    } else if (!solid) {
        applySpecial(window, name);
    }
    // After the special pattern, which restarts the clock at zero.
    window.setClockSource(name.choiceIndex(QStringLiteral("source")));
}

PatternName currentPatternName(const dialog &window)
{
    PatternName name = patternNameOf(window.state());
    if (name.family == QLatin1String("solid")) {
        const int sweep = sweepSpeedOf(window.graySweepInterval());
        name.values[QStringLiteral("sweep")] = QString::number(sweep);
        // The sweep moves the gray level on every tick; the level of the
        // moment is not part of the pattern.
        if (sweep > 0)
            name.values[QStringLiteral("gray")] = QStringLiteral("255");
    }
    if (name.values.contains(QStringLiteral("speed")))
        name.values[QStringLiteral("speed")] = QString::number(scanSpeedOf(window.scanInterval()));
    return name;
}
