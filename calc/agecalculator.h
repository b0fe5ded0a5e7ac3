// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef AGECALCULATOR_H
#define AGECALCULATOR_H

#include <cstdint>

// Holds a reference date and a birth date as proleptic Gregorian dates and
// computes the legal (法律上), counted (数え年) and customary (慣習的) ages.
//
// Dates are entered as four NUL-terminated CP932 strings each: era name,
// year text, month text, day text. Nothing here allocates or depends on the
// locale.
class AgeCalculator
{
public:
    AgeCalculator() noexcept;

    // Accepts both dates when they exist, lie inside their eras and the
    // reference date is not before the birth date; `valid` takes the result.
    bool validateDates(const char *const ref[4], const char *const birth[4]) noexcept;

    // Writes the three ages as "%d" text into the 5-byte slots at offsets 0,
    // 5 and 10 of `result` (15 bytes). Returns false and leaves the buffer
    // alone while `valid` is false, and while the public fields hold anything
    // an accepted validation could not have stored.
    bool calcAges(char *result) const noexcept;

    bool valid;
    std::int32_t refYear, refMonth, refDay, birthYear, birthMonth, birthDay;

    // An era a date can be entered in: its name as four CP932 bytes, and
    // its first and last days as proleptic Gregorian year, month and day.
    struct Era
    {
        const char *name;
        std::int32_t firstYear, firstMonth, firstDay;
        std::int32_t lastYear, lastMonth, lastDay;
    };

    // The eras, in the order the forms list them. This table is the one
    // place an era is defined; the tests hold the forms and the rules text
    // to it.
    static const Era *erasBegin() noexcept;
    static const Era *erasEnd() noexcept;
};

#endif // AGECALCULATOR_H
