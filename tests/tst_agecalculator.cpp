// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "agecalculator.h"
#include "datemodel.h"

#include <QtTest>
#include <QTextCodec>

#include <cstring>
#include <limits>
#include <memory>

namespace {

// UTF-8 to CP932, as Windows has it.
QByteArray sjis(const QByteArray &text)
{
    static QTextCodec *const codec = QTextCodec::codecForName("Windows-31J");
    return codec->fromUnicode(QString::fromUtf8(text));
}

// Texts in exact-size heap blocks, so that the sanitizers see any overread.
struct Texts
{
    std::vector<std::unique_ptr<char[]>> blocks;
    const char *add(const QByteArray &text)
    {
        blocks.emplace_back(new char[size_t(text.size()) + 1]);
        return std::strcpy(blocks.back().get(), text.constData());
    }
};

// Validates the eight texts of an entry: "令和|元|5|1|西暦|1|1|1".
bool validate(AgeCalculator &calc, const QByteArrayList &parts)
{
    Texts storage;
    const char *texts[8];
    for (int i = 0; i < 8; ++i)
        texts[i] = storage.add(parts[i]);
    return calc.validateDates(texts, texts + 4);
}

QByteArray ages(const char *b) { return QByteArray(b) + ' ' + QByteArray(b + 5) + ' ' + QByteArray(b + 10); }

} // namespace

class TestAgeCalculator : public QObject
{
    Q_OBJECT

private slots:
    // Whole entries: year texts, mixed eras, the order of the dates, long ages.
    void entries_data()
    {
        QTest::addColumn<QByteArray>("ref"); // era|year|month|day
        QTest::addColumn<QByteArray>("birth");
        QTest::addColumn<QByteArray>("ages"); // legal counted customary; empty: rejected
        const char *const rows[][4] = {
            {"largest values", "西暦|9999|12|31", "西暦|1|1|1", "9999 9999 9998"},
            {"four digits from 1000 on", "西暦|3000|1|1", "西暦|2000|1|1", "1000 1001 1000"},
            {"元 as both years", "西暦|元|1|1", "西暦|元|1|1", "0 1 0"},
            {"year 01, 0001, １, ０１", "西暦|0001|12|31", "西暦|０１|01|01", "1 1 0"},
            {"full-width and mixed years", "西暦|１９８９|1|1", "西暦|1９8９|1|1", "0 1 0"},
            {"many leading zeros", "西暦|００００００００００９９９９|1|1", "西暦|0000000000001|1|1", "9998 9999 9998"},
            {"mixed eras in order", "平成|元|1|8", "昭和|64|1|7", "0 1 0"},
            {"平成 and 明治 as Gregorian years", "平成|31|4|30", "明治|元|9|8", "150 152 150"},
            {"reference a day before birth", "西暦|2020|6|14", "西暦|2020|6|15", ""},
            {"a year earlier, later day", "西暦|2019|12|31", "西暦|2020|1|1", ""},
            {"mixed eras reversed", "昭和|64|1|7", "平成|元|1|8", ""},
            {"month 13", "西暦|2020|13|1", "西暦|1|1|1", ""},
            {"day 32", "西暦|2020|1|32", "西暦|1|1|1", ""},
        };
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QByteArray(r[1]) << QByteArray(r[2]) << QByteArray(r[3]);
    }

    void entries()
    {
        QFETCH(QByteArray, ref);
        QFETCH(QByteArray, birth);
        QFETCH(QByteArray, ages);
        AgeCalculator calc;
        QCOMPARE(validate(calc, sjis(ref + '|' + birth).split('|')), !ages.isEmpty());
        QCOMPARE(calc.valid, !ages.isEmpty());
        char buffer[15];
        QCOMPARE(calc.calcAges(buffer), !ages.isEmpty());
        if (!ages.isEmpty())
            QCOMPARE(::ages(buffer), ages);
    }

