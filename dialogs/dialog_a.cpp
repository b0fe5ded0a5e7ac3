#include "dialog_a.h"

#include "printedpage.h"
#include "ui_dialog_a.h"

Dialog_A::Dialog_A(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_Dialog_A)
{
    ui->setupUi(this);
    setFixedSize(width(), height());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    keepPrintedPage(ui->frame);
}

Dialog_A::~Dialog_A()
{
    delete ui;
}
