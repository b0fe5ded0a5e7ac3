// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "cp932text.h"

#include <QTextCodec>

namespace {

QTextCodec *codec()
{
    // Debian's Qt resolves this name to ICU's CP932 converter; a Qt built
    // without ICU has its own Shift_JIS codec, which agrees on every
    // character a date can contain.
    static QTextCodec *const cp932 = [] {
        QTextCodec *codec = QTextCodec::codecForName("Windows-31J");
        return codec ? codec : QTextCodec::codecForName("Shift_JIS");
    }();
    return cp932;
}

} // namespace

namespace cp932text {

QByteArray fromUnicode(const QString &text)
{
    // Usual case: the whole text survives the round trip, so no character
    // was dropped or replaced.
    const QByteArray whole = codec()->fromUnicode(text);
    if (!text.contains(QChar(0)) && codec()->toUnicode(whole) == text)
        return whole;

    // Otherwise character by character: what does not come back as itself
    // has no CP932 form of its own.
    QByteArray out;
    for (int i = 0; i < text.size();) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size()
                                   && text.at(i + 1).isLowSurrogate()
                               ? 2
                               : 1;
        const QString character = text.mid(i, length);
        const QByteArray bytes = codec()->fromUnicode(character);
        const bool own = character.at(0) != QChar(0) && !character.at(0).isSurrogate()
                         && !bytes.isEmpty() && codec()->toUnicode(bytes) == character;
        out += own ? bytes : QByteArray("?");
        i += length;
    }
    return out;
}

QString toUnicode(const char *bytes)
{
    return codec()->toUnicode(bytes);
}

} // namespace cp932text
