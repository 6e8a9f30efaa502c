#include "patternexport.h"

#include "exporttarget.h"
#include "patternmodel.h"
#include "patternname.h"
#include "patternrenderer.h"
#include "picturedecoder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace {

QString cannotWrite(const QString &file, const QString &why)
{
    return QCoreApplication::translate("Export", "cannot write %1: %2").arg(QDir::toNativeSeparators(file), why);
}

// The window's pixels at 96 dpi, the resolution of a standard desktop.
QImage renderStill(PatternRenderer &renderer, PatternState state, const QSize &size)
{
    state.infoVisible = false;
    QImage frame(size, QImage::Format_ARGB32_Premultiplied);
    frame.setDotsPerMeterX(3780);
    frame.setDotsPerMeterY(3780);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    renderer.render(painter, state, frame.rect(), QPoint());
    painter.end();
    return frame.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QString frameFileName(const QString &file, int frame, int frames)
{
    const QFileInfo info(file);
    const int digits = qMax(4, int(QString::number(frames).size()));
    const QString number = QStringLiteral("-%1").arg(frame, digits, 10, QLatin1Char('0'));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = suffix.isEmpty() ? file : file.left(file.size() - suffix.size());
    return stem + number + suffix;
}

bool writePng(const QImage &image, const QString &file, QString *error)
{
    QString why;
    if (isStandardOutput(file)) {
        if (!writePngToStandardOutput(image, &why))
            *error = QCoreApplication::translate("Export", "cannot write to standard output: %1").arg(why);
        return why.isEmpty();
    }
    if (!exportTargetUsable(file, &why)) {
        *error = cannotWrite(file, why);
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = cannotWrite(file, out.errorString());
        return false;
    }
    QImageWriter writer(&out, "png");
    if (!writer.write(image)) {
        *error = cannotWrite(file, writer.errorString());
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        *error = cannotWrite(file, out.errorString());
        return false;
    }
    return true;
}

bool exportPattern(const ExportRequest &request, QString *error)
{
    PatternName name;
    if (!parsePatternName(request.pattern, &name, error))
        return false;

    // A fresh window at the first frame: the square walks from the corner
    // with a fixed seed, so an export is the same every time.
    PatternState state;
    state.canvas = request.canvas;
    PatternModel model;
    model.start(name, &state, 0, 1);

    PatternRenderer renderer;
    if (state.mode == Special && state.specialType == CustomPicture) {
        const PictureLoad picture = state.canvas.isSet()
            ? loadPicture(state.picturePath, PictureView{ state.pictureFit, request.size, state.canvas })
            : loadPicture(state.picturePath);
        if (!picture.error.isEmpty()) {
            *error = picture.error;
            return false;
        }
        renderer.setPicture(picture.image);
    }

    state.frameRate = qRound(request.fps);
    const qint64 startUtc = request.atGiven ? request.atUtcMs : QDateTime::currentMSecsSinceEpoch();
    const auto frameAt = [&](int frame) {
        // Frame k is at k / fps seconds; the animations count whole milliseconds.
        const qint64 ms = request.frames <= 0 ? 0 : qint64(std::llround(frame * 1000.0 / request.fps));
        PatternState shown = model.frameAt(state, ms, startUtc + ms, request.size);
        // The frame ticker and the pixel walk count the first whole
        // millisecond at or after the frame's instant: the nearest one may
        // lie before it, and frame k at 60 fps would count k - 1.
        if (request.frames > 0)
            shown.elapsedMs += qint64(std::ceil(frame * 1000.0 / request.fps)) - ms;
        return renderStill(renderer, shown, request.size);
    };
    if (request.frames <= 0)
        return writePng(frameAt(0), request.file, error);
    for (int frame = 0; frame < request.frames; ++frame) {
        if (!writePng(frameAt(frame), frameFileName(request.file, frame + 1, request.frames), error))
            return false;
    }
    return true;
}
