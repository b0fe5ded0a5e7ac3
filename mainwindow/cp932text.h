#ifndef CP932TEXT_H
#define CP932TEXT_H

#include <QByteArray>
#include <QString>

// The calculator reads CP932 bytes. The widgets' texts are converted to
// CP932 explicitly rather than through the locale, so that the same entries
// are accepted on every desktop, UTF-8 ones included.
namespace cp932text {

// A character CP932 cannot represent comes out as '?'.
QByteArray fromUnicode(const QString &text);

QString toUnicode(const char *bytes);

} // namespace cp932text

#endif // CP932TEXT_H
