#include "mainwindow.h"

#include "cp932text.h"
#include "uifont.h"

#include "datemodel.h"
#include "windowdriver.h"
#include "workedexamples.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QResource>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

const QString kSeireki = QStringLiteral("西暦");

QString fullWidth(const QString &ascii)
{
    QString out;
    for (QChar c : ascii)
        out += c.isDigit() ? QChar(0xFF10 + c.digitValue()) : c;
    return out;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cp932Bytes_data();
    void cp932Bytes();
    void startState();
    void lists_data();
    void lists();
    void fixedSize();
    void eraEdges_data();
    void eraEdges();
    void workedExamples_data();
    void workedExamples();
    void fullWidthAndGannenThroughWidgets();
    void changeClearsResults_data();
    void changeClearsResults();
    void reselectKeepsResults();
    void buttonFollowsEachKeystroke();
    void yearLengthLimit();
    void tabOrder_data();
    void tabOrder();
    void badText_data();
    void badText();
    void everyBmpCharacter();
    void connectionsBySignature_data();
    void connectionsBySignature();
    void quit_data();
    void quit();
    void images_data();
    void images();
    void iconFileHasThreeImages();
    void screenshot();

private:
    MainWindow *window = nullptr;
    WindowDriver *driver = nullptr;

    void enterValidPair() const
    {
        driver->setDate(0, kSeireki, QStringLiteral("2020"), 6, 15);
        driver->setDate(1, QStringLiteral("平成"), QStringLiteral("2"), 6, 15);
    }
};

void TestMainWindow::initTestCase()
{
    useJapaneseUiFont(); // as the program starts
}

void TestMainWindow::init()
{
    window = new MainWindow;
    driver = new WindowDriver(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestMainWindow::cleanup()
{
    delete driver;
    delete window;
}

// The bytes the calculator compares, pinned here rather than trusted to a
// codec's name.
void TestMainWindow::cp932Bytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("西暦") << QStringLiteral("西暦") << QByteArray("\x90\xBC\x97\xEF");
    QTest::newRow("令和") << QStringLiteral("令和") << QByteArray("\x97\xDF\x98\x61");
    QTest::newRow("平成") << QStringLiteral("平成") << QByteArray("\x95\xBD\x90\xAC");
    QTest::newRow("昭和") << QStringLiteral("昭和") << QByteArray("\x8F\xBA\x98\x61");
    QTest::newRow("大正") << QStringLiteral("大正") << QByteArray("\x91\xE5\x90\xB3");
    QTest::newRow("明治") << QStringLiteral("明治") << QByteArray("\x96\xBE\x8E\xA1");
    QTest::newRow("元") << QStringLiteral("元") << QByteArray("\x8C\xB3");
    QTest::newRow("０ and ９") << QStringLiteral("０９") << QByteArray("\x82\x4F\x82\x58");
    QTest::newRow("ASCII digits") << QStringLiteral("2024") << QByteArray("2024");
    QTest::newRow("unmappable") << QStringLiteral("한€") << QByteArray("??");
}

void TestMainWindow::cp932Bytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(cp932text::fromUnicode(text), bytes);
}

void TestMainWindow::startState()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("ヨロズミ"));
    QCOMPARE(driver->inputs(), (QStringList{kSeireki, "", "1", "1", kSeireki, "", "1", "1"}));
    QVERIFY(!driver->button()->isEnabled());
    QCOMPARE(driver->results(), (QStringList{"", "", ""}));
    for (const char *name : {"lineEdit_3", "lineEdit_4", "lineEdit_5"})
        QVERIFY(driver->edit(name)->isReadOnly());
}

void TestMainWindow::lists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QStringList eras{"西暦", "令和", "平成", "昭和", "大正", "明治"};
    QStringList months, days;
    for (int i = 1; i <= 12; ++i)
        months << QString::number(i);
    for (int i = 1; i <= 31; ++i)
        days << QString::number(i);
    QTest::newRow("reference era") << "comboBox" << eras;
    QTest::newRow("reference month") << "comboBox_2" << months;
    QTest::newRow("reference day") << "comboBox_3" << days;
    QTest::newRow("birth era") << "comboBox_4" << eras;
    QTest::newRow("birth month") << "comboBox_5" << months;
    QTest::newRow("birth day") << "comboBox_6" << days;
}

