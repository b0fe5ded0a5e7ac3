// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "formstyle.h"

#include <QPainter>
#include <QStyleOption>

namespace {
constexpr int kArrowWidth = 12;
}

FormStyle::FormStyle(const QString &baseKey)
    : QProxyStyle(baseKey)
{
}

QRect FormStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                SubControl subControl, const QWidget *widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control != CC_ComboBox || (subControl != SC_ComboBoxArrow && subControl != SC_ComboBoxEditField))
        return rect;
    const QRect arrow = QProxyStyle::subControlRect(control, option, SC_ComboBoxArrow, widget);
    const int spare = arrow.width() - kArrowWidth;
    if (spare <= 0)
        return rect;
    // The arrow keeps its outer edge; the value field grows into what it gives up.
    const bool rightToLeft = option->direction == Qt::RightToLeft;
    if (subControl == SC_ComboBoxArrow)
        rightToLeft ? rect.setRight(rect.right() - spare) : rect.setLeft(rect.left() + spare);
    else
        rightToLeft ? rect.setLeft(rect.left() - spare) : rect.setRight(rect.right() + spare);
    return rect;
}

void FormStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                             bool enabled, const QString &text, QPalette::ColorRole textRole) const
{
    const QFontMetrics metrics(painter->font());
    QRect line = rect;
    if ((flags & Qt::AlignVCenter) && metrics.height() > rect.height() && !text.contains(QLatin1Char('\n'))) {
        const QRect ink = metrics.tightBoundingRect(text);
        const int baseline = rect.top() + (rect.height() - ink.height()) / 2 - ink.top();
        line = QRect(rect.left(), baseline - metrics.ascent(), rect.width(), metrics.height());
        flags = (flags & ~Qt::AlignVCenter) | Qt::AlignTop;
    }
    QProxyStyle::drawItemText(painter, line, flags, palette, enabled, text, textRole);
}
