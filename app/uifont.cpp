#include "uifont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void useJapaneseUiFont()
{
    const QString uiFamily = QStringLiteral("MS UI Gothic");
    const QStringList families = QFontDatabase().families();
    if (families.contains(uiFamily, Qt::CaseInsensitive))
        return; // a Japanese Windows desktop: its own default already fits

    // Gothic (sans-serif) faces from Debian's Japanese font packages.
    static const char *const candidates[] = {
        "IPAGothic", "IPAPGothic", "Noto Sans CJK JP", "Noto Sans JP",
        "VL Gothic", "TakaoGothic", "Droid Sans Japanese",
    };
    QStringList substitutes;
    for (const char *candidate : candidates) {
        const QString name = QString::fromLatin1(candidate);
        if (families.contains(name, Qt::CaseInsensitive))
            substitutes << name;
    }
    if (substitutes.isEmpty())
        return; // no Japanese face installed: leave Qt's own choice
    QFont::insertSubstitutions(uiFamily, substitutes);
    QApplication::setFont(QFont(uiFamily, 9));
}
