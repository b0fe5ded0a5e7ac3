#include "dialog_a.h"

#include "recordingtranslator.h"
#include "uifont.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

// Stands in for the desktop's browser.
class UrlSink : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestDialogA : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void window();
    void labels();
    void textsGoThroughTranslation();
    void link();
    void clickingTheLinkOpensBrowserAndKeepsDialog();
    void screenshot();

private:
    UrlSink sink;
};

void TestDialogA::initTestCase()
{
    useJapaneseUiFont();
    for (const char *scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &sink, "open");
}

void TestDialogA::cleanupTestCase()
{
    for (const char *scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void TestDialogA::window()
{
    Dialog_A dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("Dialog_A"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("本アプリケーションについて"));
    QCOMPARE(dialog.size(), QSize(260, 175));
    QCOMPARE(dialog.minimumSize(), QSize(260, 175));
    QCOMPARE(dialog.maximumSize(), QSize(260, 175));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
    QCOMPARE(dialog.findChild<QFrame *>("frame")->frameShape(), QFrame::StyledPanel);
    // Connected by signature at run time, as the form says.
    QVERIFY(QObject::disconnect(dialog.findChild<QPushButton *>("pushButton"), SIGNAL(clicked()),
                                &dialog, SLOT(close())));
}

void TestDialogA::labels()
{
    Dialog_A dialog;
    auto *image = dialog.findChild<QLabel *>("label");
    const QPixmap pixmap = image->pixmap(Qt::ReturnByValue);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), QSize(32, 32));
    QVERIFY(image->text().isEmpty());

    auto *name = dialog.findChild<QLabel *>("label_2");
    QCOMPARE(name->text(), QStringLiteral("ヨロズミ"));
    QCOMPARE(name->font().pointSize(), 12);
    QVERIFY(name->font().bold());

    auto plain = [&](const char *label) {
        QTextDocument doc;
        doc.setHtml(dialog.findChild<QLabel *>(label)->text());
        return doc.toPlainText();
    };
    QCOMPARE(plain("label_3"), QStringLiteral("Version 3.3.0"));
    QCOMPARE(plain("label_4"), QStringLiteral("本アプリケーションは、無償で配布しています。"));
    QCOMPARE(plain("label_5"), QStringLiteral("配布元：") + QStringLiteral(DISTRIBUTOR_NAME));
}

void TestDialogA::textsGoThroughTranslation()
{
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    { Dialog_A dialog; }
    QCoreApplication::removeTranslator(&translator);
    // The title, four label texts and the button; the image label's empty
    // text is set without the lookup.
    const QList<QByteArray> sources = translator.sourcesFor("Dialog_A");
    QCOMPARE(sources.size(), 6);
    QCOMPARE(QString::fromUtf8(sources.first()), QStringLiteral("本アプリケーションについて"));
    QCOMPARE(QString::fromUtf8(sources.last()), QStringLiteral("閉じる"));
}

void TestDialogA::link()
{
    Dialog_A dialog;
    auto *label = dialog.findChild<QLabel *>("label_5");
    QVERIFY(label->openExternalLinks());
    QTextDocument doc;
    doc.setHtml(label->text());
    const QTextBlock block = doc.begin();
    bool found = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (!format.isAnchor())
            continue;
        found = true;
        QCOMPARE(format.anchorHref(), QStringLiteral(DISTRIBUTOR_URL));
        QCOMPARE(it.fragment().text(), QStringLiteral(DISTRIBUTOR_NAME));
        QVERIFY(format.fontUnderline());
        QCOMPARE(format.foreground().color(), QColor(0, 0, 255));
    }
    QVERIFY(found);
}

void TestDialogA::clickingTheLinkOpensBrowserAndKeepsDialog()
{
    Dialog_A dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *label = dialog.findChild<QLabel *>("label_5");
    // The link text follows "配布元：": try points along the label until the
    // cursor there is a pointing hand.
    QPoint onLink;
    for (int x = 0; x < label->width() && onLink.isNull(); x += 2) {
        QTest::mouseMove(label, QPoint(x, label->height() / 2));
        if (label->cursor().shape() == Qt::PointingHandCursor)
            onLink = QPoint(x, label->height() / 2);
    }
    QVERIFY2(!onLink.isNull(), "no link under the mouse anywhere on the label");
    sink.opened.clear();
    QTest::mouseClick(label, Qt::LeftButton, {}, onLink);
    QTRY_COMPARE(sink.opened, QList<QUrl>{QUrl(QStringLiteral(DISTRIBUTOR_URL))});
    QVERIFY(dialog.isVisible());
}

void TestDialogA::screenshot()
{
    Dialog_A dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(QDir().mkpath(SCREENSHOT_DIR));
    QVERIFY(dialog.grab().save(SCREENSHOT_DIR "/dialog_a.png"));
}

QTEST_MAIN(TestDialogA)
#include "tst_dialog_a.moc"
