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

    // Gothic (sans-serif) faces from Debian's Japanese font packages; the
    // proportional ones first, as MS UI Gothic is proportional and the
    // captions were measured with it.
    static const char *const candidates[] = {
        "IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "Noto Sans JP",
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
    // MS UI Gothic sets text narrower than the free faces; condensing them
    // to 80 % lets the captions and the about box's lines fit the fixed
    // rectangles measured with it ("Version 3.3.0" in 65 pixels).
    QFont font(uiFamily, 9);
    font.setStretch(80);
    QApplication::setFont(font);
}
