// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "agecalculator.h"

#include "cp932.h"

#include <cstring>
#include <iterator>

namespace {

using Era = AgeCalculator::Era;

constexpr Era kEras[] = {
    {"\x90\xBC\x97\xEF", 1, 1, 1, 9999, 12, 31},      // 西暦
    {"\x97\xDF\x98\x61", 2019, 5, 1, 9999, 12, 31},   // 令和
    {"\x95\xBD\x90\xAC", 1989, 1, 8, 2019, 4, 30},    // 平成
    {"\x8F\xBA\x98\x61", 1926, 12, 25, 1989, 1, 7},   // 昭和
    {"\x91\xE5\x90\xB3", 1912, 7, 30, 1926, 12, 24},  // 大正
    {"\x96\xBE\x8E\xA1", 1868, 9, 8, 1912, 7, 29},    // 明治
};

constexpr std::int32_t kMaxValue = 9999;
constexpr std::int32_t kRejected = -1;

const Era *findEra(const char *text) noexcept
{
    for (const Era &era : kEras) {
        if (std::strcmp(text, era.name) == 0)
            return &era;
    }
    return nullptr;
}

// Reads half-width and full-width (０-９, 82 4F-82 58) digits as one decimal
// number. Any other character, a two-byte character cut short by the
// terminator, or a value above 9999 gives kRejected. Leading zeros are fine,
// the empty text reads as 0.
std::int32_t readDigits(const char *text) noexcept
{
    const auto *p = reinterpret_cast<const unsigned char *>(text);
    std::int32_t value = 0;
    for (;;) {
        const unsigned c = p[0];
        unsigned digit;
        if (c == 0)
            return value;
        if (cp932::mbclen(static_cast<unsigned char>(c)) == 2) {
            if (c != 0x82)
                return kRejected;
            // A terminator as trail byte fails this range check too, so the
            // scan never steps past the end of the text.
            digit = unsigned(p[1]) - 0x4Fu;
            if (digit > 9)
                return kRejected;
            p += 2;
        } else {
            digit = c - unsigned('0');
            if (digit > 9)
                return kRejected;
            p += 1;
        }
        value = value * 10 + std::int32_t(digit);
        if (value > kMaxValue)
            return kRejected;
    }
}

bool isLeapYear(std::int32_t year) noexcept
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::int32_t daysInMonth(std::int32_t year, std::int32_t month) noexcept
{
    static constexpr unsigned char kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// A date of years 1 to 9999 that the proleptic Gregorian calendar has.
// Unsigned comparisons keep every int, however far out, from overflowing.
bool exists(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    return std::uint32_t(year) - 1u < std::uint32_t(kMaxValue)
           && std::uint32_t(month) - 1u < 12u && day >= 1 && day <= daysInMonth(year, month);
}

// Orders dates; it stays far below 2^31 for every year read here.
std::int32_t dateKey(std::int32_t year, std::int32_t month, std::int32_t day) noexcept
{
    return year * 10000 + month * 100 + day;
}

// Checks one date group and stores it as a Gregorian date.
bool readDate(const char *const group[4], std::int32_t &year, std::int32_t &month,
              std::int32_t &day) noexcept
{
    if (group == nullptr || group[0] == nullptr || group[1] == nullptr
        || group[2] == nullptr || group[3] == nullptr)
        return false;

    const Era *era = findEra(group[0]);
    if (era == nullptr)
        return false;

    const auto *y = reinterpret_cast<const unsigned char *>(group[1]);
    const bool gannen = y[0] == 0x8C && y[1] == 0xB3 && y[2] == 0;  // "元"
    year = gannen ? 1 : readDigits(group[1]);
    if (year < 1)
        return false;

    month = readDigits(group[2]);
    if (month < 1 || month > 12)
        return false;

    day = readDigits(group[3]);
    if (day < 1 || day > 31)
        return false;

    year += era->firstYear - 1;
    const std::int32_t key = dateKey(year, month, day);
    if (key < dateKey(era->firstYear, era->firstMonth, era->firstDay)
        || key > dateKey(era->lastYear, era->lastMonth, era->lastDay))
        return false;

    return day <= daysInMonth(year, month);
}

// Writes 0..9999 exactly as "%d" does, followed by a NUL.
void writeDecimal(char *out, std::int32_t value) noexcept
{
    const auto v = static_cast<unsigned>(value);
    if (v < 10) {
        out[0] = char('0' + v);
        out[1] = 0;
    } else if (v < 100) {
        out[0] = char('0' + v / 10);
        out[1] = char('0' + v % 10);
        out[2] = 0;
    } else if (v < 1000) {
        out[0] = char('0' + v / 100);
        out[1] = char('0' + v / 10 % 10);
        out[2] = char('0' + v % 10);
        out[3] = 0;
    } else {
        out[0] = char('0' + v / 1000);
        out[1] = char('0' + v / 100 % 10);
        out[2] = char('0' + v / 10 % 10);
        out[3] = char('0' + v % 10);
        out[4] = 0;
    }
}

} // namespace

AgeCalculator::AgeCalculator() noexcept
    : valid(false)
{
}

bool AgeCalculator::validateDates(const char *const ref[4], const char *const birth[4]) noexcept
{
    valid = readDate(ref, refYear, refMonth, refDay)
            && readDate(birth, birthYear, birthMonth, birthDay)
            && dateKey(refYear, refMonth, refDay) >= dateKey(birthYear, birthMonth, birthDay);
    return valid;
}

bool AgeCalculator::calcAges(char *result) const noexcept
{
    // The fields are public: compute only from values an accepted
    // validation could have stored (both dates exist in years 1 to 9999, the
    // reference not before the birth), so that no table is read out of range,
    // nothing overflows and every age fits its 5-byte slot.
    if (!valid || !exists(refYear, refMonth, refDay) || !exists(birthYear, birthMonth, birthDay)
        || dateKey(refYear, refMonth, refDay) < dateKey(birthYear, birthMonth, birthDay))
        return false;

    const std::int32_t Y = refYear, M = refMonth, D = refDay;
    const std::int32_t m = birthMonth, d = birthDay;
    const std::int32_t delta = Y - birthYear;

    // Legal age rises on the day before each anniversary (February 28 for a
    // birth on February 29).
    std::int32_t legal;
    if (M > m)
        legal = (M == 12 && D == 31 && m == 1 && d == 1) ? delta + 1 : delta;
    else if (M == m)
        legal = D >= d - 1 ? delta : delta - 1;
    else if (m == M + 1 && d == 1)
        legal = D == daysInMonth(Y, M) ? delta : delta - 1;
    else
        legal = delta - 1;

    const std::int32_t counted = delta + 1;

    // Customary age rises on the anniversary itself; a February 29 birthday
    // falls on February 28 in common years.
    std::int32_t customary;
    if (M == 2 && m == 2 && d == 29)
        customary = D == (isLeapYear(Y) ? 29 : 28) ? delta : delta - 1;
    else
        customary = (M > m || (M == m && D >= d)) ? delta : delta - 1;

    writeDecimal(result, legal);
    writeDecimal(result + 5, counted);
    writeDecimal(result + 10, customary);
    return true;
}

const AgeCalculator::Era *AgeCalculator::erasBegin() noexcept
{
    return std::begin(kEras);
}

const AgeCalculator::Era *AgeCalculator::erasEnd() noexcept
{
    return std::end(kEras);
}
