#ifndef REMOTETOKEN_H
#define REMOTETOKEN_H

#include <QString>

// The remote control's access token kept in the profile under remote/token:
// 128 random bits made the first time and kept, so bookmarks and show-control
// set-ups keep working across restarts. `renew` makes a new one (--reset).
QString profileRemoteToken(const QString &profile, bool renew);

#endif // REMOTETOKEN_H
