// One wall drawn by several windows: every part of a canvas equals its
// rectangle of the whole canvas, and motion on the computer's clock is the
// same on every part at the same instant.
#include "fontsubstitutions.h"
#include "patternmodel.h"
#include "patternrenderer.h"
#include "picturedecoder.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QSize canvasSize(1000, 700);
// 2026-12-07T10:00:00.250Z: every animation on the computer's clock is well past its start.
const qint64 instant = 1796637600250;

// The window at `part` of the canvas, as the export draws it at `instant`.
QImage renderPart(const QString &text, const QRect &part, const QString &picturePath)
{
    PatternName name;
    QString error;
    if (!parsePatternName(text, &name, &error))
        qFatal("%s", qPrintable(error));
    PatternState state;
    state.canvas = WallCanvas{ canvasSize, part.topLeft() };
    PatternModel model;
    model.start(name, &state, 0, 1);
    state.infoVisible = false;
    PatternRenderer renderer;
    if (state.mode == Special && state.specialType == CustomPicture)
        renderer.setPicture(loadPicture(picturePath, PictureView{ state.pictureFit, part.size(), state.canvas }).image);
    QImage frame(part.size(), QImage::Format_ARGB32_Premultiplied);
    frame.setDotsPerMeterX(3780);
    frame.setDotsPerMeterY(3780);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    renderer.render(painter, model.frameAt(state, 0, instant, part.size()), frame.rect(), QPoint());
    painter.end();
    return frame.convertToFormat(QImage::Format_RGB32);
}

// The largest difference of one channel between two images of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            largest = std::max({ largest, std::abs(qRed(rowA[x]) - qRed(rowB[x])),
                                 std::abs(qGreen(rowA[x]) - qGreen(rowB[x])), std::abs(qBlue(rowA[x]) - qBlue(rowB[x])) });
        }
    }
    return largest;
}

// The parts of the canvas cut at the columns `xs` and the rows `ys`.
QVector<QRect> partsOf(const QList<int> &xs, const QList<int> &ys)
{
    QList<int> columns = QList<int>{ 0 } + xs + QList<int>{ canvasSize.width() };
    QList<int> rows = QList<int>{ 0 } + ys + QList<int>{ canvasSize.height() };
    QVector<QRect> parts;
    for (int r = 0; r + 1 < rows.size(); ++r)
        for (int c = 0; c + 1 < columns.size(); ++c)
            parts.append(QRect(QPoint(columns[c], rows[r]), QPoint(columns[c + 1] - 1, rows[r + 1] - 1)));
    return parts;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerFontSubstitutions();
        QVERIFY(pictures.isValid());
        // A picture with detail in every pixel, smaller than the canvas both ways.
        QImage picture(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
        QVERIFY(picture.save(pictures.filePath(QStringLiteral("detail.png"))));
    }

    void partsStitchIntoTheCanvas_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("allowance");
        const QString picture = pictures.filePath(QStringLiteral("detail.png"));
        const struct { const char *pattern; int allowance; } rows[] = {
            { "solid:color=#336699", 0 },
            { "solid:sweep=60,source=system", 0 },
            { "bars:preset", 0 },
            { "bars:cols=7,rows=3,colors=#ff0000;#00ff00;#0000ff;#ffffff;#808080;#ff00ff;#00ffff;#ffff00;#102030;#405060;#708090;#a0b0c0;#d0e0f0;#112233;#445566;#778899;#aabbcc;#ddeeff;#123456;#654321;#abcdef", 0 },
            { "bars:cols=2,rows=2,colors=#ff0000;#00ff00;#0000ff;#ffffff,cell=37x23,tile", 0 },
            { "graybars:width=13,start=10,step=7", 0 },
            { "graybars:width=9,step=3,rotate", 0 },
            // Gradients through a moved painter may round one level apart.
            { "ramp", 1 },
            { "ramp:period=64,rotate,reverse", 1 },
            { "graybars", 1 },
            { "ball", 1 },
            { "chart", 1 },
            { "chart:direction=left", 1 },
            { "scan:h,v,width=3,gap=17,source=system", 0 },
            { "scan:lr,rl,width=2,gap=30,source=system", 0 },
            { "scan:h,reverse,width=7,gap=40,speed=99,source=system", 0 },
            { "chars", 0 },
            { "chars:font=7", 0 },
            { "square:size=60,speed=99,source=system", 0 },
            { "grayblocks:labels", 0 },
            { "contrast:labels", 0 },
            { "contrast:level=dark,labels", 0 },
            // Qt 6 fills text this large as outlines, which round like gradients.
            { "clock:source=system", QT_VERSION >= QT_VERSION_CHECK(6, 0, 0) ? 1 : 0 },
            { "cabinet-clock:cabinet=150x120,source=system", 0 },
            { "grid", 0 },
            { "cabinets:cabinet=120x90", 0 },
            { "checker:cell=7x5,a=#ff0000,b=#0000ff", 0 },
            { "checker:cell=120x90", 0 },
            { "zoneplate", 0 },
            { "zoneplate:k=37", 0 },
            { "pixelwalk:cabinet=120x90,rate=1000,source=system", 0 },
            { "pixelwalk:cabinet=7x5,subpixel,rate=999,source=system", 0 },
            { "ticker:cabinet=150x120,fps=60,source=system", 0 },
            { "ticker:cabinet=none,fps=50,source=system", 0 },
        };
        for (const auto &row : rows)
            QTest::newRow(row.pattern) << QString::fromLatin1(row.pattern) << row.allowance;
        QTest::newRow("picture at its own size") << QStringLiteral("picture:path=") + picture << 0;
        QTest::newRow("picture fitted to the canvas") << QStringLiteral("picture:fit,path=") + picture << 0;
    }

    void partsStitchIntoTheCanvas()
    {
        QFETCH(QString, pattern);
        QFETCH(int, allowance);
        const QString picture = pictures.filePath(QStringLiteral("detail.png"));
        const QImage whole = renderPart(pattern, QRect(QPoint(0, 0), canvasSize), picture);
        const struct { const char *name; QList<int> xs; QList<int> ys; } splits[] = {
            { "2 x 1", { 333 }, {} },
            { "1 x 3", {}, { 233, 467 } },
            { "2 x 2", { 517 }, { 351 } },
        };
        for (const auto &split : splits) {
            for (const QRect &part : partsOf(split.xs, split.ys)) {
                const int difference = largestDifference(renderPart(pattern, part, picture), whole.copy(part));
                if (difference > allowance)
                    QFAIL(qPrintable(QStringLiteral("split %1, part %2,%3 %4x%5: %6 levels apart")
                                         .arg(QLatin1String(split.name)).arg(part.x()).arg(part.y())
                                         .arg(part.width()).arg(part.height()).arg(difference)));
            }
        }
    }

private:
    QTemporaryDir pictures;
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
