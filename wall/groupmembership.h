#ifndef GROUPMEMBERSHIP_H
#define GROUPMEMBERSHIP_H

#include <QString>

struct CommandLine;

// The group this computer belongs to, kept in the profile's [wall] section:
// group= the address as --wall gave it, ca= the CA file of --wall-ca, and
// member= this computer's id in every group, made once, so that a restart
// replaces its own entry in the list of members.
struct GroupMembership
{
    QString address;            // empty: in no group
    QString caFile;
    QString memberId;
};

// --wall URL joins and is remembered; --wall off leaves; without --wall the
// remembered group is joined again. --reset forgets the group, not the id.
GroupMembership groupMembership(const CommandLine &line);

#endif // GROUPMEMBERSHIP_H
