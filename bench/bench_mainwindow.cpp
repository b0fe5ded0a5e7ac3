// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

// Cost of one input change in the main window: checkDates (eight
// conversions, validation, the button, three clears), called directly and as
// a keystroke in a year field.

#include "mainwindow.h"
#include "appsetup.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

MainWindow *g_window = nullptr;

void prepare(const QString &refYear)
{
    g_window->findChild<QComboBox *>("comboBox")->setCurrentText(QStringLiteral("令和"));
    g_window->findChild<QLineEdit *>("lineEdit")->setText(refYear);
    g_window->findChild<QComboBox *>("comboBox_4")->setCurrentText(QStringLiteral("昭和"));
    g_window->findChild<QLineEdit *>("lineEdit_2")->setText(QStringLiteral("５５"));
}

void BM_checkDates(benchmark::State &state)
{
    prepare(QStringLiteral("６"));
    for (auto _ : state)
        QMetaObject::invokeMethod(g_window, "checkDates", Qt::DirectConnection);
    if (!g_window->findChild<QPushButton *>("pushButton")->isEnabled())
        state.SkipWithError("the entry was not accepted");
}
BENCHMARK(BM_checkDates);

// Typing and erasing the last digit of the year: each step is one text
// change, one checkDates.
void BM_keystroke(benchmark::State &state)
{
    prepare(QStringLiteral("６"));
    QLineEdit *year = g_window->findChild<QLineEdit *>("lineEdit");
    const QString texts[2] = {QStringLiteral("６"), QStringLiteral("６1")};
    int i = 0;
    for (auto _ : state)
        year->setText(texts[++i & 1]);
}
BENCHMARK(BM_keystroke);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    setPlatformPolicyBeforeApplication();
    QApplication app(argc, argv);
    fitApplicationToDesktop();
    MainWindow window;
    window.show();
    g_window = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
