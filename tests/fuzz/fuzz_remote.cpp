// Any bytes as one request to the remote control, written as HTTP is:
//     METHOD TARGET
//     Authorization: Bearer fuzz-token
//
//     body
// with the target's path and query decoded as the server decodes them, and
// a pictures folder holding one picture.
#include "fuzzpanel.h"
#include "remoteapi.h"

#include <httplib.h>

#include <QImage>
#include <QTemporaryDir>

#include <cstdint>

namespace {

RemoteRequest requestOf(const QByteArray &bytes)
{
    const int headEnd = bytes.indexOf("\n\n");
    const QList<QByteArray> head = (headEnd < 0 ? bytes : bytes.left(headEnd)).split('\n');
    const QList<QByteArray> requestLine = head.first().split(' ');
    const QByteArray target = requestLine.value(1);
    const int query = target.indexOf('?');
    RemoteRequest request;
    request.method = requestLine.first();
    request.path = QByteArray::fromStdString(httplib::detail::decode_url((query < 0 ? target : target.left(query)).toStdString(), false));
    httplib::Params params;
    if (query >= 0)
        httplib::detail::parse_query_text(target.mid(query + 1).toStdString(), params);
    const auto token = params.find("token");
    if (token != params.end())
        request.queryToken = QByteArray::fromStdString(token->second);
    for (const QByteArray &header : head.mid(1)) {
        if (header.toLower().startsWith("authorization:"))
            request.authorization = header.mid(int(qstrlen("authorization:"))).trimmed();
    }
    if (headEnd >= 0)
        request.body = bytes.mid(headEnd + 2);
    return request;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir pictures;
    static RemoteApi *api = [] {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(pictures.filePath(QStringLiteral("wall.png")));
        RemoteSettings settings;
        settings.token = "fuzz-token";
        settings.picturesFolder = pictures.path();
        return new RemoteApi(fuzzPanel(), settings);
    }();
    api->handle(requestOf(QByteArray(reinterpret_cast<const char *>(data), int(size))));
    return 0;
}
