// The panel and the messages in Chinese and English: which language a run
// speaks (locale, --lang, the profile), and that every text of the panel
// fits its control in both.
#include "commandline.h"
#include "language.h"
#include "mainwindow.h"
#include "fontsubstitutions.h"
#include "wallprofile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QtTest>

#include <map>
#include <memory>

namespace {

// How far the ink of a control's text reaches from where the style starts
// it. Offscreen, like Xvfb, has 100 dpi: a little more than the 96 of most
// desktops, so what fits here fits there.
int inkWidth(QWidget *widget, const QString &text)
{
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = qMax(width, widget->fontMetrics().tightBoundingRect(line).right() + 1);
    return width;
}

// Where the style lays out a control's text; labels lay it out themselves.
QRect textRoom(QWidget *widget)
{
    auto *button = qobject_cast<QAbstractButton *>(widget);
    if (!button)
        return qobject_cast<QLabel *>(widget)->contentsRect();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement room = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox *>(button))
        room = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton *>(button))
        room = QStyle::SE_RadioButtonContents;
    return button->style()->subElementRect(room, &option, button);
}

// The rows the text's ink covers in the widget, its lines laid out as a
// block in the room, centred unless a label aligns it otherwise. Only the
// widget's own rectangle is painted, so ink outside it is cut.
std::pair<qreal, qreal> inkRows(QWidget *widget, const QString &text, const QRect &room)
{
    const QFontMetricsF metrics(widget->font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qreal block = lines.size() * metrics.height() + (lines.size() - 1) * metrics.leading();
    auto *label = qobject_cast<QLabel *>(widget);
    const Qt::Alignment vertical = label ? label->alignment() & Qt::AlignVertical_Mask : Qt::AlignVCenter;
    qreal top = room.top();
    if (vertical & Qt::AlignVCenter)
        top += (room.height() - block) / 2;
    else if (vertical & Qt::AlignBottom)
        top = room.bottom() + 1 - block;
    qreal first = widget->height(), last = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const qreal baseline = top + i * metrics.lineSpacing() + metrics.ascent();
        const QRectF ink = metrics.tightBoundingRect(lines.at(i));
        first = qMin(first, baseline + ink.top());
        last = qMax(last, baseline + ink.bottom());
    }
    return { first, last };
}

