// The remote control over real HTTP on loopback: cpp-httplib's client
// against the server inside this process, driving a real panel and window.
#include "dialog.h"
#include "mainwindow.h"
#include "qrcode.h"
#include "remoteserver.h"
#include "windowstate.h"

#include <httplib.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <future>

namespace {

const QByteArray token = "tok-0123456789abcdef";

struct Answer
{
    int status = 0;
    QByteArray body;
    QJsonObject json;
};

// Window commands run on this thread, so the client runs on another while
// this one keeps the event loop turning.
Answer send(int port, const QByteArray &method, const QByteArray &target, const QByteArray &body, const QByteArray &key)
{
    auto call = std::async(std::launch::async, [=] {
        httplib::Client client("127.0.0.1", port);
        client.set_tcp_nodelay(true);
        httplib::Request request;
        request.method = method.toStdString();
        request.path = target.toStdString();
        request.body = body.toStdString();
        if (!key.isEmpty())
            request.headers.emplace("Authorization", "Bearer " + key.toStdString());
        const httplib::Result result = client.send(request);
        const QByteArray received = result ? QByteArray::fromStdString(result->body) : QByteArray();
        return Answer{ result ? result->status : 0, received, QJsonDocument::fromJson(received).object() };
    });
    while (call.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return call.get();
}

void sendRaw(int port, const QByteArray &bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
    if (socket.waitForConnected(2000)) {
        socket.write(bytes);
        socket.waitForBytesWritten(2000);
    }
    socket.abort();
}

// The value as compact JSON inside an array, so a substring check reads any kind of value.
QString valueText(const QJsonValue &value)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{ value }).toJson(QJsonDocument::Compact));
}

} // namespace

class TestRemote : public QObject
{
    Q_OBJECT

    QTemporaryDir sharedFolder;
    QTemporaryDir elsewhere;
    MainWindow *panel = nullptr;
    RemoteServer *server = nullptr;

