#ifndef CLOCKHEALTH_H
#define CLOCKHEALTH_H

#include <optional>

// How far this computer's clock can be trusted, as the kernel tells it:
// whether NTP or PTP keeps it synchronised, and the estimated error.
struct ClockHealth
{
    bool synchronised = false;
    std::optional<double> errorMs;  // none when the kernel cannot say
};

ClockHealth readClockHealth();

#endif // CLOCKHEALTH_H
