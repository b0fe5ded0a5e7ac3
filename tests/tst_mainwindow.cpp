#include "agecalculator.h"
#include "cp932text.h"
#include "datemodel.h"
#include "testsupport.h"
#include "workedexamples.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QImageReader>
#include <QMenu>
#include <QMenuBar>
#include <QResource>
#include <QToolBar>
#include <QToolButton>

#include <optional>
#include <random>

namespace {

QString date(const model::Date &d)
{
    return QStringLiteral("西暦|%1|%2|%3").arg(d.year).arg(d.month).arg(d.day);
}

// The entry rules read on the Unicode texts, independently of CP932.
std::optional<model::Date> readDate(const QStringList &in, int first)
{
    const model::Era *era = nullptr;
    for (const model::Era &e : model::eras)
        era = in[first] == QString::fromUtf8(e.name) ? &e : era;
    int year = in[first + 1] == QStringLiteral("元") ? 1 : 0;
    for (QChar c : year ? QString() : in[first + 1]) {
        const int digit = c.isDigit() && c.unicode() < 0x80 ? c.unicode() - '0'
                          : c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19 ? c.unicode() - 0xFF10
                                                                               : -1;
        year = digit < 0 || year > 9999 ? -1 : year * 10 + digit;
        if (year < 0)
            return std::nullopt;
    }
    if (!era || year < 1 || year > 9999)
        return std::nullopt;
    const model::Date d{year + era->offset, in[first + 2].toInt(), in[first + 3].toInt()};
    return model::exists(d) && era->contains(d) ? std::optional<model::Date>(d) : std::nullopt;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startUp();
    void startState();
    void texts();
    void worked_data();
    void worked();
    void changeClearsResults_data();
    void changeClearsResults();
    void reselectKeepsResults();
    void buttonFollowsKeystrokes();
    void yearLengthLimit();
    void tabOrder_data();
    void tabOrder();
    void badText_data();
    void badText();
    void everyBmpCharacter();
    void randomChanges();
    void connectionsBySignature_data();
    void connectionsBySignature();
    void quit_data();
    void quit();
    void images_data();
    void images();
    void accessibleNames();

private:
    Window *w = nullptr;
};

void TestMainWindow::init()
{
    w = new Window;
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

void TestMainWindow::cleanup()
{
    delete w;
}

// What main() sets up before the window is built.
void TestMainWindow::startUp()
{
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(YOROZUMI_APP_ID));
    QVERIFY(QApplication::style()->inherits("FormStyle"));
    const QFont font = QApplication::font();
    QVERIFY(QFontDatabase().writingSystems(QFontInfo(font).family()).contains(QFontDatabase::Japanese));
    QCOMPARE(QFont::substitute(QStringLiteral("MS UI Gothic")).toLower(), font.family().toLower());
    QVERIFY(font.stretch() < 100); // condensed to fit, as measured
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QVERIFY(QCoreApplication::testAttribute(Qt::AA_EnableHighDpiScaling));
#endif
}

void TestMainWindow::startState()
{
    QCOMPARE(w->texts(), QString("西暦||1|1|西暦||1|1").split('|'));
    QVERIFY(!w->button()->isEnabled());
    QCOMPARE(w->results(), QStringLiteral("  "));
    const QSize size(300, w->menuBar()->height() + 343);
    QCOMPARE(w->size(), size);
    QCOMPARE(w->minimumSize(), size);
    QCOMPARE(w->maximumSize(), size);
    for (int i = 0; i < 3; ++i)
        QVERIFY(w->result(i)->isReadOnly());
    // The lists: eras newest first after 西暦, months and days as plain numbers.
    QStringList eras, months, days;
    for (const model::Era &era : model::eras)
        eras << QString::fromUtf8(era.name);
    for (int i = 1; i <= 31; ++i) {
        days << QString::number(i);
        if (i <= 12)
            months << QString::number(i);
    }
    const QList<QPair<QStringList, int>> lists{{eras, 10}, {months, 12}, {days, 31}};
    for (int i : {0, 2, 3, 4, 6, 7}) {
        auto *box = static_cast<QComboBox *>(w->input(i));
        QStringList items;
        for (int k = 0; k < box->count(); ++k)
            items << box->itemText(k);
        const auto &expected = lists[i % 4 == 0 ? 0 : i % 4 - 1];
        QCOMPARE(items, expected.first);
        QCOMPARE(box->maxVisibleItems(), expected.second);
        QVERIFY(!box->isEditable());
    }
}

// Every text goes through the translation lookup; the set is the approved
// one. Captions end in the full-width colon, menu entries in an ASCII
// accelerator, and tool tips repeat the entry without its ampersand.
void TestMainWindow::texts()
{
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    { Window fresh; }
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(translator.fingerprint("MainWindow") == "5a1198b44ca6c3fe",
             qPrintable(translator.seen.value("MainWindow").join(" | ")));
    for (const char *caption : {"label_7", "label_9", "label_11"})
        QVERIFY(w->findChild<QLabel *>(caption)->text().endsWith(QChar(0xFF1A)));
    for (QAction *a : w->findChildren<QAction *>(QRegularExpression("^action_")))
        QVERIFY2(a->text().endsWith("(&" + a->objectName().right(1) + ")")
                     && (a->toolTip() == QString(a->text()).remove('&')),
                 qPrintable(a->text() + " / " + a->toolTip()));
}

void TestMainWindow::worked_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("ages");
    for (const WorkedExample &e : workedExamples)
        QTest::newRow(e.name) << date(e.ref) + '|' + date(e.birth) << QString(e.ages);
    QTest::newRow("full-width year and 元") << QStringLiteral("令和|２|2|29|昭和|元|12|25")
                                           << QStringLiteral("93 95 93");
}

