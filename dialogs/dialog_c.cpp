// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "dialog_c.h"

#include "dialogfit.h"
#include "ui_dialog_c.h"

Dialog_C::Dialog_C(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_Dialog_C)
{
    ui->setupUi(this);
    fitDialogToDesktop(this, ui->textBrowser);
}

Dialog_C::~Dialog_C()
{
    delete ui;
}
