#ifndef PATTERNEXPORT_H
#define PATTERNEXPORT_H

#include "wallcanvas.h"

#include <QSize>
#include <QString>

class QImage;

// A pattern rendered to PNG files at wall size, without any display: the
// pixels the test-pattern window shows at that size, without the
// information text.
struct ExportRequest
{
    QString file;                   // FILE.png, or "-" for standard output; frames go to FILE-0001.png, ...
    QString pattern;                // a pattern name, already checked
    QSize size = QSize(1920, 1080);
    int frames = 0;                 // 0: one still picture at FILE
    double fps = 60.0;
    WallCanvas canvas;              // the picture is this part of the canvas; none: the whole
    bool atGiven = false;
    qint64 atUtcMs = 0;             // the first frame's instant for source=system; else the present
};

// Writes the picture or the frames. Returns false with a message for the
// operator when a file cannot be written or the pattern's picture cannot be
// read. An existing file is replaced only by a complete new one.
bool exportPattern(const ExportRequest &request, QString *error);

// FILE with the frame number before its extension: wall.png, 7 -> wall-0007.png.
QString frameFileName(const QString &file, int frame, int frames);

// The image as a PNG file, written in full under a temporary name first;
// "-" writes it to standard output. An existing target that is not a
// regular file is refused.
bool writePng(const QImage &image, const QString &file, QString *error);

#endif // PATTERNEXPORT_H
