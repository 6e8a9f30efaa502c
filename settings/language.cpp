#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// Outside any namespace: the resource's initialiser is declared where it is used.
static void registerTranslations()
{
    Q_INIT_RESOURCE(translations);
}

bool parseLanguage(const QString &text, Language *language)
{
    if (text == QLatin1String("zh"))
        *language = Language::Chinese;
    else if (text == QLatin1String("en"))
        *language = Language::English;
    else
        return false;
    return true;
}

QString languageName(Language language)
{
    switch (language) {
    case Language::Chinese:
        return QStringLiteral("zh");
    case Language::English:
        return QStringLiteral("en");
    case Language::Untranslated:
        break;
    }
    return QString();
}

Language languageOfLocale(const QString &localeName)
{
    if (localeName.startsWith(QLatin1String("zh")))
        return Language::Chinese;
    if (localeName.isEmpty() || localeName == QLatin1String("C") || localeName.startsWith(QLatin1String("C."))
        || localeName == QLatin1String("POSIX"))
        return Language::Untranslated;
    return Language::English;
}

QString messagesLocale()
{
    for (const char *variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

Language chooseLanguage(const QString &requested, const QString &remembered, const QString &localeName)
{
    Language language = Language::Untranslated;
    if (parseLanguage(requested, &language) || parseLanguage(remembered, &language))
        return language;
    return languageOfLocale(localeName);
}

bool Translations::add(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(this);
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed.append(translator);
    return true;
}

// A translator takes itself off the application when it is deleted.
bool Translations::install(Language language)
{
    registerTranslations();
    qDeleteAll(installed);
    installed.clear();
    switch (language) {
    case Language::Untranslated:
        return true;
    case Language::English:
        // The toolkit speaks English by itself.
        return add(QStringLiteral("walltest_en"), QStringLiteral(":/translations"));
    case Language::Chinese:
        break;
    }
    const bool own = add(QStringLiteral("walltest_zh_CN"), QStringLiteral(":/translations"));
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    const QString toolkitFolder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#else
    const QString toolkitFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    return add(QStringLiteral("qtbase_zh_CN"), toolkitFolder) && own;
}
