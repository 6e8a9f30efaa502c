#ifndef PANELSETTINGS_H
#define PANELSETTINGS_H

#include <QColor>
#include <QString>
#include <QVector>

// A closed range of whole numbers, as a panel control bounds its value.
struct ValueRange
{
    int low = 0;
    int high = 0;

    bool contains(int value) const { return value >= low && value <= high; }
};

// What the operator sets on the panel besides the pattern itself, as a wall
// keeps it between runs. The numbers are bounded by the panel's controls
// (WallControl::range tells by how much).
struct PanelSettings
{
    int cabinetWidth = 0;
    int cabinetHeight = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    int scanLineWidth = 0;
    int scanLineGap = 0;
    int scanSpeed = 0;
    int graySweepSpeed = 0;

    bool manualCellSize = false;
    bool tileCells = false;
    bool fitPicture = false;

    QColor darkColor;           // the gray ramps' ends
    QColor lightColor;
    QColor scanBackground;      // the scan lines' colours
    QColor scanLineColor;

    QString picturePath;        // empty: none chosen

    // The colour table row by row, as the window has it; no columns until
    // the first edit has sent the table.
    int tableColumns = 0;
    int tableRows = 0;
    QVector<QColor> tableColors;

    bool operator==(const PanelSettings &other) const;
    bool operator!=(const PanelSettings &other) const { return !(*this == other); }
};

#endif // PANELSETTINGS_H
