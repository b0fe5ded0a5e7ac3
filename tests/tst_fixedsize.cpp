// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "testsupport.h"

// Under weston, a fixed window maximized or full screen takes the compositor's
// size without being ended, keeps its form, and is fixed again once restored.
class TestFixedSize : public QObject
{
    Q_OBJECT
    std::unique_ptr<Window> main; // the dialogs' parent

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
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 15) && QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        if (state == Qt::WindowFullScreen)
            QSKIP("Qt 5.15.15's Wayland plugin draws the window's old frame before it acknowledges a restore from "
                  "full screen, and weston ends even a bare QMainWindow for it");
#endif
        const auto w = makeForm(window, main.get()); // a dialog opens modal over the window
        auto *dialog = qobject_cast<QDialog *>(w.get());
        dialog ? dialog->open() : w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QSize fixed = w->size();
        QWidget *form = dialog ? w.get() : static_cast<QMainWindow *>(w.get())->centralWidget();
        auto geometries = [form] {
            QList<QRect> all;
            for (QWidget *child : form->findChildren<QWidget *>())
                all << child->geometry();
            return all;
        };
        const QList<QRect> designed = geometries();
        for (int round = 0; round < 2; ++round) {
            w->windowHandle()->setWindowStates(Qt::WindowStates(state)); // as Qt's title bar does
            QTRY_VERIFY(w->windowState() & Qt::WindowStates(state));
            QTRY_VERIFY(w->width() > fixed.width());
            QVERIFY(w->height() > fixed.height());
            QCOMPARE(geometries(), designed);
            w->windowHandle()->setWindowStates(Qt::WindowNoState);
            QTRY_COMPARE(w->windowState(), Qt::WindowNoState);
            QTRY_COMPARE(w->size(), fixed);
            QCOMPARE(w->minimumSize(), fixed);
            QCOMPARE(w->maximumSize(), fixed);
        }
        // A bad frame ends the client later: a new window drawn shows there was none.
        QWidget probe;
        probe.show();
        QVERIFY(QTest::qWaitForWindowExposed(&probe));
    }
};

YOROZUMI_TEST_MAIN(TestFixedSize)
#include "tst_fixedsize.moc"
