// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "agecalculator.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

#define SEIREKI "\x90\xBC\x97\xEF"
#define REIWA "\x97\xDF\x98\x61"
#define SHOWA "\x8F\xBA\x98\x61"
#define GANNEN "\x8C\xB3"
#define FW(d) "\x82" d // full-width digit: FW("\x4F") is ０

struct Case
{
    const char *ref[4];
    const char *birth[4];
};

const Case kHalfWidth = {{SEIREKI, "2024", "6", "15"}, {SEIREKI, "1990", "12", "31"}};
const Case kFullWidth = {{REIWA, FW("\x54"), "6", "15"}, {SHOWA, FW("\x54") FW("\x55"), "3", "20"}};
const Case kGannen = {{REIWA, GANNEN, "5", "1"}, {SHOWA, GANNEN, "12", "25"}};
// The longest texts the form lets through (four full-width characters),
// and an overlong digit text that a caller outside the form could pass.
const Case kLongest = {{SEIREKI, FW("\x4F") FW("\x51") FW("\x51") FW("\x53"), "12", "31"},
                       {SEIREKI, FW("\x4F") FW("\x4F") FW("\x4F") FW("\x50"), "01", "01"}};
const Case kOverlong = {{SEIREKI, "00000000000000000000000000000000000002024", "6", "15"},
                        {SEIREKI, "000000000000000000000000000000000000001990", "6", "15"}};

void BM_validateDates(benchmark::State &state, const Case &c)
{
    AgeCalculator calc;
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.ref);
        benchmark::DoNotOptimize(c.birth);
        benchmark::DoNotOptimize(calc.validateDates(c.ref, c.birth));
    }
    if (!calc.valid)
        state.SkipWithError("case was not accepted");
}
BENCHMARK_CAPTURE(BM_validateDates, seireki_half_width, kHalfWidth);
BENCHMARK_CAPTURE(BM_validateDates, era_full_width, kFullWidth);
BENCHMARK_CAPTURE(BM_validateDates, era_gannen, kGannen);
BENCHMARK_CAPTURE(BM_validateDates, longest_form_text, kLongest);
BENCHMARK_CAPTURE(BM_validateDates, overlong_digits, kOverlong);

void BM_calcAges(benchmark::State &state, const Case &c)
{
    AgeCalculator calc;
    if (!calc.validateDates(c.ref, c.birth)) {
        state.SkipWithError("case was not accepted");
        return;
    }
    char buffer[15];
    for (auto _ : state) {
        benchmark::DoNotOptimize(&calc);
        benchmark::DoNotOptimize(calc.calcAges(buffer));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_calcAges, two_digit_ages, kHalfWidth);
BENCHMARK_CAPTURE(BM_calcAges, gannen, kGannen);
BENCHMARK_CAPTURE(BM_calcAges, four_digit_ages, kLongest);

// The yardstick: the same rules read the straightforward way, with strcmp
// for the eras and atoi for the numbers once the digits are made ASCII.
// The eras in the yardstick's own terms, taken from the calculator's table.
struct ReferenceEra
{
    const char *name;
    int offset, lastYear, first, last; // month * 100 + day
};
const std::vector<ReferenceEra> kReferenceEras = [] {
    std::vector<ReferenceEra> eras;
    for (auto *e = AgeCalculator::erasBegin(); e != AgeCalculator::erasEnd(); ++e)
        eras.push_back({e->name, e->firstYear - 1, e->lastYear - e->firstYear + 1, e->firstMonth * 100 + e->firstDay,
                        e->lastMonth * 100 + e->lastDay});
    return eras;
}();

int referenceNumber(const char *text)
{
    char ascii[64];
    std::size_t n = 0;
    for (const char *p = text; *p; ++p) {
        if (*p >= '0' && *p <= '9')
            ascii[n++] = *p;
        else if (p[0] == '\x82' && p[1] >= '\x4F' && p[1] <= '\x58')
            ascii[n++] = char('0' + (p[1] - '\x4F')), ++p;
        else
            return -1;
        if (n == sizeof ascii)
            return -1;
    }
    ascii[n] = 0;
    return n == 0 || std::strlen(ascii) > 4 + std::strspn(ascii, "0") ? -1 : std::atoi(ascii);
}

bool referenceDate(const char *const group[4], int &key)
{
    const ReferenceEra *era = nullptr;
    for (const ReferenceEra &e : kReferenceEras)
        if (std::strcmp(group[0], e.name) == 0)
            era = &e;
    const int year = std::strcmp(group[1], GANNEN) == 0 ? 1 : referenceNumber(group[1]);
    const int month = referenceNumber(group[2]), day = referenceNumber(group[3]);
    if (!era || year < 1 || year > era->lastYear || month < 1 || month > 12 || day < 1)
        return false;
    if ((year == 1 && month * 100 + day < era->first) || (year == era->lastYear && month * 100 + day > era->last))
        return false;
    const int y = year + era->offset;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    key = y * 10000 + month * 100 + day;
    return day <= days[month - 1] + (month == 2 && leap);
}

void BM_referenceValidation(benchmark::State &state, const Case &c)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.ref);
        benchmark::DoNotOptimize(c.birth);
        int ref = 0, birth = 0;
        benchmark::DoNotOptimize(referenceDate(c.ref, ref) && referenceDate(c.birth, birth) && ref >= birth);
    }
}
BENCHMARK_CAPTURE(BM_referenceValidation, seireki_half_width, kHalfWidth);
BENCHMARK_CAPTURE(BM_referenceValidation, era_full_width, kFullWidth);
BENCHMARK_CAPTURE(BM_referenceValidation, era_gannen, kGannen);
BENCHMARK_CAPTURE(BM_referenceValidation, longest_form_text, kLongest);
BENCHMARK_CAPTURE(BM_referenceValidation, overlong_digits, kOverlong);

} // namespace

BENCHMARK_MAIN();