QString textOf(QWidget *widget)
{
    auto *button = qobject_cast<QAbstractButton *>(widget);
    auto *label = qobject_cast<QLabel *>(widget);
    return button ? button->text() : label ? label->text() : QString();
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

    std::map<QString, std::unique_ptr<MainWindow>> panels;
    QTemporaryDir config;

private slots:
    void initTestCase()
    {
        // The desktop default of the toolkit's generic theme, as under Xvfb;
        // the offscreen platform's own is 12 points.
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        registerFontSubstitutions();
        auto *translations = new Translations(qApp);
        for (const Language language : { Language::Chinese, Language::English, Language::Untranslated }) {
            QVERIFY(translations->install(language));
            auto panel = std::make_unique<MainWindow>();
            // The slowest scan speed shows the longest tick interval. The C
            // locale keeps the form's own unit, for which the start button
            // beside it leaves no room.
            if (language != Language::Untranslated)
                panel->findChild<QSpinBox *>("spinBox_linespeed")->setValue(1);
            panels[language == Language::Untranslated ? QStringLiteral("C") : languageName(language)] = std::move(panel);
        }
        QCOMPARE(panels["en"]->findChild<QAbstractButton *>("pushButton_p2")->text(), QStringLiteral("Gray"));
        QCOMPARE(panels["zh"]->findChild<QAbstractButton *>("pushButton_p2")->text(), QStringLiteral("灰度"));

        // A run with --lang zh remembers it in its profile.
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        CommandLine line;
        line.profile = QStringLiteral("venue");
        line.language = QStringLiteral("zh");
        (new WallProfile(panels["C"].get(), line))->save();
        QCOMPARE(WallProfile::rememberedLanguage(line.profile), QStringLiteral("zh"));
    }

    // What the taskbar and Alt-Tab show: the program's name once translated.
    void panelTitle()
    {
        QCOMPARE(panels["en"]->windowTitle(), QStringLiteral("walltest"));
        QCOMPARE(panels["zh"]->windowTitle(), QStringLiteral("walltest"));
        QCOMPARE(panels["C"]->windowTitle(), QStringLiteral("MainWindow"));
    }

    // Every text of the panel in both languages, and the form's own, which
    // the C locale shows as written.
    void textFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        for (const auto &panel : panels) {
            for (QWidget *widget : panel.second->findChildren<QWidget *>()) {
                if (!textOf(widget).isEmpty() && widget->objectName() != QLatin1String("pushButton_closeall_2"))
                    QTest::addRow("%s %s", qPrintable(panel.first), qPrintable(widget->objectName()))
                        << panel.first << widget->objectName();
            }
        }
    }

    void textFits()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        QWidget *widget = panels[language]->findChild<QWidget *>(name);
        const QRect room = textRoom(widget);
        const QString text = textOf(widget);
        // A pixel's grace: where the text's place rounds, and the fonts the
        // form was drawn with.
        const int grace = 1;
        QVERIFY2(inkWidth(widget, text) <= room.width() + grace, qPrintable(QStringLiteral("\"%1\" needs %2 px, %3 has %4")
                                                                   .arg(text).arg(inkWidth(widget, text)).arg(name).arg(room.width())));
        const auto rows = inkRows(widget, text, room);
        QVERIFY2(rows.first >= -grace && rows.second <= widget->height() + grace,
                 qPrintable(QStringLiteral("\"%1\" reaches rows %2 to %3, %4 is %5 high")
                                .arg(text).arg(rows.first).arg(rows.second).arg(name).arg(widget->height())));
    }

    // The real program: the locale, --lang and the profile's lang key decide
    // the language of --help and of the errors.
    void programLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QString english = QStringLiteral("Test patterns for LED display walls");
        const QString chinese = QStringLiteral("LED 显示屏测试画面");
        const QStringList help{ QStringLiteral("--help") };
        QTest::newRow("C") << "C" << help << english;
        QTest::newRow("C.UTF-8") << "C.UTF-8" << help << english;
        QTest::newRow("POSIX") << "POSIX" << help << english;
        QTest::newRow("German") << "de_DE.UTF-8" << help << english;
        QTest::newRow("Chinese") << "zh_CN.UTF-8" << help << chinese;
        QTest::newRow("Taiwanese") << "zh_TW" << help << chinese;
        QTest::newRow("--lang zh in C") << "C" << (QStringList{ "--lang", "zh" } + help) << chinese;
        QTest::newRow("--lang en in Chinese") << "zh_CN.UTF-8" << (QStringList{ "--lang", "en" } + help) << english;
        QTest::newRow("bad --lang") << "zh_CN.UTF-8" << QStringList{ "--lang", "xx" } << "应为 zh 或 en";
        QTest::newRow("remembered zh") << "de_DE.UTF-8" << (QStringList{ "--profile", "venue" } + help) << chinese;
        QTest::newRow("--lang over remembered")
            << "de_DE.UTF-8" << (QStringList{ "--profile", "venue", "--lang", "en" } + help) << english;
        QTest::newRow("--reset forgets") << "de_DE.UTF-8" << (QStringList{ "--profile", "venue", "--reset" } + help) << english;
    }

    void programLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QProcess walltest;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), locale);
        walltest.setProcessEnvironment(environment);
        walltest.start(qEnvironmentVariable("WALLTEST_BINARY"), arguments);
        QVERIFY(walltest.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(walltest.readAllStandardOutput() + walltest.readAllStandardError()).contains(expected));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
