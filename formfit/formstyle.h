// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef FORMSTYLE_H
#define FORMSTYLE_H

#include <QProxyStyle>

// The desktop's own style, with two changes for the fixed-pixel forms: a
// combo box's drop-down arrow is at most 12 pixels wide, and its value
// field gets the room back, so that "31" shows in full in a 36-pixel combo;
// and a line of text taller than its row (the about box's 12-point name in
// 16 pixels) is centred on its ink rather than on its line, so that no
// stroke is cut.
class FormStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit FormStyle(const QString &baseKey);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget) const override;
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                      bool enabled, const QString &text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

#endif // FORMSTYLE_H
