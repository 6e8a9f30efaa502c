// The compiled-in image bundle against the pictures the panel's style sheets name.
#include "dialog.h"
#include "mainwindow.h"

#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Named by checked-state style sheets, deliberately not in the bundle: such a button shows no picture.
const QString missingMarker = QStringLiteral(":/new/prefix1/images/squares.png");

// The path inside every url(...) of a style sheet. An unquoted path may hold
// parentheses ("(1)_Vorel Squares.png"), so it runs to the ")" that is
// followed by white space, ";" or "}".
QStringList urlsIn(const QString &styleSheet)
{
    static const QRegularExpression url(QStringLiteral(
        "url\\(\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\"'][^;}\\n]*?))\\s*\\)(?=[\\s;}]|$)"));
    QStringList paths;
    for (auto matches = url.globalMatch(styleSheet); matches.hasNext();) {
        const QRegularExpressionMatch m = matches.next();
        paths << (m.captured(1) + m.captured(2) + m.captured(3)).trimmed();
    }
    return paths;
}

// The pictures named by every style sheet the running panel holds, those of
// the form and any that code sets, the test-pattern window's included.
QStringList namedPictures()
{
    MainWindow panel;
    QList<QWidget *> widgets { &panel, panel.testPatternWindow() };
    widgets += panel.findChildren<QWidget *>() + panel.testPatternWindow()->findChildren<QWidget *>();
    QStringList paths = urlsIn(qApp->styleSheet());
    for (QWidget *widget : widgets)
        paths += urlsIn(widget->styleSheet());
    paths.removeDuplicates();
    paths.removeAll(missingMarker);
    paths.sort();
    return paths;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    // One row per path a style sheet names, so that a new style sheet cannot
    // name a missing picture unnoticed. Registered by static initialisation:
    // present before the test's main ran.
    void styleSheetPicture_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &path : namedPictures())
            QTest::newRow(qPrintable(path)) << path;
    }

    void styleSheetPicture()
    {
        QFETCH(QString, path);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
    }

    // Nothing that no style sheet names, and small.
    void bundleHoldsTheNamedPicturesInUnderOneMegabyte()
    {
        QStringList files;
        qint64 bytes = 0;
        for (QDirIterator it(QStringLiteral(":/images"), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            files << it.next();
            bytes += it.fileInfo().size();
        }
        files.sort();
        QCOMPARE(files, namedPictures());
        QVERIFY2(bytes < 1024 * 1024, qPrintable(QString::number(bytes) + " bytes"));
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
