#ifndef PATTERNNAME_H
#define PATTERNNAME_H

// Pattern names: one text form for every pattern the control panel can show,
//     family
//     family:key=value,key=value,flag
// used by the command line, the remote control and the gallery. This module
// reads and writes the names and knows nothing of windows; applypattern.h
// puts a name on the test-pattern window.

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

// The name of what `state` shows. The animation speeds live in the window's
// timers, not in the state; currentPatternName (applypattern.h) adds them.
PatternName patternNameOf(const PatternState &state);

// One line per family with its keys, their ranges and defaults.
QStringList patternFamilyHelp();

#endif // PATTERNNAME_H
