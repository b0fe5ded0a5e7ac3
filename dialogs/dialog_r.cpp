// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "dialog_r.h"

#include "dialogfit.h"
#include "ui_dialog_r.h"

Dialog_R::Dialog_R(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_Dialog_R)
{
    ui->setupUi(this);
    fitDialogToDesktop(this, ui->textBrowser);
}

Dialog_R::~Dialog_R()
{
    delete ui;
}
