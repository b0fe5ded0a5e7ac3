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
    return codec()->fromUnicode(text);
}

QString toUnicode(const char *bytes)
{
    return codec()->toUnicode(bytes);
}

} // namespace cp932text
