// Any bytes as one message of the wall group "hall": the topic up to the
// first newline, the payload after it. A message is taken, answered or
// refused, never a crash; a pattern taken is shown on the panel's window,
// as a member does.
#include "fuzzpanel.h"
#include "groupledger.h"
#include "wallcontrol.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const int newline = bytes.indexOf('\n');
    const QByteArray topic = newline < 0 ? bytes : bytes.left(newline);
    const QByteArray payload = newline < 0 ? QByteArray() : bytes.mid(newline + 1);
    // Shown since a fixed instant, so that older, newer and tied stamps all occur.
    const qint64 now = 1800000000000;
    GroupLedger ledger(QStringLiteral("hall"));
    for (Shared value : sharedValues)
        ledger.setShown(value, Change{ QJsonValue(true), now - 1000, QStringLiteral("m") });
    Shared which = Shared::Pattern;
    QString why;
    if (ledger.receive(topic, payload, now, &which, &why) == GroupLedger::Taken && which == Shared::Pattern) {
        QString error;
        if (!fuzzPanel().control()->showPattern(ledger.shown(which).value.toString(), &error))
            qFatal("a pattern the group took is refused by the window: %s", qPrintable(error));
    }
    return 0;
}
