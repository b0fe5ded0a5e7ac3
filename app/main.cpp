#include "appsetup.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    setHighDpiPolicyBeforeApplication();
    QApplication app(argc, argv);
    fitApplicationToDesktop();
    MainWindow window;
    window.show();
    return app.exec();
}
