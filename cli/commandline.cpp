#include "commandline.h"

#include "language.h"
#include "patternname.h"
#include "wallurl.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>
#include <cstring>

namespace {

const char *const geometryOption = "--geometry";

QCommandLineOption languageOption()
{
    return { QStringLiteral("lang"),
             QCoreApplication::translate("CommandLine", "Speak LANG: zh (Chinese) or en (English), remembered in the profile; by default the system's language."),
             QStringLiteral("LANG") };
}

QCommandLineOption profileOption()
{
    return { QStringLiteral("profile"), QCoreApplication::translate("CommandLine", "Remember the wall in profile NAME instead of 'default' (one per wall or venue)."), QStringLiteral("NAME") };
}

QCommandLineOption resetOption()
{
    return { QStringLiteral("reset"), QCoreApplication::translate("CommandLine", "Start from the defaults and overwrite the profile.") };
}

QString invalid(const QString &option, const QString &value, const QString &why)
{
    return QCoreApplication::translate("CommandLine", "invalid value '%1' for --%2: %3").arg(value, option, why);
}

bool readExportOptions(const QCommandLineParser &parser, CommandLine *line, QString *error)
{
    if (parser.isSet(QStringLiteral("size"))
        && !parseSize(parser.value(QStringLiteral("size")), MaxExportSide, &line->exportSize)) {
        *error = invalid(QStringLiteral("size"), parser.value(QStringLiteral("size")),
                         QCoreApplication::translate("CommandLine", "expected WxH, each side from 1 to %1")
                             .arg(MaxExportSide));
        return false;
    }
    bool ok = true;
    if (parser.isSet(QStringLiteral("frames"))) {
        line->frames = parser.value(QStringLiteral("frames")).toInt(&ok);
        if (!ok || line->frames < 1 || line->frames > 100000) {
            *error = invalid(QStringLiteral("frames"), parser.value(QStringLiteral("frames")),
                             QCoreApplication::translate("CommandLine", "expected a whole number from 1 to 100000"));
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("fps"))) {
        line->fps = parser.value(QStringLiteral("fps")).toDouble(&ok);
        if (!ok || !(line->fps > 0) || line->fps > 1000) {
            *error = invalid(QStringLiteral("fps"), parser.value(QStringLiteral("fps")),
                             QCoreApplication::translate("CommandLine", "expected a number above 0, up to 1000"));
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("at"))) {
        line->atGiven = true;
        if (!parseUtcInstant(parser.value(QStringLiteral("at")), &line->atUtcMs)) {
            *error = invalid(QStringLiteral("at"), parser.value(QStringLiteral("at")),
                             QCoreApplication::translate("CommandLine", "expected an instant in UTC such as 2026-12-07T10:00:00Z or 2026-12-07T10:00:00.250Z"));
            return false;
        }
    }
    if (line->pattern.isEmpty()) {
        *error = QCoreApplication::translate("CommandLine", "--export needs --pattern NAME");
        return false;
    }
    if (line->canvas.isSet() && !partFits(line->canvas, line->exportSize)) {
        *error = QCoreApplication::translate("CommandLine", "a %1x%2 part at %3,%4 does not fit inside the %5x%6 canvas")
                     .arg(line->exportSize.width()).arg(line->exportSize.height())
                     .arg(line->canvas.origin.x()).arg(line->canvas.origin.y())
                     .arg(line->canvas.size.width()).arg(line->canvas.size.height());
        return false;
    }
    if (line->frames > 0 && line->exportFile == QLatin1String("-")) {
        *error = QCoreApplication::translate("CommandLine", "--export - writes one picture to standard output; --frames needs a file name");
        return false;
    }
    return true;
}

// Options that only make sense with --export.
bool exportOnlyOptionsAlone(const QCommandLineParser &parser, QString *error)
{
    for (const char *name : { "size", "frames", "fps", "at" }) {
        if (parser.isSet(QString::fromLatin1(name))) {
            *error = QCoreApplication::translate("CommandLine", "--%1 goes with --export").arg(QString::fromLatin1(name));
            return false;
        }
    }
    return true;
}

bool readRemoteOptions(const QCommandLineParser &parser, CommandLine *line, QString *error)
{
    if (!parser.isSet(QStringLiteral("remote"))) {
        for (const char *name : { "remote-token", "pictures" }) {
            if (parser.isSet(QString::fromLatin1(name))) {
                *error = QCoreApplication::translate("CommandLine", "--%1 goes with --remote").arg(QString::fromLatin1(name));
                return false;
            }
        }
        return true;
    }
    const QString remote = parser.value(QStringLiteral("remote"));
    if (!parseRemoteAddress(remote, &line->remoteAddress, &line->remotePort)) {
        *error = invalid(QStringLiteral("remote"), remote,
                         QCoreApplication::translate("CommandLine", "expected [ADDRESS:]PORT with PORT from 0 to 65535, for example 8080 or 127.0.0.1:8080"));
        return false;
    }
    if (parser.isSet(QStringLiteral("remote-token"))) {
        // The token travels in addresses and headers as it is.
        static const QRegularExpression tokenForm(QStringLiteral("^[A-Za-z0-9._~-]{8,256}$"));
        line->remoteToken = parser.value(QStringLiteral("remote-token"));
        if (!tokenForm.match(line->remoteToken).hasMatch()) {
            *error = invalid(QStringLiteral("remote-token"), line->remoteToken,
                             QCoreApplication::translate("CommandLine", "use 8 to 256 letters, digits, '-', '_', '.' and '~'"));
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("pictures"))) {
        const QFileInfo folder(parser.value(QStringLiteral("pictures")));
        if (!folder.isDir()) {
            *error = invalid(QStringLiteral("pictures"), parser.value(QStringLiteral("pictures")),
                             QCoreApplication::translate("CommandLine", "not a folder"));
            return false;
        }
        line->picturesFolder = folder.absoluteFilePath();
    }
    return true;
}

// The address is shown without its password, even when it is wrong.
bool readWallOptions(const QCommandLineParser &parser, CommandLine *line, QString *error)
{
    if (parser.isSet(QStringLiteral("wall-ca"))) {
        const QFileInfo ca(parser.value(QStringLiteral("wall-ca")));
        if (!parser.isSet(QStringLiteral("wall"))) {
            *error = QCoreApplication::translate("CommandLine", "--wall-ca goes with --wall");
            return false;
        }
        if (!ca.isFile() || !ca.isReadable()) {
            *error = invalid(QStringLiteral("wall-ca"), ca.filePath(), QCoreApplication::translate("CommandLine", "not a readable file"));
            return false;
        }
        line->wallCa = ca.absoluteFilePath();
    }
    if (!parser.isSet(QStringLiteral("wall")))
        return true;
    line->wall = parser.value(QStringLiteral("wall"));
    WallAddress address;
    QString why;
    if (line->wall != QLatin1String("off") && !parseWallAddress(line->wall, &address, &why)) {
        *error = invalid(QStringLiteral("wall"), hidePassword(line->wall), why);
        return false;
    }
    return true;
}

// The output is checked against the screens once the application has them.
bool readOutputOption(const QCommandLineParser &parser, CommandLine *line, QString *error)
{
    if (!parser.isSet(QStringLiteral("output")))
        return true;
    if (!line->fullscreen || !line->geometry.isNull()) {
        *error = QCoreApplication::translate("CommandLine", "--output goes with --fullscreen, and without --geometry");
        return false;
    }
    line->output = parser.value(QStringLiteral("output"));
    return true;
}

bool readCanvasOption(const QCommandLineParser &parser, CommandLine *line, QString *error)
{
    if (!parser.isSet(QStringLiteral("canvas")))
        return true;
    line->canvasGiven = true;
    const QString value = parser.value(QStringLiteral("canvas"));
    if (value == QLatin1String("off"))
        return true;
    QString why;
    if (!parseWallCanvas(value, &line->canvas, &why)) {
        *error = invalid(QStringLiteral("canvas"), value, why);
        return false;
    }
    return true;
}

} // namespace

