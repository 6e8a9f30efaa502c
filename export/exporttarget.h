#ifndef EXPORTTARGET_H
#define EXPORTTARGET_H

#include <QString>

class QImage;

// The name that sends an exported picture to standard output, for pipes.
inline bool isStandardOutput(const QString &file) { return file == QLatin1String("-"); }

// Whether an exported picture may be written to `file`: a new name or an
// existing regular file, links followed. A device, pipe, socket or folder
// would be replaced by a file, or its reader would get nothing; *why then
// says what it is.
bool exportTargetUsable(const QString &file, QString *why);

// The image as PNG on standard output.
bool writePngToStandardOutput(const QImage &image, QString *why);

#endif // EXPORTTARGET_H
