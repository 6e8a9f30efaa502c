#include "exporttarget.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

bool exportTargetUsable(const QString &file, QString *why)
{
    struct stat target;
    if (stat(QFile::encodeName(file).constData(), &target) != 0)
        return true;    // a new file, or one whose trouble the writing itself reports
    if (S_ISREG(target.st_mode))
        return true;
    if (S_ISDIR(target.st_mode))
        *why = QCoreApplication::translate("Export", "it is a folder, not a regular file");
    else if (S_ISFIFO(target.st_mode))
        *why = QCoreApplication::translate("Export", "it is a named pipe, not a regular file (use --export - to write to standard output)");
    else if (S_ISSOCK(target.st_mode))
        *why = QCoreApplication::translate("Export", "it is a socket, not a regular file");
    else if (S_ISCHR(target.st_mode) || S_ISBLK(target.st_mode))
        *why = QCoreApplication::translate("Export", "it is a device, not a regular file");
    else
        *why = QCoreApplication::translate("Export", "it is not a regular file");
    return false;
}

bool writePngToStandardOutput(const QImage &image, QString *why)
{
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        *why = out.errorString();
        return false;
    }
    QImageWriter writer(&out, "png");
    if (!writer.write(image)) {
        *why = writer.errorString();
        return false;
    }
    if (!out.flush()) {
        *why = out.errorString();
        return false;
    }
    return true;
}
