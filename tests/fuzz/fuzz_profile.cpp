// Any bytes as the profile file read at start: every value lands on the
// panel or is refused with a message, never a crash.
#include "commandline.h"
#include "fuzzpanel.h"
#include "wallprofile.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QDir(config.path()).mkdir(QStringLiteral("walltest"));
    CommandLine line;
    line.profile = QStringLiteral("fuzz");
    QFile file(WallProfile::pathOf(line.profile));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.close();
    const WallProfile profile(&fuzzPanel(), line);
    return 0;
}
