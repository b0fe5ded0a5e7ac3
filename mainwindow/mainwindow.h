// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

class AgeCalculator;
class Announcer;
class Ui_MainWindow;

// The one window: two dates in, three ages out.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_action_C_triggered();
    void on_action_R_triggered();
    void on_action_A_triggered();
    void checkDates();
    void on_pushButton_clicked();

private:
    template<typename Dialog>
    void runDialog();

    Ui_MainWindow *ui;
    AgeCalculator *calculator;
    Announcer *announcer;
};

#endif // MAINWINDOW_H
