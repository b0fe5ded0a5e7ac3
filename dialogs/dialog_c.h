// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef DIALOG_C_H
#define DIALOG_C_H

#include <QDialog>

class Ui_Dialog_C;

// How ages are counted in Japan, with the statutes behind the legal age.
class Dialog_C : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog_C(QWidget *parent = nullptr);
    ~Dialog_C() override;

private:
    Ui_Dialog_C *ui;
};

#endif // DIALOG_C_H
