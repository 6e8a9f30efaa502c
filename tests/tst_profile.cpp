// The wall remembered between runs: what one run sets, the next shows; a
// damaged file gives the defaults with a warning per key; --reset and the
// command line win over the file.
#include "dialog.h"
#include "commandline.h"
#include "dialog.h"
#include "mainwindow.h"
#include "patternstate.h"
#include "startoptions.h"
#include "wallcontrol.h"
#include "wallprofile.h"
#include "windowstate.h"

#include <QColorDialog>
#include <QTemporaryDir>
#include <QtTest>

namespace {

CommandLine profileLine(bool reset = false, const QString &geometry = QString(), const QString &pattern = QString())
{
    CommandLine line;
    line.profile = QStringLiteral("wall");
    line.reset = reset;
    line.pattern = pattern;
    if (!geometry.isEmpty())
        parseGeometry(geometry, &line.geometry);
    return line;
}

// One run of the program: the panel, its profile, and the command line put
// on the panel as main does.
struct Run
{
    MainWindow panel;
    Ui::MainWindow *ui = formOf(panel);
    dialog *window = panel.testPatternWindow();
    WallProfile *profile;

    explicit Run(const CommandLine &line = profileLine()) : profile(new WallProfile(&panel, line))
    {
        QString error;
        applyCommandLine(panel, line, &error);
    }
    // Everything the panel shows that a profile holds.
    QStringList controls() const
    {
        QStringList shown;
        for (const QSpinBox *box : panel.findChildren<QSpinBox *>())
            shown << box->objectName() + '=' + QString::number(box->value());
        for (const char *name : { "radioButton_manual", "checkBox", "checkBox_scale" })
            shown << name + QString::number(panel.findChild<QAbstractButton *>(name)->isChecked());
        for (int well = MainWindow::DarkWell; well <= MainWindow::LineWell; ++well)
            shown << panel.wellColor(MainWindow::ColorWell(well)).name();
        const QTableWidget *table = ui->tableWidget;
        shown << QStringLiteral("table %1x%2").arg(table->columnCount()).arg(table->rowCount());
        for (int i = 0; i < table->columnCount() * table->rowCount(); ++i) {
            const QTableWidgetItem *item = table->item(i / table->columnCount(), i % table->columnCount());
            shown << (item ? item->background().color().name() : QStringLiteral("none"));
        }
        return shown;
    }
    QString pattern() const { return printPatternName(window->patternName()); }
    void start() { ui->pushButton_selectpage->click(); }
    void waitForSave() { QTRY_VERIFY(!profile->savePending()); }
};

void answerColorDialog(const QColor &color)
{
    QTimer::singleShot(0, [color] {
        auto *box = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        box->setCurrentColor(color);
        box->accept();
    });
}

QStringList messages;

} // namespace

class TestProfile : public QObject
{
    Q_OBJECT

