// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef CP932_H
#define CP932_H

#include <cstddef>

// Character splitting in CP932 (Windows-31J), independent of the process's
// locale: the date texts always arrive as CP932 bytes, whatever the desktop
// runs in.
namespace cp932 {

// A byte in 81-9F or E0-FC opens a two-byte character.
constexpr bool isLeadByte(unsigned char c) noexcept
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character that begins with `lead`.
constexpr std::size_t mbclen(unsigned char lead) noexcept
{
    return isLeadByte(lead) ? 2 : 1;
}

} // namespace cp932

#endif // CP932_H
