#ifndef REMOTEPAGE_H
#define REMOTEPAGE_H

#include <QByteArray>

// The remote control's one page, compiled into the program, with its texts
// in the program's language.
QByteArray remotePage();

#endif // REMOTEPAGE_H
