#include "agecalculator.h"
#include "datemodel.h"
#include "workedexamples.h"

#include <QtTest>

#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <random>

using model::cp932;

namespace {

// Eight date texts, each in a heap block of exactly its length plus the
// terminator, so that the sanitizer run sees any read past a NUL.
class Entry
{
public:
    Entry(const QList<QByteArray> &texts)
    {
        Q_ASSERT(texts.size() == 8);
        for (int i = 0; i < 8; ++i) {
            storage[i].reset(new char[size_t(texts[i].size()) + 1]);
            std::memcpy(storage[i].get(), texts[i].constData(), size_t(texts[i].size()) + 1);
            pointers[i] = storage[i].get();
        }
    }
    const char *const *ref() const { return pointers; }
    const char *const *birth() const { return pointers + 4; }

    bool validate(AgeCalculator &calc) const { return calc.validateDates(ref(), birth()); }

private:
    std::unique_ptr<char[]> storage[8];
    const char *pointers[8];
};

// "令和|元|5|1" to the four CP932 texts of one date.
QList<QByteArray> date(const char *utf8)
{
    QList<QByteArray> out;
    for (const QByteArray &part : QByteArray(utf8).split('|'))
        out << cp932(part.constData());
    Q_ASSERT(out.size() == 4);
    return out;
}

QList<QByteArray> gregorian(const model::Date &d)
{
    return {cp932("西暦"), QByteArray::number(d.year), QByteArray::number(d.month),
            QByteArray::number(d.day)};
}

model::Date parseIso(const QByteArray &iso)
{
    const QList<QByteArray> p = iso.split('-');
    return {p[0].toInt(), p[1].toInt(), p[2].toInt()};
}

QByteArray slot(const char *buffer, int index)
{
    return QByteArray(buffer + 5 * index);
}

QByteArray decimal(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

} // namespace

class TestAgeCalculator : public QObject
{
    Q_OBJECT

private slots:
    void refusesBeforeValidation();
    void refusesAfterRejection();
    void refusesFieldsValidationCannotStore_data();
    void refusesFieldsValidationCannotStore();
    void workedExamples_data();
    void workedExamples();
    void validation_data();
    void validation();
    void yearText_data();
    void yearText();
    void eraEdges_data();
    void eraEdges();
    void badText_data();
    void badText();
    void nullPointers_data();
    void nullPointers();
    void everySingleDate();
    void agesMatchModel();
    void everyAgeFormatsAsPrintf();
};

void TestAgeCalculator::refusesBeforeValidation()
{
    AgeCalculator calc;
    QCOMPARE(calc.valid, false);
    char buffer[15];
    std::memset(buffer, 'x', sizeof buffer);
    QVERIFY(!calc.calcAges(buffer));
    QCOMPARE(QByteArray(buffer, 15), QByteArray(15, 'x'));
}

void TestAgeCalculator::refusesAfterRejection()
{
    AgeCalculator calc;
    QVERIFY(Entry(date("西暦|2020|6|15") + date("西暦|1990|6|15")).validate(calc));
    QVERIFY(!Entry(date("西暦|2020|6|15") + date("西暦|2020|6|16")).validate(calc));
    QCOMPARE(calc.valid, false);
    char buffer[15];
    std::memset(buffer, 'x', sizeof buffer);
    QVERIFY(!calc.calcAges(buffer));
    QCOMPARE(QByteArray(buffer, 15), QByteArray(15, 'x'));
}

// The fields are public. Whatever they hold, calcAges computes only from
// dates an accepted validation could have stored; run under the sanitizers,
// a read out of range or a signed overflow fails here too.
void TestAgeCalculator::refusesFieldsValidationCannotStore_data()
{
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QVector<int>>("fields"); // ref y m d, birth y m d
    QTest::addColumn<bool>("written");
    const int lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    const struct { const char *name; bool valid; QVector<int> f; bool written; } rows[] = {
        {"accepted dates", true, {2020, 6, 15, 1990, 6, 15}, true},
        {"widest accepted span", true, {9999, 12, 31, 1, 1, 1}, true},
        {"valid flag clear", false, {2020, 6, 15, 1990, 6, 15}, false},
        {"reference month 0", true, {2020, 0, 15, 1990, 6, 15}, false},
        {"birth month 0", true, {2020, 6, 15, 1990, 0, 1}, false},
        {"reference month 13", true, {2020, 13, 1, 1990, 6, 15}, false},
        {"birth month -1", true, {2020, 6, 15, 1990, -1, 1}, false},
        {"lowest month", true, {2020, lo, 1, 1990, 6, 15}, false},
        {"reference day 0", true, {2020, 6, 0, 1990, 6, 15}, false},
        {"birth day 32", true, {2020, 6, 15, 1990, 1, 32}, false},
        {"April 31", true, {2020, 4, 31, 1990, 6, 15}, false},
        {"February 29 of 1900", true, {1900, 2, 29, 1890, 6, 15}, false},
        {"February 30 of a leap year", true, {2000, 2, 30, 1990, 6, 15}, false},
        {"highest day", true, {2020, 6, hi, 1990, 6, 15}, false},
        {"reference year 0", true, {0, 6, 15, 0, 6, 15}, false},
        {"reference year 10000", true, {10000, 1, 1, 1990, 6, 15}, false},
        {"highest reference year", true, {hi, 12, 31, 1, 1, 1}, false},
        {"lowest birth year", true, {9999, 12, 31, lo, 1, 1}, false},
        {"lowest years", true, {lo, 1, 1, lo, 1, 1}, false},
        {"reference a day before birth", true, {2020, 6, 14, 2020, 6, 15}, false},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.valid << r.f << r.written;
}

void TestAgeCalculator::refusesFieldsValidationCannotStore()
{
    QFETCH(bool, valid);
    QFETCH(QVector<int>, fields);
    QFETCH(bool, written);

    AgeCalculator calc;
    calc.valid = valid;
    calc.refYear = fields[0], calc.refMonth = fields[1], calc.refDay = fields[2];
    calc.birthYear = fields[3], calc.birthMonth = fields[4], calc.birthDay = fields[5];
    char buffer[15];
    std::memset(buffer, 'x', sizeof buffer);
    QCOMPARE(calc.calcAges(buffer), written);
    if (!written)
        QCOMPARE(QByteArray(buffer, 15), QByteArray(15, 'x'));
    else
        QCOMPARE(slot(buffer, 1), decimal(fields[0] - fields[3] + 1));
}

void TestAgeCalculator::workedExamples_data()
{
    QTest::addColumn<QByteArray>("ref");
    QTest::addColumn<QByteArray>("birth");
    QTest::addColumn<int>("legal");
    QTest::addColumn<int>("counted");
    QTest::addColumn<int>("customary");

    for (const auto &r : ::workedExamples)
        QTest::newRow(r.name) << QByteArray(r.ref) << QByteArray(r.birth) << r.legal << r.counted
                              << r.customary;
}

void TestAgeCalculator::workedExamples()
{
    QFETCH(QByteArray, ref);
    QFETCH(QByteArray, birth);
    QFETCH(int, legal);
    QFETCH(int, counted);
    QFETCH(int, customary);

    AgeCalculator calc;
    QVERIFY(Entry(gregorian(parseIso(ref)) + gregorian(parseIso(birth))).validate(calc));
    char buffer[15];
    QVERIFY(calc.calcAges(buffer));
    QCOMPARE(slot(buffer, 0), decimal(legal));
    QCOMPARE(slot(buffer, 1), decimal(counted));
    QCOMPARE(slot(buffer, 2), decimal(customary));
}

void TestAgeCalculator::validation_data()
{
    QTest::addColumn<QByteArray>("ref");
    QTest::addColumn<QByteArray>("birth");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QByteArray>("stored"); // "ref-iso birth-iso" when accepted

    const char *base = "西暦|1|1|1";
    auto add = [](const char *name, const char *ref, const char *birth, bool ok,
                  const char *stored = "") {
        QTest::newRow(name) << QByteArray(ref) << QByteArray(birth) << ok << QByteArray(stored);
    };
    add("西暦 元年 as both dates", "西暦|元|1|1", "西暦|元|1|1", true, "1-1-1 1-1-1");
    add("令和 元年4月30日", "令和|元|4|30", base, false);
    add("令和 元年5月1日", "令和|元|5|1", base, true, "2019-5-1 1-1-1");
    add("令和 7981年12月31日", "令和|7981|12|31", base, true, "9999-12-31 1-1-1");
    add("令和 7982年1月1日", "令和|7982|1|1", base, false);
    add("平成 元年1月7日", "平成|元|1|7", base, false);
    add("平成 元年1月8日", "平成|元|1|8", base, true, "1989-1-8 1-1-1");
    add("平成 31年4月30日", "平成|31|4|30", base, true, "2019-4-30 1-1-1");
    add("平成 31年5月1日", "平成|31|5|1", base, false);
    add("平成 32年1月1日", "平成|32|1|1", base, false);
    add("平成 31年4月31日", "平成|31|4|31", base, false);
    add("昭和 元年12月24日", "昭和|元|12|24", base, false);
    add("昭和 元年12月25日", "昭和|元|12|25", base, true, "1926-12-25 1-1-1");
    add("昭和 64年1月7日", "昭和|64|1|7", base, true, "1989-1-7 1-1-1");
    add("昭和 64年1月8日", "昭和|64|1|8", base, false);
    add("昭和 64年2月1日", "昭和|64|2|1", base, false);
    add("昭和 65年1月1日", "昭和|65|1|1", base, false);
    add("大正 元年7月29日", "大正|元|7|29", base, false);
    add("大正 元年6月30日", "大正|元|6|30", base, false);
    add("大正 元年7月30日", "大正|元|7|30", base, true, "1912-7-30 1-1-1");
    add("大正 15年12月24日", "大正|15|12|24", base, true, "1926-12-24 1-1-1");
    add("大正 15年12月25日", "大正|15|12|25", base, false);
    add("大正 16年1月1日", "大正|16|1|1", base, false);
    add("明治 元年9月7日", "明治|元|9|7", base, false);
    add("明治 元年8月31日", "明治|元|8|31", base, false);
    add("明治 元年9月8日", "明治|元|9|8", base, true, "1868-9-8 1-1-1");
    add("明治 45年7月29日", "明治|45|7|29", base, true, "1912-7-29 1-1-1");
    add("明治 45年7月30日", "明治|45|7|30", base, false);
    add("明治 45年8月1日", "明治|45|8|1", base, false);
    add("明治 46年1月1日", "明治|46|1|1", base, false);
    add("西暦 2000年2月29日", "西暦|2000|2|29", base, true, "2000-2-29 1-1-1");
    add("西暦 4年2月29日", "西暦|4|2|29", base, true, "4-2-29 1-1-1");
    add("西暦 1900年2月29日", "西暦|1900|2|29", base, false);
    add("西暦 2001年2月29日", "西暦|2001|2|29", base, false);
    add("明治 33年2月29日 (1900)", "明治|33|2|29", base, false);
    add("平成 12年2月29日 (2000)", "平成|12|2|29", base, true, "2000-2-29 1-1-1");
    add("令和 2年2月29日 (2020)", "令和|2|2|29", base, true, "2020-2-29 1-1-1");
    add("西暦 2020年2月30日", "西暦|2020|2|30", base, false);
    add("西暦 April 31", "西暦|2020|4|31", base, false);
    add("西暦 June 31", "西暦|2020|6|31", base, false);
    add("西暦 September 31", "西暦|2020|9|31", base, false);
    add("西暦 November 31", "西暦|2020|11|31", base, false);
    add("令和 November 31", "令和|3|11|31", base, false);
    add("month 13", "西暦|2020|13|1", base, false);
    add("month 0", "西暦|2020|0|1", base, false);
    add("day 32", "西暦|2020|1|32", base, false);
    add("day 0", "西暦|2020|1|0", base, false);
    add("reference equals birth", "西暦|2020|6|15", "西暦|2020|6|15", true,
        "2020-6-15 2020-6-15");
    add("reference one day before birth", "西暦|2020|6|14", "西暦|2020|6|15", false);
    add("reference a year before birth, later day", "西暦|2019|12|31", "西暦|2020|1|1", false);
    add("mixed eras in order", "平成|元|1|8", "昭和|64|1|7", true, "1989-1-8 1989-1-7");
    add("mixed eras reversed", "昭和|64|1|7", "平成|元|1|8", false);
    add("bad reference, good birth", "平成|32|1|1", "西暦|1|1|1", false);
    add("good reference, bad birth", "西暦|9999|12|31", "大正|元|1|1", false);
    add("empty era", "|2020|1|1", base, false);
    add("era name with one character missing", "西|2020|1|1", base, false);
}

void TestAgeCalculator::validation()
{
    QFETCH(QByteArray, ref);
    QFETCH(QByteArray, birth);
    QFETCH(bool, accepted);
    QFETCH(QByteArray, stored);

    AgeCalculator calc;
    QCOMPARE(Entry(date(ref) + date(birth)).validate(calc), accepted);
    QCOMPARE(calc.valid, accepted);
    if (accepted) {
        const QByteArray got = QByteArray::number(calc.refYear) + '-'
                               + QByteArray::number(calc.refMonth) + '-'
                               + QByteArray::number(calc.refDay) + ' '
                               + QByteArray::number(calc.birthYear) + '-'
                               + QByteArray::number(calc.birthMonth) + '-'
                               + QByteArray::number(calc.birthDay);
        QCOMPARE(got, stored);
    }
}

void TestAgeCalculator::yearText_data()
{
    QTest::addColumn<QByteArray>("year");
    QTest::addColumn<int>("eraYear"); // 0: rejected

    const struct { const char *name, *text; int year; } rows[] = {
        {"1", "1", 1}, {"01", "01", 1}, {"0001", "0001", 1},
        {"full-width １", "１", 1}, {"full-width ０１", "０１", 1}, {"元", "元", 1},
        {"0", "0", 0}, {"00", "00", 0}, {"full-width ０", "０", 0}, {"empty", "", 0},
        {"full-width １９８９", "１９８９", 1989}, {"mixed 1９8９", "1９8９", 1989},
        {"9999", "9999", 9999}, {"10000", "10000", 0},
        {"many leading zeros", "0000000000001", 1},
        {"many leading full-width zeros", "００００００００００００９９９９", 9999},
        {"overlong", "99999999999", 0},
        {"wraps to 1 in 32 bits", "4294967297", 0},
        {"wraps to 2020 in 32 bits", "4294969316", 0},
        {"leading space", " 2000", 0}, {"trailing space", "2000 ", 0},
        {"leading full-width space", "　2000", 0}, {"trailing full-width space", "2000　", 0},
        {"plus", "+2000", 0}, {"minus", "-2000", 0}, {"full-width plus", "＋2000", 0},
        {"元年", "元年", 0}, {"元1", "元1", 0}, {"1元", "1元", 0}, {"元元", "元元", 0},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << cp932(r.text) << r.year;
}

void TestAgeCalculator::yearText()
{
    QFETCH(QByteArray, year);
    QFETCH(int, eraYear);

    // As birth year of 西暦 against the latest reference date, so the whole
    // 1-9999 range is open.
    AgeCalculator calc;
    const bool ok = Entry(date("西暦|9999|12|31")
                          + QList<QByteArray>{cp932("西暦"), year, "1", "1"})
                        .validate(calc);
    QCOMPARE(ok, eraYear != 0);
    if (ok)
        QCOMPARE(calc.birthYear, eraYear);
}

void TestAgeCalculator::eraEdges_data()
{
    QTest::addColumn<QByteArray>("era");
    QTest::addColumn<int>("eraYear");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("inside");

    for (const model::EraEdge &e : model::eraEdges()) {
        if (e.eraYear < 1)
            continue; // 西暦 0 is no text the rules could read as a year
        QTest::addRow("%s %s", e.era->name, e.what)
            << cp932(e.era->name) << e.eraYear << e.month << e.day << e.inside;
    }
}

void TestAgeCalculator::eraEdges()
{
    QFETCH(QByteArray, era);
    QFETCH(int, eraYear);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, inside);

    const QList<QByteArray> edge{era, eraYear == 1 ? cp932("元") : QByteArray::number(eraYear),
                                 QByteArray::number(month), QByteArray::number(day)};
    AgeCalculator calc;
    // As reference date, against the earliest birth date.
    QCOMPARE(Entry(edge + date("西暦|1|1|1")).validate(calc), inside);
    // As birth date, against the latest reference date.
    QCOMPARE(Entry(date("西暦|9999|12|31") + edge).validate(calc), inside);
}

void TestAgeCalculator::badText_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("text");

    const QList<QByteArray> good = date("平成|12|6|15") + date("昭和|55|3|20");
    const char *positions[] = {"ref era", "ref year", "ref month", "ref day",
                               "birth era", "birth year", "birth month", "birth day"};
    // raw: the pieces are CP932 bytes already, not UTF-8.
    const struct { const char *name, *before, *after; bool replace; bool raw = false; } classes[] = {
        {"leading space", " ", "", false},
        {"trailing space", "", " ", false},
        {"tab", "\t", "", false},
        {"leading full-width space", "　", "", false},
        {"trailing full-width space", "", "　", false},
        {"plus sign", "+", "", false},
        {"minus sign", "-", "", false},
        {"full-width minus", "－", "", false},
        {"decimal point", "", ".0", false},
        {"letter", "", "a", false},
        {"full-width letter", "Ａ", "", false},
        {"half-width katakana", "", "ｱ", false},
        {"other kanji", "", "年", false},
        {"元 before", "元", "", false},
        {"元 after", "", "元", false},
        {"byte below full-width zero", "", "\x82\x4E", false, true},
        {"byte above full-width nine", "", "\x82\x59", false, true},
        {"other lead byte, digit trail", "", "\x81\x50", false, true},
        {"truncated two-byte at end", "", "\x82", false, true},
        {"truncated full-width digit", "", "\x82\x4F\x82", false, true},
        {"lone lead byte", "\x90", "", true, true},
        {"empty", "", "", true},
        {"元 alone", "元", "", true},
        {"overlong digits", "99999999999", "", true},
        {"digits wrapping to 1", "4294967297", "", true},
        {"digits wrapping to 12", "4294967308", "", true},
    };
    for (int pos = 0; pos < 8; ++pos) {
        for (const auto &c : classes) {
            const bool yearPosition = pos % 4 == 1;
            if (yearPosition && QByteArray(c.name) == "元 alone")
                continue; // the one place where it is the year 1
            auto piece = [&](const char *p) { return c.raw ? QByteArray(p) : cp932(p); };
            const QByteArray text = c.replace ? piece(c.before)
                                              : piece(c.before) + good[pos] + piece(c.after);
            QTest::addRow("%s: %s", positions[pos], c.name) << pos << text;
        }
    }
}

void TestAgeCalculator::badText()
{
    QFETCH(int, position);
    QFETCH(QByteArray, text);

    QList<QByteArray> texts = date("平成|12|6|15") + date("昭和|55|3|20");
    AgeCalculator calc;
    QVERIFY(Entry(texts).validate(calc)); // the entry is good before the change
    texts[position] = text;
    QVERIFY(!Entry(texts).validate(calc));
    QCOMPARE(calc.valid, false);
}

void TestAgeCalculator::nullPointers_data()
{
    QTest::addColumn<int>("position");
    for (int pos = 0; pos < 8; ++pos)
        QTest::addRow("text %d", pos) << pos;
    QTest::newRow("reference group") << 8;
    QTest::newRow("birth group") << 9;
}

void TestAgeCalculator::nullPointers()
{
    QFETCH(int, position);
    const char *texts[8] = {"\x90\xBC\x97\xEF", "2000", "1", "1",
                            "\x90\xBC\x97\xEF", "1990", "1", "1"};
    if (position < 8)
        texts[position] = nullptr;
    AgeCalculator calc;
    const char *const *ref = position == 8 ? nullptr : texts;
    const char *const *birth = position == 9 ? nullptr : texts + 4;
    QVERIFY(!calc.validateDates(ref, birth));
}

// Every era year (and one beyond the last), month 1-12 and day 1-31 of every
// era, as reference and as birth date, against the published era ranges.
void TestAgeCalculator::everySingleDate()
{
    AgeCalculator calc;
    const QList<QByteArray> earliest = date("西暦|1|1|1");
    const QList<QByteArray> latest = date("西暦|9999|12|31");
    long checked = 0;
    for (const model::EraRange &era : model::eras()) {
        const QByteArray name = cp932(era.name);
        const int lastEraYear = era.last.year - era.offset;
        for (int y = 1; y <= lastEraYear + 1; ++y) {
            const QByteArray yearText = QByteArray::number(y);
            for (int m = 1; m <= 12; ++m) {
                for (int d = 1; d <= 31; ++d) {
                    const int g = y + era.offset;
                    const bool expected = model::exists(g, m, d) && model::inEra(era, {g, m, d});
                    const QList<QByteArray> entry{name, yearText, QByteArray::number(m),
                                                  QByteArray::number(d)};
                    const bool asRef = Entry(entry + earliest).validate(calc);
                    if (asRef) {
                        QCOMPARE(calc.refYear, g);
                        QCOMPARE(calc.refMonth, m);
                        QCOMPARE(calc.refDay, d);
                    }
                    const bool asBirth = Entry(latest + entry).validate(calc);
                    if (asRef != expected || asBirth != expected)
                        QFAIL(qPrintable(QStringLiteral("%1 %2-%3-%4: expected %5")
                                             .arg(QString::fromUtf8(era.name))
                                             .arg(y).arg(m).arg(d).arg(expected)));
                    ++checked;
                }
            }
        }
    }
    QVERIFY(checked > 3'800'000);
}

// Random date pairs, spread over the whole range and dense where the rules
// have their corners, against the anniversary count of the model.
void TestAgeCalculator::agesMatchModel()
{
    std::mt19937_64 rng(20261206);
    auto uniform = [&](std::int64_t lo, std::int64_t hi) {
        return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
    };
    const std::int64_t first = model::daysFromCivil(1, 1, 1);
    const std::int64_t last = model::daysFromCivil(9999, 12, 31);
    const int centuries[] = {100, 400, 1600, 1700, 1800, 1900, 2000, 2100, 2400, 9900};

    // Writes the date in an era that contains it, with full-width digits,
    // leading zeros or 元 now and then, so the texts are varied as well.
    auto texts = [&](const model::Date &d) {
        QList<const model::EraRange *> fitting;
        for (const model::EraRange &era : model::eras())
            if (model::inEra(era, d))
                fitting << &era;
        const model::EraRange &era = *fitting[int(uniform(0, fitting.size() - 1))];
        const int eraYear = d.year - era.offset;
        QByteArray year = QByteArray::number(eraYear);
        switch (uniform(0, 3)) {
        case 1: // full-width digits, 82 4F-82 58
            year.clear();
            for (char c : QByteArray::number(eraYear))
                year += QByteArray("\x82") + char(0x4F + (c - '0'));
            break;
        case 2: year = QByteArray("00") + year; break;
        case 3: if (eraYear == 1) year = cp932("元"); break;
        default: break;
        }
        return QList<QByteArray>{cp932(era.name), year, QByteArray::number(d.month),
                                 QByteArray::number(d.day)};
    };

    AgeCalculator calc;
    const int pairs = 120'000;
    for (int i = 0; i < pairs; ++i) {
        model::Date birth{}, ref{};
        switch (i % 4) {
        case 0: { // anywhere
            const std::int64_t b = uniform(first, last);
            birth = model::civilFromDays(b);
            ref = model::civilFromDays(uniform(b, last));
            break;
        }
        case 1: { // around a later birthday
            birth = model::civilFromDays(uniform(first, last));
            const int year = int(uniform(birth.year, std::min(9999, birth.year + 120)));
            const int day = model::exists(year, birth.month, birth.day) ? birth.day : 28;
            ref = model::civilFromDays(model::daysFromCivil(year, birth.month, day)
                                       + uniform(-3, 3));
            break;
        }
        case 2: { // leap days, ends of February, century years
            const int by = uniform(0, 1) ? int(uniform(1, 9999))
                                         : centuries[uniform(0, 9)] + int(uniform(-4, 0));
            const int bd = model::exists(by, 2, 29) && uniform(0, 1) ? 29 : int(uniform(27, 28));
            birth = uniform(0, 3) ? model::Date{by, 2, bd} : model::Date{by, 3, 1};
            const int ry = uniform(0, 1) ? centuries[uniform(0, 9)] : int(uniform(by, 9999));
            ref = model::civilFromDays(model::daysFromCivil(ry, 3, 1) + uniform(-3, 1));
            break;
        }
        default: { // month ends against births on the 1st, New Year's Eve
            const int by = int(uniform(1, 9998));
            birth = {by, int(uniform(1, 12)), int(uniform(0, 2)) ? 1 : int(uniform(1, 31))};
            if (!model::exists(birth.year, birth.month, birth.day))
                birth.day = 1;
            const int ry = int(uniform(by, std::min(9999, by + 3)));
            ref = model::civilFromDays(model::daysFromCivil(ry, birth.month, 1) + uniform(-3, 1));
            break;
        }
        }
        if (model::dayNumber(ref) < model::dayNumber(birth) || ref.year < 1 || ref.year > 9999
            || birth.year < 1 || birth.year > 9999) {
            --i; // outside what can be entered: draw again
            continue;
        }
        QVERIFY(Entry(texts(ref) + texts(birth)).validate(calc));
        char buffer[15];
        QVERIFY(calc.calcAges(buffer));
        const model::Ages want = model::ages(ref, birth);
        const QByteArray got = slot(buffer, 0) + ' ' + slot(buffer, 1) + ' ' + slot(buffer, 2);
        const QByteArray expected = decimal(want.legal) + ' ' + decimal(want.counted) + ' '
                                    + decimal(want.customary);
        if (got != expected)
            QFAIL(qPrintable(QStringLiteral("ref %1-%2-%3 birth %4-%5-%6: got %7, want %8")
                                 .arg(ref.year).arg(ref.month).arg(ref.day)
                                 .arg(birth.year).arg(birth.month).arg(birth.day)
                                 .arg(QString::fromLatin1(got), QString::fromLatin1(expected))));
    }
}

// Ages 0 to 9999 each appear in some slot; each slot holds exactly what
// "%d" prints and leaves the bytes behind its terminator alone.
void TestAgeCalculator::everyAgeFormatsAsPrintf()
{
    AgeCalculator calc;
    for (int year = 1; year <= 9999; ++year) {
        QVERIFY(Entry(QList<QByteArray>{cp932("西暦"), QByteArray::number(year), "6", "15"}
                      + date("西暦|1|6|15"))
                    .validate(calc));
        char buffer[15];
        std::memset(buffer, '#', sizeof buffer);
        QVERIFY(calc.calcAges(buffer));
        char expected[15];
        std::memset(expected, '#', sizeof expected);
        std::snprintf(expected, 5, "%d", year - 1);
        std::snprintf(expected + 5, 5, "%d", year);
        std::snprintf(expected + 10, 5, "%d", year - 1);
        QCOMPARE(QByteArray(buffer, 15), QByteArray(expected, 15));
    }
}

QTEST_APPLESS_MAIN(TestAgeCalculator)
#include "tst_agecalculator.moc"