void TestMainWindow::lists()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QComboBox *box = driver->combo(qPrintable(name));
    QStringList got;
    for (int i = 0; i < box->count(); ++i)
        got << box->itemText(i);
    QCOMPARE(got, items);
    QVERIFY(!box->isEditable());
}

void TestMainWindow::fixedSize()
{
    const int height = window->menuBar()->height() + 343;
    QCOMPARE(window->size(), QSize(300, height));
    QCOMPARE(window->minimumSize(), QSize(300, height));
    QCOMPARE(window->maximumSize(), QSize(300, height));
}

void TestMainWindow::eraEdges_data()
{
    QTest::addColumn<QString>("era");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("inside");

    for (const model::EraEdge &e : model::eraEdges()) {
        if (e.eraYear < 1 || e.eraYear > 9999)
            continue; // no text the four-character field can hold
        QTest::addRow("%s %s", e.era->name, e.what)
            << QString::fromUtf8(e.era->name)
            << (e.eraYear == 1 ? QStringLiteral("元") : QString::number(e.eraYear)) << e.month
            << e.day << e.inside;
    }
}

void TestMainWindow::eraEdges()
{
    QFETCH(QString, era);
    QFETCH(QString, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, inside);

    // As birth date against the latest reference date, then as reference
    // date against the earliest birth date.
    driver->setDate(0, kSeireki, "9999", 12, 31);
    driver->setDate(1, era, year, month, day);
    QCOMPARE(driver->button()->isEnabled(), inside);
    driver->setDate(1, kSeireki, "1", 1, 1);
    driver->setDate(0, era, year, month, day);
    QCOMPARE(driver->button()->isEnabled(), inside);
}

void TestMainWindow::workedExamples_data()
{
    QTest::addColumn<QByteArray>("ref");
    QTest::addColumn<QByteArray>("birth");
    QTest::addColumn<QStringList>("ages");
    for (const WorkedExample &e : ::workedExamples)
        QTest::newRow(e.name) << QByteArray(e.ref) << QByteArray(e.birth)
                              << QStringList{QString::number(e.legal), QString::number(e.counted),
                                             QString::number(e.customary)};
}

void TestMainWindow::workedExamples()
{
    QFETCH(QByteArray, ref);
    QFETCH(QByteArray, birth);
    QFETCH(QStringList, ages);

    driver->setIso(0, ref);
    driver->setIso(1, birth);
    QVERIFY(driver->button()->isEnabled());
    QCOMPARE(driver->results(), (QStringList{"", "", ""}));
    QTest::mouseClick(driver->button(), Qt::LeftButton);
    QCOMPARE(driver->results(), ages);
}

void TestMainWindow::fullWidthAndGannenThroughWidgets()
{
    driver->setDate(0, QStringLiteral("令和"), fullWidth("2"), 2, 29);
    driver->setDate(1, QStringLiteral("昭和"), QStringLiteral("元"), 12, 25);
    QVERIFY(driver->button()->isEnabled());
    QTest::mouseClick(driver->button(), Qt::LeftButton);
    // 2020-02-29 against 1926-12-25.
    QCOMPARE(driver->results(), (QStringList{"93", "95", "93"}));
}

void TestMainWindow::changeClearsResults_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("value");
    QTest::newRow("reference era") << "comboBox" << "令和";
    QTest::newRow("reference year, still valid") << "lineEdit" << "2021";
    QTest::newRow("reference year, now empty") << "lineEdit" << "";
    QTest::newRow("reference month") << "comboBox_2" << "7";
    QTest::newRow("reference day") << "comboBox_3" << "16";
    QTest::newRow("birth era") << "comboBox_4" << "昭和";
    QTest::newRow("birth year") << "lineEdit_2" << "3";
    QTest::newRow("birth month") << "comboBox_5" << "5";
    QTest::newRow("birth day") << "comboBox_6" << "14";
}

