#ifndef DATEMODEL_H
#define DATEMODEL_H

// An independent model of the date rules, for checking the program against:
// plain day numbers and the anniversary rules as a person states them, no
// case analysis shared with the code under test.

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace model {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's method).
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + std::int64_t(doe) - 719468;
}

struct Date
{
    int year, month, day;
};

constexpr Date civilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {int(std::int64_t(yoe) + era * 400 + (m <= 2)), int(m), int(d)};
}

// A date exists when it survives the round trip through its day number.
inline bool exists(int y, int m, int d)
{
    if (m < 1 || m > 12 || d < 1 || d > 31)
        return false;
    const Date back = civilFromDays(daysFromCivil(y, unsigned(m), unsigned(d)));
    return back.year == y && back.month == m && back.day == d;
}

struct EraRange
{
    const char *name; // UTF-8
    int offset;
    Date first, last;
};

// The era calendar as published: first and last day of each era.
inline const std::array<EraRange, 6> &eras()
{
    static const std::array<EraRange, 6> table{{
        {"西暦", 0, {1, 1, 1}, {9999, 12, 31}},
        {"令和", 2018, {2019, 5, 1}, {9999, 12, 31}},
        {"平成", 1988, {1989, 1, 8}, {2019, 4, 30}},
        {"昭和", 1925, {1926, 12, 25}, {1989, 1, 7}},
        {"大正", 1911, {1912, 7, 30}, {1926, 12, 24}},
        {"明治", 1867, {1868, 9, 8}, {1912, 7, 29}},
    }};
    return table;
}

inline std::int64_t dayNumber(const Date &date)
{
    return daysFromCivil(date.year, unsigned(date.month), unsigned(date.day));
}

// Is Gregorian date g (already known to exist) inside the era?
inline bool inEra(const EraRange &era, const Date &g)
{
    const std::int64_t n = dayNumber(g);
    return n >= dayNumber(era.first) && n <= dayNumber(era.last);
}

// Each era's first and last day and the days just outside them, as the
// era's own year (which may be 0 or above 9999 just outside), month and day.
struct EraEdge
{
    const EraRange *era;
    const char *what;
    int eraYear, month, day;
    bool inside;
};

inline std::vector<EraEdge> eraEdges()
{
    std::vector<EraEdge> out;
    for (const EraRange &era : eras()) {
        const std::int64_t first = dayNumber(era.first), last = dayNumber(era.last);
        const struct { const char *what; std::int64_t day; bool inside; } edges[] = {
            {"day before first", first - 1, false}, {"first day", first, true},
            {"second day", first + 1, true},        {"day before last", last - 1, true},
            {"last day", last, true},               {"day after last", last + 1, false},
        };
        for (const auto &e : edges) {
            const Date d = civilFromDays(e.day);
            out.push_back({&era, e.what, d.year - era.offset, d.month, d.day, e.inside});
        }
    }
    return out;
}

struct Ages
{
    int legal, counted, customary;
};

// Counts the days on which the age has risen up to and including the
// reference date. Legal: the day before each anniversary (February 28 for a
// February 29 birth). Customary: the anniversary itself (February 28 in
// common years for a February 29 birth).
inline Ages ages(const Date &ref, const Date &birth)
{
    const std::int64_t refDay = dayNumber(ref);
    const bool leapDayBirth = birth.month == 2 && birth.day == 29;
    auto anniversary = [&](int year) {
        if (leapDayBirth && !exists(year, 2, 29))
            return daysFromCivil(year, 2, 28);
        return daysFromCivil(year, unsigned(birth.month), unsigned(birth.day));
    };
    auto legalRise = [&](int year) {
        return leapDayBirth ? daysFromCivil(year, 2, 28) : anniversary(year) - 1;
    };
    // Every rise for an anniversary two or more years before the reference
    // year lies in an earlier year than the reference date; count those
    // wholesale and look only at the anniversaries near the reference date.
    int legal = 0, customary = 0;
    const int nearFrom = std::max(birth.year + 1, ref.year - 1);
    if (nearFrom > birth.year + 1) {
        legal += nearFrom - (birth.year + 1);
        customary += nearFrom - (birth.year + 1);
    }
    for (int year = nearFrom; year <= ref.year + 1; ++year) {
        legal += legalRise(year) <= refDay;
        customary += anniversary(year) <= refDay;
    }
    return {legal, ref.year - birth.year + 1, customary};
}

// UTF-8 to CP932 for the few characters the tests use, with the bytes
// pinned here rather than taken from a codec.
inline QByteArray cp932(const char *utf8)
{
    static const struct
    {
        const char *text;
        const char *bytes;
    } table[] = {
        {"西暦", "\x90\xBC\x97\xEF"}, {"令和", "\x97\xDF\x98\x61"}, {"平成", "\x95\xBD\x90\xAC"},
        {"昭和", "\x8F\xBA\x98\x61"}, {"大正", "\x91\xE5\x90\xB3"}, {"明治", "\x96\xBE\x8E\xA1"},
        {"元", "\x8C\xB3"},           {"年", "\x94\x4E"},           {"　", "\x81\x40"},
        {"＋", "\x81\x7B"},           {"－", "\x81\x7C"},           {"Ａ", "\x82\x60"},
        {"ｱ", "\xB1"},                {"西", "\x90\xBC"},
    };
    const QString in = QString::fromUtf8(utf8);
    QByteArray out;
    for (int i = 0; i < in.size();) {
        const QChar c = in.at(i);
        if (c.unicode() < 0x80) {
            out += char(c.unicode());
            ++i;
            continue;
        }
        if (c >= QChar(0xFF10) && c <= QChar(0xFF19)) { // ０-９
            out += '\x82';
            out += char(0x4F + (c.unicode() - 0xFF10));
            ++i;
            continue;
        }
        bool found = false;
        for (const auto &entry : table) {
            const QString t = QString::fromUtf8(entry.text);
            if (in.mid(i, t.size()) == t) {
                out += entry.bytes;
                i += t.size();
                found = true;
                break;
            }
        }
        if (!found)
            qFatal("no pinned CP932 bytes for U+%04X", c.unicode());
    }
    return out;
}

} // namespace model

#endif // DATEMODEL_H
