#ifndef PATTERNSTATE_H
#define PATTERNSTATE_H

#include "wallcanvas.h"
#include "windowfacts.h"

#include <QColor>
#include <QString>
#include <QTime>
#include <QVector>

// The pattern families of the test-pattern window.
enum PatternMode {
    Solid = 0,
    ColorBars = 1,
    GrayBars = 2,
    ScanLines = 3,
    GrayBlocks = 4,
    Special = 5,
    Checker = 6,
    ZonePlate = 7,
    PixelWalk = 8,
    Ticker = 9,
    Ident = 10
};

// The sub-patterns of the Special family (`specialType`).
enum SpecialType {
    DelayClock = 0,         // one frame-delay clock over the whole window
    CabinetClock = 1,       // one clock per cabinet
    GridCircles = 2,
    CustomPicture = 3,
    CabinetMap = 4
};

// The charts of the GrayBlocks family (`grayBlockType`); any other value
// shows the base fill alone.
enum GrayBlockType {
    AllGrayLevels = 0,
    BrightContrast = 1,
    DarkContrast = 2
};

// `rampLength` of the GrayBars family: a period of 32..256 is a ramp, 0 the
// custom gray bars (or one ramp over the width), and this the radial ball.
constexpr int BallRamp = -1;

// What the animations count (`clockSource`): the clocks, the scan lines,
// the moving square and the gray sweep.
enum ClockSource {
    ClockSinceChosen = 0,   // the time the animation ran since the pattern was chosen
    ClockSystemUtc = 1      // the computer's clock in UTC, alike on computers kept in step
};

// The pattern the test-pattern window shows: plain values, copied freely and
// never written by a paint. The window changes it through its commands;
// tests, benchmarks, the gallery and the export fill one in directly and
// render it with a PatternRenderer. What the renderer keeps between frames,
// and the decoded custom picture, belong to the renderer, not to the state.
struct PatternState
{
    // Colour-bar table, row-major: cell (r, c) is colorList[r * colorColumns + c].
    QVector<QColor> colorList;
    int mode = Solid;
    int colorColumns = 1;
    int colorRows = 1;
    bool autoCellSize = true;
    bool tileColorBars = false;
    int rampReverse = 0;
    int rampRotate = 0;
    int cellWidth = 20;
    int cellHeight = 20;
    // 32..256: ramp period; 0: custom gray bars or the full-width ramp; -1: ball.
    int rampLength = 0;
    int grayOffset = 0;
    int autoGrayStep = 0;
    QColor solidColor;              // invalid: paints black
    QColor rampDarkColor;
    QColor rampLightColor;
    int scanHorizontal = 0;
    int scanVertical = 0;
    int scanDiagonalLR = 0;
    int scanDiagonalRL = 0;
    int fontTest = 0;
    int movingSquare = 0;
    QColor scanBackground;
    QColor scanLineColor;
    int scanLineWidth = 1;
    int scanPitch = 21;             // line width plus gap, as the panel starts
    int scanOffset = 0;
    int scanStep = 1;
    int scanDirection = 1;
    int grayBlockType = 0;
    int grayBarWidth = 1;
    int grayBarStart = 0;
    int grayBarSpacing = 1;
    int colorRampChart = 0;
    int colorRampDirection = 0;
    int specialType = 0;
    int cabinetWidth = 216;
    int cabinetHeight = 216;
    bool pictureFit = false;
    QTime delayTime = QTime(0, 0, 0, 0);
    // What the animations count: 0 the time since the pattern was chosen, 1
    // the computer's real-time clock in UTC, which computers kept in step by
    // NTP or PTP show alike.
    int clockSource = 0;
    // The wall's canvas and this window's place on it; the pattern is drawn
    // in canvas coordinates.
    WallCanvas canvas;
    QString picturePath;
    int fontIndex = 0;              // the character test's font, 0..7 (characterTestFont)
    bool hideBlockText = true;
    bool infoVisible = true;
    int squareX = 0;
    int squareY = 0;
    int squareWidth = 10;
    int squareHeight = 10;
    int squareDx = 0;
    int squareDy = 0;
    // The checkerboard: cell size and the colours of its even and odd cells.
    int checkerWidth = 1;
    int checkerHeight = 1;
    QColor checkerColorA = QColor(255, 255, 255);
    QColor checkerColorB = QColor(0, 0, 0);
    int zonePlateK = 100;           // 1..100; 100 reaches two pixels a cycle at the corners
    // The pixel walk and the frame ticker share cabinetWidth/cabinetHeight;
    // the ticker's cabinet 0 x 0 spans the canvas with one row.
    QColor markColor = QColor(255, 255, 255);   // the lit pixel, the lit block
    int walkRate = 10;              // steps per second
    bool walkSubpixel = false;
    int tickerFps = 0;              // 0: frameRate
    // Frames per second of whatever shows the frame: the screen's refresh
    // rate, the export's --fps; 0 when unknown.
    int frameRate = 0;
    // The milliseconds the pixel walk and the ticker count: since the
    // pattern was chosen, or since the Unix epoch with ClockSystemUtc.
    qint64 elapsedMs = 0;
    WindowFacts facts;
};

// A clock pattern is shown, and with it the clock runs.
inline bool clockShown(const PatternState &state)
{
    return state.mode == Special && (state.specialType == DelayClock || state.specialType == CabinetClock);
}

// A pattern that moves every millisecond is shown: a clock, the pixel walk
// or the frame ticker. The clock animation runs while one is.
inline bool countsMilliseconds(const PatternState &state)
{
    return clockShown(state) || state.mode == PixelWalk || state.mode == Ticker;
}

// The character test is shown; the moving square takes its place when both are on.
inline bool characterTestShown(const PatternState &state)
{
    return state.mode == ScanLines && !state.movingSquare && state.fontTest;
}

// The scan lines themselves are shown, not the square or the character test.
inline bool scanLinesShown(const PatternState &state)
{
    return state.mode == ScanLines && !state.movingSquare && !state.fontTest;
}

#endif // PATTERNSTATE_H
