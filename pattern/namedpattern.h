#ifndef NAMEDPATTERN_H
#define NAMEDPATTERN_H

#include "patternname.h"
#include "patternstate.h"

// How fast a pattern's animations run: the intervals of the scan lines (and
// the square) and of the gray sweep in milliseconds, 0 while stopped. A
// name of a family without scan lines leaves their timing as it was: -1.
struct PatternTiming
{
    int scanIntervalMs = -1;
    int sweepIntervalMs = 0;
};

// The panel's speed controls, 1..99 (0 stops), as intervals and back. The
// scan lines step every (speed - 100)² ms, the sweep every 100 / speed ms.
int scanIntervalOf(int speed);
int scanSpeedOf(int intervalMs);
int sweepIntervalOf(int speed);
int sweepSpeedOf(int intervalMs);

// The cabinet size the panel passes with the special tests that have none.
constexpr int PanelCabinetWidth = 384;
constexpr int PanelCabinetHeight = 216;

// The gray ramps and the scan lines as the window's commands set them:
// each also selects its family.
void setGrayRamp(PatternState &state, int length, int reverse, int rotate, const QColor &dark, const QColor &light);
void setScanLines(PatternState &state, int hor, int ver, int lr, int rl, int font, int square, const QColor &background,
                  const QColor &line, int width, int gap);

// Writes what `name` shows onto `state`, value for value as the control
// panel's commands write them, and returns how fast it runs. Every value
// the family's picture depends on is set, to its default where the name
// leaves it out, so the same name gives the same picture whatever was shown
// before; what the family does not show is left as it was.
PatternTiming applyPatternName(const PatternName &name, PatternState *state);

// The name of what `state` shows at `timing`.
PatternName patternNameOf(const PatternState &state, const PatternTiming &timing);

#endif // NAMEDPATTERN_H
