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

// `walltest --help` as the operator runs it, in a locale and a profile folder.
QString helpOf(const QString &locale, const QStringList &arguments, const QString &config)
{
    QProcess walltest;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    walltest.setProcessEnvironment(environment);
    walltest.start(qEnvironmentVariable("WALLTEST_BINARY"), arguments + QStringList{ QStringLiteral("--help") });
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
        registerFontSubstitutions();
        for (const Language language : { Language::Chinese, Language::English }) {
            QVERIFY(installTranslations(language));
            panels[languageName(language)] = std::make_unique<MainWindow>();
        }
        installTranslations(Language::Untranslated);
        QCOMPARE(panels["en"]->findChild<QAbstractButton *>("pushButton_p2")->text(), QStringLiteral("Gray"));
        QCOMPARE(panels["zh"]->findChild<QAbstractButton *>("pushButton_p2")->text(), QStringLiteral("灰度"));
    }

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
        const QRect needed = QFontMetrics(widget->font()).boundingRect(room, Qt::AlignCenter, text);
        QVERIFY2(needed.width() <= room.width(), qPrintable(QStringLiteral("\"%1\" needs %2 px, %3 has %4")
                                                                .arg(text).arg(needed.width()).arg(name).arg(room.width())));
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
        QVERIFY(helpOf("C", {}, config.path()).contains(english));
        QVERIFY(helpOf("zh_CN.UTF-8", {}, config.path()).contains(chinese));
        QVERIFY(helpOf("C", { "--lang", "zh" }, config.path()).contains(chinese));
        QVERIFY(helpOf("zh_CN.UTF-8", { "--lang", "xx" }, config.path()).contains(QStringLiteral("应为 zh 或 en")));

        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        CommandLine line;
        line.profile = QStringLiteral("venue");
        line.language = QStringLiteral("zh");
        {
            MainWindow panel;
            (new WallProfile(&panel, line))->save();
        }
        QCOMPARE(WallProfile::rememberedLanguage(line.profile), QStringLiteral("zh"));
        QVERIFY(helpOf("de_DE.UTF-8", { "--profile", "venue" }, config.path()).contains(chinese));
        QVERIFY(helpOf("de_DE.UTF-8", { "--profile", "venue", "--reset" }, config.path()).contains(english));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
