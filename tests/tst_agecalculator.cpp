#include "agecalculator.h"
#include "datemodel.h"
#include "workedexamples.h"

#include <QtTest>

#include <cstring>
#include <limits>
#include <memory>
#include <random>

namespace {

// UTF-8 to CP932 with the bytes pinned here, not taken from a codec. Bytes
// that begin none of these characters pass unchanged, so raw CP932 can be
// written as "\x82\x4E".
QByteArray sjis(const QByteArray &utf8)
{
    static const char *const pinned[][2] = {
        {"西暦", "\x90\xBC\x97\xEF"}, {"令和", "\x97\xDF\x98\x61"}, {"平成", "\x95\xBD\x90\xAC"},
        {"昭和", "\x8F\xBA\x98\x61"}, {"大正", "\x91\xE5\x90\xB3"}, {"明治", "\x96\xBE\x8E\xA1"},
        {"元", "\x8C\xB3"}, {"年", "\x94\x4E"}, {"　", "\x81\x40"}, {"－", "\x81\x7C"},
        {"Ａ", "\x82\x60"}, {"ｱ", "\xB1"},
    };
    QByteArray out;
    for (int i = 0; i < utf8.size();) {
        if (utf8.mid(i, 2) == "\xEF\xBC" && uchar(utf8[i + 2]) >= 0x90 && uchar(utf8[i + 2]) <= 0x99) {
            out += '\x82'; // ０-９ (U+FF10-FF19) are 82 4F-82 58
            out += char(0x4F + uchar(utf8[i + 2]) - 0x90);
            i += 3;
            continue;
        }
        int matched = 0;
        for (const auto &p : pinned)
            if (utf8.mid(i).startsWith(p[0]) && (matched = int(std::strlen(p[0]))))
                out += p[1];
        out += matched ? QByteArray() : utf8.mid(i, 1);
        i += matched ? matched : 1;
    }
    return out;
}

// Eight texts, each in a heap block of exactly its length and NUL, so that
// the sanitizer run sees any read past the end; "令和|元|5|1|西暦|1|1|1".
struct Entry
{
    std::unique_ptr<char[]> storage[8];
    const char *texts[8] = {};

    explicit Entry(const QList<QByteArray> &parts)
    {
        for (int i = 0; i < 8; ++i) {
            storage[i].reset(new char[size_t(parts[i].size()) + 1]);
            std::memcpy(storage[i].get(), parts[i].constData(), size_t(parts[i].size()) + 1);
            texts[i] = storage[i].get();
        }
    }
    explicit Entry(const QByteArray &utf8) : Entry(sjis(utf8).split('|')) {}
    bool validate(AgeCalculator &calc) const { return calc.validateDates(texts, texts + 4); }
};

QByteArray slotTexts(const char *buffer)
{
    return QByteArray(buffer) + ' ' + QByteArray(buffer + 5) + ' ' + QByteArray(buffer + 10);
}

QByteArray iso(int y, int m, int d)
{
    return QByteArray::number(y) + '-' + QByteArray::number(m) + '-' + QByteArray::number(d);
}

QByteArray seireki(const model::Date &d)
{
    return "西暦|" + QByteArray::number(d.year) + '|' + QByteArray::number(d.month) + '|'
           + QByteArray::number(d.day);
}

} // namespace

class TestAgeCalculator : public QObject
{
    Q_OBJECT

private slots:
    void worked_data();
    void worked();
    void entries_data();
    void entries();
    void badText_data();
    void badText();
    void nullPointers();
    void everySingleDate();
    void agesMatchModel();
    void refusesFields_data();
    void refusesFields();
};

void TestAgeCalculator::worked_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QByteArray>("ages");
    for (const WorkedExample &e : workedExamples)
        QTest::newRow(e.name) << seireki(e.ref) + '|' + seireki(e.birth)
                              << QByteArray(e.ages);
}

void TestAgeCalculator::worked()
{
    QFETCH(QByteArray, entry);
    QFETCH(QByteArray, ages);
    AgeCalculator calc;
    QVERIFY(Entry(entry).validate(calc));
    char buffer[15];
    QVERIFY(calc.calcAges(buffer));
    QCOMPARE(slotTexts(buffer), ages);
}

