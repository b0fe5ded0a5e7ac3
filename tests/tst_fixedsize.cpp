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
        if (state == Qt::WindowFullScreen && !bareWindowError().isEmpty())
            QSKIP(qPrintable("Qt " + QString(qVersion()) + "'s Wayland plugin: a bare resizable QMainWindow is ended "
                             "on leaving full screen too: " + bareWindowError()));
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

private:
    // What the compositor said when it ended a bare resizable window that
    // went full screen and back twenty times, in a process of its own; empty
    // if it lived.
    static QString bareWindowError()
    {
        static const QString error = [] {
            QProcess bare;
            bare.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--bare-full-screen")});
            bare.waitForFinished(120000);
            const QString out = QString::fromLocal8Bit(bare.readAllStandardError());
            if (bare.exitStatus() == QProcess::NormalExit && bare.exitCode() == 0)
                return QString();
            const int at = out.indexOf(QLatin1String("error 4: "));
            return at < 0 ? out.trimmed() : out.mid(at + 9).section('\n', 0, 0);
        }();
        return error;
    }
};

// A label that draws itself again and again, as a busy window does: a
// frame is always on its way when the compositor's answer arrives.
struct BusyLabel : QLabel
{
    using QLabel::QLabel;
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        update();
    }
};

// A bare window, sized by Qt, full screen and back as the rows do it.
static int bareFullScreen(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setCentralWidget(new BusyLabel(QStringLiteral("ヨロズミ")));
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 2;
    for (int round = 0; round < 20; ++round) {
        for (auto state : {Qt::WindowFullScreen, Qt::WindowNoState}) {
            w.windowHandle()->setWindowStates(state);
            if (!QTest::qWaitFor([&] { return w.windowState() == state; }))
                return 3;
        }
    }
    QWidget probe; // drawn only if the compositor took every frame before it
    probe.show();
    return QTest::qWaitForWindowExposed(&probe) ? 0 : 4;
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--bare-full-screen") == 0)
        return bareFullScreen(1, argv);
    return runTests<TestFixedSize>(argc, argv);
}
#include "tst_fixedsize.moc"