    Answer call(const QByteArray &method, const QByteArray &target, const QByteArray &body = QByteArray(),
                const QByteArray &key = token)
    {
        return send(server->port(), method, target, body, key);
    }
    // The state without the redraw figures, which move on by themselves.
    QByteArray stateNow()
    {
        QJsonObject state = QJsonDocument::fromJson(server->api()->handle({ "GET", "/api/state", "Bearer " + token, {}, {} }).body).object();
        state.remove(QStringLiteral("frames"));
        return QJsonDocument(state).toJson();
    }

private slots:
    void initTestCase()
    {
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(sharedFolder.filePath(QStringLiteral("wall.png"))));
        QVERIFY(red.save(elsewhere.filePath(QStringLiteral("outside.png"))));
        QFile notes(sharedFolder.filePath(QStringLiteral("notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a picture") > 0);
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("outside.png")), sharedFolder.filePath(QStringLiteral("escape.png"))));
        panel = new MainWindow;
        server = new RemoteServer(*panel, { token, sharedFolder.path() });
        QString error;
        QVERIFY2(server->listen(QStringLiteral("127.0.0.1"), 0, &error), qPrintable(error));
    }

    void cleanupTestCase()
    {
        delete server;
        delete panel;
    }

    void requests_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");   // contained in the field's text

        QTest::newRow("state") << QByteArray("GET") << QByteArray("/api/state") << QByteArray() << token << 200 << "pattern" << "solid";
        QTest::newRow("token in the query") << QByteArray("GET") << "/api/state?token=" + token << QByteArray() << QByteArray() << 200 << "visible" << "false";
        QTest::newRow("patterns") << QByteArray("GET") << QByteArray("/api/patterns") << QByteArray() << token << 200 << "families" << "cabinet-clock";
        QTest::newRow("pattern opens the window") << QByteArray("PUT") << QByteArray("/api/pattern") << QByteArray(R"({"pattern": "bars:preset"})") << token << 200 << "visible" << "true";
        QTest::newRow("pattern named canonically") << QByteArray("PUT") << QByteArray("/api/pattern") << QByteArray(R"({"pattern": "SOLID:color=red"})") << token << 200 << "pattern" << "solid:color=#ff0000";
        QTest::newRow("window off") << QByteArray("PUT") << QByteArray("/api/visible") << QByteArray(R"({"on": false})") << token << 200 << "visible" << "false";
        QTest::newRow("info off") << QByteArray("PUT") << QByteArray("/api/info") << QByteArray(R"({"visible": false})") << token << 200 << "info" << "false";
        QTest::newRow("full screen") << QByteArray("PUT") << QByteArray("/api/fullscreen") << QByteArray(R"({"on": true})") << token << 200 << "fullscreen" << "true";
        QTest::newRow("geometry") << QByteArray("PUT") << QByteArray("/api/geometry") << QByteArray(R"({"x": -100, "y": 50, "width": 640, "height": 360})") << token << 200 << "geometry" << R"({"height":360,"width":640,"x":-100,"y":50})";
        QTest::newRow("scan step without lines") << QByteArray("POST") << QByteArray("/api/scan/step") << QByteArray() << token << 409 << "error" << "no scan lines";
        QTest::newRow("full screen on no such output") << QByteArray("PUT") << QByteArray("/api/fullscreen") << QByteArray(R"({"on": true, "output": "nosuch"})") << token << 400 << "error" << "no output is called 'nosuch'";
        QTest::newRow("frame readout shown") << QByteArray("PUT") << QByteArray("/api/frames") << QByteArray("{\"visible\":true}") << token << 200 << "frame_readout" << "true";
        QTest::newRow("page needs no token") << QByteArray("GET") << QByteArray("/") << QByteArray() << QByteArray() << 200 << "" << "";

        QTest::newRow("wrong token") << QByteArray("GET") << QByteArray("/api/state") << QByteArray() << QByteArray("tok-0123456789abcdeX") << 401 << "error" << "token";
        QTest::newRow("no token") << QByteArray("PUT") << QByteArray("/api/info") << QByteArray(R"({"visible": true})") << QByteArray() << 401 << "error" << "token";
        QTest::newRow("unknown api path") << QByteArray("GET") << QByteArray("/api/nothing") << QByteArray() << token << 404 << "error" << "/api/nothing";
        QTest::newRow("unknown path") << QByteArray("GET") << QByteArray("/nothing") << QByteArray() << QByteArray() << 404 << "error" << "/nothing";
        QTest::newRow("wrong method") << QByteArray("GET") << QByteArray("/api/pattern") << QByteArray() << token << 405 << "error" << "PUT";
        QTest::newRow("not JSON") << QByteArray("PUT") << QByteArray("/api/pattern") << QByteArray("{\"pattern\": ") << token << 400 << "error" << "not JSON";
        QTest::newRow("unknown key") << QByteArray("PUT") << QByteArray("/api/visible") << QByteArray(R"({"on": true, "x": 1})") << token << 400 << "error" << "'x'";
        QTest::newRow("switch not a bool") << QByteArray("PUT") << QByteArray("/api/visible") << QByteArray(R"({"on": "yes"})") << token << 400 << "error" << "'on'";
        QTest::newRow("bad pattern value") << QByteArray("PUT") << QByteArray("/api/pattern") << QByteArray(R"({"pattern": "bars:cols=500"})") << token << 400 << "error" << "cols";
        QTest::newRow("width beyond the range") << QByteArray("PUT") << QByteArray("/api/geometry") << QByteArray(R"({"width": 5000})") << token << 400 << "error" << "width 5000 is outside 50..";
        QTest::newRow("no placement") << QByteArray("PUT") << QByteArray("/api/geometry") << QByteArray("{}") << token << 400 << "error" << "at least one";
        QTest::newRow("body over 64 KiB") << QByteArray("PUT") << QByteArray("/api/info") << QByteArray(70000, ' ') << token << 413 << "error" << "65536";
    }

    void requests()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, key);
        QFETCH(int, status);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        const QByteArray before = stateNow();
        const Answer answer = call(method, target, body, key);
        QCOMPARE(answer.status, status);
        if (!field.isEmpty())
            QVERIFY2(valueText(answer.json.value(field)).contains(expected), answer.body.constData());
        else
            QVERIFY(answer.body.contains("/api/pattern"));
        if (status != 200)
            QCOMPARE(stateNow(), before);
    }

    void panelAndApiAgree()
    {
        Ui::MainWindow *form = formOf(*panel);
        QCOMPARE(call("PUT", "/api/geometry", R"({"x": 120, "y": 80, "width": 800, "height": 450})").status, 200);
        QCOMPARE(QVector<int>({ form->spinBox_x->value(), form->spinBox_y->value(), form->spinBox_width->value(), form->spinBox_height->value() }),
                 QVector<int>({ 120, 80, 800, 450 }));
        form->spinBox_width->setValue(700);
        QCOMPARE(call("GET", "/api/state").json.value("geometry").toObject().value("width").toInt(), 700);
    }

    void pictureFolderRule_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        const QString outside = elsewhere.filePath(QStringLiteral("outside.png"));
        QTest::newRow("relative to the folder") << "wall.png" << 200;
        QTest::newRow("dot-dot out of the folder") << QDir(sharedFolder.path()).relativeFilePath(outside) << 403;
        QTest::newRow("absolute outside") << outside << 403;
        QTest::newRow("link out of the folder") << "escape.png" << 403;
        QTest::newRow("missing in the folder") << "none.png" << 400;
        QTest::newRow("not a picture") << "notes.txt" << 400;
    }

    void pictureFolderRule()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        const QByteArray body = QJsonDocument(QJsonObject{ { "pattern", "picture:fit,path=" + path } }).toJson();
        const Answer answer = call("PUT", "/api/pattern", body);
        QCOMPARE(answer.status, status);
        if (status == 200)
            QCOMPARE(panel->testPatternWindow()->state().picturePath, QFileInfo(sharedFolder.filePath(QStringLiteral("wall.png"))).canonicalFilePath());
    }

    void picturesOfferedAndUnshared()
    {
        QCOMPARE(call("GET", "/api/pictures").json.value("pictures").toArray(), QJsonArray({ "wall.png" }));
        RemoteApi unshared(*panel, { token, QString() });
        const RemoteReply reply = unshared.handle({ "PUT", "/api/pattern", "Bearer " + token, {}, R"({"pattern": "picture:path=wall.png"})" });
        QCOMPARE(reply.status, 403);
    }

    void addressCodeUntilNextKey()
    {
        dialog *window = panel->testPatternWindow();
        call("PUT", "/api/pattern", R"({"pattern": "solid:color=red"})");
        window->setGeometry(0, 0, 600, 400);
        const QImage code = qrCodeImage(QStringLiteral("http://192.0.2.1:8080/?token=") + token);
        window->setAddressCode(code);
        // Module size and place as the window scales the code into its centre.
        const int module = 400 * 2 / 3 / code.width();
        const QPoint corner = QRect(0, 0, 600, 400).center() - QPoint(code.width() * module / 2, code.height() * module / 2) + QPoint(1, 1);
        const QPoint finder = corner + QPoint(4 * module, 4 * module) + QPoint(module / 2, module / 2);
        QTest::keyClick(window, Qt::Key_Q);
        QImage shown = window->grab().toImage();
        QCOMPARE(shown.pixelColor(finder), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(corner + QPoint(module / 2, module / 2)), QColor(Qt::white));
        QTest::keyClick(window, Qt::Key_Space);
        QVERIFY(!window->addressCodeShown());
        QCOMPARE(window->grab().toImage().pixelColor(finder), QColor(Qt::red));
    }

    // A key at the window would only take the address code down.
    void scanStepsUnderTheAddressCode()
    {
        dialog *window = panel->testPatternWindow();
        QCOMPARE(call("PUT", "/api/pattern", R"({"pattern": "scan:h,speed=0"})").status, 200);
        window->setAddressCode(qrCodeImage(QStringLiteral("http://192.0.2.1:8080/")));
        QTest::keyClick(window, Qt::Key_Q);
        const int offset = stateOf(*window).scanOffset;
        QCOMPARE(call("POST", "/api/scan/step").status, 200);
        QCOMPARE(stateOf(*window).scanOffset, offset + stateOf(*window).scanStep);
        QVERIFY(window->addressCodeShown());
    }

    // A shorter mix of the e2e robustness run, here in-process so the
    // sanitizer build sees every path of the request handling.
    void survivesMixedRequests()
    {
        const int port = server->port();
        for (int i = 0; i < 240; ++i) {
            switch (i % 8) {
            case 0: call("GET", "/api/state"); break;
            case 1: call("PUT", "/api/pattern", R"({"pattern": "grid"})"); break;
            case 2: call("PUT", "/api/pattern", "{\"pattern\": [}"); break;
            case 3: call("GET", "/api/state", {}, "wrong-token"); break;
            case 4: call("PUT", "/api/info", QByteArray(100000, '{')); break;
            case 5: sendRaw(port, QByteArray::fromHex("16030100a5") + "garbage\r\n\r\n"); break;
            case 6: sendRaw(port, "PUT /api/pattern HTTP/1.1\r\nContent-Length: 500\r\nAuthorization: Bearer " + token + "\r\n\r\n{\"pat"); break;
            default: call("POST", "/api/scan/step?token=" + token, "{\"on\": tru"); break;
            }
        }
        QCOMPARE(call("GET", "/api/state").json.value("pattern").toString(), QStringLiteral("grid"));
    }
};

QTEST_MAIN(TestRemote)
#include "tst_remote.moc"
