// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "mainwindow.h"

#include "agecalculator.h"
#include "announcer.h"
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

#include <array>

namespace {

// The three results as the form sets them out: caption, age field, unit.
struct Result
{
    QLabel *caption;
    QLineEdit *age;
    QLabel *unit;
};

std::array<Result, 3> results(const Ui_MainWindow *ui)
{
    return {{{ui->label_7, ui->lineEdit_3, ui->label_8},
             {ui->label_9, ui->lineEdit_4, ui->label_10},
             {ui->label_11, ui->lineEdit_5, ui->label_12}}};
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_MainWindow)
    , calculator(new AgeCalculator)
{
    ui->setupUi(this);
    announcer = new Announcer(this);
    fitFontToForm(this);
    for (QLineEdit *field : findChildren<QLineEdit *>())
        fitTextToField(field);
    // The menu bar's height depends on the desktop's font; the rest of the
    // window is fixed. Taken at the window's width, as its layout takes it:
    // some styles (Windows) make it a pixel taller there than its size hint.
    ui->menuBar->adjustSize();
    const int bar = ui->menuBar->heightForWidth(300);
    fixWindowSize(this, QSize(300, qMax(bar, ui->menuBar->height()) + 343));
    // Ctrl+E quits from the text fields too, as on the desktop the window
    // was made for.
    new ShortcutKeeper(ui->action_X, this);
    new CommitGuard(ui->lineEdit);
    new CommitGuard(ui->lineEdit_2);
    // A screen reader says each age with its unit, as the form shows it.
    for (const Result &r : results(ui))
        r.age->setAccessibleDescription(r.unit->text());
    checkDates();
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
    // Each date alone first (no date is before itself); the entry last, as
    // the calculator keeps what it validated last.
    const bool referenceValid = calculator->validateDates(strings, strings);
    const bool birthValid = calculator->validateDates(strings + 4, strings + 4);
    const bool accepted = calculator->validateDates(strings, strings + 4);

    ui->pushButton->setEnabled(accepted);
    // Why 実行 is disabled, for a screen reader, in the input rules' words.
    const QString reference = ui->groupBox_2->title(), birth = ui->groupBox_3->title();
    ui->pushButton->setAccessibleDescription(
        accepted                          ? QString()
        : referenceValid && birthValid    ? tr("「%1」の入力は、「%2」以降の日付でのみ有効とする。").arg(reference, birth)
        : !referenceValid && !birthValid  ? tr("「%1」および「%2」の設定に誤りがあります。").arg(reference, birth)
                                          : tr("「%1」の設定に誤りがあります。").arg(referenceValid ? birth : reference));
    for (const Result &r : results(ui))
        r.age->clear();
}

void MainWindow::on_pushButton_clicked()
{
    char result[15];
    if (!calculator->calcAges(result)) {
        // Not reachable through the enabled button; never show stale bytes.
        for (const Result &r : results(ui))
            r.age->clear();
        return;
    }
    // The calculator writes the ages 5 bytes apart. They appear in fields
    // without focus: a screen reader is told them with their captions and
    // unit, "法律上：34歳、…".
    QStringList told;
    const char *age = result;
    for (const Result &r : results(ui)) {
        r.age->setText(cp932text::toUnicode(age));
        told << r.caption->text() + r.age->text() + r.unit->text();
        age += 5;
    }
    announcer->announce(told.join(QStringLiteral("、")));
}
