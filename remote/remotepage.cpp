#include "remotepage.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

// Outside any namespace: the resource's initialiser is declared where it is used.
static QByteArray readPageTemplate()
{
    Q_INIT_RESOURCE(remote);
    QFile file(QStringLiteral(":/remote/page/index.html"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

namespace {

// Every {{text}} of the page is one of its texts, put through the translator
// under the context "RemotePage", the way the windows' texts are.
QByteArray translatedPage()
{
    const QString source = QString::fromUtf8(readPageTemplate());
    static const QRegularExpression text(QStringLiteral("\\{\\{([^{}]+)\\}\\}"));
    QString page;
    qsizetype done = 0;
    QRegularExpressionMatchIterator it = text.globalMatch(source);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        page += source.mid(done, match.capturedStart() - done);
        const QByteArray original = match.captured(1).toUtf8();
        page += QCoreApplication::translate("RemotePage", original.constData()).toHtmlEscaped();
        done = match.capturedEnd();
    }
    page += source.mid(done);
    return page.toUtf8();
}

} // namespace

QByteArray remotePage()
{
    static const QByteArray page = translatedPage();
    return page;
}
