// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "dialogfit.h"

#include "fixedsize.h"
#include "printedpage.h"
#include "uifont.h"

#include <QDialog>
#include <QLabel>
#include <QTextBrowser>
#include <QTextDocumentFragment>

// Orca reads a dialog's description as it opens, then the focused control;
// the loose labels of a Japanese dialog it skips. So the description is the
// page's text. A help page takes the focus, a name and a caret, so that the
// arrow keys read it again line by line; a link speaks for itself.
static void tellScreenReader(QDialog *dialog, QWidget *page)
{
    QStringList lines;
    if (auto *browser = qobject_cast<QTextBrowser *>(page)) {
        lines << browser->toPlainText();
        browser->setAccessibleName(dialog->windowTitle());
        browser->setTextInteractionFlags(browser->textInteractionFlags() | Qt::TextSelectableByKeyboard);
        browser->setFocus();
    }
    for (QLabel *label : page->findChildren<QLabel *>())
        if (!label->text().isEmpty() && !label->openExternalLinks())
            lines << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    dialog->setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

void fitDialogToDesktop(QDialog *dialog, QWidget *page)
{
    fitFontToForm(dialog);
    fixWindowSize(dialog, dialog->size());
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    keepPrintedPage(page);
    tellScreenReader(dialog, page);
}
