#ifndef WINDOWFACTS_H
#define WINDOWFACTS_H

#include <QRect>
#include <QString>

// What the identification pattern tells of the window showing it. Only the
// layers above the renderer know these; they hand them to the window.
struct WindowFacts
{
    QString hostName;
    QRect placement;            // the window on the desktop
    QString remoteAddress;      // empty: no remote control
    QString wallGroup;          // empty: the window belongs to no wall group
    int groupMembers = 0;

    bool operator==(const WindowFacts &other) const
    {
        return hostName == other.hostName && placement == other.placement && remoteAddress == other.remoteAddress
            && wallGroup == other.wallGroup && groupMembers == other.groupMembers;
    }
    bool operator!=(const WindowFacts &other) const { return !(*this == other); }
};

#endif // WINDOWFACTS_H
