#include "fontsubstitutions.h"

#include <QFont>
#include <QStringList>

void registerFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Century Gothic"), { QStringLiteral("URW Gothic"), QStringLiteral("URW Gothic L") });
    QFont::insertSubstitutions(QStringLiteral("宋体"), { QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(QStringLiteral("SimSun"), { QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"), { QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), { QStringLiteral("Noto Sans CJK SC") });
    QFont::insertSubstitutions(QStringLiteral("Aharoni"), { QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans") });
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), { QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman") });
    QFont::insertSubstitutions(QStringLiteral("Arial"), { QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans") });
    QFont::insertSubstitutions(QStringLiteral("Courier"), { QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS") });
}
