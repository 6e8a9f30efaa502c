#ifndef QRCODE_H
#define QRCODE_H

#include <QImage>
#include <QString>

// `text` as a QR code, one pixel per module, black on white with the quiet
// zone of four modules around it; a null image when it does not fit.
QImage qrCodeImage(const QString &text);

#endif // QRCODE_H
