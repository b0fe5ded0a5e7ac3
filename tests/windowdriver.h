#ifndef WINDOWDRIVER_H
#define WINDOWDRIVER_H

// Drives a MainWindow through its widgets, found by object name as a user's
// tools would find them.

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QtTest>

class WindowDriver
{
public:
    explicit WindowDriver(QMainWindow *window)
        : w(window)
    {
    }

    template<typename T>
    T *get(const char *name) const
    {
        T *child = w->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("no child named %s", name);
        return child;
    }

    QComboBox *combo(const char *name) const { return get<QComboBox>(name); }
    QLineEdit *edit(const char *name) const { return get<QLineEdit>(name); }
    QPushButton *button() const { return get<QPushButton>("pushButton"); }

    // group 0: 算出基準日, 1: 生年月日. The texts are those of the lists.
    void setDate(int group, const QString &era, const QString &year, int month, int day) const
    {
        static const char *const eras[] = {"comboBox", "comboBox_4"};
        static const char *const years[] = {"lineEdit", "lineEdit_2"};
        static const char *const months[] = {"comboBox_2", "comboBox_5"};
        static const char *const days[] = {"comboBox_3", "comboBox_6"};
        combo(eras[group])->setCurrentText(era);
        edit(years[group])->setText(year);
        combo(months[group])->setCurrentText(QString::number(month));
        combo(days[group])->setCurrentText(QString::number(day));
    }

    void setIso(int group, const QByteArray &iso) const
    {
        const QList<QByteArray> p = iso.split('-');
        setDate(group, QStringLiteral("西暦"), QString::number(p[0].toInt()), p[1].toInt(),
                p[2].toInt());
    }

    // The eight inputs as text, and the three results.
    QStringList inputs() const
    {
        return {combo("comboBox")->currentText(),   edit("lineEdit")->text(),
                combo("comboBox_2")->currentText(), combo("comboBox_3")->currentText(),
                combo("comboBox_4")->currentText(), edit("lineEdit_2")->text(),
                combo("comboBox_5")->currentText(), combo("comboBox_6")->currentText()};
    }

    QStringList results() const
    {
        return {edit("lineEdit_3")->text(), edit("lineEdit_4")->text(), edit("lineEdit_5")->text()};
    }

private:
    QMainWindow *w;
};

#endif // WINDOWDRIVER_H
