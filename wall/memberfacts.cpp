#include "memberfacts.h"

#include "wallcontrol.h"

#include <QCoreApplication>
#include <QSysInfo>

MemberEntry currentMemberFacts(const WallControl &control)
{
    const WallState state = control.state();
    MemberEntry facts;
    facts.host = QSysInfo::machineHostName().left(253);
    // Without a canvas of its own the window is the whole canvas.
    facts.canvas = state.canvas.isSet() ? wallCanvasText(state.canvas)
                                        : wallCanvasText(WallCanvas{ control.windowPlacement().size(), QPoint() });
    facts.version = QCoreApplication::applicationVersion().left(64);
    facts.online = true;
    facts.clockSynchronised = state.clock.synchronised;
    facts.clockErrorMs = state.clock.errorMs;
    return facts;
}
