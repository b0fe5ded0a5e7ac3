// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "uifont.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
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
            // Each paragraph unwrapped; the page shows whole, without a scroll bar.
            const std::unique_ptr<QTextDocument> doc(browser->document()->clone());
            doc->setDefaultFont(browser->font());
            doc->setTextWidth(-1);
            doc->size(); // lays it out
            const qreal room = browser->width() - 2 * browser->frameWidth() - 2 * doc->documentMargin();
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                if (b.layout()->lineCount() > 0)
                    need(b.layout()->lineAt(0).naturalTextWidth(), room);
        }
    }
    return worst;
}

// The dialogs' pages ask for 'MS UI Gothic' 9 pt, whose lines are the
// forms' rows; a stand-in's lines are taller and would push the page's end
// out of view.
void setLinesAtRow(QTextDocument *doc)
{
    QTextCursor cursor(doc);
    cursor.select(QTextCursor::Document);
    QTextBlockFormat rows;
    rows.setLineHeight(kTextRow, QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(rows);
}

// The width a line edit's text may take without scrolling: its contents
// less Qt's 2-pixel margin on each side and the 1 pixel it keeps for the
// cursor.
qreal textRoom(const QLineEdit *edit)
{
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit);
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit)
                               .marginsRemoved(edit->textMargins());
    return contents.width() - 2 * 2 - 1;
}

void closeUpLetters(QLineEdit *edit)
{
    QFont plain = edit->font();
    plain.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const QString text = edit->text();
    const qreal width = QFontMetricsF(plain).horizontalAdvance(text), room = textRoom(edit);
    QFont font; // only the spacing is the field's own; the rest follows the form
    if (width > room) {
        // Glyph positions are rounded to pixels: a quarter step at a time.
        qreal spacing = std::floor(4 * (room - width) / text.size()) / 4;
        for (;; spacing -= 0.25) {
            plain.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
            if (QFontMetricsF(plain).horizontalAdvance(text) <= room || spacing < -width / text.size() / 2)
                break;
        }
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    edit->setFont(font);
}

} // namespace

bool formTextsFit(QWidget *form)
{
    return tightest(form) <= 1;
}

void fitTextToField(QLineEdit *field)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field] { closeUpLetters(field); });
    closeUpLetters(field);
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
    font.setPointSizeF(pixels * 72.0 / 96.0);
    QApplication::setFont(font);
}

void fitFontToForm(QWidget *form)
{
    if (QFont::substitutes(kUiFamily).isEmpty())
        return; // no stand-in: the forms' own face
    for (QTextBrowser *browser : form->findChildren<QTextBrowser *>())
        setLinesAtRow(browser->document());
    // Advances scale with the stretch: one measurement at 100 % gives it
    // nearly; rounding leaves a step to take either way.
    QFont font = form->font();
    auto fits = [&](int stretch) {
        font.setStretch(stretch);
        form->setFont(font);
        return formTextsFit(form);
    };
    fits(100);
    const qreal over = tightest(form);
    int stretch = over <= 1 ? 100 : qMax(kNarrowest, int(100 / over));
    while (stretch > kNarrowest && !fits(stretch))
        --stretch;
    while (stretch < 100 && fits(stretch + 1))
        ++stretch;
    fits(stretch);
}