void TestMainWindow::changeClearsResults()
{
    QFETCH(QString, input);
    QFETCH(QString, value);

    enterValidPair();
    QTest::mouseClick(driver->button(), Qt::LeftButton);
    QCOMPARE(driver->results(), (QStringList{"30", "31", "30"}));
    if (input.startsWith("lineEdit"))
        driver->edit(qPrintable(input))->setText(value);
    else
        driver->combo(qPrintable(input))->setCurrentText(value);
    QCOMPARE(driver->results(), (QStringList{"", "", ""}));
}

void TestMainWindow::reselectKeepsResults()
{
    enterValidPair();
    QTest::mouseClick(driver->button(), Qt::LeftButton);
    const QStringList shown = driver->results();
    QCOMPARE(shown, (QStringList{"30", "31", "30"}));
    for (const char *name : {"comboBox", "comboBox_2", "comboBox_3", "comboBox_4", "comboBox_5",
                             "comboBox_6"}) {
        QComboBox *box = driver->combo(name);
        box->setCurrentIndex(box->currentIndex());
        QCOMPARE(driver->results(), shown);
    }
    driver->edit("lineEdit")->setText(driver->edit("lineEdit")->text());
    QCOMPARE(driver->results(), shown);
    // Pressing again writes the same ages.
    QTest::mouseClick(driver->button(), Qt::LeftButton);
    QCOMPARE(driver->results(), shown);
}

void TestMainWindow::buttonFollowsEachKeystroke()
{
    // Birth 西暦 1990-01-01; the reference year is typed digit by digit.
    driver->setDate(1, kSeireki, "1990", 1, 1);
    QLineEdit *year = driver->edit("lineEdit");
    year->setFocus();
    const struct { char key; bool enabled; } steps[] = {
        {'2', false}, // year 2 is before 1990
        {'0', false}, // 20
        {'2', false}, // 202
        {'4', true},  // 2024
    };
    for (const auto &s : steps) {
        QTest::keyClick(year, s.key);
        QCOMPARE(driver->button()->isEnabled(), s.enabled);
    }
    QTest::keyClick(year, Qt::Key_Backspace);
    QCOMPARE(year->text(), QStringLiteral("202"));
    QVERIFY(!driver->button()->isEnabled());
}

void TestMainWindow::yearLengthLimit()
{
    QLineEdit *year = driver->edit("lineEdit_2");
    year->setFocus();
    QTest::keyClicks(year, "19905");
    QCOMPARE(year->text(), QStringLiteral("1990"));

    QLineEdit *other = driver->edit("lineEdit");
    QApplication::clipboard()->setText(fullWidth("123456") + QStringLiteral("元"));
    other->setFocus();
    other->paste();
    QCOMPARE(other->text(), fullWidth("1234"));
}

void TestMainWindow::tabOrder_data()
{
    QTest::addColumn<bool>("buttonEnabled");
    QTest::addColumn<QStringList>("order");
    const QStringList inputs{"comboBox", "lineEdit", "comboBox_2", "comboBox_3",
                             "comboBox_4", "lineEdit_2", "comboBox_5", "comboBox_6"};
    const QStringList results{"lineEdit_3", "lineEdit_4", "lineEdit_5"};
    QTest::newRow("button disabled") << false << inputs + results;
    QTest::newRow("button enabled") << true << inputs + QStringList{"pushButton"} + results;
}

