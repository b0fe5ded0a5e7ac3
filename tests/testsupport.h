// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include "appsetup.h"
#include "dialog_a.h"
#include "dialog_c.h"
#include "dialog_r.h"
#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

#if QT_VERSION < QT_VERSION_CHECK(6, 4, 0) // Qt 6.4's, printing both sides
#define QCOMPARE_LE(a, b) QVERIFY2((a) <= (b), qPrintable(QStringLiteral(#a " = %1, " #b " = %2").arg(a).arg(b)))
#endif

// The application is set up by the very functions main() calls.
#define YOROZUMI_TEST_MAIN(TestClass) \
    int main(int argc, char *argv[]) \
    { \
        setPlatformPolicyBeforeApplication(); \
        QApplication app(argc, argv); \
        fitApplicationToDesktop(); \
        TestClass test; \
        return QTest::qExec(&test, argc, argv); \
    }

// The child of `parent` named `name`. A missing one fails the test with its
// name, and an empty stand-in is returned so that the test ends without a
// crash.
template<typename T>
T *child(const QObject *parent, const QString &name)
{
    if (T *found = parent->findChild<T *>(name))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("%1 has no %2 named %3")
                                .arg(parent->objectName(), T::staticMetaObject.className(), name)),
                 __FILE__, __LINE__);
    return new T; // lives as long as the test program
}

// Inputs 0-7: era, year, month and day of 算出基準日, then of 生年月日.
struct Window : MainWindow
{
    QWidget *input(int i) const
    {
        static const char *const names[] = {"comboBox",   "lineEdit",   "comboBox_2", "comboBox_3",
                                            "comboBox_4", "lineEdit_2", "comboBox_5", "comboBox_6"};
        return child<QWidget>(this, names[i]);
    }
    QLineEdit *result(int i) const { return child<QLineEdit>(this, QStringLiteral("lineEdit_%1").arg(i + 3)); }
    QPushButton *button() const { return child<QPushButton>(this, "pushButton"); }
    QByteArray valueProperty(int i) const { return i % 4 == 1 ? "text" : "currentText"; }
    void set(int i, const QString &text) const { input(i)->setProperty(valueProperty(i), text); }
    void enter(const QString &entry) const // "令和|元|5|1|昭和|64|1|7"
    {
        const QStringList parts = entry.split('|');
        for (int i = 0; i < 8; ++i)
            set(i, parts[i]);
    }
    QStringList texts() const
    {
        QStringList out;
        for (int i = 0; i < 8; ++i)
            out << input(i)->property(valueProperty(i)).toString();
        return out;
    }
    QString results() const { return result(0)->text() + ' ' + result(1)->text() + ' ' + result(2)->text(); }
};

// A new window or dialog of the named class.
inline std::unique_ptr<QWidget> makeForm(const QByteArray &name, QWidget *parent = nullptr)
{
    if (name == "Dialog_C")
        return std::make_unique<Dialog_C>(parent);
    if (name == "Dialog_R")
        return std::make_unique<Dialog_R>(parent);
    if (name == "Dialog_A")
        return std::make_unique<Dialog_A>(parent);
    return std::make_unique<Window>();
}

inline bool showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

// Runs `action` on the modal widget exec() shows, then closes it if the
// action did not (a failed check returns early), so that exec() returns.
// Looks for it every 5 ms, `attempts` times.
inline void onNextModal(std::function<void(QWidget *)> action, int attempts = 1000)
{
    QTimer::singleShot(5, [action, attempts] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            action(modal);
            if (modal && modal->isVisible())
                modal->close();
        } else if (attempts > 0) {
            onNextModal(action, attempts - 1);
        }
    });
}

#endif // TESTSUPPORT_H
