#include "mainwindow.h"

#include "agecalculator.h"
#include "commitguard.h"
#include "cp932text.h"
#include "dialog_a.h"
#include "dialog_c.h"
#include "dialog_r.h"
#include "fixedsize.h"
#include "shortcutkeeper.h"
#include "uifont.h"
#include "ui_mainwindow.h"

#include <QPointer>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
    , calculator(new AgeCalculator)
{
    ui->setupUi(this);
    fitFontToForm(this);
    // The menu bar's height depends on the desktop's font; the rest of the
    // window is fixed.
    ui->menuBar->adjustSize();
    fixWindowSize(this, QSize(300, ui->menuBar->height() + 343));
    // Ctrl+E quits from the text fields too, as on the desktop the window
    // was made for.
    new ShortcutKeeper(ui->action_X, this);
    new CommitGuard(ui->lineEdit);
    new CommitGuard(ui->lineEdit_2);
}

MainWindow::~MainWindow()
{
    delete calculator;
    delete ui;
}

// Every opening builds a fresh modal dialog and deletes it as soon as it
// ends; the QPointer covers the dialog going with its parent meanwhile.
template<typename Dialog>
void MainWindow::runDialog()
{
    QPointer<Dialog> dialog = new Dialog(this);
    dialog->exec();
    delete dialog.data();
}

void MainWindow::on_action_C_triggered()
{
    runDialog<Dialog_C>();
}

void MainWindow::on_action_R_triggered()
{
    runDialog<Dialog_R>();
}

void MainWindow::on_action_A_triggered()
{
    runDialog<Dialog_A>();
}

void MainWindow::checkDates()
{
    const QString texts[8] = {
        ui->comboBox->currentText(),   ui->lineEdit->text(),
        ui->comboBox_2->currentText(), ui->comboBox_3->currentText(),
        ui->comboBox_4->currentText(), ui->lineEdit_2->text(),
        ui->comboBox_5->currentText(), ui->comboBox_6->currentText(),
    };
    QByteArray bytes[8];
    const char *strings[8];
    for (int i = 0; i < 8; ++i) {
        bytes[i] = cp932text::fromUnicode(texts[i]);
        strings[i] = bytes[i].constData();
    }
    const bool accepted = calculator->validateDates(strings, strings + 4);

    ui->pushButton->setEnabled(accepted);
    ui->lineEdit_3->clear();
    ui->lineEdit_4->clear();
    ui->lineEdit_5->clear();
}

void MainWindow::on_pushButton_clicked()
{
    char result[15];
    if (!calculator->calcAges(result)) {
        // Not reachable through the enabled button; never show stale bytes.
        ui->lineEdit_3->clear();
        ui->lineEdit_4->clear();
        ui->lineEdit_5->clear();
        return;
    }
    ui->lineEdit_3->setText(cp932text::toUnicode(result));
    ui->lineEdit_4->setText(cp932text::toUnicode(result + 5));
    ui->lineEdit_5->setText(cp932text::toUnicode(result + 10));
}