    // The ages of every birth in 2000-2003 on every day up to 2005, as the model counts.
    void agesAgainstModel()
    {
        std::vector<model::Date> dates;
        for (int y = 2000; y <= 2005; ++y)
            for (int m = 1; m <= 12; ++m)
                for (int d = 1; d <= 31; ++d)
                    if (model::exists({y, m, d}))
                        dates.push_back({y, m, d});
        AgeCalculator calc;
        calc.valid = true;
        char buffer[15];
        for (size_t i = 0; dates[i].year <= 2003; ++i)
            for (size_t j = i; j < dates.size(); ++j) {
                const model::Date &b = dates[i], &r = dates[j];
                calc.refYear = r.year, calc.refMonth = r.month, calc.refDay = r.day;
                calc.birthYear = b.year, calc.birthMonth = b.month, calc.birthDay = b.day;
                const model::Ages a = model::ages(r, b);
                if (!calc.calcAges(buffer) || std::atoi(buffer) != a.legal || std::atoi(buffer + 5) != a.counted
                    || std::atoi(buffer + 10) != a.customary)
                    QFAIL(qPrintable(QString::asprintf("born %d-%d-%d, on %d-%d-%d: %s, not %d %d %d", b.year, b.month,
                                                       b.day, r.year, r.month, r.day, ages(buffer).constData(),
                                                       a.legal, a.counted, a.customary)));
            }
    }