    QTemporaryDir config;
    QStringList defaults;
    QString defaultPattern;
    QString file() const { return WallProfile::pathOf(QStringLiteral("wall")); }
    void writeFile(const QString &text)
    {
        QDir().mkpath(QFileInfo(file()).path());
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text.toLatin1());
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QCOMPARE(file(), config.path() + QStringLiteral("/walltest/wall.ini"));
        Run fresh;
        defaults = fresh.controls();
        defaultPattern = fresh.pattern();
        QVERIFY(!QFile::exists(file())); // a run that changes nothing writes nothing
    }
    void init() { QFile::remove(file()); }

    void placementTableAndWellsComeBack()
    {
        QStringList remembered;
        {
            Run first;
            first.start();
            first.ui->spinBox_width->setValue(640);
            first.ui->spinBox_height->setValue(360);
            first.ui->spinBox_x->setValue(120);
            first.ui->spinBox_y->setValue(80);
            answerColorDialog(Qt::magenta);
            first.ui->pushButton_linecol->click();
            first.ui->spinBox_linespeed->setValue(70);
            // The table last: it is the pattern shown last.
            first.ui->pushButton_addcol->click();
            first.ui->pushButton_addcol->click();
            first.ui->pushButton_addrow->click();
            answerColorDialog(QColor(10, 20, 30));
            first.panel.on_tableWidget_cellDoubleClicked(1, 2);
            remembered = first.controls();
            first.waitForSave();
        }
        QVERIFY(remembered != defaults);
        Run second;
        QCOMPARE(second.controls(), remembered);
        QVERIFY(!second.window->isVisible());
        second.start();
        QCOMPARE(second.window->geometry(), QRect(120, 80, 640, 360));
        QCOMPARE(second.window->state().mode, int(ColorBars));
        QVector<QColor> table(6, Qt::white);
        table[5] = QColor(10, 20, 30);
        QCOMPARE(second.window->state().colorList, table);
    }

    void damagedFileGivesDefaults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("placement") << "[wall]\nx=abc\nwidth=99999\ny=-1.5\n"
                                   << QStringList{ "wall/width", "wall/x", "wall/y" };
        QTest::newRow("table sides") << "[colortable]\ncolumns=0\nrows=two\ncolors=#ff0000\n"
                                     << QStringList{ "colortable/columns", "colortable/rows" };
        QTest::newRow("table colours") << "[colortable]\ncolumns=3\nrows=1\ncolors=#ff0000 nocolour #000000\n"
                                       << QStringList{ "colortable/colors" };
        QTest::newRow("too few colours") << "[colortable]\ncolumns=3\nrows=2\ncolors=#ff0000\n"
                                         << QStringList{ "colortable/colors" };
        QTest::newRow("others") << "[grayramp]\ndark=#12\n[colortable]\ntile=perhaps\n[graysweep]\nspeed=0\n"
                                   "[pattern]\nlast=nosuch:x=1\n[picture]\npath=/no/such/picture.png\n"
                                << QStringList{ "colortable/tile", "graysweep/speed", "grayramp/dark", "picture/path",
                                                "pattern/last" };
        // Bytes that are no text at all are set aside, with one word.
        QTest::newRow("not an ini file") << QString::fromLatin1("\x01\x02[[[\n=\n\xff\x00==", 12) << QStringList{ "" };
    }
    void damagedFileGivesDefaults()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, keys);
        writeFile(text);
        QFile::remove(file() + ".bad");
        for (const QString &key : keys) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(key.isEmpty() ? "^walltest: the profile .* is unreadable; set aside as .*\\.bad"
                                                                                : "^walltest: profile " + key + ": .*; using the default$"));
        }
        Run damaged;
        QCOMPARE(QFile::exists(file() + ".bad"), keys == QStringList{ "" });
        QCOMPARE(damaged.controls(), defaults);
        damaged.start();
        QCOMPARE(damaged.window->geometry(), QRect(0, 0, 500, 500));
        QCOMPARE(damaged.pattern(), defaultPattern);
    }

    // The offscreen desktop is one 800x600 screen at the origin.
    void placementAtStart_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QString>("geometry");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QRect>("shown");
        QTest::addColumn<QString>("shownPattern");
        const QString red = QStringLiteral("solid:color=#ff0000");
        QTest::newRow("command line wins") << false << "300x200+10+20" << "grid" << QRect(10, 20, 300, 200) << "grid";
        QTest::newRow("off the desktop") << false << "300x200+3000+2000" << "" << QRect(0, 0, 300, 200) << red;
        QTest::newRow("reset overwrites") << true << "" << "" << QRect(0, 0, 500, 500) << defaultPattern;
    }
    void placementAtStart()
    {
        QFETCH(bool, reset);
        QFETCH(QString, geometry);
        QFETCH(QString, pattern);
        QFETCH(QRect, shown);
        QFETCH(QString, shownPattern);
        writeFile("[wall]\nx=120\ny=80\nwidth=640\nheight=360\n[pattern]\nlast=solid:color=#ff0000\n");
        // A placement on no screen is moved onto one as it is given.
        if (shown.width() == 300 && shown.x() == 0)
            QTest::ignoreMessage(QtWarningMsg, "walltest: the window at 300x200+3000+2000 lies off the desktop; moved to 300x200+0+0");
        {
            Run run(profileLine(reset, geometry, pattern));
            if (reset)
                QCOMPARE(run.controls(), defaults);
            run.start();
            run.waitForSave();
        }
        Run next; // what the first run was given, it has remembered
        next.start();
        QCOMPARE(next.window->geometry(), shown);
        QCOMPARE(next.ui->spinBox_y->value(), shown.y());
        QCOMPARE(next.pattern(), shownPattern);
    }

    // The clock repaints on every pass of the event loop; that is no change.
    void runningClockIsNoChange()
    {
        Run run;
        run.start();
        QString error;
        QVERIFY(run.panel.control()->showPattern(QStringLiteral("clock"), &error));
        run.waitForSave();
        QTest::qWait(100);
        QVERIFY(!run.profile->savePending());
    }

    void unwritableFolderWarnsOnceAndRuns()
    {
        QFile notAFolder(config.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", notAFolder.fileName().toUtf8());
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { messages << text; });
        {
            Run run(profileLine(true));
            run.ui->spinBox_width->setValue(640);
            run.waitForSave();
        }
        qInstallMessageHandler(previous);
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QCOMPARE(messages.filter(QStringLiteral("walltest: cannot write the profile")).size(), 1);
    }
};

QTEST_MAIN(TestProfile)
#include "tst_profile.moc"
