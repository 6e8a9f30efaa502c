#include "qrcode.h"

#include <qrencode.h>

#include <memory>

namespace {

const int quietZone = 4;

} // namespace

QImage qrCodeImage(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code)
        return QImage();
    const int modules = code->width;
    QImage image(modules + 2 * quietZone, modules + 2 * quietZone, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < modules; ++y) {
        for (int x = 0; x < modules; ++x) {
            // The lowest bit of each module says dark.
            if (code->data[y * modules + x] & 1)
                image.setPixel(x + quietZone, y + quietZone, qRgb(0, 0, 0));
        }
    }
    return image;
}
