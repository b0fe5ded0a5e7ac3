// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "accessiblemenuitem.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>

AccessibleMenuItem::AccessibleMenuItem(QWidget *owner, QAction *action)
    : owner(owner)
    , action(action)
{
}

QAccessibleInterface *AccessibleMenuItem::create(const QString &className, QObject *object)
{
    auto *action = qobject_cast<QAction *>(object);
    if (className != QLatin1String("QAction") || !action)
        return nullptr;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QList<QObject *> holders = action->associatedObjects();
#else
    const QList<QWidget *> holders = action->associatedWidgets();
#endif
    for (QObject *holder : holders)
        if (qobject_cast<QMenu *>(holder) || qobject_cast<QMenuBar *>(holder))
            return new AccessibleMenuItem(static_cast<QWidget *>(holder), action);
    return nullptr;
}

bool AccessibleMenuItem::isValid() const
{
    return owner && action;
}

QObject *AccessibleMenuItem::object() const
{
    return action;
}

QAccessibleInterface *AccessibleMenuItem::childAt(int x, int y) const
{
    QAccessibleInterface *menu = child(0);
    return menu && menu->rect().contains(x, y) ? menu : nullptr;
}

QAccessibleInterface *AccessibleMenuItem::parent() const
{
    return QAccessible::queryAccessibleInterface(owner);
}

// The item's menu, if it opens one.
QAccessibleInterface *AccessibleMenuItem::child(int index) const
{
    return index == 0 && action->menu() ? QAccessible::queryAccessibleInterface(action->menu()) : nullptr;
}

int AccessibleMenuItem::childCount() const
{
    return action->menu() ? 1 : 0;
}

int AccessibleMenuItem::indexOfChild(const QAccessibleInterface *child) const
{
    return child && action->menu() && child->object() == action->menu() ? 0 : -1;
}

QString AccessibleMenuItem::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QString(action->text()).remove(QRegularExpression(QStringLiteral("&(?!&)"))).replace(QStringLiteral("&&"), QStringLiteral("&"));
    if (t == QAccessible::Accelerator)
        return action->shortcut().toString();
    return QString();
}

QRect AccessibleMenuItem::rect() const
{
    QRect item;
    if (auto *menu = qobject_cast<QMenu *>(owner))
        item = menu->actionGeometry(action);
    else if (auto *bar = qobject_cast<QMenuBar *>(owner))
        item = bar->actionGeometry(action);
    return item.translated(owner->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role AccessibleMenuItem::role() const
{
    return action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State AccessibleMenuItem::state() const
{
    QAccessible::State state;
    state.invisible = !owner->isVisible() || !action->isVisible();
    auto *menu = qobject_cast<QMenu *>(owner);
    auto *bar = qobject_cast<QMenuBar *>(owner);
    state.focused = (menu ? menu->activeAction() : bar->activeAction()) == action;
    state.hotTracked = owner->style()->styleHint(QStyle::SH_Menu_MouseTracking);
    state.disabled = action->isSeparator() || !action->isEnabled();
    state.checkable = action->isCheckable();
    state.checked = action->isChecked();
    return state;
}

void *AccessibleMenuItem::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList AccessibleMenuItem::actionNames() const
{
    if (action->isSeparator())
        return {};
    return {action->menu() ? showMenuAction() : pressAction()};
}

void AccessibleMenuItem::doAction(const QString &actionName)
{
    if (!action->isEnabled())
        return;
    if (actionName == pressAction())
        action->trigger();
    else if (actionName == showMenuAction() && action->menu() && action->menu()->isVisible())
        action->menu()->hide();
    else if (auto *menu = qobject_cast<QMenu *>(owner); actionName == showMenuAction() && menu)
        menu->setActiveAction(action);
    else if (auto *bar = qobject_cast<QMenuBar *>(owner); actionName == showMenuAction() && bar)
        bar->setActiveAction(action);
}

QStringList AccessibleMenuItem::keyBindingsForAction(const QString &actionName) const
{
    const QString shortcut = action->shortcut().toString();
    if (actionName != pressAction() || shortcut.isEmpty())
        return {};
    const int mnemonic = action->text().indexOf(QRegularExpression(QStringLiteral("&[^&]")));
    return {mnemonic < 0 ? QString() : action->text().mid(mnemonic + 1, 1).toLower(), QString(), shortcut};
}
