// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "commitguard.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

CommitGuard::CommitGuard(QLineEdit *edit)
    : QObject(edit)
{
    edit->installEventFilter(this);
}

bool CommitGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::InputMethod)
        return false;
    auto *im = static_cast<QInputMethodEvent *>(event);
    auto *edit = static_cast<QLineEdit *>(watched);
    if (im->commitString().isEmpty())
        return false;
    // What stays of the text: the selection and the replaced range go.
    const int kept = edit->text().size() - edit->selectedText().size() - im->replacementLength();
    if (kept + im->commitString().size() <= edit->maxLength())
        return false;
    // The preedit ends as the input method says; nothing is inserted.
    QInputMethodEvent refused(im->preeditString(), im->attributes());
    QCoreApplication::sendEvent(edit, &refused);
    return true;
}
