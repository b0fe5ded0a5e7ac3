#include "dialog_c.h"

#include "fixedsize.h"
#include "printedpage.h"
#include "uifont.h"
#include "ui_dialog_c.h"

Dialog_C::Dialog_C(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_Dialog_C)
{
    ui->setupUi(this);
    fitFontToForm(this);
    fixWindowSize(this, size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    keepPrintedPage(ui->textBrowser);
}

Dialog_C::~Dialog_C()
{
    delete ui;
}
