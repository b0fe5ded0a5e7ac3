// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

// libFuzzer target: the input, split at NUL bytes, gives the eight texts.
// What is accepted are two existing dates in order; a rejection writes nothing.

#include "agecalculator.h"

#include "datemodel.h" // the tests' independent model

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

static void check(bool condition) { condition ? void() : std::abort(); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Eight exact-size heap strings, so that the sanitizer sees any overread.
    std::vector<std::string> parts(8);
    for (std::size_t i = 0, field = 0; i < size && field < 8; ++i)
        data[i] ? void(parts[field] += char(data[i])) : void(++field);
    std::unique_ptr<char[]> storage[8];
    const char *texts[8];
    for (size_t i = 0; i < 8; ++i)
        texts[i] = std::strcpy((storage[i] = std::make_unique<char[]>(parts[i].size() + 1)).get(), parts[i].c_str());

    AgeCalculator calc;
    const bool accepted = calc.validateDates(texts, texts + 4);
    char buffer[15];
    std::memset(buffer, 0x55, sizeof buffer);
    check(accepted == calc.valid && calc.calcAges(buffer) == accepted);
    if (!accepted) {
        check(std::all_of(buffer, buffer + 15, [](char c) { return c == 0x55; }));
        return 0;
    }
    const model::Date ref{calc.refYear, calc.refMonth, calc.refDay}, birth{calc.birthYear, calc.birthMonth, calc.birthDay};
    check(model::exists(ref) && model::exists(birth) && ref.year <= 9999 && birth.year >= 1);
    check(model::days(ref) >= model::days(birth));
    return 0;
}
