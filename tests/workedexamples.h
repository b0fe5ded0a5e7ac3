#ifndef WORKEDEXAMPLES_H
#define WORKEDEXAMPLES_H

#include "datemodel.h"

// Ages worked out by hand for the corners of the three rules: reference
// date, birth date, and the legal, counted and customary ages.
struct WorkedExample
{
    const char *name;
    model::Date ref, birth;
    const char *ages;
};

inline constexpr WorkedExample workedExamples[] = {
    {"day before the birthday", {2020, 6, 14}, {1990, 6, 15}, "30 31 29"},
    {"two days before", {2020, 6, 13}, {1990, 6, 15}, "29 31 29"},
    {"the birthday", {2020, 6, 15}, {1990, 6, 15}, "30 31 30"},
    {"reference equals birth", {2020, 6, 15}, {2020, 6, 15}, "0 1 0"},
    {"first legal year completed", {2021, 6, 14}, {2020, 6, 15}, "1 2 0"},
    {"birth on 1st, end of 30-day month", {2020, 4, 30}, {1990, 5, 1}, "30 31 29"},
    {"one day earlier", {2020, 4, 29}, {1990, 5, 1}, "29 31 29"},
    {"end of a 31-day month", {2020, 7, 31}, {1990, 8, 1}, "30 31 29"},
    {"Dec 31, birth on Jan 1", {2000, 12, 31}, {2000, 1, 1}, "1 1 0"},
    {"Dec 30, birth on Jan 1", {2000, 12, 30}, {2000, 1, 1}, "0 1 0"},
    {"end of February, common year", {2001, 2, 28}, {2000, 3, 1}, "1 2 0"},
    {"Feb 28 of a leap year is not its end", {2004, 2, 28}, {2000, 3, 1}, "3 5 3"},
    {"end of February, leap year", {2004, 2, 29}, {2000, 3, 1}, "4 5 3"},
    {"2100 is not a leap year", {2100, 2, 28}, {2000, 3, 1}, "100 101 99"},
    {"birth on Feb 29", {2001, 2, 27}, {2000, 2, 29}, "0 2 0"},
    {"Feb 29 birth, common year Feb 28", {2001, 2, 28}, {2000, 2, 29}, "1 2 1"},
    {"Feb 29 birth, leap year Feb 28", {2004, 2, 28}, {2000, 2, 29}, "4 5 3"},
    {"Feb 29 birth, leap year Feb 29", {2004, 2, 29}, {2000, 2, 29}, "4 5 4"},
    {"Feb 29 birth, after February", {2001, 3, 1}, {2000, 2, 29}, "1 2 1"},
    {"counted age rises at New Year", {2020, 1, 5}, {2019, 12, 25}, "0 2 0"},
    {"largest values", {9999, 12, 31}, {1, 1, 1}, "9999 9999 9998"},
};

#endif // WORKEDEXAMPLES_H
