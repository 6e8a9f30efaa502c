// Any bytes as a picture file: the header check refuses what cannot be
// shown, and what passes decodes, fitted to a small window, without a crash.
#include "fuzzpanel.h"
#include "picturedecoder.h"

#include <QImageReader>
#include <QTemporaryFile>

#include <cstdint>

// Larger pictures decode through the same code, only for longer than the
// fuzzer's two seconds an input.
constexpr qint64 LargestDecodedArea = 1024 * 1024;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryFile file;
    if (!file.open() || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        qFatal("cannot write the input to %s", qPrintable(file.fileName()));
    file.close();
    QImageReader header(file.fileName());
    header.setDecideFormatFromContent(true);
    const QSize claimed = header.size();
    const bool refusedUnread = claimed.width() > MaxPictureSide || claimed.height() > MaxPictureSide;
    if (!refusedUnread && qint64(claimed.width()) * claimed.height() > LargestDecodedArea)
        return 0;
    // Both ways of showing a picture: fitted, and at its own size clipped.
    PictureView view;
    view.fit = size % 2 == 0;
    view.window = QSize(64, 48);
    loadPicture(file.fileName(), view);
    return 0;
}
