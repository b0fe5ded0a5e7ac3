// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef ACCESSIBLETEXT_H
#define ACCESSIBLETEXT_H

#include <QAccessibleWidget>

// Screen readers build what they speak of a field from its text and its
// attribute runs. Qt's line edits answer every run as empty, so Orca spoke
// "34" as "3", and a combo box offers no text at all, so its value went
// unspoken. These interfaces give a line edit, and a combo box's current
// item, one run over the whole text.
// Qt fault: QAccessibleLineEdit::attributes() answers an empty run; still needed in 6.x.
class AccessibleText : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    AccessibleText(QWidget *widget, QAccessible::Role role);
    void *interface_cast(QAccessible::InterfaceType type) override;

    virtual QString wholeText() const = 0;

    // Read-only and without a caret; the line edit adds both.
    void selection(int index, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
    using QAccessibleWidget::text;

protected:
    // Where the text is drawn, in the widget's coordinates.
    virtual QRect textRect() const;
    template<typename Widget>
    Widget *as() const { return static_cast<Widget *>(widget()); }
};

// A line edit: its text, caret and selection, editable unless read-only.
// Qt fault: as above, the last character's run is empty; still needed in 6.x.
class AccessibleLineEdit : public AccessibleText, public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleLineEdit(QWidget *lineEdit);
    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QString wholeText() const override;

    void selection(int index, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int index) override;
    void setSelection(int index, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    using AccessibleText::text;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

protected:
    QRect textRect() const override;
};

// For QAccessible::installFactory: the interfaces above for every QLineEdit,
// those of AccessibleComboBox and Announcer, and a link's for a label that
// opens its link. Install it before any widget is asked for its interface.
QAccessibleInterface *createAccessibleInterface(const QString &className, QObject *object);

#endif // ACCESSIBLETEXT_H
