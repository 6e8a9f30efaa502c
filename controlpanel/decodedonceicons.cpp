// The panel's style sheets name their pictures by file, and the toolkit
// makes an icon of the file for every widget a rule applies to, decoding
// the file again each time: some pictures are over 2000 pixels a side, so
// building the panel spent most of its start-up decoding. This icon engine
// decodes each file once, then hands the same pixmaps to every icon, which
// scales and draws them exactly as an icon made from the file would.
#include <QHash>
#include <QIcon>
#include <QIconEngine>
#include <QIconEnginePlugin>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

class DecodedOnceIconEngine : public QIconEngine
{
public:
    explicit DecodedOnceIconEngine(QHash<QString, QIcon> *decoded) : decoded(decoded) {}

    // Reads the file's size now and its pixels when they are first drawn:
    // the main page's large pictures are not decoded for the start page.
    void load(const QString &fileName)
    {
        loaded = fileName;
        fileSize = QImageReader(fileName).size();
    }

    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (fileName != loaded || size.isValid() || mode != QIcon::Normal || state != QIcon::Off) {
            decode();
            icon.addFile(fileName, size, mode, state);
        }
    }

    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        decode();
        icon.addPixmap(pixmap, mode, state);
    }

    // As an icon made from the file paints: its pixmap for the whole rectangle.
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    // As an icon made from the file answers: its size, scaled down to fit.
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        if (!undecoded())
            return icon.actualSize(size, mode, state);
        QSize actual = fileSize;
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        decode();
        return icon.pixmap(size, mode, state);
    }

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override
#else
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
#endif
    {
        if (undecoded())
            return mode == QIcon::Normal && state == QIcon::Off ? QList<QSize>{ fileSize } : QList<QSize>();
        return icon.availableSizes(mode, state);
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    bool isNull() override { return undecoded() ? false : icon.isNull(); }
#endif

    QIconEngine *clone() const override
    {
        auto *copy = new DecodedOnceIconEngine(decoded);
        copy->icon = icon;
        copy->loaded = loaded;
        copy->fileSize = fileSize;
        return copy;
    }

private:
    bool undecoded() const { return icon.isNull() && fileSize.isValid(); }

    // The file's pixmaps, decoded by the first engine that draws them.
    void decode()
    {
        if (!undecoded())
            return;
        auto kept = decoded->constFind(loaded);
        if (kept == decoded->constEnd()) {
            QIcon fresh;
            QImageReader reader(loaded);
            QImage image;
            while (reader.read(&image))
                fresh.addPixmap(QPixmap::fromImage(image));
            kept = decoded->insert(loaded, fresh);
        }
        icon = *kept;
        fileSize = QSize();
    }

    QHash<QString, QIcon> *decoded;
    QIcon icon;
    QString loaded;
    QSize fileSize;             // valid until decoded
};

} // namespace

class DecodedOnceIconPlugin : public QIconEnginePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QIconEngineFactoryInterface" FILE "decodedonceicons.json")

public:
    QIconEngine *create(const QString &fileName) override
    {
        auto *engine = new DecodedOnceIconEngine(&decoded);
        engine->load(fileName);
        return engine;
    }

private:
    QHash<QString, QIcon> decoded;  // by file name, for as long as the program runs
};

#include "decodedonceicons.moc"