// Whole entries: year texts, 元, mixed eras, the order of the two dates.
// Era ranges and month lengths are swept in everySingleDate.
void TestAgeCalculator::entries_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QByteArray>("stored"); // empty: rejected
    const char *latest = "西暦|9999|12|31|西暦|";
    const struct { const char *name, *entry, *stored; } rows[] = {
        {"元 as both years", "西暦|元|1|1|西暦|元|1|1", "1-1-1 1-1-1"},
        {"1", "|1|1|1", "1"}, {"01", "|01|1|1", "1"}, {"0001", "|0001|1|1", "1"},
        {"full-width １", "|１|1|1", "1"}, {"full-width ０１", "|０１|1|1", "1"},
        {"0", "|0|1|1", ""}, {"00", "|00|1|1", ""}, {"full-width ０", "|０|1|1", ""},
        {"empty year", "||1|1", ""}, {"full-width １９８９", "|１９８９|1|1", "1989"},
        {"mixed 1９8９", "|1９8９|1|1", "1989"}, {"9999", "|9999|1|1", "9999"},
        {"10000", "|10000|1|1", ""}, {"many leading zeros", "|0000000000001|1|1", "1"},
        {"many full-width zeros", "|００００００００００００９９９９|1|1", "9999"},
        {"wraps to 1 in 32 bits", "|4294967297|1|1", ""},
        {"wraps to 2020 in 32 bits", "|4294969316|1|1", ""},
        {"元年", "|元年|1|1", ""}, {"元1", "|元1|1|1", ""}, {"1元", "|1元|1|1", ""},
        {"元元", "|元元|1|1", ""}, {"元 as month", "|1|元|1", ""},
        {"month with leading zero", "|1|01|01", "1"},
        {"reference equals birth", "西暦|2020|6|15|西暦|2020|6|15", "2020-6-15 2020-6-15"},
        {"reference a day before birth", "西暦|2020|6|14|西暦|2020|6|15", ""},
        {"reference a year earlier, later day", "西暦|2019|12|31|西暦|2020|1|1", ""},
        {"mixed eras in order", "平成|元|1|8|昭和|64|1|7", "1989-1-8 1989-1-7"},
        {"mixed eras reversed", "昭和|64|1|7|平成|元|1|8", ""},
        {"令和 stored as Gregorian", "令和|7981|12|31|明治|元|9|8", "9999-12-31 1868-9-8"},
        {"bad reference, good birth", "平成|32|1|1|西暦|1|1|1", ""},
        {"empty era", "西暦|2020|1|1||1|1|1", ""},
        {"era cut short", "西|2020|1|1|西暦|1|1|1", ""},
    };
    for (const auto &r : rows) {
        // Rows starting with "|" are a 西暦 birth date against the latest day.
        const bool birthOnly = r.entry[0] == '|';
        QByteArray stored = r.stored;
        if (birthOnly && !stored.isEmpty())
            stored = "9999-12-31 " + stored + "-1-1";
        QTest::newRow(r.name) << (birthOnly ? latest + QByteArray(r.entry + 1) : QByteArray(r.entry))
                              << stored;
    }
}

void TestAgeCalculator::entries()
{
    QFETCH(QByteArray, entry);
    QFETCH(QByteArray, stored);
    AgeCalculator calc;
    QCOMPARE(Entry(entry).validate(calc), !stored.isEmpty());
    QCOMPARE(calc.valid, !stored.isEmpty());
    if (calc.valid)
        QCOMPARE(iso(calc.refYear, calc.refMonth, calc.refDay) + ' '
                     + iso(calc.birthYear, calc.birthMonth, calc.birthDay),
                 stored);
}

// Each class of bad text, in each of the eight positions of an entry that
// is good before the change. Raw byte pairs stand first or alone too, where
// no later digit could push the value out of range.
void TestAgeCalculator::badText_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("text");
    const QList<QByteArray> good = sjis("平成|12|6|15|昭和|55|3|20").split('|');
    const struct { const char *name, *before, *after; bool alone; } classes[] = {
        {"leading space", " ", "", false}, {"trailing space", "", " ", false},
        {"tab", "\t", "", false}, {"full-width space", "　", "", false},
        {"plus", "+", "", false}, {"minus", "-", "", false}, {"full-width minus", "－", "", false},
        {"decimal point", "", ".0", false}, {"letter", "", "a", false},
        {"full-width letter", "Ａ", "", false}, {"half-width katakana", "", "ｱ", false},
        {"other kanji", "", "年", false}, {"元 before", "元", "", false}, {"元 after", "", "元", false},
        {"pair below ０, first", "\x82\x4E", "", false}, {"pair below ０, alone", "\x82\x4E", "", true},
        {"lowest 82 pair, first", "\x82\x40", "", false},
        {"pair above ９", "", "\x82\x59", false}, {"pair above ９, alone", "\x82\x59", "", true},
        {"other lead, ０'s trail, first", "\x81\x4F", "", false},
        {"other lead, １'s trail, alone", "\x81\x50", "", true},
        {"other lead, ５'s trail, alone", "\x83\x54", "", true},
        {"truncated pair", "", "\x82", false}, {"truncated digit", "", "\x82\x4F\x82", false},
        {"lone lead byte", "\x90", "", true}, {"empty", "", "", true}, {"元 alone", "元", "", true},
        {"digits wrapping to 12", "4294967308", "", true},
    };
    const char *positions[] = {"ref era", "ref year", "ref month", "ref day",
                               "birth era", "birth year", "birth month", "birth day"};
    for (int pos = 0; pos < 8; ++pos)
        for (const auto &c : classes)
            if (!(pos % 4 == 1 && QByteArray(c.name) == "元 alone")) // the year 1 there
                QTest::addRow("%s: %s", positions[pos], c.name)
                    << pos << (c.alone ? sjis(c.before) : sjis(c.before) + good[pos] + sjis(c.after));
}

