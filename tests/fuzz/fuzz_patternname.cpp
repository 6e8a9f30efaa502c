// Any text as a pattern name: the parser never crashes, and a name it
// accepts prints to a text that reads back as the same name, and shows on
// the test-pattern window as the same name again.
#include "dialog.h"
#include "fuzzpanel.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static dialog &window = *fuzzPanel().testPatternWindow();
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    PatternName name;
    QString error;
    if (!parsePatternName(text, &name, &error))
        return 0;
    const QString printed = printPatternName(name);
    PatternName again;
    if (!parsePatternName(printed, &again, &error) || again != name)
        qFatal("\"%s\" prints as \"%s\", which reads back otherwise: %s", qPrintable(text), qPrintable(printed),
               qPrintable(error));
    window.showPattern(name);
    const QString shown = printPatternName(window.patternName());
    if (shown != printed)
        qFatal("\"%s\" shows as \"%s\"", qPrintable(printed), qPrintable(shown));
    return 0;
}
