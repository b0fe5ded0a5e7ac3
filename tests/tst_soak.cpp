// Abuse: thousands of random input changes, each checked against an
// independent reading of the entry rules, then hundreds of dialog openings.
// Run in the sanitizer build too, where any leak or memory error fails it.

#include "mainwindow.h"

#include "datemodel.h"
#include "modalhelper.h"
#include "uifont.h"
#include "windowdriver.h"

#include <QAction>
#include <QDialog>
#include <QtTest>

#include <optional>
#include <random>

namespace {

// The entry rules read on the Unicode text, independently of the CP932
// bytes the program works on.
std::optional<model::Date> readDate(const QStringList &in, int first)
{
    const model::EraRange *era = nullptr;
    for (const model::EraRange &e : model::eras())
        if (in[first] == QString::fromUtf8(e.name))
            era = &e;
    if (!era)
        return std::nullopt;
    int year = 0;
    if (in[first + 1] == QStringLiteral("元")) {
        year = 1;
    } else {
        if (in[first + 1].isEmpty())
            return std::nullopt;
        for (QChar c : in[first + 1]) {
            int digit = -1;
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digit = c.unicode() - '0';
            else if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
                digit = c.unicode() - 0xFF10;
            if (digit < 0)
                return std::nullopt;
            year = year * 10 + digit;
        }
    }
    if (year < 1)
        return std::nullopt;
    const model::Date date{year + era->offset, in[first + 2].toInt(), in[first + 3].toInt()};
    if (!model::exists(date.year, date.month, date.day) || !model::inEra(*era, date))
        return std::nullopt;
    return date;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomChanges();
    void dialogOpenings();
};

void TestSoak::initTestCase()
{
    useJapaneseUiFont();
}

void TestSoak::randomChanges()
{
    MainWindow window;
    WindowDriver driver(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Digits, full-width digits, 元, katakana, symbols, and characters CP932
    // has no bytes for (hangul, the euro sign, an emoji as a surrogate pair).
    const QStringList alphabet = {
        "0", "1", "2", "9", "０", "１", "２", "９", "元", "ア", "ｱ", "+", "-", " ",
        "　", "?", "年", "한", "€", QStringLiteral("😀"),
    };
    const char *const combos[] = {"comboBox", "comboBox_2", "comboBox_3",
                                  "comboBox_4", "comboBox_5", "comboBox_6"};
    std::mt19937 rng(3300);
    auto pick = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };

    int accepted = 0, pressed = 0;
    QStringList before = driver.inputs(), shown = driver.results();
    for (int change = 0; change < 10000; ++change) {
        if (pick(4) == 0) {
            QString text;
            const int length = pick(5);
            for (int i = 0; i < length; ++i)
                text += alphabet[pick(alphabet.size())];
            driver.edit(pick(2) ? "lineEdit" : "lineEdit_2")->setText(text);
        } else {
            // Most draws of the raw lists are out of every era; bias the
            // years towards something that can pass now and then.
            QComboBox *box = driver.combo(combos[pick(6)]);
            box->setCurrentIndex(pick(box->count()));
            if (pick(3) == 0)
                driver.edit(pick(2) ? "lineEdit" : "lineEdit_2")
                    ->setText(QString::number(1 + pick(64)));
        }

        const QStringList inputs = driver.inputs();
        const auto ref = readDate(inputs, 0), birth = readDate(inputs, 4);
        const bool expected = ref && birth && model::dayNumber(*ref) >= model::dayNumber(*birth);
        if (driver.button()->isEnabled() != expected)
            QFAIL(qPrintable(QStringLiteral("change %1: %2 → enabled %3, expected %4")
                                 .arg(change)
                                 .arg(inputs.join(QLatin1Char('|')))
                                 .arg(driver.button()->isEnabled())
                                 .arg(expected)));
        // A real change empties the results; picking what is already there
        // (or typing the same text) keeps them.
        QCOMPARE(driver.results(), (inputs == before ? shown : QStringList{"", "", ""}));
        before = inputs;
        if (expected) {
            ++accepted;
            QTest::mouseClick(driver.button(), Qt::LeftButton);
            const model::Ages want = model::ages(*ref, *birth);
            QCOMPARE(driver.results(),
                     (QStringList{QString::number(want.legal), QString::number(want.counted),
                                  QString::number(want.customary)}));
            ++pressed;
        }
        shown = driver.results();
    }
    qInfo("10000 changes, %d accepted, %d presses", accepted, pressed);
    QVERIFY(accepted > 500); // the draw must reach the accepting side too
}

void TestSoak::dialogOpenings()
{
    MainWindow window;
    WindowDriver driver(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int widgetsBefore = QApplication::allWidgets().size();

    int opened = 0;
    for (int round = 0; round < 500; ++round) {
        for (const char *action : {"action_C", "action_R", "action_A"}) {
            bool seen = false;
            onNextModal([&](QWidget *modal) {
                seen = true;
                static const char *const ways[] = {"button", "escape", "titlebar"};
                closeModal(modal, QString::fromLatin1(ways[round % 3]));
            });
            driver.get<QAction>(action)->trigger();
            QVERIFY(seen);
            ++opened;
        }
    }
    qInfo("%d dialogs opened and closed", opened);
    QVERIFY(window.findChildren<QDialog *>().isEmpty());
    QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