void TestAgeCalculator::badText()
{
    QFETCH(int, position);
    QFETCH(QByteArray, text);
    QList<QByteArray> parts = sjis("平成|12|6|15|昭和|55|3|20").split('|');
    AgeCalculator calc;
    QVERIFY(Entry(parts).validate(calc));
    parts[position] = text;
    QVERIFY(!Entry(parts).validate(calc));
    QVERIFY(!calc.valid);
}

void TestAgeCalculator::nullPointers()
{
    for (int pos = 0; pos < 10; ++pos) {
        Entry entry("西暦|2000|1|1|西暦|1990|1|1");
        if (pos < 8)
            entry.texts[pos] = nullptr;
        AgeCalculator calc;
        QVERIFY(!calc.validateDates(pos == 8 ? nullptr : entry.texts, pos == 9 ? nullptr : entry.texts + 4));
    }
}

// Every era year up to one past the last, every month and every day 1-31, as
// the reference date and as the birth date, against the published ranges.
void TestAgeCalculator::everySingleDate()
{
    // Every text once, in exact-size heap blocks: no allocation per case.
    std::vector<std::unique_ptr<char[]>> keep;
    auto exact = [&](const QByteArray &text) {
        keep.emplace_back(new char[size_t(text.size()) + 1]);
        std::memcpy(keep.back().get(), text.constData(), size_t(text.size()) + 1);
        return keep.back().get();
    };
    std::vector<const char *> number{nullptr};
    for (int n = 1; n <= 10000; ++n)
        number.push_back(exact(QByteArray::number(n)));
    const char *seireki = exact(sjis("西暦"));
    const char *earliest[] = {seireki, number[1], number[1], number[1]};
    const char *latest[] = {seireki, number[9999], number[12], number[31]};
    AgeCalculator calc;
    long checked = 0;
    for (const model::Era &era : model::eras) {
        const char *name = exact(sjis(era.name));
        for (int y = 1; y <= era.last.year - era.offset + 1; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= 31; ++d) {
                    const model::Date g{y + era.offset, m, d};
                    const bool expected = model::exists(g) && era.contains(g);
                    const char *date[] = {name, number[size_t(y)], number[size_t(m)], number[size_t(d)]};
                    const bool asRef = calc.validateDates(date, earliest);
                    if (asRef && (calc.refYear != g.year || calc.refMonth != m || calc.refDay != d))
                        QFAIL(iso(y, m, d) + " of " + era.name + " stored as "
                              + iso(calc.refYear, calc.refMonth, calc.refDay));
                    if (asRef != expected || calc.validateDates(latest, date) != expected)
                        QFAIL(iso(y, m, d) + " of " + era.name + (expected ? " rejected" : " accepted"));
                    ++checked;
                }
            }
        }
    }
    QVERIFY(checked > 3'800'000);
}

