#include "render.h"

#include <QLine>
#include <QPainter>
#include <QVector>

#include <algorithm>

QString clockText(const QTime &delayTime)
{
    return delayTime.toString(QStringLiteral("mm:ss.zzz"));
}

static QFont clockFont(int pointSize)
{
    return QFont(QStringLiteral("Century Gothic"), pointSize);
}

static void drawFullWindowClock(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int pointSize = std::min(rect.width(), rect.height()) / 7;
    if (pointSize < 1)
        return;
    painter.setPen(Qt::white);
    painter.setFont(clockFont(pointSize));
    painter.drawText(rect, Qt::AlignCenter, clockText(state.delayTime));
}

static void drawCabinetClock(QPainter &painter, const PatternState &state, const QRect &rect)
{
    const int cabinetWidth = state.cabinetWidth;
    const int cabinetHeight = state.cabinetHeight;
    if (cabinetWidth < 1 || cabinetHeight < 1)
        return;
    const int pointSize = std::min(cabinetWidth, cabinetHeight) / 10;
    const QString text = clockText(state.delayTime);
    painter.setPen(Qt::white);
    for (int x = 0; x <= rect.width() - 1; x += cabinetWidth) {
        for (int y = 0; y <= rect.height() - 1; y += cabinetHeight) {
            const QRect cabinet(x, y, cabinetWidth, cabinetHeight);
            painter.drawRect(cabinet);
            if (pointSize < 1)
                continue;
            painter.setFont(clockFont(pointSize));
            painter.drawText(cabinet, Qt::AlignCenter, text);
        }
    }
}

static void drawGridAndCircles(QPainter &painter, const QRect &rect)
{
    const int width = rect.width();
    const int height = rect.height();
    QVector<QLine> gridLines;
    for (int i = 1; i <= 16; ++i)
        gridLines.append(QLine(width * i / 16, 0, width * i / 16, height - 1));
    for (int i = 1; i <= 8; ++i)
        gridLines.append(QLine(0, height * i / 8, width - 1, height * i / 8));

    painter.setPen(Qt::white);
    painter.setBrush(Qt::transparent);
    const int cornerWidth = width / 8;
    const int cornerHeight = height / 4;
    painter.drawEllipse(0, 0, cornerWidth, cornerHeight);
    painter.drawEllipse(0, height - cornerHeight, cornerWidth, cornerHeight);
    painter.drawEllipse(width - cornerWidth, 0, cornerWidth, cornerHeight);
    painter.drawEllipse(width - cornerWidth, height - cornerHeight, cornerWidth, cornerHeight);

    const QColor ringColors[4] = { Qt::blue, Qt::green, Qt::red, Qt::white };
    for (int n = 4; n >= 1; --n) {
        const int radius = height * n / 8;
        painter.setPen(ringColors[n - 1]);
        painter.drawEllipse(width / 2 - radius, height / 2 - radius, 2 * radius, 2 * radius);
    }

    painter.setPen(Qt::white);
    painter.drawLines(gridLines);
}

static void drawPicture(QPainter &painter, const PatternState &state, const QRect &rect)
{
    if (state.picture.isNull())
        return;
    if (state.pictureFit)
        painter.drawImage(0, 0, state.picture.scaled(rect.width(), rect.height(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    else
        painter.drawImage(0, 0, state.picture);
}

void drawSpecial(QPainter &painter, const PatternState &state, const QRect &rect)
{
    switch (state.specialType) {
    case 0:
        drawFullWindowClock(painter, state, rect);
        break;
    case 1:
        drawCabinetClock(painter, state, rect);
        break;
    case 2:
        drawGridAndCircles(painter, rect);
        break;
    case 3:
        drawPicture(painter, state, rect);
        break;
    default:
        break;
    }
}