void TestMainWindow::tabOrder()
{
    QFETCH(bool, buttonEnabled);
    QFETCH(QStringList, order);

    if (buttonEnabled)
        enterValidPair();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    driver->combo("comboBox")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

void TestMainWindow::badText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");

    const QString nul(QChar(0));
    const struct { const char *name; QString text; } years[] = {
        {"leading space", " 200"},
        {"trailing full-width space", QStringLiteral("200　")},
        {"plus sign", "+200"},
        {"minus sign", "-200"},
        {"full-width minus", QStringLiteral("－200")},
        {"half-width katakana", QStringLiteral("20ｱ0")},
        {"full-width katakana", QStringLiteral("20ア0")},
        {"other kanji", QStringLiteral("元年")},
        {"元 after a digit", QStringLiteral("1元")},
        {"NUL cutting the text short", "1" + nul + "9"},
        {"NUL at the end", "200" + nul},
        {"unmappable hangul", QStringLiteral("20한")},
        {"unmappable emoji", QStringLiteral("2😀")},
        {"unmappable yen sign", QStringLiteral("¥200")},
        {"question mark", "20?0"},
        // Characters a CP932 converter may drop without a trace.
        {"zero-width space", "1" + QString(QChar(0x200B))},
        {"left-to-right mark", QString(QChar(0x200E)) + "1"},
        {"right-to-left override", QString(QChar(0x202E)) + "19"},
        {"word joiner", "1" + QString(QChar(0x2060)) + "9"},
        {"variation selector", "1" + QString(QChar(0xFE0F))},
        {"zero-width no-break space inside", "1" + QString(QChar(0xFEFF)) + "9"},
        {"soft hyphen", "19" + QString(QChar(0x00AD))},
        {"hangul filler", QString(QChar(0x3164)) + "1"},
        {"lone high surrogate at the end", "1" + QString(QChar(0xD800))},
        {"unpaired low surrogate", QString(QChar(0xDC00)) + "1"},
        {"reversed surrogate pair", "1" + QString(QChar(0xDE00)) + QChar(0xD83D)},
    };
    for (const char *field : {"lineEdit", "lineEdit_2"})
        for (const auto &y : years)
            QTest::addRow("%s: %s", field, y.name) << field << y.text;

    // List items a user cannot pick, offered to the controller as if the
    // list held them.
    QTest::newRow("元 as reference month") << "comboBox_2" << QStringLiteral("元");
    QTest::newRow("元 as birth day") << "comboBox_6" << QStringLiteral("元");
    QTest::newRow("NUL after reference month") << "comboBox_2" << "1" + nul + "x";
    QTest::newRow("NUL after birth era") << "comboBox_4" << QStringLiteral("西暦") + nul + "x";
    QTest::newRow("unmappable era") << "comboBox" << QStringLiteral("西暦😀");
}

void TestMainWindow::badText()
{
    QFETCH(QString, input);
    QFETCH(QString, text);

    driver->setDate(0, kSeireki, "2000", 1, 1);
    driver->setDate(1, kSeireki, "1", 1, 1);
    QTest::mouseClick(driver->button(), Qt::LeftButton);
    QCOMPARE(driver->results(), (QStringList{"1999", "2000", "1999"}));
    if (input.startsWith("lineEdit")) {
        driver->edit(qPrintable(input))->setText(text);
        QCOMPARE(driver->edit(qPrintable(input))->text(), text);
    } else {
        QComboBox *box = driver->combo(qPrintable(input));
        box->addItem(text);
        box->setCurrentIndex(box->count() - 1);
    }
    QVERIFY(!driver->button()->isEnabled());
    QCOMPARE(driver->results(), (QStringList{"", "", ""}));
}

// Beside a digit, every BMP code point other than the digits themselves
// leaves the entry rejected: none may vanish in the conversion.
void TestMainWindow::everyBmpCharacter()
{
    driver->setDate(0, kSeireki, "9999", 12, 31);
    driver->setDate(1, kSeireki, "1", 1, 1);
    QLineEdit *year = driver->edit("lineEdit_2");
    QStringList wrong;
    for (int code = 0; code <= 0xFFFF; ++code) {
        const QChar c(code);
        const QString text = QStringLiteral("1") + c;
        year->setText(text);
        const bool digit = (code >= '0' && code <= '9') || (code >= 0xFF10 && code <= 0xFF19);
        if (year->text() != text || driver->button()->isEnabled() != digit)
            wrong << QString::number(code, 16);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(' ')));
}

// Each form connection is made by signature at run time: disconnecting it
// by signature finds it. One made through pointers to members would not be
// found, and neither would a missing one.
void TestMainWindow::connectionsBySignature_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QByteArray>("slot");
    QTest::newRow("quit") << "action_X" << QByteArray(SIGNAL(triggered())) << QByteArray(SLOT(close()));
    for (const char *combo : {"comboBox", "comboBox_2", "comboBox_3", "comboBox_4", "comboBox_5", "comboBox_6"})
        QTest::newRow(combo) << combo << QByteArray(SIGNAL(currentIndexChanged(int)))
                             << QByteArray(SLOT(checkDates()));
    for (const char *edit : {"lineEdit", "lineEdit_2"})
        QTest::newRow(edit) << edit << QByteArray(SIGNAL(textChanged(QString)))
                            << QByteArray(SLOT(checkDates()));
    QTest::newRow("execute, by name") << "pushButton" << QByteArray(SIGNAL(clicked()))
                                      << QByteArray(SLOT(on_pushButton_clicked()));
    for (const char *letter : {"C", "R", "A"})
        QTest::addRow("action_%s, by name", letter)
            << QStringLiteral("action_%1").arg(letter) << QByteArray(SIGNAL(triggered()))
            << QByteArray("1on_action_") + letter + "_triggered()";
}

