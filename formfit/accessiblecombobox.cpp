#include "accessiblecombobox.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {
QComboBox *comboBox(QWidget *widget)
{
    return static_cast<QComboBox *>(widget);
}
} // namespace

AccessibleComboBox::AccessibleComboBox(QWidget *comboBox)
    : QAccessibleWidget(comboBox, QAccessible::ComboBox)
{
}

QAccessibleInterface *AccessibleComboBox::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox") && qobject_cast<QComboBox *>(object))
        return new AccessibleComboBox(static_cast<QWidget *>(object));
    return nullptr;
}

QString AccessibleComboBox::text(QAccessible::Text t) const
{
    QComboBox *box = comboBox(widget());
    if (t == QAccessible::Name && !box->accessibleName().isEmpty())
        return box->accessibleName();
    if (t == QAccessible::Name || t == QAccessible::Value)
        return box->currentText();
    return QAccessibleWidget::text(t);
}

// The drop-down list, as Qt's own interface offers it.
int AccessibleComboBox::childCount() const
{
    return 1;
}

QAccessibleInterface *AccessibleComboBox::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(comboBox(widget())->view()) : nullptr;
}

int AccessibleComboBox::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == comboBox(widget())->view() ? 0 : -1;
}

QStringList AccessibleComboBox::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleComboBox::doAction(const QString &actionName)
{
    QComboBox *box = comboBox(widget());
    if (actionName == showMenuAction() || actionName == pressAction()) {
        if (box->view()->isVisible())
            box->hidePopup();
        else
            box->showPopup();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
