// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef ACCESSIBLECOMBOBOX_H
#define ACCESSIBLECOMBOBOX_H

#include "accessibletext.h"

// Qt's own interface for a combo box on Linux reports the current item as
// its name, so a screen reader hears "西暦" or "12" and never what the box
// is for. This one reports the box's accessible name, where the form gives
// one, and the current item as its value and as its text. The text is
// selected, as an editable box's is, and each change replaces it: Orca
// speaks a replaced selection, on Qt 5 as on Qt 6.
// Qt fault: QAccessibleComboBox is named by its value on Unix, with no text interface; still needed in 6.x.
class AccessibleComboBox : public AccessibleText
{
public:
    explicit AccessibleComboBox(QWidget *comboBox);
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
    QString wholeText() const override;
    void selection(int index, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    using AccessibleText::text;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QRect textRect() const override;
};

#endif // ACCESSIBLECOMBOBOX_H
