// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef ACCESSIBLEMENUITEM_H
#define ACCESSIBLEMENUITEM_H

#include <QAccessibleInterface>
#include <QPointer>

class QAction;

// A menu item, as Qt's own, but with a key binding a screen reader reads as
// the shortcut. Qt gives "Ctrl+E" alone, which Orca takes for a key path and
// keeps quiet about; "x;;Ctrl+E" (mnemonic;path;accelerator) it says.
// Qt fault: QAccessibleMenuItem gives no key binding Orca reads as the shortcut; still needed in 6.x.
class AccessibleMenuItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleMenuItem(QWidget *owner, QAction *action);
    // For QAccessible::installFactory: an item of the first menu or menu bar
    // that holds the action.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    bool isValid() const override;
    QObject *object() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<QWidget> owner;
    QPointer<QAction> action;
};

#endif // ACCESSIBLEMENUITEM_H
