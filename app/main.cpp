#include "commandline.h"
#include "dialog.h"
#include "language.h"
#include "mainwindow.h"
#include "patternexport.h"
#include "patternname.h"
#include "platformchoice.h"
#include "qrcode.h"
#include "remoteaddress.h"
#include "remoteserver.h"
#include "remotetoken.h"
#include "startoptions.h"
#include "fontsubstitutions.h"
#include "devicepixels.h"
#include "wallcontrol.h"
#include "wallgroup.h"
#include "wallprofile.h"

#include <QApplication>
#include <QIcon>
#include <QSysInfo>
#include <QTextStream>
#include <QUrl>

#include <malloc.h>
#include <memory>

namespace {

// The program never draws with OpenGL; keep the toolkit from loading it.
void skipOpenGL()
{
    // Everything is painted with QPainter into the window's backing store;
    // loading the GL stack would only add some 50 MB of resident memory.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}

// --lang, else the language remembered in the profile, else the system's.
Language startLanguage(const QStringList &arguments)
{
    const CommandLine options = languageOptions(arguments);
    const QString remembered = options.reset ? QString() : WallProfile::rememberedLanguage(options.profile);
    return chooseLanguage(options.language, remembered, messagesLocale());
}

// Reads the command line with an application object that needs no display,
// so that --help, --version, --list-patterns, --export and a bad option
// work over ssh and in scripts.
bool readCommandLine(int argc, char **argv, const QString &geometry, CommandLine *line, Language *language,
                     QString *error)
{
    QCoreApplication reader(argc, argv);
    QStringList arguments = reader.arguments();
    if (!geometry.isEmpty())
        arguments << QStringLiteral("--geometry") << geometry;
    *language = startLanguage(arguments);
    (new Translations(&reader))->install(*language);
    if (parseCommandLine(arguments, line, error))
        return true;
    *error += QLatin1Char('\n') + QCoreApplication::translate("CommandLine", "Try 'walltest --help' for more information.");
    return false;
}

int runExport(int argc, char **argv, const CommandLine &line, Language language)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    (new Translations(&app))->install(language);
    registerFontSubstitutions();
    ExportRequest request;
    request.file = line.exportFile;
    request.pattern = line.pattern;
    request.size = line.exportSize;
    request.frames = line.frames;
    request.fps = line.fps;
    request.canvas = line.canvas;
    request.atGiven = line.atGiven;
    request.atUtcMs = line.atUtcMs;
    QString error;
    if (!exportPattern(request, &error)) {
        QTextStream(stderr) << "walltest: " << error << '\n';
        return 1;
    }
    return 0;
}

// Opens the remote control for the panel and prints its address, which `Q`
// also shows on the test-pattern window. Null, with the reason in *error,
// when the port cannot be opened.
std::unique_ptr<RemoteServer> startRemote(MainWindow &panel, const CommandLine &line, QString *error)
{
    const QString token = line.remoteToken.isEmpty() ? profileRemoteToken(line.profile, line.reset) : line.remoteToken;
    RemoteSettings settings;
    settings.token = token.toLatin1();
    settings.picturesFolder = line.picturesFolder;
    auto server = std::make_unique<RemoteServer>(panel, settings);
    if (!server->listen(line.remoteAddress, line.remotePort, error))
        return nullptr;
    const QString address = remoteAddress(line.remoteAddress, server->port(), token);
    panel.testPatternWindow()->setAddressCode(qrCodeImage(address));
    // The wall shows where the remote control is, not its key.
    WindowFacts facts = panel.testPatternWindow()->windowFacts();
    facts.remoteAddress = QUrl(address).adjusted(QUrl::RemoveQuery).toString();
    panel.testPatternWindow()->setWindowFacts(facts);
    QTextStream(stdout) << QCoreApplication::translate("RemoteServer", "Remote control: %1").arg(address) << '\n';
    return server;
}

} // namespace

int main(int argc, char *argv[])
{
    // Pictures and frames of a 4K wall are tens of megabytes each. glibc
    // raises its mmap threshold after the first such block is freed and then
    // keeps the later ones in its heap, so a picture decoded again for a new
    // window size would leave its predecessors' memory resident; a fixed
    // threshold hands every large block back to the system when it is freed.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
    QCoreApplication::setApplicationName(QStringLiteral("walltest"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WALLTEST_VERSION));
    useDevicePixels();
    // Qt's X11 platform would place the first window shown by its own
    // -geometry; ours places the test-pattern window only.
    const QString geometry = takeGeometryArgument(argc, argv);

    CommandLine line;
    Language language = Language::Untranslated;
    QString error;
    if (!readCommandLine(argc, argv, geometry, &line, &language, &error)) {
        QTextStream(stderr) << "walltest: " << error << '\n';
        return 2;
    }
    QTextStream out(stdout);
    switch (line.action) {
    case CommandLine::ShowHelp:
        out << line.helpText;
        return 0;
    case CommandLine::ShowVersion:
        out << "walltest " << WALLTEST_VERSION << '\n';
        return 0;
    case CommandLine::ListPatterns:
        for (const QString &family : patternFamilyHelp())
            out << family << '\n';
        return 0;
    case CommandLine::Export:
        return runExport(argc, argv, line, language);
    case CommandLine::Run:
        break;
    }

    skipOpenGL();
    const bool preferredXWayland = preferXWayland(argc, argv);
    QApplication app(argc, argv);
    // The installed desktop entry and icon, for the desktop's task list.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.walltest.walltest"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.walltest.walltest")));
    // Before the panel is built: its form takes its texts when it is set up.
    (new Translations(&app))->install(language);
    registerFontSubstitutions();
    MainWindow w;
    reportPlatform(w, preferredXWayland);
    WindowFacts facts;
    facts.hostName = QSysInfo::machineHostName();
    w.testPatternWindow()->setWindowFacts(facts);
    // The remembered wall first, so that the command line overrides it and
    // is remembered in turn.
    new WallProfile(&w, line);
    if (!w.control()->placeOnOutput(line.output, &error)) {
        QTextStream(stderr) << "walltest: " << error << '\n';
        return 2;
    }
    w.show();
    if (!applyCommandLine(w, line, &error)) {
        QTextStream(stderr) << "walltest: --canvas: " << error << '\n';
        return 2;
    }
    // After the command line, whose values count as changes made now.
    const WallGroup *group = joinWallGroup(w, line);
    // Declared after the panel, so it stops before the panel goes.
    std::unique_ptr<RemoteServer> remote;
    if (line.remotePort >= 0) {
        remote = startRemote(w, line, &error);
        if (!remote) {
            QTextStream(stderr) << "walltest: " << error << '\n';
            return 1;
        }
        if (group)
            remote->api()->setWallGroupStatus([group] { return group->statusObject(); });
    }
    return app.exec();
}
