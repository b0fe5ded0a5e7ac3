#include "uifont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

const QString kUiFamily = QStringLiteral("MS UI Gothic");

// The forms' shortest text rows (the about box's lines), in pixels at 96 dpi.
constexpr int kTextRow = 12;

// Gothic (sans-serif) faces of Debian's Japanese font packages; the
// proportional ones first, as MS UI Gothic is proportional.
const char *const kCandidates[] = {
    "IPAPGothic", "IPAGothic", "VL PGothic", "VL Gothic", "TakaoPGothic", "TakaoGothic",
    "Noto Sans CJK JP", "Noto Sans JP", "Droid Sans Japanese",
};

bool hasFamily(const QString &family)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QFontDatabase::hasFamily(family);
#else
    return QFontDatabase().hasFamily(family);
#endif
}

// Qt knows a face by all of its fontconfig names: "IPAPGothic" finds it in
// a Japanese locale too, where its first name is "IPA Pゴシック".
QString installedJapaneseGothic()
{
    for (const char *candidate : kCandidates) {
        const QString name = QString::fromLatin1(candidate);
        if (hasFamily(name))
            return name;
    }
    return QString();
}

const UiCaption kTightest[] = {
    {"Version " YOROZUMI_VERSION, 65, 0},
    {"本アプリケーションは、無償で配布しています。", 212, 0},
    {"「数え年」とは、日本古来から使われてきている数え方で、出生した年を1歳とし、"
     "それ以降は新年を迎えるごとに1歳ずつ加算していく方法のことをいいます。", 700, 12},
};

// The caption's width in `font`, at the size the caption is shown in.
qreal advance(QFont font, const UiCaption &caption)
{
    if (caption.pixels)
        font.setPixelSize(caption.pixels);
    return QFontMetricsF(font).horizontalAdvance(QString::fromUtf8(caption.text));
}

bool captionsFit(QFont font, int stretch)
{
    font.setStretch(stretch);
    return std::all_of(std::begin(kTightest), std::end(kTightest),
                       [&](const UiCaption &caption) { return advance(font, caption) <= caption.width; });
}

} // namespace

QVector<UiCaption> tightestUiCaptions()
{
    return QVector<UiCaption>(std::begin(kTightest), std::end(kTightest));
}

void useJapaneseUiFont()
{
    if (hasFamily(kUiFamily))
        return; // a Japanese Windows desktop: its own default fits
    const QString family = installedJapaneseGothic();
    if (family.isEmpty())
        return; // no Japanese face: leave Qt's own choice
    QFont::insertSubstitution(kUiFamily, family);

    // Pixel sizes at 96 dpi, so that the choice is the same on every screen;
    // Qt scales the whole window, font included, on a denser one.
    QFont font(family);
    int pixels = 12;
    for (; pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).height() <= kTextRow)
            break;
    }
    font.setPixelSize(pixels);
    // Advances scale with the stretch: one measurement at 100 % gives it;
    // step down only where rounding leaves a caption too wide.
    int stretch = 100;
    for (const UiCaption &caption : kTightest)
        stretch = qMin(stretch, int(100 * caption.width / advance(font, caption)));
    while (stretch > 70 && !captionsFit(font, stretch))
        --stretch;

    font.setPointSizeF(pixels * 72.0 / 96.0);
    font.setStretch(stretch);
    QApplication::setFont(font);
}
