#ifndef PATTERNMODEL_H
#define PATTERNMODEL_H

#include <QObject>

// The pattern a test-pattern window shows, apart from the window. It
// tells whoever drives or remembers the wall when a command changed the
// pattern; the animations moving on with time are no change.
class PatternModel : public QObject
{
    Q_OBJECT

public:
    explicit PatternModel(QObject *parent = nullptr) : QObject(parent) {}

signals:
    void changed();
};

#endif // PATTERNMODEL_H