// Random date pairs over the whole range, dense where the rules have their
// corners, written in random fitting eras and digit forms, against the model;
// each slot holds exactly what "%d" prints, the bytes behind it untouched.
void TestAgeCalculator::agesMatchModel()
{
    std::mt19937_64 rng(20261207);
    auto uniform = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    QByteArray names[6];
    for (size_t e = 0; e < 6; ++e)
        names[e] = sjis(model::eras[e].name);
    auto write = [&](const model::Date &d) {
        std::vector<size_t> fitting;
        for (size_t e = 0; e < 6; ++e)
            if (model::eras[e].contains(d))
                fitting.push_back(e);
        const size_t era = fitting[size_t(uniform(0, std::int64_t(fitting.size()) - 1))];
        const QByteArray digits = QByteArray::number(d.year - model::eras[era].offset);
        QByteArray year = digits;
        if (uniform(0, 2) == 0) { // full-width digits, 82 4F-82 58
            year.clear();
            for (char c : digits)
                year += QByteArray("\x82") + char(0x4F + c - '0');
        }
        if (digits == "1" && uniform(0, 1))
            year = sjis("元");
        return QList<QByteArray>{names[era], year, QByteArray::number(d.month), QByteArray::number(d.day)};
    };
    const std::int64_t first = model::days(1, 1, 1), last = model::days(9999, 12, 31);
    AgeCalculator calc;
    for (int i = 0; i < 150'000; ++i) {
        model::Date birth = model::date(uniform(first, last));
        if (i % 3 == 2) { // February 28, 29 or March 1
            birth = {int(uniform(1, 9998)), 2, int(uniform(28, 30))};
            if (!model::exists(birth))
                birth = {birth.year, 3, 1};
        }
        model::Date ref = model::date(uniform(model::days(birth), last));
        if (i % 2) { // a few days around a later anniversary, New Year or March
            const int y = uniform(0, 3) ? int(uniform(birth.year, std::min(9999, birth.year + 3)))
                                        : std::min(9999, int(birth.year / 100 + uniform(1, 4)) * 100);
            const int m = i % 4 == 1 ? birth.month : int(uniform(1, 3));
            ref = model::date(model::days(y, unsigned(m), 1) + uniform(-3, 30));
        }
        if (model::days(ref) < model::days(birth) || ref.year > 9999)
            continue;
        QVERIFY(Entry(write(ref) + write(birth)).validate(calc));
        char buffer[15];
        std::memset(buffer, '#', sizeof buffer);
        QVERIFY(calc.calcAges(buffer));
        const model::Ages want = model::ages(ref, birth);
        char expected[16]; // the last byte for snprintf's terminator only
        std::memset(expected, '#', sizeof expected);
        const int values[] = {want.legal, want.counted, want.customary};
        for (int k = 0; k < 3; ++k)
            std::snprintf(expected + 5 * k, 5, "%u", unsigned(values[k]) % 10000u);
        if (std::memcmp(buffer, expected, 15) != 0)
            QFAIL(iso(ref.year, ref.month, ref.day) + " / " + iso(birth.year, birth.month, birth.day)
                  + ": " + QByteArray(buffer, 15) + " instead of " + QByteArray(expected, 15));
    }
}

// The fields are public. Whatever they hold, calcAges computes only from
// dates an accepted validation could have stored, and otherwise writes
// nothing; under the sanitizers an out-of-range read or an overflow fails.
void TestAgeCalculator::refusesFields_data()
{
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QVector<int>>("fields"); // ref y m d, birth y m d
    QTest::addColumn<QByteArray>("ages");     // empty: refused
    const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    const struct { const char *name; bool valid; QVector<int> f; const char *ages; } rows[] = {
        {"accepted dates", true, {2020, 6, 15, 1990, 6, 15}, "30 31 30"},
        {"widest span", true, {9999, 12, 31, 1, 1, 1}, "9999 9999 9998"},
        {"valid flag clear", false, {2020, 6, 15, 1990, 6, 15}, ""},
        {"reference month 0", true, {2020, 0, 15, 1990, 6, 15}, ""},
        {"birth month 13", true, {2020, 6, 15, 1990, 13, 1}, ""},
        {"lowest month", true, {2020, lo, 1, 1990, 6, 15}, ""},
        {"reference day 0", true, {2020, 6, 0, 1990, 6, 15}, ""},
        {"birth day 32", true, {2020, 6, 15, 1990, 1, 32}, ""},
        {"April 31", true, {2020, 4, 31, 1990, 6, 15}, ""},
        {"February 29, 1900", true, {1900, 2, 29, 1890, 6, 15}, ""},
        {"highest day", true, {2020, 6, hi, 1990, 6, 15}, ""},
        {"year 0", true, {0, 6, 15, 0, 6, 15}, ""},
        {"year 10000", true, {10000, 1, 1, 1990, 6, 15}, ""},
        {"highest year", true, {hi, 12, 31, 1, 1, 1}, ""},
        {"lowest birth year", true, {9999, 12, 31, lo, 1, 1}, ""},
        {"reference before birth", true, {2020, 6, 14, 2020, 6, 15}, ""},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.valid << r.f << QByteArray(r.ages);
}

void TestAgeCalculator::refusesFields()
{
    QFETCH(bool, valid);
    QFETCH(QVector<int>, fields);
    QFETCH(QByteArray, ages);
    AgeCalculator calc;
    QVERIFY(!calc.valid); // as constructed
    calc.valid = valid;
    calc.refYear = fields[0], calc.refMonth = fields[1], calc.refDay = fields[2];
    calc.birthYear = fields[3], calc.birthMonth = fields[4], calc.birthDay = fields[5];
    char buffer[15];
    std::memset(buffer, 'x', sizeof buffer);
    QCOMPARE(calc.calcAges(buffer), !ages.isEmpty());
    QCOMPARE(ages.isEmpty() ? QByteArray(buffer, 15) : slotTexts(buffer),
             ages.isEmpty() ? QByteArray(15, 'x') : ages);
}

QTEST_APPLESS_MAIN(TestAgeCalculator)
#include "tst_agecalculator.moc"
