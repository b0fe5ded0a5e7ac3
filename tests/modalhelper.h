#ifndef MODALHELPER_H
#define MODALHELPER_H

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

// Runs `action` on the next modal widget once it is shown, from the event
// loop that exec() runs. Gives up (and closes nothing) after about 5 s so a
// test fails instead of hanging.
inline void onNextModal(std::function<void(QWidget *)> action, int attemptsLeft = 1000)
{
    QTimer::singleShot(attemptsLeft == 1000 ? 0 : 5, [action, attemptsLeft] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible())
            action(modal);
        else if (attemptsLeft > 0)
            onNextModal(action, attemptsLeft - 1);
    });
}

// Ends a dialog the way a user does: "button" (閉じる), "escape", or
// anything else for the title bar's close button.
inline void closeModal(QWidget *modal, const QString &how)
{
    if (how == QLatin1String("button"))
        QTest::mouseClick(modal->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(modal, Qt::Key_Escape);
    else
        modal->close();
}

#endif // MODALHELPER_H
