// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef PRINTEDPAGE_H
#define PRINTEDPAGE_H

class QWidget;

// The dialogs' texts carry fixed colours (#55557f, #cc0000, the link's
// #0000ff) chosen for paper: `page` is drawn as printed paper, dark text on
// white, whatever the desktop's palette, so that they read on a dark one
// too.
void keepPrintedPage(QWidget *page);

#endif // PRINTEDPAGE_H
