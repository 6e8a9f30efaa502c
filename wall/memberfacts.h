#ifndef MEMBERFACTS_H
#define MEMBERFACTS_H

#include "groupledger.h"

class WallControl;

// What this computer tells the group about itself, read when it announces
// itself: its host name, the part of the wall it draws, the program's
// version and its clock's health. It is online as long as it runs.
MemberEntry currentMemberFacts(const WallControl &control);

#endif // MEMBERFACTS_H
