#include "agecalculator.h"
#include "allocation_counter.h"

#include <benchmark/benchmark.h>

#include <memory>

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

void reportAllocations(benchmark::State &state, std::uint64_t before)
{
    state.counters["allocs/call"] = benchmark::Counter(
        double(allocationCount() - before) / double(state.iterations()));
}

void BM_validateDates(benchmark::State &state, const Case &c)
{
    AgeCalculator calc;
    const std::uint64_t before = allocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.ref);
        benchmark::DoNotOptimize(c.birth);
        benchmark::DoNotOptimize(calc.validateDates(c.ref, c.birth));
    }
    reportAllocations(state, before);
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
    const std::uint64_t before = allocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(&calc);
        benchmark::DoNotOptimize(calc.calcAges(buffer));
        benchmark::ClobberMemory();
    }
    reportAllocations(state, before);
}
BENCHMARK_CAPTURE(BM_calcAges, two_digit_ages, kHalfWidth);
BENCHMARK_CAPTURE(BM_calcAges, gannen, kGannen);
BENCHMARK_CAPTURE(BM_calcAges, four_digit_ages, kLongest);

// Control: one allocation per iteration must show as allocs/call=1, or the
// counter above is not seeing the heap.
void BM_allocationCounterControl(benchmark::State &state)
{
    const std::uint64_t before = allocationCount();
    for (auto _ : state)
        benchmark::DoNotOptimize(std::make_unique<int>(1));
    reportAllocations(state, before);
}
BENCHMARK(BM_allocationCounterControl);

} // namespace

BENCHMARK_MAIN();
