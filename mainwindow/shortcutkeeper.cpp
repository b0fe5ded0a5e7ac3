// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "shortcutkeeper.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

ShortcutKeeper::ShortcutKeeper(QAction *action, QWidget *window)
    : QObject(window)
    , action(action)
{
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
        edit->installEventFilter(this);
}

bool ShortcutKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(int(key->modifiers()) | key->key());
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            // Not overridden: the shortcut map hands the key to the action.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
