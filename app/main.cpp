// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "appsetup.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    setPlatformPolicyBeforeApplication();
    QApplication app(argc, argv);
    fitApplicationToDesktop();
    MainWindow window;
    window.show();
    return app.exec();
}
