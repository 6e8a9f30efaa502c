#ifndef REMOTEADDRESS_H
#define REMOTEADDRESS_H

#include <QString>

// The address a phone opens: http://HOST:PORT/?token=TOKEN. Listening on
// every address (`address` empty), HOST is the machine's address on its
// network; otherwise it is `address` itself.
QString remoteAddress(const QString &address, int port, const QString &token);

#endif // REMOTEADDRESS_H
