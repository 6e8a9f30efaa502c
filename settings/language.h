#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QList>
#include <QObject>
#include <QString>

class QTranslator;

// The languages the program speaks. Untranslated shows every text as the
// sources hold it: the panel's own texts, Chinese and English as they
// stand, and the program's messages in English.
enum class Language { Untranslated, Chinese, English };

// "zh" or "en", as --lang and the profile's lang key write them.
bool parseLanguage(const QString &text, Language *language);
QString languageName(Language language);

// A Chinese locale speaks Chinese, C and POSIX speak the texts as written,
// any other locale English.
Language languageOfLocale(const QString &localeName);

// The locale that messages follow: LC_ALL, else LC_MESSAGES, else LANG.
QString messagesLocale();

// --lang first, then the language remembered in the profile, then the
// system's locale. Unusable names count as not given.
Language chooseLanguage(const QString &requested, const QString &remembered, const QString &localeName);

// The program's translations and the toolkit's own (for its colour and file
// choosers and message boxes) on the running application, for as long as
// this object lives; make it a child of the application object.
class Translations : public QObject
{
    Q_OBJECT

public:
    explicit Translations(QObject *parent = nullptr) : QObject(parent) {}

    // Replaces the translations installed before. False when a translation
    // could not be loaded.
    bool install(Language language);

private:
    bool add(const QString &file, const QString &folder);

    QList<QTranslator *> installed;
};

#endif // LANGUAGE_H
