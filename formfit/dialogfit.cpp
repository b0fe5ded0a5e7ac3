#include "dialogfit.h"

#include "fixedsize.h"
#include "printedpage.h"
#include "uifont.h"

#include <QDialog>

void fitDialogToDesktop(QDialog *dialog, QWidget *page)
{
    fitFontToForm(dialog);
    fixWindowSize(dialog, dialog->size());
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    keepPrintedPage(page);
}
