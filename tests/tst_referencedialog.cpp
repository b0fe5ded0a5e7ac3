// Built twice: once for Dialog_C (calculation methods), once for Dialog_R
// (input rules); see CMakeLists.txt.

#include DIALOG_HEADER

#include "recordingtranslator.h"
#include "referencetexts.h"
#include "uifont.h"

#include <QFontInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

namespace {

using namespace referencetexts;

#define STRINGIFY2(x) #x
#define STRINGIFY(x) STRINGIFY2(x)
const QByteArray kContext = STRINGIFY(DIALOG_CLASS);

struct Expected
{
    QString title;
    QSize size;
    int htmlBytes, htmlLineFeeds;
    const Paragraph *paragraphs;
    int paragraphCount;
};

Expected expected()
{
    if (kContext == "Dialog_C")
        return {QStringLiteral("日本における年齢の算出方法"), {756, 439}, 7751, 33,
                calculationMethods, int(std::size(calculationMethods))};
    return {QStringLiteral("日付の入力規定"), {564, 259}, 4284, 18, inputRules,
            int(std::size(inputRules))};
}

QColor foreground(const QTextCharFormat &format)
{
    return format.foreground().style() == Qt::NoBrush ? QColor() : format.foreground().color();
}

} // namespace

class TestReferenceDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void window();
    void textsGoThroughTranslation();
    void paragraphs_data();
    void paragraphs();
    void browserIsReadOnly();
    void japaneseFace();
    void screenshot();

private:
    RecordingTranslator translator;
};

void TestReferenceDialog::initTestCase()
{
    useJapaneseUiFont();
    QCoreApplication::installTranslator(&translator);
}

void TestReferenceDialog::window()
{
    DIALOG_CLASS dialog;
    QCOMPARE(dialog.objectName(), QString::fromLatin1(kContext));
    QCOMPARE(dialog.windowTitle(), expected().title);
    QCOMPARE(dialog.size(), expected().size);
    QCOMPARE(dialog.minimumSize(), expected().size);
    QCOMPARE(dialog.maximumSize(), expected().size);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.findChild<QPushButton *>("pushButton")->text(), QStringLiteral("閉じる"));
    // Connected by signature at run time, as the form says.
    QVERIFY(QObject::disconnect(dialog.findChild<QPushButton *>("pushButton"), SIGNAL(clicked()),
                                &dialog, SLOT(close())));
}

void TestReferenceDialog::textsGoThroughTranslation()
{
    translator.requests.clear();
    DIALOG_CLASS dialog;
    const QList<QByteArray> sources = translator.sourcesFor(kContext);
    QCOMPARE(sources.size(), 3);
    QCOMPARE(QString::fromUtf8(sources[0]), expected().title);
    const QByteArray html = sources[1];
    QCOMPARE(html.size(), expected().htmlBytes);
    QCOMPARE(int(html.count('\n')), expected().htmlLineFeeds);
    QVERIFY(!html.contains('\r'));
    QVERIFY(html.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\""));
    QVERIFY(html.endsWith("</p></body></html>"));
    QCOMPARE(QString::fromUtf8(sources[2]), QStringLiteral("閉じる"));
}

void TestReferenceDialog::paragraphs_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("text");
    const Expected e = expected();
    for (int i = 0; i < e.paragraphCount; ++i)
        QTest::addRow("paragraph %d", i + 1)
            << i << int(e.paragraphs[i].style) << QString::fromUtf8(e.paragraphs[i].text);
}

void TestReferenceDialog::paragraphs()
{
    QFETCH(int, index);
    QFETCH(int, style);
    QFETCH(QString, text);

    DIALOG_CLASS dialog;
    const QTextDocument *document = dialog.findChild<QTextBrowser *>("textBrowser")->document();
    QCOMPARE(document->blockCount(), expected().paragraphCount);
    const QTextBlock block = document->findBlockByNumber(index);
    QCOMPARE(block.text(), text);

    const QColor muted(0x55, 0x55, 0x7f), warning(0xcc, 0x00, 0x00);
    if (style == Empty || style == EmptyMuted) {
        QCOMPARE(foreground(block.charFormat()), style == EmptyMuted ? muted : QColor());
        return;
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        QCOMPARE(format.fontWeight() > QFont::Normal, style == Bold);
        const QColor colour = style == Muted ? muted : style == Warning ? warning : QColor();
        QCOMPARE(foreground(format), colour);
        // Only the day before the birthday is underlined, in the legal-age
        // paragraph.
        QCOMPARE(format.fontUnderline(), it.fragment().text() == QStringLiteral("出生日の前日"));
    }
}

void TestReferenceDialog::browserIsReadOnly()
{
    DIALOG_CLASS dialog;
    auto *browser = dialog.findChild<QTextBrowser *>("textBrowser");
    QVERIFY(browser->isReadOnly());
    QVERIFY(browser->textInteractionFlags() & Qt::TextSelectableByMouse);
    QVERIFY(!(browser->textInteractionFlags() & Qt::TextEditable));
}

void TestReferenceDialog::japaneseFace()
{
    DIALOG_CLASS dialog;
    const QTextDocument *document = dialog.findChild<QTextBrowser *>("textBrowser")->document();
    const QTextCharFormat format = document->begin().begin().fragment().charFormat();
    QCOMPARE(format.font().family(), QStringLiteral("MS UI Gothic"));
    QCOMPARE(format.font().pointSize(), 9);
    // Whatever family it asks for, what it gets has the Japanese glyphs.
    const QFontInfo face(format.font());
    QVERIFY2(QFontMetrics(format.font()).inFont(QChar(0x6CD5)), qPrintable(face.family())); // 法
}

void TestReferenceDialog::screenshot()
{
    DIALOG_CLASS dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPixmap shot = dialog.grab();
    QVERIFY(QDir().mkpath(SCREENSHOT_DIR));
    QVERIFY(shot.save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(QString::fromLatin1(kContext).toLower())));
}

QTEST_MAIN(TestReferenceDialog)
#include "tst_referencedialog.moc"
