// The compiled-in image bundle against the pictures the panel's style sheets name.
#include "dialog.h"
#include "mainwindow.h"

#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// Every picture of the bundle, at the resource path the style sheets use.
const QMap<QString, QSize> &bundledPictures()
{
    static const QMap<QString, QSize> pictures = {
        {QStringLiteral(":/images/图片14444.png"), QSize(33, 33)},
        {QStringLiteral(":/images/1123123123.png"), QSize(33, 31)},
        {QStringLiteral(":/images/1312313123.png"), QSize(33, 33)},
        {QStringLiteral(":/images/12313124.png"), QSize(33, 31)},
        {QStringLiteral(":/images/arrow8.png"), QSize(200, 200)},
        {QStringLiteral(":/images/arrow10.png"), QSize(200, 200)},
        {QStringLiteral(":/images/arrow9..png"), QSize(200, 202)},
        {QStringLiteral(":/images/arrow9.png"), QSize(200, 202)},
        {QStringLiteral(":/images/arrow2.png"), QSize(128, 128)},
        {QStringLiteral(":/images/Vorel Squares2.png"), QSize(2362, 2069)},
        {QStringLiteral(":/images/squares.png"), QSize(2444, 2122)},
        {QStringLiteral(":/images/图片3.png"), QSize(38, 38)},
        {QStringLiteral(":/images/(1)_Vorel Squares.png"), QSize(505, 719)},
        {QStringLiteral(":/images/f94d246b77e23a6434b691eddd0cac94.png"), QSize(974, 974)},
        {QStringLiteral(":/images/Vorel logo.png"), QSize(586, 234)},
        {QStringLiteral(":/images/startpage.png"), QSize(709, 337)},
    };
    return pictures;
}

// May be named by checked-state style sheets, but deliberately not in the bundle.
const QString missingMarker = QStringLiteral(":/new/prefix1/images/squares.png");

// The path inside every url(...) of a style sheet. An unquoted path may hold
// parentheses ("(1)_Vorel Squares.png"), so it runs to the ")" that is
// followed by white space, ";" or "}".
QStringList urlsIn(const QString &styleSheet)
{
    static const QRegularExpression url(QStringLiteral(
        "url\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\"'][^;}\\n]*?))\\s*\\)(?=[\\s;}]|$)"));
    QStringList paths;
    auto matches = url.globalMatch(styleSheet);
    while (matches.hasNext()) {
        const QRegularExpressionMatch m = matches.next();
        for (int group = 1; group <= 3; ++group) {
            if (!m.captured(group).isEmpty())
                paths << m.captured(group).trimmed();
        }
    }
    return paths;
}

// Every widget of the panel and of the test-pattern window, the windows included.
QList<QWidget *> widgetsOf(MainWindow &panel)
{
    QList<QWidget *> widgets{&panel};
    widgets += panel.findChildren<QWidget *>();
    if (QWidget *patternWindow = panel.testPatternWindow()) {
        widgets << patternWindow;
        widgets += patternWindow->findChildren<QWidget *>();
    }
    return widgets;
}

// The url paths of every style sheet that the running panel holds: those of
// the form and any that code sets.
QSet<QString> namedPictures()
{
    MainWindow panel;
    QSet<QString> paths;
    for (const QString &path : urlsIn(qApp->styleSheet()))
        paths << path;
    for (QWidget *w : widgetsOf(panel)) {
        for (const QString &path : urlsIn(w->styleSheet()))
            paths << path;
    }
    return paths;
}

// Colours present in a grabbed widget: one colour means nothing was drawn.
int colourCount(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours << image.pixel(x, y);
    }
    return colours.size();
}

QStringList messages;

void collectMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages << message;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void bundledPicture_data();
    void bundledPicture();
    void styleSheetPicture_data();
    void styleSheetPicture();
    void everyBundledPictureIsNamed();
    void pictureLabelShowsItsPicture_data();
    void pictureLabelShowsItsPicture();
    void missingMarkerIsHarmless();
    void bundleIsUnderOneMegabyte();
};

void TestResources::bundledPicture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (auto it = bundledPictures().cbegin(); it != bundledPictures().cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

// Registered by static initialisation: present before the test's main ran.
void TestResources::bundledPicture()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(reader.size(), size);
    QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
}

void TestResources::styleSheetPicture_data()
{
    QTest::addColumn<QString>("path");
    const QSet<QString> named = namedPictures();
    QStringList paths(named.cbegin(), named.cend());
    paths.removeAll(missingMarker);
    paths.sort();
    for (const QString &path : paths)
        QTest::newRow(qPrintable(path)) << path;
}

// A new style sheet cannot name a picture the bundle lacks without this failing.
void TestResources::styleSheetPicture()
{
    QFETCH(QString, path);
    QVERIFY2(bundledPictures().contains(path), qPrintable(path + " is not a picture of the bundle"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(QImageReader(path).size(), bundledPictures().value(path));
}

void TestResources::everyBundledPictureIsNamed()
{
    const QSet<QString> named = namedPictures();
    QStringList unnamed;
    for (const QString &path : bundledPictures().keys()) {
        if (!named.contains(path))
            unnamed << path;
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable("named by no style sheet: " + unnamed.join(", ")));
}

void TestResources::pictureLabelShowsItsPicture_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("emblem beside MENU") << "label_10";
    QTest::newRow("extension area background") << "label_12";
    QTest::newRow("main page corner") << "label_51";
    QTest::newRow("start page logo") << "label_49";
    QTest::newRow("start page second picture") << "label_50";
    QTest::newRow("heading icon of tab 1") << "label_32";
    QTest::newRow("side picture of tab 1") << "label_34";
}

// The labels have no text: without the picture they grab as one flat colour.
void TestResources::pictureLabelShowsItsPicture()
{
    QFETCH(QString, label);
    MainWindow panel;
    panel.ensurePolished();
    auto *picture = panel.findChild<QLabel *>(label);
    QVERIFY(picture);
    QVERIFY(picture->text().isEmpty());
    QVERIFY2(colourCount(picture) > 1, "the label shows no picture");
}

// Checked-state style sheets may name a marker that is not in the bundle: a
// button naming it must construct, check and paint without a picture and
// without a word.
void TestResources::missingMarkerIsHarmless()
{
    QVERIFY(!QFile::exists(missingMarker));
    MainWindow panel;
    QPushButton standalone;
    standalone.setStyleSheet(QStringLiteral("QPushButton:checked { background-color: transparent; "
                                            "image: url(%1); }").arg(missingMarker));
    standalone.resize(91, 21);
    QList<QPushButton *> naming{&standalone};
    for (QPushButton *button : panel.findChildren<QPushButton *>()) {
        if (urlsIn(button->styleSheet()).contains(missingMarker))
            naming << button;
    }

    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectMessage);
    for (QPushButton *button : naming) {
        button->setCheckable(true);
        button->setChecked(true);
        QVERIFY(!button->grab().isNull());
    }
    qInstallMessageHandler(previous);
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
}

void TestResources::bundleIsUnderOneMegabyte()
{
    qint64 bytes = 0;
    int files = 0;
    QDirIterator it(QStringLiteral(":/images"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        bytes += QFileInfo(it.next()).size();
        ++files;
    }
    QCOMPARE(files, bundledPictures().size());
    QVERIFY2(bytes < 1024 * 1024, qPrintable(QString::number(bytes) + " bytes"));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
