#ifndef PATTERNSTATE_H
#define PATTERNSTATE_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
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
    Special = 5
};

// The full-window clock's characters as coverage masks, one per place in the
// text and digit (masks[place * 10 + digit]), and where each place sits in
// the window. No masks while the clock is drawn as text.
struct ClockGlyphs
{
    QVector<QImage> masks;
    QVector<QPoint> positions;
    QString key;                    // the window size and font they were made for
    int paints = 0;                 // paints seen with that key
};

// Everything the renderer reads to paint one frame. The test-pattern window
// holds it and changes it through its commands; tests, benchmarks and the
// gallery fill one in directly and render it into a QImage.
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
    // What the clocks count: 0 the time since the pattern was chosen, 1 the
    // computer's real-time clock in UTC, which computers kept in step by NTP
    // or PTP show alike.
    int clockSource = 0;
    QString picturePath;
    QImage picture;                 // picturePath decoded once; null when unreadable
    int fontIndex = 0;
    QList<QFont> testFonts;
    bool hideBlockText = true;
    bool infoVisible = true;
    int squareX = 0;
    int squareY = 0;
    int squareWidth = 10;
    int squareHeight = 10;
    int squareDx = 0;
    int squareDy = 0;

    // ---- Renderer cache of the gray-bar painter (render/grayramps.cpp) ----
    // The ball's radial gradient costs many plain fills to draw, so it is
    // drawn once and copied on later paints until the window size, the ramp
    // colours or the target's pixel format change. Not part of the pattern:
    // no command reads or writes it.
    mutable QImage ballImage;
    mutable QString ballKey;

    // ---- Renderer caches of the scan-line, gray-block and special painters ----
    // (render/scanspecialframes.cpp and its users). What stays the same from
    // paint to paint is drawn once and copied until the state or the size it
    // was drawn for changes; the key names that state. Not part of the
    // pattern: no command reads or writes them.
    mutable QImage keptFrame;           // a whole static frame before the information text
    mutable QString keptFrameKey;
    mutable QImage keptClockCell;       // one cabinet of the cabinet clock
    mutable QString keptClockCellKey;
    mutable QImage keptPicture;         // the custom picture ready to copy, scaled when fitted
    mutable QString keptPictureKey;
    mutable ClockGlyphs keptClockGlyphs;  // the full-window clock's characters
};

#endif // PATTERNSTATE_H
