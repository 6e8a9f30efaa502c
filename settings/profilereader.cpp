#include "profilereader.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <QtDebug>

namespace {

// A hand-edited value with a comma reads back as a list; show it whole.
QString plainText(const QVariant &value)
{
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

void ProfileReader::refuse(const QString &key, const QString &problem)
{
    qWarning().noquote() << QCoreApplication::translate("WallProfile", "walltest: profile %1: %2; using the default").arg(key, problem);
}

bool ProfileReader::has(const QString &key) const
{
    return settings.contains(key);
}

bool ProfileReader::number(const QString &key, int low, int high, int *value) const
{
    if (!has(key))
        return false;
    const QString text = plainText(settings.value(key)).trimmed();
    bool ok = false;
    const int read = text.toInt(&ok);
    if (!ok || read < low || read > high) {
        refuse(key, QCoreApplication::translate("WallProfile", "\"%1\" is not a whole number from %2 to %3").arg(text).arg(low).arg(high));
        return false;
    }
    *value = read;
    return true;
}

bool ProfileReader::flag(const QString &key, bool *value) const
{
    if (!has(key))
        return false;
    const QString text = plainText(settings.value(key)).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) {
        *value = true;
    } else if (text == QLatin1String("false") || text == QLatin1String("0")) {
        *value = false;
    } else {
        refuse(key, QCoreApplication::translate("WallProfile", "\"%1\" is neither true nor false").arg(text));
        return false;
    }
    return true;
}

bool ProfileReader::color(const QString &key, QColor *value) const
{
    QVector<QColor> one;
    if (!colors(key, 1, &one))
        return false;
    *value = one.first();
    return true;
}

bool ProfileReader::colors(const QString &key, int count, QVector<QColor> *value) const
{
    if (!has(key))
        return false;
    const QStringList names = plainText(settings.value(key)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (names.size() != count) {
        refuse(key, QCoreApplication::translate("WallProfile", "%1 colours where %2 are needed").arg(names.size()).arg(count));
        return false;
    }
    QVector<QColor> read;
    for (const QString &name : names) {
        if (!QColor::isValidColor(name)) {
            refuse(key, QCoreApplication::translate("WallProfile", "\"%1\" is not a colour").arg(name));
            return false;
        }
        read.append(QColor(name));
    }
    *value = read;
    return true;
}

bool ProfileReader::text(const QString &key, QString *value) const
{
    if (!has(key))
        return false;
    *value = plainText(settings.value(key));
    return true;
}
