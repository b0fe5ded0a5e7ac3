#ifndef DATEMODEL_H
#define DATEMODEL_H

// An independent model of the date rules: day numbers and the anniversary
// rules as a person states them, no case analysis shared with the program.

#include <QDate>

namespace model {

struct Date { int year, month, day; };

// Day numbers and the calendar's months from Qt's own proleptic Gregorian
// calendar, which shares no code with the program.
inline qint64 days(const Date &d) { return QDate(d.year, d.month, d.day).toJulianDay(); }
inline bool exists(const Date &d) { return QDate::isValid(d.year, d.month, d.day); }

// The era calendar as published: first and last day of each era.
struct Era
{
    const char *name; // UTF-8
    Date first, last; // era year 1 is first.year
    bool contains(const Date &g) const { return days(g) >= days(first) && days(g) <= days(last); }
};

inline constexpr Era eras[] = {
    {"西暦", {1, 1, 1}, {9999, 12, 31}},
    {"令和", {2019, 5, 1}, {9999, 12, 31}},
    {"平成", {1989, 1, 8}, {2019, 4, 30}},
    {"昭和", {1926, 12, 25}, {1989, 1, 7}},
    {"大正", {1912, 7, 30}, {1926, 12, 24}},
    {"明治", {1868, 9, 8}, {1912, 7, 29}},
};

struct Ages { int legal, counted, customary; };

// Counts the days on which the age rose. Legal: the day before each anniversary
// (Feb 28 for a Feb 29 birth); customary: the anniversary (Feb 28 in common years).
inline Ages ages(const Date &ref, const Date &birth)
{
    const bool leapDay = birth.month == 2 && birth.day == 29;
    auto anniversary = [&](int y) {
        return leapDay && !exists({y, 2, 29}) ? days({y, 2, 28}) : days({y, birth.month, birth.day});
    };
    int legal = 0, customary = 0;
    for (int y = birth.year + 1; y <= ref.year + 1; ++y) {
        legal += (leapDay ? days({y, 2, 28}) : anniversary(y) - 1) <= days(ref);
        customary += anniversary(y) <= days(ref);
    }
    return {legal, ref.year - birth.year + 1, customary};
}

} // namespace model

#endif // DATEMODEL_H