void TestMainWindow::connectionsBySignature()
{
    QFETCH(QString, sender);
    QFETCH(QByteArray, signal);
    QFETCH(QByteArray, slot);
    QObject *object = window->findChild<QObject *>(sender);
    QVERIFY(object);
    QVERIFY(QObject::disconnect(object, signal.constData(), window, slot.constData()));
    // Made once only.
    QVERIFY(!QObject::disconnect(object, signal.constData(), window, slot.constData()));
}

void TestMainWindow::quit_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("File menu entry") << "menu";
    QTest::newRow("tool bar button") << "toolbar";
    QTest::newRow("Ctrl+E") << "shortcut";
    QTest::newRow("title bar") << "close";
}

void TestMainWindow::quit()
{
    QFETCH(QString, how);

    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QAction *quitAction = driver->get<QAction>("action_X");
    QMenu *file = driver->get<QMenu>("menu_F");
    QCOMPARE(file->actions(), QList<QAction *>{quitAction});
    auto *button = qobject_cast<QToolButton *>(
        driver->get<QToolBar>("mainToolBar")->widgetForAction(quitAction));
    QVERIFY(button);
    QCOMPARE(button->toolTip(), QStringLiteral("終了(X)"));

    // Quit from inside the application's own event loop, which must then end
    // with 0; a loop still running after five seconds ends with 1.
    QTimer::singleShot(0, window, [&] {
        if (how == "menu")
            file->actions().value(0)->trigger();
        else if (how == "toolbar")
            QTest::mouseClick(button, Qt::LeftButton);
        else if (how == "shortcut")
            QTest::keyClick(window, Qt::Key_E, Qt::ControlModifier);
        else
            window->close();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
}

void TestMainWindow::images_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<bool>("compressed");
    QTest::newRow("app32.png") << ":/resource_images/images/app32.png" << QSize(32, 32) << false << true;
    QTest::newRow("calculate.png") << ":/resource_images/images/calculate.png" << QSize(32, 32) << true << false;
    QTest::newRow("about.png") << ":/resource_images/images/about.png" << QSize(16, 16) << true << false;
    QTest::newRow("exit.png") << ":/resource_images/images/exit.png" << QSize(16, 16) << true << false;
}

void TestMainWindow::images()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    QFETCH(bool, compressed);

    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    const QResource resource(path);
    QCOMPARE(resource.compressionAlgorithm() == QResource::ZlibCompression, compressed);
    // Format 1 carries no modification times; later formats do.
    QVERIFY2(resource.lastModified().toMSecsSinceEpoch() <= 0, qPrintable(resource.lastModified().toString()));
}

void TestMainWindow::iconFileHasThreeImages()
{
    const QString path = QStringLiteral(":/resource_images/images/app.ico");
    QCOMPARE(QResource(path).compressionAlgorithm(), QResource::ZlibCompression);
    QImageReader reader(path);
    QList<QSize> sizes;
    do {
        sizes << reader.read().size();
    } while (reader.jumpToNextImage());
    QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
}

void TestMainWindow::screenshot()
{
    driver->setDate(0, QStringLiteral("令和"), "8", 12, 6);
    driver->setDate(1, QStringLiteral("平成"), "2", 6, 15);
    QTest::mouseClick(driver->button(), Qt::LeftButton);
    QCOMPARE(driver->results(), (QStringList{"36", "37", "36"}));
    const QPixmap shot = window->grab();
    QCOMPARE(shot.size(), window->size());
    QVERIFY(QDir().mkpath(SCREENSHOT_DIR));
    QVERIFY(shot.save(SCREENSHOT_DIR "/mainwindow.png"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
