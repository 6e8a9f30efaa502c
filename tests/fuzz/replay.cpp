// The ordinary build's stand-in for libFuzzer: feeds every file of the given
// folders to the target once, so that every test run replays the corpus,
// finds included.
#include <QDir>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const QFileInfo &info : QDir(QString::fromLocal8Bit(argv[i])).entryInfoList(QDir::Files, QDir::Name)) {
            QFile input(info.filePath());
            const QByteArray bytes = input.open(QIODevice::ReadOnly) ? input.readAll() : QByteArray();
            // Named first, so that a crash says which input caused it.
            std::printf("%s\n", qPrintable(info.fileName()));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