void TestMainWindow::worked()
{
    QFETCH(QString, entry);
    QFETCH(QString, ages);
    w->enter(entry);
    QVERIFY(w->button()->isEnabled());
    QCOMPARE(w->results(), QStringLiteral("  "));
    QTest::mouseClick(w->button(), Qt::LeftButton);
    QCOMPARE(w->results(), ages);
}

void TestMainWindow::changeClearsResults_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("value");
    const char *values[] = {"令和", "2021", "7", "16", "昭和", "3", "5", "14"};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("input %d", i) << i << QString::fromUtf8(values[i]);
    QTest::newRow("reference year, now empty") << 1 << "";
}

void TestMainWindow::changeClearsResults()
{
    QFETCH(int, input);
    QFETCH(QString, value);
    w->enter(QStringLiteral("西暦|2020|6|15|平成|2|6|15"));
    QTest::mouseClick(w->button(), Qt::LeftButton);
    QCOMPARE(w->results(), QStringLiteral("30 31 30"));
    w->set(input, value);
    QCOMPARE(w->results(), QStringLiteral("  "));
}

void TestMainWindow::reselectKeepsResults()
{
    w->enter(QStringLiteral("西暦|2020|6|15|平成|2|6|15"));
    QTest::mouseClick(w->button(), Qt::LeftButton);
    for (int i = 0; i < 8; ++i) {
        w->set(i, w->texts()[i]);
        QCOMPARE(w->results(), QStringLiteral("30 31 30"));
    }
    QTest::mouseClick(w->button(), Qt::LeftButton);
    QCOMPARE(w->results(), QStringLiteral("30 31 30"));
}

void TestMainWindow::buttonFollowsKeystrokes()
{
    w->enter(QStringLiteral("西暦||1|1|西暦|1990|1|1"));
    QWidget *year = w->input(1);
    year->setFocus();
    const struct { int key; bool enabled; } steps[] = {
        {Qt::Key_2, false}, {Qt::Key_0, false}, {Qt::Key_2, false}, {Qt::Key_4, true},
        {Qt::Key_Backspace, false},
    };
    for (const auto &s : steps) {
        QTest::keyClick(year, Qt::Key(s.key));
        QCOMPARE(w->button()->isEnabled(), s.enabled);
    }
}

