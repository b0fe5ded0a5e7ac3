#include "testsupport.h"


// Run under a real compositor: on Wayland the fixed-size windows may be
// maximized or put full screen (Qt's own title bar asks for it), take the
// size the compositor configures without the program being ended, keep
// the form as designed, and are fixed again once restored.
class TestFixedSize : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        main = std::make_unique<Window>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }

    void compositorSized_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<int>("state");
        for (const char *window : {"MainWindow", "Dialog_C", "Dialog_R", "Dialog_A"}) {
            QTest::addRow("%s maximized", window) << QByteArray(window) << int(Qt::WindowMaximized);
            QTest::addRow("%s full screen", window) << QByteArray(window) << int(Qt::WindowFullScreen);
        }
    }

    void compositorSized()
    {
        QFETCH(QByteArray, window);
        QFETCH(int, state);
        const bool isDialog = window != "MainWindow";
        const auto dialog = isDialog ? makeForm(window, main.get()) : nullptr;
        QWidget *w = isDialog ? dialog.get() : main.get();
        if (isDialog) {
            static_cast<QDialog *>(w)->open(); // modal over the window, as the Help menu opens it
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        const QSize fixed = w->size();
        QWidget *form = isDialog ? w : main->centralWidget();
        QList<QRect> designed;
        for (QWidget *child : form->findChildren<QWidget *>())
            designed << child->geometry();

        for (int round = 0; round < 2; ++round) {
            // What the maximize button of Qt's title bar does.
            w->windowHandle()->setWindowStates(Qt::WindowStates(state));
            QTRY_VERIFY(w->windowState() & Qt::WindowStates(state));
            QTRY_VERIFY(w->width() > fixed.width());
            QVERIFY(w->height() > fixed.height());
            QList<QRect> now;
            for (QWidget *child : form->findChildren<QWidget *>())
                now << child->geometry();
            QCOMPARE(now, designed);

            w->windowHandle()->setWindowStates(Qt::WindowNoState);
            QTRY_COMPARE(w->windowState(), Qt::WindowNoState);
            QTRY_COMPARE(w->size(), fixed);
            QCOMPARE(w->minimumSize(), fixed);
            QCOMPARE(w->maximumSize(), fixed);
        }
    }

    // The compositor ends a client for a bad frame after the fact: one more
    // window that gets configured and drawn shows that the last frames of the
    // windows above were accepted.
    void cleanupTestCase()
    {
        QWidget probe;
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
        QTRY_VERIFY(probe.windowHandle()->isExposed());
        main.reset();
    }

private:
    std::unique_ptr<Window> main;
};

YOROZUMI_TEST_MAIN(TestFixedSize)
#include "tst_fixedsize.moc"
