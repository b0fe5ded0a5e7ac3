// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef ANNOUNCER_H
#define ANNOUNCER_H

#include <QWidget>

class QAccessibleInterface;

// Tells a screen reader a text at once, whatever has focus. Qt 6.8 sends the
// platform's announcement. Before it there is none, and Qt 5's bridge sends
// a changed name or description without its text, so this widget, empty and
// of no size, is a notification that shows itself: seen by no one, spoken
// by Orca.
// Qt fault: no announcement before Qt 6.8, which this uses where it has it; can go from Qt 6.8.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);
    void announce(const QString &text);

    // For QAccessible::installFactory.
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

#endif // ANNOUNCER_H