bool parseUtcInstant(const QString &text, qint64 *utcMs)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}(\\.\\d{1,3})?Z$"));
    if (!form.match(text).hasMatch())
        return false;
    const QDateTime instant = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!instant.isValid())
        return false;
    *utcMs = instant.toMSecsSinceEpoch();
    return true;
}

bool parseRemoteAddress(const QString &text, QString *address, int *port)
{
    static const QRegularExpression form(QStringLiteral("^(?:(\\[[0-9A-Fa-f:.]+\\]|[0-9.]+):)?(\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    QString host = match.captured(1);
    if (host.startsWith(QLatin1Char('[')))
        host = host.mid(1, host.size() - 2);
    const int number = match.captured(2).toInt();
    if (number > 65535 || (!host.isEmpty() && QHostAddress(host).isNull()))
        return false;
    *address = host;
    *port = number;
    return true;
}

bool parseGeometry(const QString &text, QRect *geometry)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})x(\\d{1,5})([+-]\\d{1,5})([+-]\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    *geometry = QRect(match.captured(3).toInt(), match.captured(4).toInt(), match.captured(1).toInt(),
                      match.captured(2).toInt());
    return geometry->width() > 0 && geometry->height() > 0;
}

bool parseSize(const QString &text, int largest, QSize *size)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,6})x(\\d{1,6})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const QSize parsed(match.captured(1).toInt(), match.captured(2).toInt());
    if (parsed.width() < 1 || parsed.height() < 1 || parsed.width() > largest || parsed.height() > largest)
        return false;
    *size = parsed;
    return true;
}

