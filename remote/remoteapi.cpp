#include "remoteapi.h"

#include "mainwindow.h"
#include "patternname.h"
#include "remotepage.h"
#include "wallcontrol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <cmath>
#include <future>
#include <memory>

namespace {

RemoteReply reply(int status, const QJsonObject &object)
{
    RemoteReply answer;
    answer.status = status;
    answer.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return answer;
}

RemoteReply refusal(int status, const QString &message)
{
    return reply(status, QJsonObject{ { QStringLiteral("error"), message } });
}

// The token's bytes are all compared whatever differs first, so the time
// taken tells nothing about how much of a guess was right.
bool sameToken(const QByteArray &given, const QByteArray &expected)
{
    unsigned difference = unsigned(given.size() != expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const char offered = i < given.size() ? given.at(i) : '\0';
        difference |= unsigned(uchar(offered) ^ uchar(expected.at(i)));
    }
    return difference == 0 && !expected.isEmpty();
}

// A JSON object holding no key beyond `allowed`; the message names what is wrong.
bool readObject(const QByteArray &body, const QStringList &allowed, QJsonObject *object, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("the body is not JSON: %1 at byte %2").arg(parseError.errorString()).arg(parseError.offset);
        return false;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("the body must be a JSON object with %1").arg(allowed.join(QLatin1String(", ")));
        return false;
    }
    *object = document.object();
    for (const QString &key : object->keys()) {
        if (!allowed.contains(key)) {
            *error = QStringLiteral("unknown key '%1' (allowed: %2)").arg(key, allowed.join(QLatin1String(", ")));
            return false;
        }
    }
    return true;
}

bool readSwitch(const QByteArray &body, const QString &key, bool *on, QString *error)
{
    QJsonObject object;
    if (!readObject(body, { key }, &object, error))
        return false;
    const QJsonValue value = object.value(key);
    if (!value.isBool()) {
        *error = QStringLiteral("'%1' must be true or false").arg(key);
        return false;
    }
    *on = value.toBool();
    return true;
}

