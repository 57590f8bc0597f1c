#include "platform/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace velmora::platform {

namespace {
QString arabicFamily() { return QString::fromUtf16(kArabicFontFamily); }
} // namespace

void installFontSubstitutions() {
    QStringList substitutes;
    const QStringList candidates = {QStringLiteral("Noto Naskh Arabic"),
                                    QStringLiteral("Noto Sans Arabic"),
                                    QStringLiteral("DejaVu Sans")};
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : candidates)
        if (installed.contains(family))
            substitutes << family;
    if (!substitutes.isEmpty())
        QFont::insertSubstitutions(arabicFamily(), substitutes);
}

QString resolvedArabicFamily() { return QFontInfo(windowFont()).family(); }

QFont printFont() {
    QFont font(arabicFamily());
    font.setPointSize(12);
    return font;
}

QFont windowFont() {
    QFont font(arabicFamily());
    font.setPointSize(11);
    return font;
}

} // namespace velmora::platform
