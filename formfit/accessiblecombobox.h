#ifndef ACCESSIBLECOMBOBOX_H
#define ACCESSIBLECOMBOBOX_H

#include <QAccessibleWidget>

// Qt's own interface for a combo box on Linux reports the current item as
// its name, so a screen reader hears "西暦" or "12" and never what the box
// is for. This one reports the box's accessible name, where the form gives
// one, and the current item as its value.
class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QWidget *comboBox);

    // For QAccessible::installFactory; install it before any combo box is
    // asked for its interface.
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
};

#endif // ACCESSIBLECOMBOBOX_H
