#include "dialog_a.h"
#include "dialog_c.h"
#include "dialog_r.h"
#include "testsupport.h"

#include <cmath>
#include <memory>

namespace {

std::unique_ptr<QWidget> make(const QByteArray &name)
{
    if (name == "MainWindow")
        return std::make_unique<Window>();
    if (name == "Dialog_C")
        return std::make_unique<Dialog_C>(nullptr);
    if (name == "Dialog_R")
        return std::make_unique<Dialog_R>(nullptr);
    return std::make_unique<Dialog_A>(nullptr);
}

double contrast(const QColor &a, const QColor &b) // WCAG's ratio
{
    auto l = [](const QColor &c) {
        auto f = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * f(c.redF()) + 0.7152 * f(c.greenF()) + 0.0722 * f(c.blueF()) + 0.05;
    };
    return std::max(l(a), l(b)) / std::min(l(a), l(b));
}

} // namespace

class UrlSink : public QObject // stands in for the desktop's web browser
{
    Q_OBJECT
public:
    QList<QUrl> opened;
    Q_SLOT void open(const QUrl &url) { opened << url; }
};

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void texts_data();
    void texts();
    void about();
    void darkPalette();
};

// Every way into each dialog, with every way out: a new modal dialog of the
// right kind and size over the window, at the top of its text, gone when
// exec() returns, the window as it was.
void TestDialogs::opens_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("dialog");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("close");
    const struct { const char *how, *dialog; QSize size; } ways[] = {
        {"action_C", "Dialog_C", {756, 439}}, {"action_R", "Dialog_R", {564, 259}}, {"action_A", "Dialog_A", {260, 175}},
        {"toolbar", "Dialog_A", {260, 175}}, {"Ctrl+A", "Dialog_A", {260, 175}}};
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
    QVERIFY(showActive(&w));
    w.enter(QStringLiteral("令和|元|5|1|昭和|６４|1|7"));
    QTest::mouseClick(w.button(), Qt::LeftButton);
    const QStringList inputs = w.texts();
    w.input(0)->setFocus();
    QByteArray seen;
    onNextModal([&](QWidget *modal) {
        seen = modal->metaObject()->className();
        QVERIFY(modal->parentWidget() == &w && modal->isModal());
        QVERIFY(modal->size() == size && modal->minimumSize() == size && modal->maximumSize() == size);
        QVERIFY(!(modal->windowFlags() & Qt::WindowContextHelpButtonHint));
        if (auto *browser = modal->findChild<QTextBrowser *>()) { // scrolled away: the next one is new
            QCOMPARE(browser->verticalScrollBar()->value(), 0);
            browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
        }
        if (close == "button")
            QTest::mouseClick(modal->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
        else if (close == "Escape")
            QTest::keyClick(modal, Qt::Key_Escape);
        else
            modal->close();
    });
    if (how == "toolbar")
        QTest::mouseClick(w.findChild<QToolBar *>()->widgetForAction(w.findChild<QAction *>("action_A")), Qt::LeftButton);
    else if (how == "Ctrl+A")
        QTest::keyClick(w.input(0), Qt::Key_A, Qt::ControlModifier);
    else
        w.findChild<QAction *>(how)->trigger();
    QCOMPARE(seen, dialog);
    QVERIFY(w.findChildren<QDialog *>().isEmpty());
    QVERIFY(w.texts() == inputs && w.button()->isEnabled());
    QCOMPARE(w.results(), QStringLiteral("30 31 30"));
}

// Every form's texts go through the translation lookup with the class as
// context and are the approved ones; the reference texts are of their
// promised size, read-only, in 9-point 'MS UI Gothic' on a Japanese face.
void TestDialogs::texts_data()
{
    QTest::addColumn<QByteArray>("dialog");
    QTest::addColumn<QByteArray>("fingerprint");
    QTest::addColumn<QList<int>>("counts"); // lookups, HTML bytes, line feeds, paragraphs
    QTest::newRow("MainWindow") << QByteArray("MainWindow") << QByteArray("5a1198b44ca6c3fe") << QList<int>{141};
    QTest::newRow("Dialog_C") << QByteArray("Dialog_C") << QByteArray("f1b43f1a5523e52a") << QList<int>{3, 7751, 33, 30};
    QTest::newRow("Dialog_R") << QByteArray("Dialog_R") << QByteArray("a8fa67158d1494cd") << QList<int>{3, 4284, 18, 15};
    QTest::newRow("Dialog_A") << QByteArray("Dialog_A") << QByteArray("1734821c2b9a64d0") << QList<int>{7};
}

