#include "memberfacts.h"

#include "clockhealth.h"
#include "wallcontrol.h"

#include <QCoreApplication>
#include <QSysInfo>

MemberEntry currentMemberFacts(const WallControl &control)
{
    MemberEntry facts;
    facts.host = QSysInfo::machineHostName().left(253);
    facts.canvas = WallControl::placementText(control.windowPlacement());
    facts.version = QCoreApplication::applicationVersion().left(64);
    facts.online = true;
    const ClockHealth clock = readClockHealth();
    facts.clockSynchronised = clock.synchronised;
    facts.clockErrorMs = clock.errorMs;
    return facts;
}
