#ifndef ANIMATION_H
#define ANIMATION_H

#include <QtGlobal>

// One animation of a pattern, as a function of time: it advances one tick
// per interval while it runs and keeps its place while stopped. It stores
// the ticks banked at the last start, stop or speed change and the instant
// of that change; instants are milliseconds on one clock.
class Animation
{
public:
    // Runs one tick every `intervalMs` from `now` on; 0 or less stops it.
    void run(qint64 now, int intervalMs);
    // Counts one more tick, whether it runs or not.
    void step() { ++banked; }
    // Back to no ticks at `now`, running as before.
    void restart(qint64 now);

    qint64 ticks(qint64 now) const;
    int interval() const { return intervalMs; }
    bool running() const { return intervalMs > 0; }

private:
    qint64 banked = 0;
    qint64 since = 0;
    int intervalMs = 0;
};

#endif // ANIMATION_H
