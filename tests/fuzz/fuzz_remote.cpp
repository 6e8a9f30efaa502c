// Any bytes as one request to the remote control, written as HTTP is:
// "METHOD TARGET", header lines, an empty line, the body. The target's path
// and query are decoded as the server decodes them; the token is
// "fuzz-token", and the pictures folder holds one picture.
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
    const std::string target = head.first().split(' ').value(1).toStdString();
    const size_t query = target.find('?');
    httplib::Params params;
    if (query != std::string::npos)
        httplib::detail::parse_query_text(target.substr(query + 1), params);
    RemoteRequest request{ head.first().split(' ').first(),
                           QByteArray::fromStdString(httplib::detail::decode_url(target.substr(0, query), false)),
                           {}, {}, headEnd < 0 ? QByteArray() : bytes.mid(headEnd + 2) };
    if (params.count("token"))
        request.queryToken = QByteArray::fromStdString(params.find("token")->second);
    for (const QByteArray &header : head.mid(1)) {
        if (header.toLower().startsWith("authorization:"))
            request.authorization = header.mid(14).trimmed();
    }
    return request;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir pictures;
    static RemoteApi api(fuzzPanel(), [] {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(pictures.filePath(QStringLiteral("wall.png")));
        return RemoteSettings{ "fuzz-token", pictures.path() };
    }());
    api.handle(requestOf(QByteArray(reinterpret_cast<const char *>(data), int(size))));
    return 0;
}
