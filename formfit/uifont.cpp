#include "uifont.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

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

constexpr int kNarrowest = 80; // percent; narrower Japanese is hard to read

// How much wider than its room the form's tightest text is, each in the
// font it has now: at most 1 when every text fits.
qreal tightest(QWidget *form)
{
    qreal worst = 0;
    auto need = [&](qreal width, qreal room) { worst = qMax(worst, width / qMax<qreal>(room, 1)); };
    for (QWidget *w : form->findChildren<QWidget *>()) {
        const QFontMetricsF fm(w->font());
        QStyle *style = w->style();
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->text().isEmpty() && !label->wordWrap())
                need(label->sizeHint().width(), label->width());
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(button);
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            need(fm.horizontalAdvance(button->text()) + icon,
                 style->subElementRect(QStyle::SE_PushButtonContents, &opt, button).width());
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            QStyleOptionGroupBox opt;
            opt.initFrom(box);
            opt.subControls = QStyle::SC_GroupBoxLabel;
            const int left = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box).left();
            need(fm.horizontalAdvance(box->title()), box->width() - left);
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            const int field = style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo).width();
            for (int i = 0; i < combo->count(); ++i) // the value is drawn 1 px inside the field
                need(fm.horizontalAdvance(combo->itemText(i)) + 2, field);
        } else if (auto *browser = qobject_cast<QTextBrowser *>(w)) {
            // Each paragraph unwrapped, beside the scroll bar a long text shows.
            const std::unique_ptr<QTextDocument> doc(browser->document()->clone());
            doc->setDefaultFont(browser->font());
            doc->setTextWidth(-1);
            doc->size(); // lays it out
            const qreal room = browser->width() - 2 * browser->frameWidth() - 2 * doc->documentMargin()
                               - style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, browser);
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                if (b.layout()->lineCount() > 0)
                    need(b.layout()->lineAt(0).naturalTextWidth(), room);
        }
    }
    return worst;
}

} // namespace

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
    font.setPointSizeF(pixels * 72.0 / 96.0);
    QApplication::setFont(font);
}

void fitFontToForm(QWidget *form)
{
    if (QFont::substitutes(kUiFamily).isEmpty())
        return; // no stand-in: the forms' own face
    // Advances scale with the stretch: one measurement at 100 % gives it;
    // step down only where rounding leaves a text too wide.
    QFont font = form->font();
    font.setStretch(100);
    form->setFont(font);
    const qreal over = tightest(form);
    int stretch = over <= 1 ? 100 : qMax(kNarrowest, int(100 / over));
    for (;;) {
        font.setStretch(stretch);
        form->setFont(font);
        if (stretch == kNarrowest || tightest(form) <= 1)
            return;
        --stretch;
    }
}
