#include "dialog_a.h"
#include "dialog_c.h"
#include "dialog_r.h"
#include "testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <cmath>
#include <memory>

namespace {

std::unique_ptr<QDialog> make(const QByteArray &name)
{
    if (name == "Dialog_C")
        return std::make_unique<Dialog_C>(nullptr);
    if (name == "Dialog_R")
        return std::make_unique<Dialog_R>(nullptr);
    return std::make_unique<Dialog_A>(nullptr);
}

double luminance(const QColor &c)
{
    auto f = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * f(c.redF()) + 0.7152 * f(c.greenF()) + 0.0722 * f(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor colour(const QTextCharFormat &f)
{
    return f.foreground().style() == Qt::NoBrush ? QColor() : f.foreground().color();
}

} // namespace

// Stands in for the desktop's web browser.
class UrlSink : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void reopenedAtTop_data();
    void reopenedAtTop();
    void ctrlAInYearFieldSelectsAll();
    void texts_data();
    void texts();
    void paragraphs_data();
    void paragraphs();
    void about();
    void linkByKeyboard();
    void darkPalette_data();
    void darkPalette();
};

// Every way into each dialog, with every way out: a new modal dialog of the
// right kind over the window, which afterwards is as it was.
void TestDialogs::opens_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("dialog");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("close");
    const struct { const char *how, *dialog; QSize size; } ways[] = {
        {"action_C", "Dialog_C", {756, 439}}, {"action_R", "Dialog_R", {564, 259}},
        {"action_A", "Dialog_A", {260, 175}}, {"toolbar", "Dialog_A", {260, 175}},
        {"Ctrl+A", "Dialog_A", {260, 175}},
    };
    for (const auto &way : ways)
        for (const char *close : {"button", "Escape", "title bar"})
            QTest::addRow("%s, %s", way.how, close) << way.how << QByteArray(way.dialog) << way.size << close;
}

void TestDialogs::opens()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, dialog);
    QFETCH(QSize, size);
    QFETCH(QString, close);

    Window w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.enter(QStringLiteral("令和|元|5|1|昭和|６４|1|7"));
    QTest::mouseClick(w.button(), Qt::LeftButton);
    const QStringList inputs = w.texts();
    QCOMPARE(w.results(), QStringLiteral("30 31 30"));
    w.input(0)->setFocus();

    QByteArray seen;
    onNextModal([&](QWidget *modal) {
        seen = modal->metaObject()->className();
        QCOMPARE(modal->parentWidget(), &w);
        QVERIFY(modal->isModal());
        QCOMPARE(modal->size(), size);
        QCOMPARE(modal->minimumSize(), size);
        QCOMPARE(modal->maximumSize(), size);
        QVERIFY(!(modal->windowFlags() & Qt::WindowContextHelpButtonHint));
        if (close == "button")
            QTest::mouseClick(modal->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
        else if (close == "Escape")
            QTest::keyClick(modal, Qt::Key_Escape);
        else
            modal->close();
    });
    if (how == "toolbar")
        QTest::mouseClick(w.findChild<QToolBar *>()->widgetForAction(w.findChild<QAction *>("action_A")),
                          Qt::LeftButton);
    else if (how == "Ctrl+A")
        QTest::keyClick(w.input(0), Qt::Key_A, Qt::ControlModifier);
    else
        w.findChild<QAction *>(how)->trigger();
    QCOMPARE(seen, dialog);
    QVERIFY(w.findChildren<QDialog *>().isEmpty()); // deleted as exec() returned
    QCOMPARE(w.texts(), inputs);
    QCOMPARE(w.results(), QStringLiteral("30 31 30"));
    QVERIFY(w.button()->isEnabled());
}

void TestDialogs::reopenedAtTop_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("calculation methods") << "action_C";
    QTest::newRow("input rules") << "action_R";
}

void TestDialogs::reopenedAtTop()
{
    QFETCH(QString, action);
    Window w;
    w.show();
    QList<int> scroll;
    QPointer<QWidget> first;
    for (int i = 0; i < 2; ++i) {
        onNextModal([&](QWidget *modal) {
            QScrollBar *bar = modal->findChild<QTextBrowser *>()->verticalScrollBar();
            scroll << bar->value();
            bar->setValue(bar->maximum());
            if (!first)
                first = modal;
            modal->close();
        });
        w.findChild<QAction *>(action)->trigger();
    }
    QCOMPARE(scroll, (QList<int>{0, 0}));
    QVERIFY(first.isNull());
}

