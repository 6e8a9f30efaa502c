#ifndef CLOCKHEALTH_H
#define CLOCKHEALTH_H

#include <optional>

// Whether this computer's clock is kept in step (by NTP or PTP), as the
// kernel sees it: computers of one wall show the same frame only while
// their clocks agree.
struct ClockHealth
{
    bool synchronised = false;
    std::optional<double> errorMs;  // the kernel's estimated error; none when unreadable
};

ClockHealth readClockHealth();

#endif // CLOCKHEALTH_H
