// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef SHORTCUTKEEPER_H
#define SHORTCUTKEEPER_H

#include <QObject>

class QAction;

// Keeps an action's shortcut working while a line edit has the focus. On
// X11, Ctrl+E is also the line edits' end-of-line key, and the edit would
// take it before the window's quit action could.
class ShortcutKeeper : public QObject
{
    Q_OBJECT

public:
    // Watches every line edit below `window`.
    ShortcutKeeper(QAction *action, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *action;
};

#endif // SHORTCUTKEEPER_H
