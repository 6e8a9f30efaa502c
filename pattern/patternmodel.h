#ifndef PATTERNMODEL_H
#define PATTERNMODEL_H

#include "animation.h"
#include "motion.h"
#include "namedpattern.h"
#include "patternstate.h"

#include <QObject>

// The pattern's animations apart from any window: the scan lines' offset,
// the moving square's place, the gray sweep and the frame-delay clock, each
// a function of time that advances only while it runs and goes on where it
// stopped. Whoever shows the pattern samples a frame at an instant;
// nothing steps by itself. It also tells whoever drives or remembers the
// wall when a command changed the pattern; the animations moving on with
// time are no change.
class PatternModel : public QObject
{
    Q_OBJECT

public:
    explicit PatternModel(QObject *parent = nullptr);

    // Shows `name` from `now` on: writes it onto *state and starts its
    // animations as the control panel's commands do; a square walks with a
    // generator seeded with `walkSeed`.
    void start(const PatternName &name, PatternState *state, qint64 now, quint32 walkSeed);

    // The scan lines and the square run on one interval; 0 stops them.
    void runScan(qint64 now, int intervalMs);
    void runSweep(qint64 now, int intervalMs);
    void runClock(qint64 now, bool on);
    void restartClock(qint64 now);

    // One more tick of one animation, as a step by hand.
    void stepScanLines() { scanLines.step(); }
    void stepSquare() { square.step(); }
    void stepSweep() { sweep.step(); }
    void stepClock() { clock.step(); }

    // A gray level set by hand shows until the sweep's next tick.
    void holdGray(qint64 now);
    // The square walks on from its last place with a generator seeded with `seed`.
    void restartWalk(qint64 now, quint32 seed);

    // `state` as it shows at `now` (ms on the model's clock) and `utcMs`
    // (ms since the Unix epoch, for the animations that count the
    // computer's time), in a window of `area` or on the state's canvas.
    PatternState frameAt(const PatternState &state, qint64 now, qint64 utcMs, const QSize &area);

    int scanInterval() const { return scanLines.interval(); }
    int sweepInterval() const { return sweep.interval(); }
    bool clockRunning() const { return clock.running(); }
    PatternTiming timing() const { return PatternTiming{ scanInterval(), sweepInterval() }; }

signals:
    void changed();

private:
    static qint64 ticksOf(const Animation &animation, const PatternState &state, qint64 now, qint64 utcMs);

    Animation scanLines;
    Animation square;
    Animation sweep;
    Animation clock;
    SquareWalk walk;
    qint64 walkStart = 0;       // the square's ticks when the walk started
    qint64 grayHeldAt = 0;      // the sweep's ticks when a level was set by hand
    qint64 grayHeldSince = 0;   // the instant it was set
};

#endif // PATTERNMODEL_H
