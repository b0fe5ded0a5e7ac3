#include "dialog_r.h"

#include "fixedsize.h"
#include "printedpage.h"
#include "uifont.h"
#include "ui_dialog_r.h"

Dialog_R::Dialog_R(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
    , ui(new Ui_Dialog_R)
{
    ui->setupUi(this);
    fitFontToForm(this);
    fixWindowSize(this, size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    keepPrintedPage(ui->textBrowser);
}

Dialog_R::~Dialog_R()
{
    delete ui;
}
