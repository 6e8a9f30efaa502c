#include "families.h"
#include "keptpixels.h"

#include <QPainter>

#include <cmath>

namespace {

// Gray round(127.5 + 127.5 cos(pi k r^2 / (200 R))), r from the pixel's
// centre to the canvas's, R the canvas's half-diagonal: at k = 100 the
// phase grows by pi a pixel at the corners, two pixels a cycle.
void fillZonePlate(const PatternState &state, const QSize &canvas, QImage &image, const QRect &shown)
{
    const double centreX = canvas.width() / 2.0;
    const double centreY = canvas.height() / 2.0;
    const double halfDiagonal = std::sqrt(double(canvas.width()) * canvas.width()
                                          + double(canvas.height()) * canvas.height()) / 2.0;
    const double phasePerArea = M_PI * state.zonePlateK / (200.0 * halfDiagonal);
    for (int y = 0; y < shown.height(); ++y) {
        const double dy = shown.y() + y + 0.5 - centreY;
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            const double dx = shown.x() + x + 0.5 - centreX;
            const int gray = int(std::lround(127.5 + 127.5 * std::cos(phasePerArea * (dx * dx + dy * dy))));
            line[x] = qRgb(gray, gray, gray);
        }
    }
}

} // namespace

void paintZonePlate(QPainter &painter, const PatternState &state, const QRect &rect, FrameCache &cache)
{
    painter.save();
    painter.translate(rect.topLeft());
    const QSize canvas = rect.size();
    const QString key = QStringLiteral("zoneplate %1").arg(state.zonePlateK);
    drawKeptPixels(painter, QRect(QPoint(0, 0), canvas), cache.zonePlate, key,
                   [&state, canvas](QImage &image, const QRect &shown) { fillZonePlate(state, canvas, image, shown); });
    painter.restore();
}
