// Requests per second of the remote control over loopback: cpp-httplib's
// client with a kept-alive connection against the real server, panel and
// window, on the offscreen platform. Every request crosses to the GUI thread
// and back, as a phone's or a show-control system's would.
#include "mainwindow.h"
#include "remoteserver.h"

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <QApplication>

#include <thread>

namespace {

const char *const token = "bench-token-0123456789";
int serverPort = 0;

httplib::Client client()
{
    httplib::Client connection("127.0.0.1", serverPort);
    connection.set_keep_alive(true);
    // The request line and the body leave in separate writes.
    connection.set_tcp_nodelay(true);
    connection.set_bearer_token_auth(token);
    return connection;
}

void getState(benchmark::State &state)
{
    httplib::Client connection = client();
    for (auto _ : state) {
        const httplib::Result answer = connection.Get("/api/state");
        if (!answer || answer->status != 200)
            state.SkipWithError("GET /api/state failed");
    }
    state.SetItemsProcessed(state.iterations());
}

// Two patterns in turn, so every request really changes the window.
void putPattern(benchmark::State &state)
{
    httplib::Client connection = client();
    const std::string bodies[] = { R"({"pattern": "solid:color=red"})", R"({"pattern": "bars:preset"})" };
    int turn = 0;
    for (auto _ : state) {
        const httplib::Result answer = connection.Put("/api/pattern", bodies[turn ^= 1], "application/json");
        if (!answer || answer->status != 200)
            state.SkipWithError("PUT /api/pattern failed");
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(getState)->UseRealTime()->Threads(1)->Threads(4);
BENCHMARK(putPattern)->UseRealTime()->Threads(1)->Threads(4);

// The GUI thread runs the event loop that answers the requests; the
// benchmarks run beside it and end it when they are done.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    MainWindow panel;
    RemoteServer server(panel, { token, QString() });
    QString error;
    if (!server.listen(QStringLiteral("127.0.0.1"), 0, &error)) {
        qWarning("%s", qPrintable(error));
        return 1;
    }
    serverPort = server.port();
    std::thread benchmarks([&app] {
        benchmark::RunSpecifiedBenchmarks();
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    benchmarks.join();
    benchmark::Shutdown();
    return 0;
}
