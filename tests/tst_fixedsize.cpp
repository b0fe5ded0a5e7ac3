// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "testsupport.h"

// A fixed window follows its compositor (weston, KWin, mutter: scripts/*-run):
// maximized or full screen, asked for or started by it ($COMPOSITOR_RUN --set),
// it takes the configured size, form as designed; refused or restored, fixed.
class TestFixedSize : public QObject
{
    Q_OBJECT
    std::unique_ptr<Window> main; // the dialogs' parent
    QSize fullScreen;
    QString shots; // what each window draws at each step, to be looked at
    static constexpr const char *kFrameFault = "Qt 6.8 on KWin 6 shows a fixed window smaller than its size by its frame";

    // Asks for `state` as Qt's title bar does, or has the compositor start it.
    static void ask(QWidget *w, Qt::WindowState state, bool compositor)
    {
        if (!compositor)
            return w->windowHandle()->setWindowStates(state);
        const char *name = state == Qt::WindowMaximized ? "maximized" : state ? "fullscreen" : "normal";
        QProcess set; // while the window goes on answering the compositor
        set.start(qEnvironmentVariable("COMPOSITOR_RUN"), {"--set", name, w->windowTitle()});
        QTRY_COMPARE_WITH_TIMEOUT(set.state(), QProcess::NotRunning, 15000);
        QCOMPARE(set.exitCode(), 0);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        main = std::make_unique<Window>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        shots = QStringLiteral(SCREENSHOT_DIR "/%1-%2x/").arg(qEnvironmentVariable("COMPOSITOR"), qEnvironmentVariable("COMPOSITOR_SCALE"));
        QVERIFY(QDir(shots).removeRecursively() && QDir().mkpath(shots));
        QTRY_COMPARE(main->devicePixelRatioF(), qEnvironmentVariable("COMPOSITOR_SCALE").toDouble());
        // A free window takes each state the compositor sets: a refusal below is its own.
        const bool own = qEnvironmentVariableIsSet("COMPOSITOR_RUN");
        QWidget free;
        free.setWindowTitle("free");
        free.show();
        QVERIFY(QTest::qWaitForWindowExposed(&free));
        for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            ask(&free, state, own);
            QTRY_VERIFY(free.windowState() & state);
        }
        QTRY_VERIFY(free.width() > 700); // from 640x480
        fullScreen = free.size();
    }

    void compositorSized_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("compositor");
        for (const char *window : {"MainWindow", "Dialog_C", "Dialog_R", "Dialog_A"}) {
            for (bool compositor : {false, true}) {
                const char *by = compositor ? " by the compositor" : "";
                QTest::addRow("%s maximized%s", window, by) << QByteArray(window) << int(Qt::WindowMaximized) << compositor;
                QTest::addRow("%s full screen%s", window, by) << QByteArray(window) << int(Qt::WindowFullScreen) << compositor;
            }
        }
    }

    void compositorSized()
    {
        QFETCH(QByteArray, window);
        QFETCH(int, state);
        QFETCH(bool, compositor);
        const QString on = qEnvironmentVariable("COMPOSITOR");
        const bool kwin = on == "kwin";
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) // its first row expects the fault below; the others hung at times
        if (kwin && QByteArray(QTest::currentDataTag()) != "MainWindow maximized")
            QSKIP(kFrameFault);
#endif
        if (!compositor && state == Qt::WindowFullScreen && on == "mutter") // no user can ask it there
            QSKIP("mutter configures a full screen asked for at once, before it has the freed size, at 1274x767");
        if (compositor && !qEnvironmentVariableIsSet("COMPOSITOR_RUN"))
            QSKIP("a headless weston has no way of its own to set a window's state");
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 15) && QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        if (state == Qt::WindowFullScreen && on == "weston")
            QSKIP("Qt 5.15.15 draws an old frame before it acknowledges a restore: weston ends any client for it");
#endif
        const auto w = makeForm(window, main.get()); // a dialog opens modal over the window
        w->setWindowTitle(w->windowTitle() + " (tested)"); // the one the compositor is to find
        auto *dialog = qobject_cast<QDialog *>(w.get());
        dialog ? dialog->open() : w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QSize fixed = w->minimumSize();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (kwin) // a bare fixed QMainWindow too: 294x327 for 300x360
            QEXPECT_FAIL("", kFrameFault, Abort);
#endif
        QTRY_COMPARE(w->size(), fixed);
        QWidget *form = dialog ? w.get() : static_cast<QMainWindow *>(w.get())->centralWidget();
        auto geometries = [form] {
            QList<QRect> all;
            for (QWidget *child : form->findChildren<QWidget *>())
                if (child->isVisibleTo(form)) // what Qt lays out of sight may move when drawn
                    all << child->geometry();
            return all;
        };
        const QList<QRect> designed = geometries();
        int step = 0;
        auto shot = [&] { w->grab().save(shots + QTest::currentDataTag() + QStringLiteral(" %1.png").arg(++step)); };
        for (int round = 0; round < 2; ++round) {
            ask(w.get(), Qt::WindowState(state), compositor);
            // Refused a fixed window: by KWin every maximize, by mutter its own states.
            if (state == Qt::WindowMaximized ? kwin || compositor : compositor && on == "mutter") { // the compositor's answer: still normal, fixed again
                QTRY_COMPARE(w->windowHandle()->windowStates(), Qt::WindowStates(Qt::WindowNoState));
                QTRY_COMPARE(w->maximumSize(), fixed);
                QCOMPARE(w->size(), fixed);
                continue;
            }
            QTRY_VERIFY(w->windowState() & Qt::WindowStates(state));
            if (state == Qt::WindowFullScreen) // fills its screen, as a bare window does
                QTRY_COMPARE(w->size(), fullScreen);
            QTRY_VERIFY(w->width() > fixed.width());
            QVERIFY(w->height() > fixed.height());
            QCOMPARE(geometries(), designed);
            shot();
            ask(w.get(), Qt::WindowNoState, compositor);
            QTRY_COMPARE(w->windowState(), Qt::WindowNoState);
            QTRY_COMPARE(w->size(), fixed);
            QCOMPARE(w->minimumSize(), fixed);
            QCOMPARE(w->maximumSize(), fixed);
            shot();
        }
        // A bad frame ends the client later: a new window drawn shows there was none.
        QWidget probe;
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
    }
};

YOROZUMI_TEST_MAIN(TestFixedSize)
#include "tst_fixedsize.moc"