bool isInside(const QString &folder, const QString &path)
{
    return !path.isEmpty() && path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

const RemoteApi::Route RemoteApi::routes[] = {
    { "/", "GET", &RemoteApi::page },
    { "/api/state", "GET", &RemoteApi::getState },
    { "/api/patterns", "GET", &RemoteApi::getPatterns },
    { "/api/pictures", "GET", &RemoteApi::getPictures },
    { "/api/pattern", "PUT", &RemoteApi::putPattern },
    { "/api/geometry", "PUT", &RemoteApi::putGeometry },
    { "/api/visible", "PUT", &RemoteApi::putVisible },
    { "/api/fullscreen", "PUT", &RemoteApi::putFullscreen },
    { "/api/info", "PUT", &RemoteApi::putInfo },
    { "/api/frames", "PUT", &RemoteApi::putFrames },
    { "/api/canvas", "PUT", &RemoteApi::putCanvas },
    { "/api/scan/step", "POST", &RemoteApi::postScanStep },
    { "/api/wall", "GET", &RemoteApi::getWall },
};

RemoteApi::RemoteApi(MainWindow &window, const RemoteSettings &options, QObject *parent)
    : QObject(parent)
    , control(*window.control())
    , settings(options)
{
}

RemoteReply RemoteApi::handle(const RemoteRequest &request)
{
    // The token comes first, so nothing under /api/ tells a stranger whether it exists.
    if (request.path.startsWith("/api/") && !authorised(request))
        return refusal(401, QStringLiteral("missing or wrong token (send Authorization: Bearer TOKEN or ?token=TOKEN)"));
    if (request.body.size() > MaxBody)
        return refusal(413, QStringLiteral("the body is over %1 bytes").arg(MaxBody));
    QByteArray allowed;
    for (const Route &route : routes) {
        if (request.path != route.path)
            continue;
        if (request.method == route.method)
            return (this->*route.handler)(request.body);
        allowed = route.method;
    }
    if (allowed.isEmpty())
        return refusal(404, QStringLiteral("no such path: %1").arg(QString::fromUtf8(request.path)));
    RemoteReply answer = refusal(405, QStringLiteral("%1 takes %2 only").arg(QString::fromUtf8(request.path),
                                                                            QString::fromLatin1(allowed)));
    answer.allow = allowed;
    return answer;
}

bool RemoteApi::authorised(const RemoteRequest &request) const
{
    const QByteArray scheme = request.authorization.left(7);
    if (scheme.compare("Bearer ", Qt::CaseInsensitive) == 0)
        return sameToken(request.authorization.mid(7).trimmed(), settings.token);
    return sameToken(request.queryToken, settings.token);
}

// The server's threads wait here while the GUI thread does the work; the GUI
// thread itself never waits for them.
RemoteReply RemoteApi::onGuiThread(const std::function<RemoteReply()> &work)
{
    if (QThread::currentThread() == thread())
        return work();
    const auto result = std::make_shared<std::promise<RemoteReply>>();
    std::future<RemoteReply> answer = result->get_future();
    QMetaObject::invokeMethod(this, [work, result] { result->set_value(work()); }, Qt::QueuedConnection);
    while (answer.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        if (stopping)
            return refusal(503, QStringLiteral("walltest is closing"));
    }
    return answer.get();
}

QJsonObject RemoteApi::stateObject() const
{
    const WallState state = control.state();
    const QRect placed = state.geometry;
    const QJsonObject geometry{ { QStringLiteral("x"), placed.x() }, { QStringLiteral("y"), placed.y() },
                                { QStringLiteral("width"), placed.width() }, { QStringLiteral("height"), placed.height() } };
    return QJsonObject{
        { QStringLiteral("pattern"), state.pattern },
        { QStringLiteral("visible"), state.visible },
        { QStringLiteral("geometry"), geometry },
        { QStringLiteral("fullscreen"), state.fullScreen },
        { QStringLiteral("info"), state.infoVisible },
        { QStringLiteral("frames"), QJsonObject{ { QStringLiteral("per_second"), state.frames.perSecond },
                                                 { QStringLiteral("longest_gap_ms"), state.frames.longestGapMs },
                                                 { QStringLiteral("refresh_hz"), state.frames.refreshHz } } },
        { QStringLiteral("frame_readout"), state.frameReadout },
        { QStringLiteral("output"), state.output },
        { QStringLiteral("outputs"), QJsonArray::fromStringList(state.outputs) },
        { QStringLiteral("version"), QCoreApplication::applicationVersion() },
        { QStringLiteral("canvas"), state.canvas.isSet() ? QJsonValue(wallCanvasText(state.canvas)) : QJsonValue() },
        { QStringLiteral("canvas_exceeded"), state.pastCanvas },
        { QStringLiteral("clock"), QJsonObject{ { QStringLiteral("synchronised"), state.clock.synchronised },
                                                { QStringLiteral("error_ms"), state.clock.errorMs ? QJsonValue(*state.clock.errorMs) : QJsonValue() } } },
    };
}

RemoteReply RemoteApi::stateReply() const
{
    return reply(200, stateObject());
}

// Only files inside the shared folder, after every link is followed; the
// name's path becomes the file's real path, so what is checked is what is read.
int RemoteApi::checkPicture(PatternName &name, QString *error) const
{
    const QString given = name.text(QStringLiteral("path"));
    if (given.isEmpty())
        return 200;
    if (settings.picturesFolder.isEmpty()) {
        *error = QStringLiteral("picture '%1': no pictures are shared (start walltest with --pictures DIR)").arg(given);
        return 403;
    }
    const QString folder = QFileInfo(settings.picturesFolder).canonicalFilePath();
    const QString joined = QDir::cleanPath(QDir(settings.picturesFolder).filePath(given));
    const QString real = QFileInfo(joined).canonicalFilePath();
    if (real.isEmpty() && isInside(QDir::cleanPath(settings.picturesFolder), joined)) {
        *error = QStringLiteral("picture '%1': no such file in the pictures folder").arg(given);
        return 400;
    }
    if (!isInside(folder, real)) {
        *error = QStringLiteral("picture '%1' is outside the pictures folder").arg(given);
        return 403;
    }
    // Only the header is read here: the window decodes the picture in the
    // background, as it does for the panel's choice.
    QImageReader reader(real);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        *error = QStringLiteral("picture '%1': not a picture this program can read").arg(given);
        return 400;
    }
    name.values[QStringLiteral("path")] = real;
    return 200;
}

