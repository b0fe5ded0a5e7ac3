#include "mainwindow.h"

#include "modalhelper.h"
#include "uifont.h"
#include "windowdriver.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

struct Seen
{
    QByteArray className;
    QWidget *parent = nullptr;
    bool modal = false;
    QSize size, minimum, maximum;
    bool contextHelp = true;
    int scroll = -1;
};

} // namespace

class TestHelpMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuOrder();
    void opens_data();
    void opens();
    void closingKeepsWindowState_data();
    void closingKeepsWindowState();
    void reopenedDialogIsNewAndAtTop_data();
    void reopenedDialogIsNewAndAtTop();
    void manyOpeningsLeaveNothingBehind();

private:
    MainWindow *window = nullptr;
    WindowDriver *driver = nullptr;

    // Opens by `how`, runs `inspect` on the modal dialog, then closes it by
    // `close`; returns after exec() has returned.
    void openAndClose(const QString &how, const QString &close,
                      const std::function<void(QDialog *)> &inspect = {});
};

void TestHelpMenu::initTestCase()
{
    useJapaneseUiFont();
}

void TestHelpMenu::init()
{
    window = new MainWindow;
    driver = new WindowDriver(window);
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    driver->combo("comboBox")->setFocus(); // not a line edit, which keeps Ctrl+A
}

void TestHelpMenu::cleanup()
{
    delete driver;
    delete window;
}

void TestHelpMenu::openAndClose(const QString &how, const QString &close,
                                const std::function<void(QDialog *)> &inspect)
{
    bool ran = false;
    onNextModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (dialog && inspect)
            inspect(dialog);
        ran = true;
        closeModal(modal, close);
    });
    if (how == "toolbar") {
        auto *button = qobject_cast<QToolButton *>(driver->get<QToolBar>("mainToolBar")
                                                       ->widgetForAction(driver->get<QAction>("action_A")));
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (how == "Ctrl+A") {
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
    } else {
        // A menu entry: the action's trigger, as choosing it in the menu does.
        driver->get<QAction>(qPrintable(how))->trigger();
    }
    QVERIFY2(ran, "no modal dialog appeared");
}

void TestHelpMenu::menuOrder()
{
    QStringList texts;
    for (QAction *a : driver->get<QMenu>("menu_H")->actions())
        texts << (a->isSeparator() ? QStringLiteral("---") : a->text());
    QCOMPARE(texts, (QStringList{"日本における年齢の算出方法(&C)", "日付の入力規定(&R)", "---",
                                 "本アプリケーションについて(&A)"}));
}

void TestHelpMenu::opens_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QSize>("size");
    QTest::newRow("calculation methods") << "action_C" << QByteArray("Dialog_C") << QSize(756, 439);
    QTest::newRow("input rules") << "action_R" << QByteArray("Dialog_R") << QSize(564, 259);
    QTest::newRow("about, menu") << "action_A" << QByteArray("Dialog_A") << QSize(260, 175);
    QTest::newRow("about, tool bar") << "toolbar" << QByteArray("Dialog_A") << QSize(260, 175);
    QTest::newRow("about, Ctrl+A") << "Ctrl+A" << QByteArray("Dialog_A") << QSize(260, 175);
}

void TestHelpMenu::opens()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, className);
    QFETCH(QSize, size);

    Seen seen;
    openAndClose(how, "button", [&](QDialog *d) {
        seen.className = d->metaObject()->className();
        seen.parent = d->parentWidget();
        seen.modal = d->isModal();
        seen.size = d->size();
        seen.minimum = d->minimumSize();
        seen.maximum = d->maximumSize();
        seen.contextHelp = d->windowFlags() & Qt::WindowContextHelpButtonHint;
    });
    QCOMPARE(seen.className, className);
    QCOMPARE(seen.parent, window);
    QVERIFY(seen.modal);
    QCOMPARE(seen.size, size);
    QCOMPARE(seen.minimum, size);
    QCOMPARE(seen.maximum, size);
    QVERIFY(!seen.contextHelp);
    // Deleted as soon as exec() returned, not later.
    QVERIFY(window->findChildren<QDialog *>().isEmpty());
}

void TestHelpMenu::closingKeepsWindowState_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("close");
    for (const char *how : {"action_C", "action_R", "action_A"})
        for (const char *close : {"button", "escape", "titlebar"})
            QTest::addRow("%s, %s", how, close) << how << close;
}

void TestHelpMenu::closingKeepsWindowState()
{
    QFETCH(QString, how);
    QFETCH(QString, close);

    driver->setDate(0, QStringLiteral("令和"), QStringLiteral("元"), 5, 1);
    driver->setDate(1, QStringLiteral("昭和"), QStringLiteral("６４"), 1, 7);
    QTest::mouseClick(driver->button(), Qt::LeftButton);
    const QStringList inputs = driver->inputs(), results = driver->results();
    QCOMPARE(results, (QStringList{"30", "31", "30"}));

    openAndClose(how, close);
    QCOMPARE(driver->inputs(), inputs);
    QCOMPARE(driver->results(), results);
    QVERIFY(driver->button()->isEnabled());
    QVERIFY(window->findChildren<QDialog *>().isEmpty());
}

void TestHelpMenu::reopenedDialogIsNewAndAtTop_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("calculation methods") << "action_C";
    QTest::newRow("input rules") << "action_R";
}

void TestHelpMenu::reopenedDialogIsNewAndAtTop()
{
    QFETCH(QString, how);
    QPointer<QDialog> first;
    openAndClose(how, "button", [&](QDialog *d) {
        first = d;
        QScrollBar *bar = d->findChild<QTextBrowser *>("textBrowser")->verticalScrollBar();
        bar->setValue(bar->maximum());
    });
    QVERIFY(first.isNull()); // gone with its slot
    int scroll = -1;
    openAndClose(how, "button", [&](QDialog *d) {
        scroll = d->findChild<QTextBrowser *>("textBrowser")->verticalScrollBar()->value();
    });
    QCOMPARE(scroll, 0);
}

void TestHelpMenu::manyOpeningsLeaveNothingBehind()
{
    const int before = QApplication::allWidgets().size();
    for (int i = 0; i < 30; ++i)
        for (const char *how : {"action_C", "action_R", "action_A"})
            openAndClose(how, i % 2 ? "escape" : "button");
    QCOMPARE(window->findChildren<QDialog *>().size(), 0);
    QCOMPARE(QApplication::allWidgets().size(), before);
}

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
