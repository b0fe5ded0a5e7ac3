// libFuzzer target: the input is split at NUL bytes into the eight date texts
// (missing ones are empty); whatever validateDates accepts must satisfy the
// date invariants, and calcAges must write three well-formed slots.

#include "agecalculator.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int monthLength(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

long key(int y, int m, int d) { return y * 10000L + m * 100 + d; }

struct Range
{
    const char *name;
    long first, last;
};

const Range kRanges[] = {
    {"\x90\xBC\x97\xEF", 10101, 99991231},      // 西暦
    {"\x97\xDF\x98\x61", 20190501, 99991231},   // 令和
    {"\x95\xBD\x90\xAC", 19890108, 20190430},   // 平成
    {"\x8F\xBA\x98\x61", 19261225, 19890107},   // 昭和
    {"\x91\xE5\x90\xB3", 19120730, 19261224},   // 大正
    {"\x96\xBE\x8E\xA1", 18680908, 19120729},   // 明治
};

void checkDate(const char *era, int y, int m, int d)
{
    check(y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= monthLength(y, m));
    const Range *range = nullptr;
    for (const Range &r : kRanges)
        if (std::strcmp(r.name, era) == 0)
            range = &r;
    check(range != nullptr);
    check(key(y, m, d) >= range->first && key(y, m, d) <= range->last);
}

// A slot holds 1 to 4 ASCII digits, no leading zero, then NUL.
int readSlot(const char *slot)
{
    int length = 0;
    while (length < 5 && slot[length] != 0) {
        check(slot[length] >= '0' && slot[length] <= '9');
        ++length;
    }
    check(length >= 1 && length <= 4);
    check(length == 1 || slot[0] != '0');
    return std::atoi(slot);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Eight exact-size heap strings, so the sanitizer sees any overread.
    std::vector<std::vector<char>> texts(8);
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < 8; ++i) {
        if (data[i] == 0)
            ++field;
        else
            texts[field].push_back(char(data[i]));
    }
    const char *pointers[8];
    for (int i = 0; i < 8; ++i) {
        texts[i].push_back(0);
        texts[i].shrink_to_fit();
        pointers[i] = texts[i].data();
    }

    AgeCalculator calc;
    const bool accepted = calc.validateDates(pointers, pointers + 4);
    check(accepted == calc.valid);

    char buffer[15];
    std::memset(buffer, 0x55, sizeof buffer);
    const bool written = calc.calcAges(buffer);
    check(written == accepted);
    if (!accepted) {
        for (char c : buffer)
            check(c == 0x55);
        return 0;
    }

    checkDate(pointers[0], calc.refYear, calc.refMonth, calc.refDay);
    checkDate(pointers[4], calc.birthYear, calc.birthMonth, calc.birthDay);
    check(key(calc.refYear, calc.refMonth, calc.refDay)
          >= key(calc.birthYear, calc.birthMonth, calc.birthDay));

    const int legal = readSlot(buffer), counted = readSlot(buffer + 5),
              customary = readSlot(buffer + 10);
    check(counted == calc.refYear - calc.birthYear + 1);
    check(counted - 2 <= legal && legal <= counted);
    check(customary <= legal && legal <= customary + 1);
    return 0;
}
