// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "dialog_a.h"

#include "dialogfit.h"
#include "ui_dialog_a.h"

Dialog_A::Dialog_A(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_Dialog_A)
{
    ui->setupUi(this);
    // Through an icon, which takes app32@2x.png on a dense screen, where a
    // pixmap from the form would be the 32-pixel image scaled up.
    ui->label->setPixmap(QIcon(QStringLiteral(":/resource_images/images/app32.png")).pixmap(32, 32));
    fitDialogToDesktop(this, ui->frame);
}

Dialog_A::~Dialog_A()
{
    delete ui;
}
