#ifndef FORMSTYLE_H
#define FORMSTYLE_H

#include <QProxyStyle>

// The desktop's own style, with one change for the fixed-pixel forms: a
// combo box's drop-down arrow is at most 12 pixels wide, and its value
// field gets the room back, so that "31" shows in full in a 36-pixel combo.
class FormStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit FormStyle(const QString &baseKey);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget) const override;
};

#endif // FORMSTYLE_H
