#include "agecalculator.h"
#include "cp932text.h"

#include <QtTest>

class TestCp932Text : public QObject
{
    Q_OBJECT

private slots:
    // Beside a digit, each BMP code point but the digits leaves the entry
    // rejected: no character comes out of the conversion as nothing or as a
    // look-alike that the rules accept.
    void everyBmpCharacter()
    {
        const QByteArray seireki = cp932text::fromUnicode(QStringLiteral("西暦"));
        AgeCalculator calc;
        QStringList wrong;
        for (int code = 0; code <= 0xFFFF; ++code) {
            const QByteArray year = cp932text::fromUnicode(QStringLiteral("1") + QChar(code));
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
