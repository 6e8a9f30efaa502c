// The panel and the messages in Chinese and English: which language a run
// speaks (locale, --lang, the profile), and that every text of the panel
// fits its control in both.
#include "commandline.h"
#include "language.h"
#include "mainwindow.h"
#include "startup.h"
#include "wallprofile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

#include <map>
#include <memory>

Q_DECLARE_METATYPE(Language)

namespace {

// How far the ink of a control's text reaches from where the style starts
// it, at 96 dpi: the resolution of the X and Windows desktops that the
// layout's pixels were made for (offscreen and Xvfb say 100).
int inkWidth(QWidget *widget, const QString &text)
{
    QFont font = widget->font();
    font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = qMax(width, QFontMetrics(font).tightBoundingRect(line).right() + 1);
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

QString textOf(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    auto *label = qobject_cast<QLabel *>(widget);
    return label ? label->text() : QString();
}

// The real program's answer to `arguments` in a locale and a profile folder.
QString answerOf(const QString &locale, const QStringList &arguments, const QString &config)
{
    QProcess walltest;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    walltest.setProcessEnvironment(environment);
    walltest.start(qEnvironmentVariable("WALLTEST_BINARY"), arguments);
    walltest.waitForFinished(30000);
    return QString::fromUtf8(walltest.readAllStandardOutput() + walltest.readAllStandardError());
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

    std::map<QString, std::unique_ptr<MainWindow>> panels;

private slots:
    void initTestCase()
    {
        // The desktop default of the toolkit's generic theme, as under Xvfb;
        // the offscreen platform's own is 12 points.
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        registerFontSubstitutions();
        for (const Language language : { Language::Chinese, Language::English, Language::Untranslated }) {
            QVERIFY(installTranslations(language));
            panels[language == Language::Untranslated ? QStringLiteral("C") : languageName(language)]
                = std::make_unique<MainWindow>();
        }
        QCOMPARE(panels["en"]->findChild<QAbstractButton *>("pushButton_p2")->text(), QStringLiteral("Gray"));
        QCOMPARE(panels["zh"]->findChild<QAbstractButton *>("pushButton_p2")->text(), QStringLiteral("灰度"));
    }

    void textFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        for (const auto &panel : panels) {
            if (panel.first == QLatin1String("C"))
                continue;
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
        const int room = textRoom(widget).width();
        const QString text = textOf(widget);
        // The form's own texts were made for other fonts, and a few reach a
        // pixel or two past their controls here; a translation may not reach
        // further than the text it replaces.
        const QString original = textOf(panels["C"]->findChild<QWidget *>(name));
        const int allowed = qMax(room, inkWidth(widget, original));
        QVERIFY2(inkWidth(widget, text) <= allowed, qPrintable(QStringLiteral("\"%1\" needs %2 px, %3 has %4")
                                                                  .arg(text).arg(inkWidth(widget, text)).arg(name).arg(allowed)));
    }

    void languageChoice_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Language>("expected");
        QTest::newRow("Chinese locale") << "" << "" << "zh_CN.UTF-8" << Language::Chinese;
        QTest::newRow("Taiwanese locale") << "" << "" << "zh_TW" << Language::Chinese;
        QTest::newRow("C locale") << "" << "" << "C" << Language::Untranslated;
        QTest::newRow("C.UTF-8 locale") << "" << "" << "C.UTF-8" << Language::Untranslated;
        QTest::newRow("POSIX locale") << "" << "" << "POSIX" << Language::Untranslated;
        QTest::newRow("German locale") << "" << "" << "de_DE.UTF-8" << Language::English;
        QTest::newRow("--lang en in Chinese") << "en" << "zh" << "zh_CN" << Language::English;
        QTest::newRow("remembered over locale") << "" << "zh" << "en_GB" << Language::Chinese;
        QTest::newRow("bad remembered ignored") << "" << "fr" << "zh_CN" << Language::Chinese;
    }

    void languageChoice()
    {
        QFETCH(QString, requested);
        QFETCH(QString, remembered);
        QFETCH(QString, locale);
        QFETCH(Language, expected);
        QCOMPARE(chooseLanguage(requested, remembered, locale), expected);
    }

    // The real program: the locale, --lang and the profile's lang key decide
    // the language of --help; a run with --lang remembers it.
    void helpSpeaksTheChosenLanguage()
    {
        QTemporaryDir config;
        const QString english = QStringLiteral("Test patterns for LED display walls");
        const QString chinese = QStringLiteral("LED 显示屏测试画面");
        QVERIFY(answerOf("C", { "--help" }, config.path()).contains(english));
        QVERIFY(answerOf("zh_CN.UTF-8", { "--help" }, config.path()).contains(chinese));
        QVERIFY(answerOf("C", { "--lang", "zh", "--help" }, config.path()).contains(chinese));
        QVERIFY(answerOf("zh_CN.UTF-8", { "--lang", "xx" }, config.path()).contains(QStringLiteral("应为 zh 或 en")));

        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        CommandLine line;
        line.profile = QStringLiteral("venue");
        line.language = QStringLiteral("zh");
        {
            MainWindow panel;
            (new WallProfile(&panel, line))->save();
        }
        QCOMPARE(WallProfile::rememberedLanguage(line.profile), QStringLiteral("zh"));
        QVERIFY(answerOf("de_DE.UTF-8", { "--profile", "venue", "--help" }, config.path()).contains(chinese));
        QVERIFY(answerOf("de_DE.UTF-8", { "--profile", "venue", "--reset", "--help" }, config.path()).contains(english));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
