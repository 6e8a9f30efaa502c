#ifndef PROFILEREADER_H
#define PROFILEREADER_H

#include <QColor>
#include <QString>
#include <QVector>

class QSettings;

// Reads a profile value by value. A key that is absent reads as "not
// given" without a word; a value that cannot be used is refused with one
// line on stderr naming the key, and the caller keeps its default.
class ProfileReader
{
public:
    explicit ProfileReader(const QSettings &settings) : settings(settings) {}

    bool has(const QString &key) const;
    bool number(const QString &key, int low, int high, int *value) const;
    bool flag(const QString &key, bool *value) const;
    bool color(const QString &key, QColor *value) const;
    // Colour names separated by spaces, exactly `count` of them.
    bool colors(const QString &key, int count, QVector<QColor> *value) const;
    bool text(const QString &key, QString *value) const;

    // "walltest: profile KEY: PROBLEM; using the default" on stderr.
    static void refuse(const QString &key, const QString &problem);

private:
    const QSettings &settings;
};

#endif // PROFILEREADER_H