    // Each class of bad text in each position of a good entry; pairs also alone.
    void badText_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("text");
        const QByteArrayList good = sjis("平成|12|6|15|昭和|55|3|20").split('|');
        const struct { const char *name, *before, *after; bool alone; } classes[] = {
            {"leading space", " ", "", false}, {"trailing space", "", " ", false}, {"tab", "\t", "", false},
            {"full-width space", "　", "", false}, {"plus", "+", "", false}, {"minus", "-", "", false},
            {"full-width minus", "－", "", false}, {"decimal point", "", ".0", false}, {"letter", "", "a", false},
            {"full-width letter", "Ａ", "", false}, {"half-width katakana", "", "\xB1", false},
            {"other kanji", "", "年", false}, {"元 before", "元", "", false}, {"元 after", "", "元", false},
            {"pair below ０, first", "\x82\x4E", "", false}, {"pair below ０, alone", "\x82\x4E", "", true},
            {"lowest 82 pair, first", "\x82\x40", "", false}, {"pair above ９", "", "\x82\x59", false},
            {"pair above ９, alone", "\x82\x59", "", true}, {"other lead, ０'s trail, first", "\x81\x4F", "", false},
            {"other lead, １'s trail, alone", "\x81\x50", "", true}, {"other lead, ５'s trail, alone", "\x83\x54", "", true},
            {"truncated pair", "", "\x82", false}, {"truncated digit", "", "\x82\x4F\x82", false},
            {"lone lead byte", "\x90", "", true}, {"empty", "", "", true}, {"元 alone", "元", "", true},
            {"0", "0", "", true}, {"digits wrapping to 12", "4294967308", "", true},
        };
        const char *positions[] = {"ref era", "ref year", "ref month", "ref day",
                                   "birth era", "birth year", "birth month", "birth day"};
        for (int pos = 0; pos < 8; ++pos)
            for (const auto &c : classes)
                if (pos % 4 != 1 || QByteArray(c.name) != "元 alone") // the year 1 there
                    QTest::addRow("%s: %s", positions[pos], c.name)
                        << pos << (c.alone ? sjis(c.before) : sjis(c.before) + good[pos] + sjis(c.after));
    }

    void badText()
    {
        QFETCH(int, position);
        QFETCH(QByteArray, text);
        QByteArrayList parts = sjis("平成|12|6|15|昭和|55|3|20").split('|');
        AgeCalculator calc;
        QVERIFY(validate(calc, parts));
        parts[position] = text;
        QVERIFY(!validate(calc, parts));
        QVERIFY(!calc.valid);
    }

    // The calculator's era table is the published calendar; then every era
    // year to one past the last, month and day 1-31, as either date, is
    // accepted exactly when the calendar has it.
    void everySingleDate()
    {
        QStringList calculator, published;
        auto span = [](const QString &name, model::Date f, model::Date l) {
            return QString::asprintf("%s %04d-%02d-%02d to %04d-%02d-%02d", qPrintable(name), f.year, f.month, f.day, l.year, l.month, l.day);
        };
        for (auto *e = AgeCalculator::erasBegin(); e != AgeCalculator::erasEnd(); ++e)
            calculator << span(QTextCodec::codecForName("Windows-31J")->toUnicode(e->name), {e->firstYear, e->firstMonth, e->firstDay},
                               {e->lastYear, e->lastMonth, e->lastDay});
        for (const model::Era &e : model::eras)
            published << span(QString::fromUtf8(e.name), e.first, e.last);
        for (int i = 0; i < qMax(calculator.size(), published.size()); ++i)
            if (calculator.value(i) != published.value(i))
                QFAIL(qPrintable(QString("era %1: the calculator's table (calc/agecalculator.cpp) has %2,\n    the published "
                                         "calendar (tests/datemodel.h) %3").arg(i + 1).arg(calculator.value(i, "(none)"), published.value(i, "(none)"))));
        Texts keep; // each text once
        std::vector<const char *> n{nullptr};
        for (int i = 1; i <= 9999; ++i)
            n.push_back(keep.add(QByteArray::number(i)));
        const char *seireki = keep.add(sjis("西暦"));
        const char *earliest[] = {seireki, n[1], n[1], n[1]}, *latest[] = {seireki, n[9999], n[12], n[31]};
        AgeCalculator calc;
        for (const model::Era &era : model::eras) {
            const char *name = keep.add(sjis(era.name));
            for (int y = 1; y <= era.last.year - era.first.year + 2; ++y)
                for (int m = 1; m <= 12; ++m)
                    for (int d = 1; d <= 31; ++d) {
                        const model::Date g{y + era.first.year - 1, m, d};
                        const bool expected = model::exists(g) && era.contains(g);
                        const char *date[] = {name, n[size_t(y)], n[size_t(m)], n[size_t(d)]};
                        auto what = [&](const char *fault) {
                            return QString::asprintf("calc/agecalculator.cpp %s %s %d-%d-%d (%04d-%02d-%02d)", fault, era.name,
                                                     y, m, d, g.year, m, d).toUtf8();
                        };
                        if (calc.validateDates(date, earliest) != expected)
                            QFAIL(what(expected ? "rejects as reference" : "accepts as reference").constData());
                        if (calc.validateDates(latest, date) != expected)
                            QFAIL(what(expected ? "rejects as birth date" : "accepts as birth date").constData());
                        if (expected && (calc.birthYear != g.year || calc.birthMonth != m || calc.birthDay != d))
                            QFAIL(what("stores wrongly").constData());
                    }
        }
    }

    // calcAges computes only from fields an accepted validation could store.
    void refusesFields_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QVector<int>>("fields"); // ref y m d, birth y m d
        const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
        QTest::newRow("valid flag clear") << false << QVector<int>{2020, 6, 15, 1990, 6, 15};
        QTest::newRow("lowest month") << true << QVector<int>{2020, lo, 1, 1990, 6, 15};
        QTest::newRow("day 32") << true << QVector<int>{2020, 6, 15, 1990, 1, 32};
        QTest::newRow("February 29, 1900") << true << QVector<int>{1900, 2, 29, 1890, 6, 15};
        QTest::newRow("highest day") << true << QVector<int>{2020, 6, hi, 1990, 6, 15};
        QTest::newRow("year 0") << true << QVector<int>{0, 6, 15, 0, 6, 15};
        QTest::newRow("year 10000") << true << QVector<int>{10000, 1, 1, 1990, 6, 15};
        QTest::newRow("lowest birth year") << true << QVector<int>{9999, 12, 31, lo, 1, 1};
        QTest::newRow("reference before birth") << true << QVector<int>{2020, 6, 14, 2020, 6, 15};
    }

    void refusesFields()
    {
        QFETCH(bool, valid);
        QFETCH(QVector<int>, fields);
        AgeCalculator calc;
        QVERIFY(!calc.valid); // as constructed
        calc.valid = valid;
        calc.refYear = fields[0], calc.refMonth = fields[1], calc.refDay = fields[2];
        calc.birthYear = fields[3], calc.birthMonth = fields[4], calc.birthDay = fields[5];
        char buffer[15];
        std::memset(buffer, 'x', sizeof buffer);
        QVERIFY(!calc.calcAges(buffer));
        QCOMPARE(QByteArray(buffer, 15), QByteArray(15, 'x'));
    }
};

QTEST_APPLESS_MAIN(TestAgeCalculator)
#include "tst_agecalculator.moc"