// Inside a text field Ctrl+A keeps its universal meaning.
void TestDialogs::ctrlAInYearFieldSelectsAll()
{
    Window w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.set(1, QStringLiteral("2024"));
    w.input(1)->setFocus();
    bool opened = false;
    onNextModal([&](QWidget *modal) { opened = true; modal->close(); }, 40);
    QTest::keyClick(w.input(1), Qt::Key_A, Qt::ControlModifier);
    QTest::qWait(300);
    QVERIFY(!opened);
    QCOMPARE(static_cast<QLineEdit *>(w.input(1))->selectedText(), QStringLiteral("2024"));
}

// The texts go through the translation lookup, one context per class, and
// are the approved ones; the reference texts have the promised size.
void TestDialogs::texts_data()
{
    QTest::addColumn<QByteArray>("dialog");
    QTest::addColumn<int>("lookups");
    QTest::addColumn<int>("htmlBytes");
    QTest::addColumn<int>("lineFeeds");
    QTest::addColumn<QByteArray>("fingerprint");
    QTest::newRow("Dialog_C") << QByteArray("Dialog_C") << 3 << 7751 << 33 << QByteArray("f1b43f1a5523e52a");
    QTest::newRow("Dialog_R") << QByteArray("Dialog_R") << 3 << 4284 << 18 << QByteArray("a8fa67158d1494cd");
    QTest::newRow("Dialog_A") << QByteArray("Dialog_A") << 7 << 0 << 0 << QByteArray("1734821c2b9a64d0");
}

void TestDialogs::texts()
{
    QFETCH(QByteArray, dialog);
    QFETCH(int, lookups);
    QFETCH(int, htmlBytes);
    QFETCH(int, lineFeeds);
    QFETCH(QByteArray, fingerprint);
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    make(dialog);
    QCoreApplication::removeTranslator(&translator);
    const QStringList seen = translator.seen.value(dialog);
    QCOMPARE(seen.size(), lookups);
    if (htmlBytes) {
        QCOMPARE(seen[1].toUtf8().size(), htmlBytes);
        QCOMPARE(int(seen[1].count('\n')), lineFeeds);
    }
    QVERIFY2(translator.fingerprint(dialog) == fingerprint,
             translator.fingerprint(dialog) + ": " + seen.join(" | ").toUtf8());
}

// Headings bold, quotations and rules #55557f, the closing note #cc0000,
// an empty line coloured only inside a quotation, one underlined phrase.
void TestDialogs::paragraphs_data()
{
    QTest::addColumn<QByteArray>("dialog");
    QTest::addColumn<int>("blocks");
    QTest::newRow("Dialog_C") << QByteArray("Dialog_C") << 30;
    QTest::newRow("Dialog_R") << QByteArray("Dialog_R") << 15;
}

void TestDialogs::paragraphs()
{
    QFETCH(QByteArray, dialog);
    QFETCH(int, blocks);
    const auto d = make(dialog);
    auto *browser = d->findChild<QTextBrowser *>("textBrowser");
    QVERIFY(browser->isReadOnly() && (browser->textInteractionFlags() & Qt::TextSelectableByMouse));
    const QTextDocument *doc = browser->document();
    QCOMPARE(doc->blockCount(), blocks);
    const QColor muted(0x55, 0x55, 0x7f), red(0xcc, 0, 0);
    auto expected = [&](const QString &text) {
        return text.startsWith(QStringLiteral("　○")) || text.startsWith(QStringLiteral("　　")) ? muted
               : text.startsWith(QStringLiteral("※")) ? red : QColor();
    };
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        const QString where = QString::number(b.blockNumber() + 1) + ": " + text;
        if (text.isEmpty()) {
            const bool inside = expected(b.previous().text()) == muted && expected(b.next().text()) == muted;
            QVERIFY2(colour(b.charFormat()) == (inside ? muted : QColor()), qPrintable(where));
            continue;
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            QVERIFY2((f.fontWeight() > QFont::Normal) == text.startsWith(QStringLiteral("【")), qPrintable(where));
            QVERIFY2(colour(f) == expected(text), qPrintable(where));
            QVERIFY2(f.fontUnderline() == (it.fragment().text() == QStringLiteral("出生日の前日")), qPrintable(where));
            QCOMPARE(f.font().family(), QStringLiteral("MS UI Gothic"));
            QCOMPARE(f.font().pointSize(), 9);
            QVERIFY(QFontMetrics(f.font()).inFont(QChar(0x6CD5))); // 法: a Japanese face
        }
    }
}

