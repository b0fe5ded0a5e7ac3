#include "dialog_c.h"

#include "ui_dialog_c.h"

Dialog_C::Dialog_C(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_Dialog_C)
{
    ui->setupUi(this);
    setFixedSize(width(), height());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

Dialog_C::~Dialog_C()
{
    delete ui;
}
