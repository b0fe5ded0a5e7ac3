#ifndef PRINTEDPAGE_H
#define PRINTEDPAGE_H

class QWidget;

// The dialogs' texts carry fixed colours (#55557f, #cc0000, the link's
// #0000ff) chosen for a light page. On a dark palette they would all but
// vanish, so there `page` becomes a light page with dark text, as printed
// paper is; on a light palette it stays as the desktop draws it.
void keepPrintedPage(QWidget *page);

#endif // PRINTEDPAGE_H
