// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "accessibletext.h"

#include "accessiblecombobox.h"
#include "accessiblemenuitem.h"
#include "announcer.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocumentFragment>

AccessibleText::AccessibleText(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

void *AccessibleText::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleText::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

int AccessibleText::selectionCount() const
{
    return 0;
}

int AccessibleText::cursorPosition() const
{
    return 0;
}

QString AccessibleText::text(int startOffset, int endOffset) const
{
    return wholeText().mid(startOffset, endOffset - startOffset);
}

int AccessibleText::characterCount() const
{
    return wholeText().size();
}

QRect AccessibleText::textRect() const
{
    return widget()->contentsRect();
}

QRect AccessibleText::characterRect(int offset) const
{
    const QString text = wholeText();
    if (offset < 0 || offset >= text.size())
        return QRect();
    const QFontMetrics fm(widget()->font());
    const QRect drawn = QStyle::alignedRect(widget()->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter,
                                            QSize(fm.horizontalAdvance(text), fm.height()), textRect());
    const QRect glyph(drawn.left() + fm.horizontalAdvance(text.left(offset)), drawn.top(),
                      fm.horizontalAdvance(text.at(offset)), drawn.height());
    return QRect(widget()->mapToGlobal(glyph.topLeft()), glyph.size());
}

int AccessibleText::offsetAtPoint(const QPoint &point) const
{
    for (int offset = 0; offset < characterCount(); ++offset)
        if (characterRect(offset).contains(point))
            return offset;
    return -1;
}

// One run of default attributes over the whole text.
QString AccessibleText::attributes(int offset, int *startOffset, int *endOffset) const
{
    const int count = characterCount();
    *startOffset = offset < 0 || offset > count ? -1 : 0;
    *endOffset = offset < 0 || offset > count ? -1 : count;
    return QString();
}

AccessibleLineEdit::AccessibleLineEdit(QWidget *lineEdit)
    : AccessibleText(lineEdit, QAccessible::EditableText)
{
}

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::EditableTextInterface && !as<QLineEdit>()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return AccessibleText::interface_cast(type);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = AccessibleText::state();
    const QLineEdit *edit = as<QLineEdit>();
    state.readOnly = edit->isReadOnly();
    state.editable = !edit->isReadOnly();
    state.selectableText = true;
    state.passwordEdit = edit->echoMode() != QLineEdit::Normal;
    return state;
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return wholeText();
    const QString text = AccessibleText::text(t);
    return t == QAccessible::Name && text.isEmpty() ? as<QLineEdit>()->placeholderText() : text;
}

void AccessibleLineEdit::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value && !as<QLineEdit>()->isReadOnly())
        as<QLineEdit>()->setText(text);
    else
        AccessibleText::setText(t, text);
}

QString AccessibleLineEdit::wholeText() const
{
    const QLineEdit *edit = as<QLineEdit>();
    return edit->echoMode() == QLineEdit::Normal ? edit->text() : edit->displayText();
}

void AccessibleLineEdit::selection(int index, int *startOffset, int *endOffset) const
{
    const QLineEdit *edit = as<QLineEdit>();
    const bool any = index == 0 && edit->hasSelectedText();
    *startOffset = any ? edit->selectionStart() : 0;
    *endOffset = any ? edit->selectionStart() + edit->selectedText().size() : 0;
}

int AccessibleLineEdit::selectionCount() const
{
    return as<QLineEdit>()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int index)
{
    if (index == 0)
        as<QLineEdit>()->deselect();
}

void AccessibleLineEdit::setSelection(int index, int startOffset, int endOffset)
{
    if (index == 0)
        as<QLineEdit>()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const
{
    return as<QLineEdit>()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    as<QLineEdit>()->setCursorPosition(position);
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void AccessibleLineEdit::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

// As typed: the field's validation and signals see the change.
void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    QLineEdit *edit = as<QLineEdit>();
    edit->setSelection(startOffset, endOffset - startOffset);
    edit->insert(text);
}

QRect AccessibleLineEdit::textRect() const
{
    QStyleOptionFrame option;
    option.initFrom(widget());
    const QRect rect = widget()->style()->subElementRect(QStyle::SE_LineEditContents, &option, widget());
    return rect.marginsRemoved(as<QLineEdit>()->textMargins()).adjusted(2, 1, -2, -1); // QLineEdit's own margins
}

namespace {
// A label that is one link, as the about box's: Qt's interface calls it
// static text, and Orca says nothing when it takes the focus.
// Qt fault: QAccessibleDisplay gives a link label no link role; still needed in 6.x.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(QWidget *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
        addControllingSignal(QStringLiteral("linkActivated(QString)"));
    }
    QString text(QAccessible::Text t) const override
    {
        const QString html = static_cast<QLabel *>(widget())->text();
        if (t == QAccessible::Name)
            return QTextDocumentFragment::fromHtml(html).toPlainText();
        if (t == QAccessible::Value)
            return QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).match(html).captured(1);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = state.focusable = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            QDesktopServices::openUrl(QUrl(text(QAccessible::Value)));
    }
};
} // namespace

QAccessibleInterface *createAccessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLineEdit") && qobject_cast<QLineEdit *>(object))
        return new AccessibleLineEdit(static_cast<QWidget *>(object));
    if (className == QLatin1String("QLabel") && qobject_cast<QLabel *>(object)
        && static_cast<QLabel *>(object)->openExternalLinks())
        return new AccessibleLink(static_cast<QWidget *>(object));
    if (QAccessibleInterface *box = AccessibleComboBox::create(className, object))
        return box;
    if (QAccessibleInterface *item = AccessibleMenuItem::create(className, object))
        return item;
    return Announcer::create(className, object);
}
