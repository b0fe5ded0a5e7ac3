// libFuzzer target: the input, split at NUL bytes, gives the eight date
// texts (missing ones are empty). Whatever validateDates accepts must be two
// existing dates inside their eras in order, and calcAges must then write
// the model's three ages; a rejection must leave the buffer alone.

#include "agecalculator.h"

#include "datemodel.h" // the tests' independent model

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void check(bool condition) { condition ? void() : std::abort(); }

const char *const kEraNames[] = {"\x90\xBC\x97\xEF", "\x97\xDF\x98\x61", "\x95\xBD\x90\xAC", // 西暦 令和 平成
                                 "\x8F\xBA\x98\x61", "\x91\xE5\x90\xB3", "\x96\xBE\x8E\xA1"}; // 昭和 大正 明治

model::Date checkedDate(const char *eraName, int y, int m, int d)
{
    const model::Date date{y, m, d};
    check(y >= 1 && y <= 9999 && model::exists(date));
    size_t era = 0;
    for (; era < 6 && std::strcmp(kEraNames[era], eraName) != 0; ++era) {}
    check(era < 6 && model::eras[era].contains(date));
    return date;
}

} // namespace

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
    char buffer[15], expected[16];
    std::memset(buffer, 0x55, sizeof buffer);
    std::memset(expected, 0x55, sizeof expected);
    check(accepted == calc.valid && calc.calcAges(buffer) == accepted);
    if (accepted) {
        const model::Date ref = checkedDate(texts[0], calc.refYear, calc.refMonth, calc.refDay);
        const model::Date birth = checkedDate(texts[4], calc.birthYear, calc.birthMonth, calc.birthDay);
        check(model::days(ref) >= model::days(birth));
        const model::Ages ages = model::ages(ref, birth);
        const int values[] = {ages.legal, ages.counted, ages.customary};
        for (int k = 0; k < 3; ++k)
            std::snprintf(expected + 5 * k, 5, "%u", unsigned(values[k]) % 10000u);
    }
    check(std::memcmp(buffer, expected, 15) == 0);
    return 0;
}
