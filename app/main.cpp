#include "mainwindow.h"
#include "uifont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(YOROZUMI_APP_ID));
    useJapaneseUiFont();
    MainWindow window;
    window.show();
    return app.exec();
}