void TestMainWindow::yearLengthLimit()
{
    QWidget *year = w->input(5);
    year->setFocus();
    QTest::keyClicks(year, "19905");
    QCOMPARE(w->texts()[5], QStringLiteral("1990"));
    QApplication::clipboard()->setText(QStringLiteral("１２３４５６元"));
    w->input(1)->setFocus();
    static_cast<QLineEdit *>(w->input(1))->paste();
    QCOMPARE(w->texts()[1], QStringLiteral("１２３４"));
}

void TestMainWindow::tabOrder_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QStringList>("order");
    const QStringList inputs = QString("comboBox lineEdit comboBox_2 comboBox_3 comboBox_4 lineEdit_2 "
                                       "comboBox_5 comboBox_6").split(' ');
    const QStringList results{"lineEdit_3", "lineEdit_4", "lineEdit_5"};
    QTest::newRow("button disabled") << false << inputs + results;
    QTest::newRow("button enabled") << true << inputs + QStringList{"pushButton"} + results;
}

void TestMainWindow::tabOrder()
{
    QFETCH(bool, ready);
    QFETCH(QStringList, order);
    if (ready)
        w->enter(QStringLiteral("西暦|2020|6|15|平成|2|6|15"));
    w->input(0)->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    while (visited.size() < order.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

// Texts the rules reject, in widgets of an entry that is good before; among
// them the characters a CP932 converter drops without a trace.
void TestMainWindow::badText_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("text");
    auto c = [](ushort code) { return QString(QChar(code)); };
    const QString nul = c(0);
    const struct { const char *name; QString text; } years[] = {
        {"leading space", " 200"}, {"full-width space", QStringLiteral("200　")},
        {"minus", "-200"}, {"katakana", QStringLiteral("20ア0")}, {"other kanji", QStringLiteral("元年")},
        {"NUL cutting the text short", "1" + nul + "9"}, {"NUL at the end", "200" + nul},
        {"hangul", QStringLiteral("20한")}, {"emoji", QStringLiteral("2😀")},
        {"yen sign", QStringLiteral("¥200")}, {"question mark", "20?0"},
        {"zero-width space", "1" + c(0x200B)}, {"left-to-right mark", c(0x200E) + "1"},
        {"right-to-left override", c(0x202E) + "19"}, {"word joiner", "1" + c(0x2060) + "9"},
        {"variation selector", "1" + c(0xFE0F)}, {"zero-width no-break space inside", "1" + c(0xFEFF) + "9"},
        {"soft hyphen", "19" + c(0x00AD)}, {"hangul filler", c(0x3164) + "1"},
        {"lone high surrogate at the end", "1" + c(0xD800)}, {"unpaired low surrogate", c(0xDC00) + "1"},
        {"reversed surrogate pair", "1" + c(0xDE00) + c(0xD83D)},
    };
    for (int input : {1, 5})
        for (const auto &y : years)
            QTest::addRow("year %d: %s", input, y.name) << input << y.text;
    // List items a user cannot pick, offered as if the list held them.
    QTest::newRow("元 as month") << 2 << QStringLiteral("元");
    QTest::newRow("NUL after a month") << 6 << "1" + nul + "x";
    QTest::newRow("NUL after an era") << 4 << QStringLiteral("西暦") + nul;
    QTest::newRow("zero-width space after an era") << 0 << QStringLiteral("西暦") + c(0x200B);
}

void TestMainWindow::badText()
{
    QFETCH(int, input);
    QFETCH(QString, text);
    w->enter(QStringLiteral("西暦|2000|1|1|西暦|1|1|1"));
    QTest::mouseClick(w->button(), Qt::LeftButton);
    QCOMPARE(w->results(), QStringLiteral("1999 2000 1999"));
    if (auto *box = qobject_cast<QComboBox *>(w->input(input)))
        box->addItem(text);
    w->set(input, text);
    QCOMPARE(w->texts()[input], text);
    QVERIFY(!w->button()->isEnabled());
    QCOMPARE(w->results(), QStringLiteral("  "));
}

// Beside a digit, each BMP code point but the digits leaves the entry
// rejected: no character may vanish in the conversion.
void TestMainWindow::everyBmpCharacter()
{
    const QByteArray latest = cp932text::fromUnicode(QStringLiteral("西暦"));
    AgeCalculator calc;
    QStringList wrong;
    for (int code = 0; code <= 0xFFFF; ++code) {
        const QByteArray year = cp932text::fromUnicode(QStringLiteral("1") + QChar(code));
        const char *ref[] = {latest, "9999", "12", "31"}, *birth[] = {latest, year, "1", "1"};
        const bool digit = (code >= '0' && code <= '9') || (code >= 0xFF10 && code <= 0xFF19);
        if (calc.validateDates(ref, birth) != digit)
            wrong << QString::number(code, 16);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(' ')));
}

