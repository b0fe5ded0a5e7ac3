// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#ifndef CP932TEXT_H
#define CP932TEXT_H

#include <QByteArray>
#include <QString>

// The calculator reads CP932 bytes. The widgets' texts are converted to
// CP932 explicitly rather than through the locale, so that the same entries
// are accepted on every desktop, UTF-8 ones included.
namespace cp932text {

// Every character CP932 holds comes out as its own bytes. Every other one
// (code point or surrogate pair, a lone surrogate too) comes out as one '?',
// and so does a NUL, which would end the calculator's text early: a
// converter that drops a character or maps it to a look-alike must not turn
// a text the rules reject into one they accept.
QByteArray fromUnicode(const QString &text);

QString toUnicode(const char *bytes);

} // namespace cp932text

#endif // CP932TEXT_H
