#include "appsetup.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    prepareApplication();
    QApplication app(argc, argv);
    setUpApplication();
    MainWindow window;
    window.show();
    return app.exec();
}
