#include "agecalculator.h"
#include "cp932text.h"

#include <QtTest>

class TestCp932Text : public QObject
{
    Q_OBJECT

private slots:
    // Beside a digit, every character but a digit, and surrogate pairs, leave
    // the entry rejected: none converts to nothing or to an accepted look-alike.
    void everyCharacter()
    {
        const QByteArray seireki = cp932text::fromUnicode(QStringLiteral("西暦"));
        const QString pairs[] = {QStringLiteral("😀"), QString(QChar(0xDE00)) + QChar(0xD83D)};
        AgeCalculator calc;
        QStringList wrong;
        for (int code = 0; code <= 0x10001; ++code) {
            const QString c = code <= 0xFFFF ? QString(QChar(code)) : pairs[code - 0x10000];
            const QByteArray year = cp932text::fromUnicode(QStringLiteral("1") + c);
            const char *ref[] = {seireki, "9999", "12", "31"}, *birth[] = {seireki, year, "1", "1"};
            const bool digit = (code >= '0' && code <= '9') || (code >= 0xFF10 && code <= 0xFF19);
            if (calc.validateDates(ref, birth) != digit)
                wrong << QString::number(code, 16);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(' ')));
    }
};

QTEST_APPLESS_MAIN(TestCp932Text)
#include "tst_cp932text.moc"