// Many random changes of the eight inputs against the Unicode reading of
// the rules; now and then the ages of an accepted entry against the model.
void TestMainWindow::randomChanges()
{
    std::mt19937 rng(1207);
    auto pick = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    const QString characters = QStringLiteral("0123456789０１２３４５６７８９元元１9アｱ年 ?¥한€")
                               + QChar(0x200B) + QChar(0xFEFF) + QChar(0xD83D);
    int pressed = 0;
    for (int i = 0; i < 4000; ++i) {
        const int input = pick(8);
        if (input % 4 == 1) {
            QString text;
            for (int n = pick(5); n > 0; --n)
                text += characters.at(pick(characters.size()));
            w->set(input, text);
        } else {
            auto *box = static_cast<QComboBox *>(w->input(input));
            box->setCurrentIndex(pick(box->count()));
        }
        const QStringList in = w->texts();
        const auto ref = readDate(in, 0), birth = readDate(in, 4);
        const bool ok = ref && birth && model::days(*ref) >= model::days(*birth);
        QVERIFY2(w->button()->isEnabled() == ok, qPrintable(in.join('|')));
        if (ok && ++pressed % 5 == 0) {
            QTest::mouseClick(w->button(), Qt::LeftButton);
            const model::Ages a = model::ages(*ref, *birth);
            QCOMPARE(w->results(), QStringLiteral("%1 %2 %3").arg(a.legal).arg(a.counted).arg(a.customary));
        }
    }
    QVERIFY(pressed > 20);
}

// Each form connection is made by signature at run time: disconnecting it
// by signature finds it, once. A missing one, or one made through pointers
// to members, is not found.
void TestMainWindow::connectionsBySignature_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QByteArray>("slot");
    QTest::newRow("quit") << "action_X" << QByteArray(SIGNAL(triggered())) << QByteArray(SLOT(close()));
    for (const char *box : {"comboBox", "comboBox_2", "comboBox_3", "comboBox_4", "comboBox_5", "comboBox_6"})
        QTest::newRow(box) << box << QByteArray(SIGNAL(currentIndexChanged(int))) << QByteArray(SLOT(checkDates()));
    for (const char *edit : {"lineEdit", "lineEdit_2"})
        QTest::newRow(edit) << edit << QByteArray(SIGNAL(textChanged(QString))) << QByteArray(SLOT(checkDates()));
    QTest::newRow("execute, by name") << "pushButton" << QByteArray(SIGNAL(clicked()))
                                      << QByteArray(SLOT(on_pushButton_clicked()));
    for (const char *letter : {"C", "R", "A"})
        QTest::addRow("action_%s, by name", letter) << QStringLiteral("action_%1").arg(letter)
            << QByteArray(SIGNAL(triggered())) << QByteArray("1on_action_") + letter + "_triggered()";
}

void TestMainWindow::connectionsBySignature()
{
    QFETCH(QString, sender);
    QFETCH(QByteArray, signal);
    QFETCH(QByteArray, slot);
    QObject *object = w->findChild<QObject *>(sender);
    QVERIFY(QObject::disconnect(object, signal, w, slot));
    QVERIFY(!QObject::disconnect(object, signal, w, slot));
}

void TestMainWindow::quit_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("focus"); // input, or 8 + result
    QTest::newRow("File menu") << "menu" << 0;
    QTest::newRow("tool bar") << "toolbar" << 0;
    QTest::newRow("Ctrl+E on an era") << "Ctrl+E" << 0;
    QTest::newRow("Ctrl+E in a year field") << "Ctrl+E" << 5;
    QTest::newRow("Ctrl+E in a result field") << "Ctrl+E" << 9;
    QTest::newRow("title bar") << "close" << 0;
}

