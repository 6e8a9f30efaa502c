#ifndef WALLPROFILE_H
#define WALLPROFILE_H

#include <QObject>
#include <QString>
#include <QVariantMap>

class MainWindow;
class QSettings;
class QTimer;
class WallControl;
struct CommandLine;
struct PanelSettings;

// The wall remembered between runs: the placement of the test-pattern
// window, the cabinet size, the colour table and its cells, the colour
// wells, the scan-line and gray-sweep settings, the picture, the last
// pattern shown and the language chosen with --lang, kept in an INI file
// per wall or venue.
//
// On construction the profile puts the remembered values on the panel
// through its WallControl (or, for a reset, overwrites the file with the
// defaults); the first time the test-pattern window shows, it shows the
// remembered pattern unless the command line names one. From then on every
// change the WallControl tells of, whoever makes it, is written within a
// third of a second; while nothing changes, the profile does nothing.
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

private:
    void noticeChange();
    void scheduleSave();
    bool setAsideIfUnreadable();
    void restore();
    void restorePlacement();
    void restoreCanvas();
    void readColorTable(PanelSettings *panel) const;
    void restorePattern();
    void restoreLanguage();
    void showRememberedPattern();
    void watchChanges();
    QVariantMap values() const;

    WallControl *control;
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