void TestDialogs::texts()
{
    QFETCH(QByteArray, dialog);
    QFETCH(QByteArray, fingerprint);
    QFETCH(QList<int>, counts);
    RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const auto d = make(dialog);
    QCoreApplication::removeTranslator(&translator);
    const QStringList seen = translator.seen.value(dialog);
    QVERIFY2(translator.fingerprint(dialog) == fingerprint && seen.size() == counts[0],
             translator.fingerprint(dialog) + ", " + QByteArray::number(seen.size()) + ": " + seen.join(" | ").toUtf8());
    if (dialog != "MainWindow") // 閉じる is connected by signature at run time, as the form says
        QVERIFY(QObject::disconnect(d->findChild<QPushButton *>("pushButton"), SIGNAL(clicked()), d.get(), SLOT(close())));
    auto *browser = d->findChild<QTextBrowser *>("textBrowser");
    if (!browser)
        return;
    QVERIFY(seen[1].toUtf8().size() == counts[1] && seen[1].count('\n') == counts[2]);
    QVERIFY(browser->isReadOnly() && (browser->textInteractionFlags() & Qt::TextSelectableByMouse));
    QCOMPARE(browser->document()->blockCount(), counts[3]);
    const QTextCharFormat format = browser->document()->begin().charFormat();
    QVERIFY(format.font().family() == "MS UI Gothic" && format.font().pointSize() == 9);
    QVERIFY(QFontMetrics(format.font()).inFont(QChar(0x6CD5))); // 法: it resolves to a Japanese face
}

// The image with its name for screen readers, the name in bold 12 points,
// and the link (its look is in the approved text), reached with Tab and
// followed with Enter to the distributor's site, the box staying open.
void TestDialogs::about()
{
    Dialog_A d(nullptr);
    auto *image = d.findChild<QLabel *>("label");
    QCOMPARE(image->text(), QString());
    // The 32-pixel image, drawn from its companion on a denser screen.
    const QPixmap pixmap = image->pixmap(Qt::ReturnByValue);
    const qreal dpr = qApp->devicePixelRatio();
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    QCOMPARE(pixmap.size(), QSize(32, 32) * dpr);
    const QImage source(dpr > 1 ? ":/resource_images/images/app32@2x.png" : ":/resource_images/images/app32.png");
    QVERIFY(pixmap.toImage().convertToFormat(QImage::Format_RGB32)
            == source.scaled(pixmap.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32));
    QVERIFY(!QAccessible::queryAccessibleInterface(image)->text(QAccessible::Name).isEmpty());
    const QFont name = d.findChild<QLabel *>("label_2")->font();
    QVERIFY(name.bold() && name.pointSize() == 12);
    UrlSink sink;
    for (const char *scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(scheme, &sink, "open");
    QVERIFY(showActive(&d));
    d.findChild<QPushButton *>()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // round to the label
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to its link
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    for (const char *scheme : {"http", "https"})
        QDesktopServices::unsetUrlHandler(scheme);
    QCOMPARE(sink.opened, QList<QUrl>{QUrl(DISTRIBUTOR_URL)});
    QVERIFY(d.isVisible());
}

// On a dark palette the designed colours and the body text keep a contrast
// of at least 4.5 to 1 with the page they stand on.
void TestDialogs::darkPalette()
{
    const QPalette original = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    for (auto role : {QPalette::Text, QPalette::WindowText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    QApplication::setPalette(dark);
    for (const char *dialog : {"Dialog_C", "Dialog_R", "Dialog_A"}) {
        const auto d = make(dialog);
        auto *browser = d->findChild<QTextBrowser *>();
        QWidget *page = browser ? browser->viewport() : d->findChild<QWidget *>("frame");
        const QColor background = page->palette().color(browser ? QPalette::Base : QPalette::Window);
        QVERIFY(browser || page->autoFillBackground());
        for (const QColor &c : {QColor(0x55, 0x55, 0x7f), QColor(0xcc, 0, 0), QColor(0, 0, 0xff),
                                page->palette().color(browser ? QPalette::Text : QPalette::WindowText)})
            QVERIFY2(contrast(c, background) >= 4.5, qPrintable(dialog + (": " + c.name()) + " on " + background.name()));
    }
    QApplication::setPalette(original);
}

YOROZUMI_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
