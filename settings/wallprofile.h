#ifndef WALLPROFILE_H
#define WALLPROFILE_H

#include <QObject>
#include <QString>
#include <QVariantMap>

class MainWindow;
class QSettings;
class QTimer;
class dialog;
struct CommandLine;
namespace Ui { class MainWindow; }

// The wall remembered between runs: the placement of the test-pattern
// window, the cabinet size, the colour table and its cells, the colour
// wells, the scan-line and gray-sweep settings, the picture, the last
// pattern shown and the language chosen with --lang, kept in an INI file
// per wall or venue.
//
// On construction the profile puts the remembered values on the panel's
// controls (or, for a reset, overwrites the file with the defaults); the
// first time the test-pattern window shows, it shows the remembered
// pattern unless the command line names one. From then on every change,
// whoever makes it, is written within a third of a second.
class WallProfile : public QObject
{
    Q_OBJECT

public:
    WallProfile(MainWindow *panel, const CommandLine &line);

    // $XDG_CONFIG_HOME/walltest/NAME.ini, normally ~/.config/walltest/NAME.ini.
    static QString pathOf(const QString &name);
    // The lang key of profile NAME as written ("zh", "en"), or empty;
    // read before the application speaks, so without a word on a bad value.
    static QString rememberedLanguage(const QString &name);
    QString path() const;
    bool savePending() const;

public slots:
    // Writes the values now if any differs from what the file holds.
    void save();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scheduleSave();
    void restore();
    void restorePlacement();
    void restoreColorTable();
    void restorePattern();
    void restoreLanguage();
    void showRememberedPattern();
    void watchChanges();
    QVariantMap values() const;

    MainWindow *panel;
    dialog *window;
    Ui::MainWindow *form;
    QSettings *settings;
    QTimer *saveTimer;
    QString lastPattern;            // canonical pattern name
    QString language;               // "zh", "en" or empty: the system's
    bool patternShownSinceSave = false;
    bool showPatternOnFirstShow = false;
    bool writable = true;
    QVariantMap written;
};

#endif // WALLPROFILE_H
