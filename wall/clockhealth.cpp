#include "clockhealth.h"

#include <sys/timex.h>

ClockHealth readClockHealth()
{
    // Mode 0 only reads, which needs no privilege.
    timex tx{};
    const int state = adjtimex(&tx);
    ClockHealth health;
    if (state == -1)
        return health;
    health.synchronised = state != TIME_ERROR && !(tx.status & STA_UNSYNC);
    health.errorMs = tx.esterror / 1000.0;
    return health;
}
