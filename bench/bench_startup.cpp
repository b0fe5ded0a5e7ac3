// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

// Start-up to first expose, for the real main window or for a bare window
// from the same Qt:
//   bench_startup app|bare
// BENCH_LAUNCH_US (microseconds since the epoch, taken by the caller just
// before starting this process) is the time origin. Prints one line
// "expose_us=N maxrss_kb=N" when the window is first exposed, then quits.

#include "mainwindow.h"
#include "appsetup.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

class ExposeProbe : public QObject
{
public:
    explicit ExposeProbe(long long launchUs)
        : launch(launchUs)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !done) {
            done = true;
            const long long now = std::chrono::duration_cast<std::chrono::microseconds>(
                                      std::chrono::system_clock::now().time_since_epoch())
                                      .count();
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("expose_us=%lld maxrss_kb=%ld\n", now - launch, usage.ru_maxrss);
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long launch;
    bool done = false;
};

} // namespace

int main(int argc, char *argv[])
{
    const char *origin = std::getenv("BENCH_LAUNCH_US");
    if (argc < 2 || origin == nullptr
        || (std::strcmp(argv[1], "app") != 0 && std::strcmp(argv[1], "bare") != 0)) {
        std::fprintf(stderr, "usage: BENCH_LAUNCH_US=<us> bench_startup app|bare\n");
        return 2;
    }
    const bool program = std::strcmp(argv[1], "app") == 0;
    ExposeProbe probe(std::atoll(origin));

    // The program's own start-up path (see app/main.cpp).
    if (program)
        setPlatformPolicyBeforeApplication();
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window;
    if (program) {
        fitApplicationToDesktop();
        window = std::make_unique<MainWindow>();
    } else {
        window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QLabel(QStringLiteral("ヨロズミ")));
    }
    window->winId(); // creates the platform window that receives the expose
    window->windowHandle()->installEventFilter(&probe);
    window->show();
    return app.exec();
}
