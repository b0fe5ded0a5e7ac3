// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef DATEMODEL_H
#define DATEMODEL_H

// An independent model of the date rules: day numbers and the anniversary
// rules as a person states them, no case analysis shared with the program.

#include <cstdint>

namespace model {

struct Date { int year, month, day; };

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant).
constexpr std::int64_t days(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return era * 146097 + std::int64_t(yoe * 365 + yoe / 4 - yoe / 100 + doy) - 719468;
}

constexpr std::int64_t days(const Date &d) { return days(d.year, unsigned(d.month), unsigned(d.day)); }

// Thirty days hath September, April, June and November; February, 29 in leap years.
inline bool exists(const Date &d)
{
    const bool leap = d.year % 4 == 0 && (d.year % 100 != 0 || d.year % 400 == 0);
    const int length = d.month == 2 ? 28 + leap : d.month == 4 || d.month == 6 || d.month == 9 || d.month == 11 ? 30 : 31;
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= length;
}

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
        return leapDay && !exists({y, 2, 29}) ? days(y, 2, 28)
                                              : days(y, unsigned(birth.month), unsigned(birth.day));
    };
    int legal = 0, customary = 0;
    for (int y = birth.year + 1; y <= ref.year + 1; ++y) {
        legal += (leapDay ? days(y, 2, 28) : anniversary(y) - 1) <= days(ref);
        customary += anniversary(y) <= days(ref);
    }
    return {legal, ref.year - birth.year + 1, customary};
}

} // namespace model

#endif // DATEMODEL_H