QString takeGeometryArgument(int &argc, char **argv)
{
    QString value;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        const bool longForm = std::strcmp(argument, geometryOption) == 0 || std::strcmp(argument, geometryOption + 1) == 0;
        const char *joined = std::strncmp(argument, "--geometry=", 11) == 0 ? argument + 11 : nullptr;
        if (joined) {
            value = QString::fromLocal8Bit(joined);
        } else if (longForm) {
            value = i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString::fromLatin1(geometryOption);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return value;
}

CommandLine languageOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions({ languageOption(), profileOption(), resetOption() });
    // Unknown options fail the parse, but the known ones are read all the same.
    parser.parse(arguments);
    CommandLine line;
    line.language = parser.value(QStringLiteral("lang"));
    if (parser.isSet(QStringLiteral("profile")))
        line.profile = parser.value(QStringLiteral("profile"));
    line.reset = parser.isSet(QStringLiteral("reset"));
    return line;
}

bool parseCommandLine(const QStringList &arguments, CommandLine *out, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Test patterns for LED display walls: colours, gray levels, contrast, scanning and delay."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({
        { QStringLiteral("pattern"), QCoreApplication::translate("CommandLine", "Start with the test-pattern window open, showing NAME (see --list-patterns)."), QStringLiteral("NAME") },
        { QStringLiteral("geometry"), QCoreApplication::translate("CommandLine", "Place the test-pattern window: width x height + x + y; x and y may be negative."), QStringLiteral("WxH+X+Y") },
        { QStringLiteral("fullscreen"), QCoreApplication::translate("CommandLine", "Show the test-pattern window full screen.") },
        { QStringLiteral("output"), QCoreApplication::translate("CommandLine", "With --fullscreen: fill output NAME, as the desktop names it; on Wayland the one way to choose where the window shows."), QStringLiteral("NAME") },
        { QStringLiteral("canvas"), QCoreApplication::translate("CommandLine", "This window shows the part of a W x H wall canvas whose top-left corner is at X,Y, at the window's own size; off forgets a remembered canvas."), QStringLiteral("WxH+X+Y|off") },
        { QStringLiteral("no-info"), QCoreApplication::translate("CommandLine", "Hide the information text.") },
        { QStringLiteral("list-patterns"), QCoreApplication::translate("CommandLine", "List every pattern family with its keys and ranges, then exit.") },
        profileOption(),
        resetOption(),
        languageOption(),
        { QStringLiteral("export"), QCoreApplication::translate("CommandLine", "Write the pattern as a PNG file (- for standard output), without any display, then exit."), QStringLiteral("FILE") },
        { QStringLiteral("size"), QCoreApplication::translate("CommandLine", "Size of the exported picture (default 1920x1080, up to 16384 on a side)."), QStringLiteral("WxH") },
        { QStringLiteral("frames"), QCoreApplication::translate("CommandLine", "Export N frames of a moving pattern as FILE-0001.png, FILE-0002.png, ..."), QStringLiteral("N") },
        { QStringLiteral("fps"), QCoreApplication::translate("CommandLine", "Frames per second of the exported frames (default 60)."), QStringLiteral("F") },
        { QStringLiteral("at"), QCoreApplication::translate("CommandLine", "Export the instant TIME (UTC, for example 2026-12-07T10:00:00Z) of patterns with source=system; frame k is at TIME + k / fps."), QStringLiteral("TIME") },
        { QStringLiteral("remote"), QCoreApplication::translate("CommandLine", "Serve the remote-control page and API on PORT, on all addresses or on ADDRESS only."), QStringLiteral("[ADDRESS:]PORT") },
        { QStringLiteral("remote-token"), QCoreApplication::translate("CommandLine", "The remote control's access token, instead of the one kept in the profile."), QStringLiteral("TOKEN") },
        { QStringLiteral("pictures"), QCoreApplication::translate("CommandLine", "The folder whose pictures the remote control may show (none by default)."), QStringLiteral("DIR") },
        { QStringLiteral("wall"), QCoreApplication::translate("CommandLine", "Join a wall group on an MQTT broker, URL being mqtt://[USER:PASSWORD@]HOST[:PORT]/NAME (mqtts:// for TLS); remembered in the profile, off leaves it."), QStringLiteral("URL") },
        { QStringLiteral("wall-ca"), QCoreApplication::translate("CommandLine", "With an mqtts:// --wall: trust the broker's certificate by the CA in FILE instead of the system's."), QStringLiteral("FILE") },
    });

    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'").arg(parser.positionalArguments().first());
        return false;
    }
    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::ShowHelp;
        line.helpText = parser.helpText();
        *out = line;
        return true;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::ShowVersion;
        *out = line;
        return true;
    }
    if (parser.isSet(QStringLiteral("pattern"))) {
        PatternName name;
        if (!parsePatternName(parser.value(QStringLiteral("pattern")), &name, error))
            return false;
        line.pattern = printPatternName(name);
    }
    if (parser.isSet(QStringLiteral("geometry"))
        && !parseGeometry(parser.value(QStringLiteral("geometry")), &line.geometry)) {
        *error = invalid(QStringLiteral("geometry"), parser.value(QStringLiteral("geometry")),
                         QCoreApplication::translate("CommandLine", "expected WxH+X+Y, for example 1920x1080+0+0 or 3840x2160-3840+0"));
        return false;
    }
    line.fullscreen = parser.isSet(QStringLiteral("fullscreen"));
    if (!readOutputOption(parser, &line, error))
        return false;
    line.noInfo = parser.isSet(QStringLiteral("no-info"));
    if (!readCanvasOption(parser, &line, error))
        return false;
    line.reset = parser.isSet(QStringLiteral("reset"));
    if (parser.isSet(QStringLiteral("profile"))) {
        static const QRegularExpression profileName(QStringLiteral("^[A-Za-z0-9_.-]{1,64}$"));
        line.profile = parser.value(QStringLiteral("profile"));
        if (!profileName.match(line.profile).hasMatch() || line.profile.startsWith(QLatin1Char('.'))) {
            *error = invalid(QStringLiteral("profile"), line.profile,
                             QCoreApplication::translate("CommandLine", "use letters, digits, '-', '_' and '.', not starting with '.'"));
            return false;
        }
    }

    if (parser.isSet(QStringLiteral("lang"))) {
        Language language;
        line.language = parser.value(QStringLiteral("lang"));
        if (!parseLanguage(line.language, &language)) {
            *error = invalid(QStringLiteral("lang"), line.language,
                             QCoreApplication::translate("CommandLine", "expected zh or en"));
            return false;
        }
    }

    if (!readRemoteOptions(parser, &line, error))
        return false;
    if (!readWallOptions(parser, &line, error))
        return false;

    if (parser.isSet(QStringLiteral("list-patterns"))) {
        line.action = CommandLine::ListPatterns;
    } else if (parser.isSet(QStringLiteral("export"))) {
        line.action = CommandLine::Export;
        line.exportFile = parser.value(QStringLiteral("export"));
        if (!readExportOptions(parser, &line, error))
            return false;
    } else if (!exportOnlyOptionsAlone(parser, error)) {
        return false;
    }
    *out = line;
    return true;
}
