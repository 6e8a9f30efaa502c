#include "clockhealth.h"

#include <sys/timex.h>

ClockHealth readClockHealth()
{
    timex reading{};
    const int state = adjtimex(&reading);
    ClockHealth health;
    if (state == -1)
        return health;
    health.synchronised = state != TIME_ERROR && !(reading.status & STA_UNSYNC);
    health.errorMs = reading.esterror / 1000.0;
    return health;
}