void TestDialogs::about()
{
    Dialog_A d(nullptr);
    auto *image = d.findChild<QLabel *>("label");
    QCOMPARE(image->pixmap(Qt::ReturnByValue).size(), QSize(32, 32));
    QVERIFY(image->text().isEmpty());
    QVERIFY(!QAccessible::queryAccessibleInterface(image)->text(QAccessible::Name).isEmpty());
    const QFont name = d.findChild<QLabel *>("label_2")->font();
    QVERIFY(name.bold());
    QCOMPARE(name.pointSize(), 12);
    auto *label = d.findChild<QLabel *>("label_5");
    QVERIFY(label->openExternalLinks());
    QTextDocument doc;
    doc.setHtml(label->text());
    int anchors = 0;
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        if (!f.isAnchor())
            continue;
        ++anchors;
        QCOMPARE(f.anchorHref(), QStringLiteral(DISTRIBUTOR_URL));
        QCOMPARE(it.fragment().text(), QStringLiteral(DISTRIBUTOR_NAME));
        QVERIFY(f.fontUnderline());
        QCOMPARE(f.foreground().color(), QColor(0, 0, 255));
    }
    QCOMPARE(anchors, 1);
}

// The link is reached with Tab and followed with Enter; the box stays open.
void TestDialogs::linkByKeyboard()
{
    UrlSink sink;
    QDesktopServices::setUrlHandler("https", &sink, "open");
    QDesktopServices::setUrlHandler("http", &sink, "open");
    Dialog_A d(nullptr);
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    auto *label = d.findChild<QLabel *>("label_5");
    d.findChild<QPushButton *>()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // round to the first stop
    QCOMPARE(QApplication::focusWidget(), label);
    QTest::keyClick(label, Qt::Key_Tab); // on to the link inside
    QCOMPARE(QApplication::focusWidget(), label);
    QTest::keyClick(label, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
    QCOMPARE(sink.opened, QList<QUrl>{QUrl(QStringLiteral(DISTRIBUTOR_URL))});
    QVERIFY(d.isVisible());
}

// On a dark palette the designed colours and the body text keep a contrast
// of at least 4.5 to 1 with the page they stand on.
void TestDialogs::darkPalette_data()
{
    QTest::addColumn<QByteArray>("dialog");
    QTest::addColumn<QString>("page");
    QTest::newRow("Dialog_C") << QByteArray("Dialog_C") << "textBrowser";
    QTest::newRow("Dialog_R") << QByteArray("Dialog_R") << "textBrowser";
    QTest::newRow("Dialog_A") << QByteArray("Dialog_A") << "frame";
}

void TestDialogs::darkPalette()
{
    QFETCH(QByteArray, dialog);
    QFETCH(QString, page);
    const QPalette original = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);
    const auto d = make(dialog);
    auto *widget = d->findChild<QWidget *>(page);
    const bool browser = page == "textBrowser";
    const QPalette p = browser ? static_cast<QTextBrowser *>(widget)->viewport()->palette() : widget->palette();
    const QColor background = p.color(browser ? QPalette::Base : QPalette::Window);
    QVERIFY(browser || widget->autoFillBackground());
    for (const QColor &c : {QColor(0x55, 0x55, 0x7f), QColor(0xcc, 0, 0), QColor(0, 0, 0xff),
                            p.color(browser ? QPalette::Text : QPalette::WindowText)})
        QVERIFY2(contrast(c, background) >= 4.5, qPrintable(c.name() + " on " + background.name()));
    QApplication::setPalette(original);
}

YOROZUMI_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
