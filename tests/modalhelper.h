#ifndef MODALHELPER_H
#define MODALHELPER_H

#include <QApplication>
#include <QTimer>
#include <QWidget>

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

#endif // MODALHELPER_H
