// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef DIALOG_R_H
#define DIALOG_R_H

#include <QDialog>

class Ui_Dialog_R;

// The rules the two dates must meet.
class Dialog_R : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog_R(QWidget *parent = nullptr);
    ~Dialog_R() override;

private:
    Ui_Dialog_R *ui;
};

#endif // DIALOG_R_H
