#include "dialog_r.h"

#include "ui_dialog_r.h"

Dialog_R::Dialog_R(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_Dialog_R)
{
    ui->setupUi(this);
    setFixedSize(width(), height());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

Dialog_R::~Dialog_R()
{
    delete ui;
}
