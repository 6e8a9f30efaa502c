#ifndef WALLURL_H
#define WALLURL_H

#include <QString>

// Where a wall group meets: mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME, or
// mqtts:// for TLS.
struct WallAddress
{
    bool tls = false;
    QString user;
    QString password;           // never logged, shown or answered
    QString host;
    int port = 1883;
    QString name;

    // The address as it may be shown: without the password.
    QString displayText() const;
    // The address in full, as the profile keeps it.
    QString text() const;
};

// Reads --wall's URL. On failure returns false with what is wrong in *error.
bool parseWallAddress(const QString &text, WallAddress *address, QString *error);

// `text` with whatever stands between "USER:" and "@" hidden, for messages
// about an address that could not be read.
QString hidePassword(const QString &text);

#endif // WALLURL_H