void TestMainWindow::quit()
{
    QFETCH(QString, how);
    QFETCH(int, focus);
    w->enter(QStringLiteral("西暦|2020|6|15|平成|2|6|15"));
    QWidget *target = focus < 8 ? w->input(focus) : w->result(focus - 8);
    target->setFocus();
    auto *menu = w->findChild<QMenu *>("menu_F");
    auto *toolButton = qobject_cast<QToolButton *>(
        w->findChild<QToolBar *>("mainToolBar")->widgetForAction(w->findChild<QAction *>("action_X")));
    // From inside the application's own event loop, which must end with 0.
    QTimer::singleShot(0, w, [&] {
        if (how == "menu")
            menu->actions().value(0)->trigger();
        else if (how == "toolbar")
            QTest::mouseClick(toolButton, Qt::LeftButton);
        else if (how == "Ctrl+E")
            QTest::keyClick(target, Qt::Key_E, Qt::ControlModifier);
        else
            w->close();
    });
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!w->isVisible());
}

void TestMainWindow::images_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<bool>("zlib");
    QTest::addColumn<QString>("user"); // the object showing it as its icon
    QTest::newRow("app32.png") << "app32.png" << QSize(32, 32) << false << true << "";
    QTest::newRow("calculate.png") << "calculate.png" << QSize(32, 32) << true << false << "pushButton";
    QTest::newRow("about.png") << "about.png" << QSize(16, 16) << true << false << "action_A";
    QTest::newRow("exit.png") << "exit.png" << QSize(16, 16) << true << false << "action_X";
    QTest::newRow("app.ico") << "app.ico" << QSize(16, 16) << true << true << ""; // alpha from the mask
}

void TestMainWindow::images()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    QFETCH(bool, zlib);
    QFETCH(QString, user);
    const QString path = ":/resource_images/images/" + file;
    QImageReader reader(path);
    const QImage image = reader.read();
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    if (file.endsWith(".ico")) {
        QVERIFY(reader.jumpToNextImage() && reader.read().size() == QSize(32, 32));
        QVERIFY(reader.jumpToNextImage() && reader.read().size() == QSize(48, 48));
        QVERIFY(!reader.jumpToNextImage());
    }
    const QResource resource(path);
    QCOMPARE(resource.compressionAlgorithm() == QResource::ZlibCompression, zlib);
    QVERIFY(resource.lastModified().toMSecsSinceEpoch() <= 0); // format 1 has no times
    if (user.isEmpty())
        return;
    QObject *object = w->findChild<QObject *>(user);
    const QIcon icon = object->property("icon").value<QIcon>();
    QCOMPARE(icon.availableSizes(), QList<QSize>{size});
    QImage shown = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    shown.setDevicePixelRatio(1);
    QCOMPARE(shown, image.convertToFormat(QImage::Format_ARGB32));
}

// A screen reader hears what each input and result is for: its group's
// title, or its caption, and not its current value; a group, its own title.
void TestMainWindow::accessibleNames()
{
    w->enter(QStringLiteral("令和|8|12|31|平成|2|11|30"));
    QTest::mouseClick(w->button(), Qt::LeftButton);
    QSet<QString> names;
    for (int i = 0; i < 11; ++i) {
        QWidget *widget = i < 8 ? w->input(i) : w->result(i - 8);
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        const QString value = i < 8 ? w->texts()[i] : widget->property("text").toString();
        const QString belongs = i < 8 ? static_cast<QGroupBox *>(widget->parentWidget())->title()
                                      : w->findChild<QLabel *>(QStringLiteral("label_%1").arg(7 + 2 * (i - 8)))
                                            ->text().chopped(1);
        QVERIFY2(name.contains(belongs) && !name.contains(value) && !names.contains(name),
                 qPrintable(widget->objectName() + ": " + name));
        names << name;
    }
    for (const char *group : {"groupBox", "groupBox_2", "groupBox_3", "groupBox_4", "groupBox_5"}) {
        auto *box = w->findChild<QGroupBox *>(group);
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), box->title());
    }
}

YOROZUMI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
