#include "wallcanvas.h"

#include <QCoreApplication>
#include <QRegularExpression>

bool parseWallCanvas(const QString &text, WallCanvas *out, QString *error)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,9})x(\\d{1,9})\\+(\\d{1,9})\\+(\\d{1,9})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch()) {
        *error = QCoreApplication::translate("WallCanvas", "the canvas \"%1\" is not WxH+X+Y").arg(text);
        return false;
    }
    const qint64 width = match.captured(1).toLongLong();
    const qint64 height = match.captured(2).toLongLong();
    const qint64 x = match.captured(3).toLongLong();
    const qint64 y = match.captured(4).toLongLong();
    if (width < 1 || height < 1 || width > MaxCanvasSide || height > MaxCanvasSide) {
        *error = QCoreApplication::translate("WallCanvas", "the canvas's width and height must be 1 to %1")
                     .arg(MaxCanvasSide);
        return false;
    }
    if (x >= width || y >= height) {
        *error = QCoreApplication::translate("WallCanvas", "the corner %1,%2 lies outside the %3x%4 canvas")
                     .arg(x).arg(y).arg(width).arg(height);
        return false;
    }
    out->size = QSize(int(width), int(height));
    out->origin = QPoint(int(x), int(y));
    return true;
}

QString wallCanvasText(const WallCanvas &canvas)
{
    if (!canvas.isSet())
        return QString();
    return QStringLiteral("%1x%2+%3+%4")
        .arg(canvas.size.width())
        .arg(canvas.size.height())
        .arg(canvas.origin.x())
        .arg(canvas.origin.y());
}

QRect canvasRect(const WallCanvas &canvas, const QRect &window)
{
    if (!canvas.isSet())
        return window;
    return QRect(window.topLeft() - canvas.origin, canvas.size);
}

bool partFits(const WallCanvas &canvas, const QSize &part)
{
    if (!canvas.isSet())
        return true;
    return qint64(canvas.origin.x()) + part.width() <= canvas.size.width()
        && qint64(canvas.origin.y()) + part.height() <= canvas.size.height();
}
