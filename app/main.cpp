#include "mainwindow.h"
#include "uifont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    useJapaneseUiFont();
    MainWindow window;
    window.show();
    return app.exec();
}
