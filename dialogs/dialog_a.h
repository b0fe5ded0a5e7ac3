// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef DIALOG_A_H
#define DIALOG_A_H

#include <QDialog>

class Ui_Dialog_A;

// About box: image, name, version and the distributor's link.
class Dialog_A : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog_A(QWidget *parent = nullptr);
    ~Dialog_A() override;

private:
    Ui_Dialog_A *ui;
};

#endif // DIALOG_A_H
