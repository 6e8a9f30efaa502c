#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include "wallcanvas.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks for. Options left out keep the values the
// program would otherwise start with.
struct CommandLine
{
    enum Action { Run, Export, ListPatterns, ShowHelp, ShowVersion };
    Action action = Run;

    QString pattern;                // canonical pattern name; empty: none given
    QRect geometry;                 // null: none given
    bool fullscreen = false;
    QString output;                 // with fullscreen: the output's name; empty: the window's own
    bool noInfo = false;
    QString profile = QStringLiteral("default");
    bool reset = false;
    QString language;               // "zh" or "en"; empty: the remembered one or the system's
    // --canvas: a canvas given, or "off" to forget the remembered one.
    bool canvasGiven = false;
    WallCanvas canvas;              // not set with "off"

    QString exportFile;
    QSize exportSize = QSize(1920, 1080);
    int frames = 0;                 // 0: one still picture
    double fps = 60.0;
    bool atGiven = false;
    qint64 atUtcMs = 0;             // --at: the instant rendered, ms since the Unix epoch

    // The remote control: off while remotePort is -1. An empty address
    // listens on all of the machine's addresses; port 0 takes a free one.
    QString remoteAddress;
    int remotePort = -1;
    QString remoteToken;            // empty: the profile's own token
    QString picturesFolder;         // empty: remote requests show no pictures

    // The wall group: --wall's address as given, "off" to leave the
    // remembered one, empty to keep it; --wall-ca's file.
    QString wall;
    QString wallCa;

    QString helpText;               // for ShowHelp
};

// The largest export side: the same bound as a picture's.
constexpr int MaxExportSide = 16384;

// Reads the program's arguments (argv[0] first). Needs a QCoreApplication.
// On a bad option or value returns false with one line in *error.
bool parseCommandLine(const QStringList &arguments, CommandLine *out, QString *error);

// The --lang, --profile and --reset of the arguments, read before the rest
// so that --help and the command line's errors come in the chosen language.
// Other options, even unknown ones, are passed over; bad values are left to
// parseCommandLine to refuse.
CommandLine languageOptions(const QStringList &arguments);

// Takes --geometry and its value out of argv, where the toolkit would read
// it and place the first window shown, and returns the value (empty when
// absent, "--geometry" alone when the value is missing). Run before the
// application object exists.
QString takeGeometryArgument(int &argc, char **argv);

// "WxH+X+Y": X and Y may be negative (left of or above the primary screen).
bool parseGeometry(const QString &text, QRect *geometry);
// "[ADDRESS:]PORT" of --remote; an IPv6 address goes in brackets.
bool parseRemoteAddress(const QString &text, QString *address, int *port);
// An ISO 8601 instant in UTC, "2026-12-07T10:00:00Z", milliseconds
// optional, as ms since the Unix epoch.
bool parseUtcInstant(const QString &text, qint64 *utcMs);
// "WxH" with both sides from 1 to `largest`.
bool parseSize(const QString &text, int largest, QSize *size);

#endif // COMMANDLINE_H
