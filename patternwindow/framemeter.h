#ifndef FRAMEMETER_H
#define FRAMEMETER_H

#include <QVector>
#include <QtGlobal>

// How fast the window is really redrawn: the redraws of the last second and
// the longest gap between two of them, beside the screen's refresh rate. A
// technician sees at once when the computer cannot keep up with a pattern,
// before blaming the wall.
struct FrameFigures
{
    int perSecond = 0;
    int longestGapMs = 0;
    double refreshHz = 0;
};

class FrameMeter
{
public:
    // A redraw shown at `now` (ms on one clock).
    void frameShown(qint64 now);
    // The last second before `now`; the gap runs to `now` when no redraw
    // came since the last one.
    FrameFigures figures(qint64 now) const;

private:
    QVector<qint64> shown;      // the redraws of about the last second, oldest first
};

#endif // FRAMEMETER_H
