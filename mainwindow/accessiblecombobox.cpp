// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "accessiblecombobox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>

AccessibleComboBox::AccessibleComboBox(QWidget *widget)
    : AccessibleText(widget, QAccessible::ComboBox)
{
    // A new item is new selected text. Its removal goes unsaid, or Orca
    // says "selection deleted" before each value.
    auto *box = static_cast<QComboBox *>(widget);
    QObject::connect(box, &QComboBox::currentTextChanged, box, [box](const QString &text) {
        QAccessibleTextInsertEvent event(box, 0, text);
        QAccessible::updateAccessibility(&event);
    });
}

QAccessibleInterface *AccessibleComboBox::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox") && qobject_cast<QComboBox *>(object))
        return new AccessibleComboBox(static_cast<QWidget *>(object));
    return nullptr;
}

QString AccessibleComboBox::text(QAccessible::Text t) const
{
    QComboBox *box = as<QComboBox>();
    if (t == QAccessible::Name && !box->accessibleName().isEmpty())
        return box->accessibleName();
    if (t == QAccessible::Name || t == QAccessible::Value)
        return box->currentText();
    return AccessibleText::text(t);
}

QString AccessibleComboBox::wholeText() const
{
    return as<QComboBox>()->currentText();
}

void AccessibleComboBox::selection(int index, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = index == 0 ? characterCount() : 0;
}

int AccessibleComboBox::selectionCount() const
{
    return characterCount() > 0 ? 1 : 0;
}

QRect AccessibleComboBox::textRect() const
{
    QStyleOptionComboBox option;
    option.initFrom(widget());
    return widget()->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, widget());
}

// The drop-down list, as Qt's own interface offers it.
int AccessibleComboBox::childCount() const
{
    return 1;
}

QAccessibleInterface *AccessibleComboBox::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(as<QComboBox>()->view()) : nullptr;
}

int AccessibleComboBox::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == as<QComboBox>()->view() ? 0 : -1;
}

QStringList AccessibleComboBox::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + AccessibleText::actionNames();
}

void AccessibleComboBox::doAction(const QString &actionName)
{
    QComboBox *box = as<QComboBox>();
    if (actionName == showMenuAction() || actionName == pressAction()) {
        if (box->view()->isVisible())
            box->hidePopup();
        else
            box->showPopup();
        return;
    }
    AccessibleText::doAction(actionName);
}
