// Any bytes as a picture file: the header check refuses what cannot be
// shown, and what passes decodes for a small window without a crash.
#include "fuzzpanel.h"
#include "picturedecoder.h"

#include <QTemporaryFile>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QTemporaryFile file;
    if (!file.open() || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        qFatal("cannot write the input to %s", qPrintable(file.fileName()));
    file.close();
    // Both ways of showing a picture: fitted, and at its own size clipped.
    PictureView view;
    view.fit = size % 2 == 0;
    view.window = QSize(64, 48);
    loadPicture(file.fileName(), view);
    return 0;
}