RemoteReply RemoteApi::page(const QByteArray &)
{
    RemoteReply answer;
    answer.contentType = "text/html; charset=utf-8";
    answer.body = remotePage();
    return answer;
}

RemoteReply RemoteApi::getState(const QByteArray &)
{
    return onGuiThread([this] { return stateReply(); });
}

RemoteReply RemoteApi::getPatterns(const QByteArray &)
{
    QJsonArray families;
    for (const QString &line : patternFamilyHelp())
        families.append(QJsonObject{ { QStringLiteral("family"), line.section(QLatin1Char(':'), 0, 0) },
                                     { QStringLiteral("help"), line } });
    return reply(200, QJsonObject{ { QStringLiteral("families"), families } });
}

namespace {

// A bounded walk: a shared folder may hold a photographer's whole archive,
// and a link may lead back into itself.
struct PictureWalk
{
    static constexpr int MaxDepth = 4;
    static constexpr int MaxPictures = 1000;
    static constexpr int MaxFilesRead = 10 * MaxPictures;

    QString root;               // canonical
    QJsonArray names;           // relative to the root
    int filesRead = 0;
    bool truncated = false;     // some pictures are not listed
    bool full = false;          // no more are looked for

    void walk(const QString &folder, int depth);
};

// Pictures are told by their header, as a remote request's picture is
// checked, so a renamed text file is left out and a picture without an
// extension is listed.
void PictureWalk::walk(const QString &folder, int depth)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable,
                                                             QDir::Name | QDir::DirsLast);
    for (const QFileInfo &entry : entries) {
        if (full)
            return;
        const QString real = entry.canonicalFilePath();
        if (!isInside(root, real))
            continue;
        if (entry.isDir()) {
            if (depth == MaxDepth)
                truncated = true;
            else
                walk(real, depth + 1);
            continue;
        }
        if (names.size() == MaxPictures || filesRead == MaxFilesRead) {
            truncated = full = true;
            return;
        }
        ++filesRead;
        QImageReader reader(real);
        reader.setDecideFormatFromContent(true);
        if (reader.canRead())
            names.append(QDir(root).relativeFilePath(entry.absoluteFilePath()));
    }
}

} // namespace

RemoteReply RemoteApi::getPictures(const QByteArray &)
{
    PictureWalk pictures;
    if (!settings.picturesFolder.isEmpty()) {
        pictures.root = QFileInfo(settings.picturesFolder).canonicalFilePath();
        if (!pictures.root.isEmpty())
            pictures.walk(pictures.root, 0);
    }
    QJsonObject answer{ { QStringLiteral("pictures"), pictures.names } };
    if (pictures.truncated)
        answer.insert(QStringLiteral("truncated"), true);
    return reply(200, answer);
}

RemoteReply RemoteApi::putPattern(const QByteArray &body)
{
    QJsonObject object;
    QString error;
    if (!readObject(body, { QStringLiteral("pattern") }, &object, &error))
        return refusal(400, error);
    if (!object.value(QStringLiteral("pattern")).isString())
        return refusal(400, QStringLiteral("'pattern' must be a pattern name as text (see GET /api/patterns)"));
    PatternName name;
    if (!parsePatternName(object.value(QStringLiteral("pattern")).toString(), &name, &error))
        return refusal(400, error);
    if (name.family == QLatin1String("picture")) {
        const int status = checkPicture(name, &error);
        if (status != 200)
            return refusal(status, error);
    }
    return onGuiThread([this, name] {
        if (!control.isWindowVisible())
            control.setWindowVisible(true);
        control.showPattern(name);
        return stateReply();
    });
}

