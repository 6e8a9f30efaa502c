#ifndef PATTERNNAME_H
#define PATTERNNAME_H

// Pattern names: one text form for every pattern the control panel can show,
//     family
//     family:key=value,key=value,flag
// used by the command line, the remote control, the profile and the gallery.
// This module reads and writes the names; namedpattern.h turns a name into
// the pattern it shows and back.

#include <QColor>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

struct PatternState;

// A parsed pattern name: its family and every key of that family, each held
// as its canonical text (keys left out of the name hold their default), so
// two names that show the same pattern compare equal.
struct PatternName
{
    QString family;
    QMap<QString, QString> values;

    bool flag(const QString &key) const;
    int number(const QString &key) const;           // numbers and choices given as numbers
    int choiceIndex(const QString &key) const;      // position of the value among the key's choices
    QColor color(const QString &key) const;
    QSize size(const QString &key) const;           // WxH; an empty size for "auto"
    QVector<QColor> colors(const QString &key) const;
    QString text(const QString &key) const;

    bool operator==(const PatternName &other) const
    {
        return family == other.family && values == other.values;
    }
    bool operator!=(const PatternName &other) const { return !(*this == other); }
};

// Reads `text`. On success fills *out and returns true; otherwise leaves
// *out as it was and puts one line into *error that names the bad part and
// what is allowed there.
bool parsePatternName(const QString &text, PatternName *out, QString *error);

// The canonical text: lower case, keys in the family's order, keys at their
// default left out, `path` last.
QString printPatternName(const PatternName &name);

// The name of what `state` shows. The animation speeds are not part of the
// state; patternNameOf in namedpattern.h adds them.
PatternName patternNameOf(const PatternState &state);

// The families of the Special sub-patterns, in the order of SpecialType.
const QStringList &specialFamilies();

// One line per family with its keys, their ranges and defaults.
QStringList patternFamilyHelp();

#endif // PATTERNNAME_H
