// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef COMMITGUARD_H
#define COMMITGUARD_H

#include <QObject>

class QLineEdit;

// Typed directly, a key past a line edit's maximum length is refused while
// the user watches. An input method's commit arrives whole after the user
// saw it in the preedit, and QLineEdit would keep only what fits: a slip of
// the finger (２０２４５) would become another, valid year. The guard
// refuses such a commit whole, so that the field keeps what it had.
class CommitGuard : public QObject
{
public:
    explicit CommitGuard(QLineEdit *edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // COMMITGUARD_H