RemoteReply RemoteApi::putGeometry(const QByteArray &body)
{
    const QStringList keys{ QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("width"), QStringLiteral("height") };
    QJsonObject object;
    QString error;
    if (!readObject(body, keys, &object, &error))
        return refusal(400, error);
    if (object.isEmpty())
        return refusal(400, QStringLiteral("give at least one of x, y, width, height"));
    QMap<QString, int> values;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const double number = it.value().toDouble(0.5);
        if (!it.value().isDouble() || std::floor(number) != number || std::fabs(number) > 1e9)
            return refusal(400, QStringLiteral("'%1' must be a whole number").arg(it.key()));
        values.insert(it.key(), int(number));
    }
    return onGuiThread([this, values] {
        const QRect now = control.state().geometry;
        const QRect placement(values.value(QStringLiteral("x"), now.x()), values.value(QStringLiteral("y"), now.y()),
                              values.value(QStringLiteral("width"), now.width()),
                              values.value(QStringLiteral("height"), now.height()));
        QString error;
        if (!control.placeWindow(placement, &error))
            return refusal(400, error);
        return stateReply();
    });
}

// A switch: {"KEY": bool} in, the command run on the GUI thread, the state out.
RemoteReply RemoteApi::switchCommand(const QByteArray &body, const QString &key, const std::function<void(bool)> &command)
{
    bool on = false;
    QString error;
    if (!readSwitch(body, key, &on, &error))
        return refusal(400, error);
    return onGuiThread([this, command, on] {
        command(on);
        return stateReply();
    });
}

RemoteReply RemoteApi::putVisible(const QByteArray &body)
{
    return switchCommand(body, QStringLiteral("on"), [this](bool on) { control.setWindowVisible(on); });
}

// {"on": bool} and, going full screen, the output to fill: {"output": NAME}.
// A canvas the window's part does not fit in is refused; null forgets it.
RemoteReply RemoteApi::putCanvas(const QByteArray &body)
{
    QJsonObject object;
    QString error;
    if (!readObject(body, { QStringLiteral("canvas") }, &object, &error))
        return refusal(400, error);
    const QJsonValue value = object.value(QStringLiteral("canvas"));
    WallCanvas canvas;
    if (value.isString()) {
        if (!parseWallCanvas(value.toString(), &canvas, &error))
            return refusal(400, error);
    } else if (!value.isNull()) {
        return refusal(400, QStringLiteral("'canvas' must be WxH+X+Y as text, or null for none"));
    }
    return onGuiThread([this, canvas] {
        QString problem;
        if (!control.setCanvas(canvas, &problem))
            return refusal(400, problem);
        return stateReply();
    });
}

RemoteReply RemoteApi::putFullscreen(const QByteArray &body)
{
    QJsonObject object;
    QString error;
    if (!readObject(body, { QStringLiteral("on"), QStringLiteral("output") }, &object, &error))
        return refusal(400, error);
    const QJsonValue on = object.value(QStringLiteral("on"));
    const QJsonValue output = object.value(QStringLiteral("output"));
    if (!on.isBool())
        return refusal(400, QStringLiteral("'on' must be true or false"));
    if (!output.isUndefined() && (!output.isString() || !on.toBool()))
        return refusal(400, QStringLiteral("'output' must be the name of an output, given with \"on\": true"));
    return onGuiThread([this, on, output] {
        QString problem;
        if (output.isString() && !control.setFullScreenOn(output.toString(), &problem))
            return refusal(400, problem);
        if (!output.isString())
            control.setFullScreen(on.toBool());
        return stateReply();
    });
}

RemoteReply RemoteApi::putInfo(const QByteArray &body)
{
    return switchCommand(body, QStringLiteral("visible"), [this](bool on) { control.setInfoVisible(on); });
}

RemoteReply RemoteApi::putFrames(const QByteArray &body)
{
    return switchCommand(body, QStringLiteral("visible"), [this](bool on) { control.setFrameReadoutVisible(on); });
}

RemoteReply RemoteApi::postScanStep(const QByteArray &)
{
    return onGuiThread([this] {
        if (!control.stepScanLines())
            return refusal(409, QStringLiteral("no scan lines to step: show a scan pattern with at least one line set (h, v, lr, rl)"));
        return stateReply();
    });
}

RemoteReply RemoteApi::getWall(const QByteArray &)
{
    return onGuiThread([this] {
        if (wallGroupStatus)
            return reply(200, wallGroupStatus());
        return reply(200, QJsonObject{ { QStringLiteral("name"), QJsonValue(QJsonValue::Null) },
                                       { QStringLiteral("broker"), QStringLiteral("off") },
                                       { QStringLiteral("members"), QJsonArray() } });
    });
}
