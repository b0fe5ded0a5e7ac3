// Every text of every form fits its rectangle as designed, in the locale,
// platform and scale the test runs in; the windows scale with the screen.

#include "dialog_a.h"
#include "dialog_c.h"
#include "dialog_r.h"
#include "testsupport.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

#include <memory>

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fit_data();
    void fit();
    void browsers();
    void cleanupTestCase();
    void scale();

private:
    std::vector<std::unique_ptr<QWidget>> forms;
    QString tightest;
    int leastRoom = 1 << 20;

    // Needed against available; remembers the least room there is.
    bool room(const QString &what, int needed, int available)
    {
        if (available - needed < leastRoom) {
            leastRoom = available - needed;
            tightest = what;
        }
        return needed <= available;
    }
};

void TestLook::initTestCase()
{
    forms.emplace_back(new Window);
    forms.emplace_back(new Dialog_A(nullptr));
    forms.emplace_back(new Dialog_C(nullptr));
    forms.emplace_back(new Dialog_R(nullptr));
    auto *w = static_cast<Window *>(forms[0].get());
    w->enter(QStringLiteral("令和|8|12|31|平成|2|11|30"));
    QTest::mouseClick(w->button(), Qt::LeftButton);
    for (auto &form : forms) {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    const QFont font = QApplication::font();
    qInfo("face %s, %.2f pt (%d px), stretch %d", qPrintable(QFontInfo(font).family()), font.pointSizeF(),
          QFontInfo(font).pixelSize(), font.stretch());
    // The pictures in docs/ come from these.
    const QString dir = QStringLiteral(SCREENSHOT_DIR "/") + qEnvironmentVariable("SCREENSHOT_VARIANT");
    QDir().mkpath(dir);
    for (auto &form : forms)
        QVERIFY(form->grab().save(dir + '/' + form->objectName().toLower() + ".png"));
}

void TestLook::fit_data()
{
    QTest::addColumn<QObject *>("widget");
    for (auto &form : forms)
        for (QWidget *child : form->findChildren<QWidget *>())
            if (child->isVisibleTo(form.get())
                && (qobject_cast<QLabel *>(child) || qobject_cast<QAbstractButton *>(child)
                    || qobject_cast<QGroupBox *>(child) || qobject_cast<QComboBox *>(child)
                    || qobject_cast<QLineEdit *>(child)) && !child->objectName().isEmpty())
                QTest::addRow("%s %s", qPrintable(form->objectName()), qPrintable(child->objectName()))
                    << static_cast<QObject *>(child);
}

void TestLook::fit()
{
    QFETCH(QObject *, widget);
    auto *w = static_cast<QWidget *>(widget);
    const QString name = w->window()->objectName() + ' ' + w->objectName();
    const QFontMetrics fm(w->font());
    QStyle *style = w->style();

    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (label->text().isEmpty())
            return;
        if (label->testAttribute(Qt::WA_SetFont)) {
            // A font of its own, too tall for the row: all the ink the text
            // has when drawn with room to spare shows in the row too.
            QLabel probe(label->text());
            probe.setFont(label->font());
            probe.resize(label->size() + QSize(0, 40));
            auto ink = [](QWidget *widget) {
                QImage image(widget->size(), QImage::Format_RGB32);
                widget->render(&image);
                int dark = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        dark += qGray(image.pixel(x, y)) < 128;
                return dark;
            };
            QVERIFY(room(name + " ink", ink(&probe), ink(label)));
            QVERIFY(room(name + " width", label->sizeHint().width(), label->width()));
            return;
        }
        QVERIFY(room(name + " width", label->sizeHint().width(), label->width()));
        QVERIFY(room(name + " height", label->sizeHint().height(), label->height()));
        // Descenders and an underline below the baseline stay inside as well.
        QVERIFY(room(name + " underline", fm.ascent() + fm.underlinePos() + fm.lineWidth(), label->height()));
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        opt.icon = button->icon();
        opt.iconSize = button->iconSize();
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        QVERIFY(room(name + " width", fm.horizontalAdvance(button->text()) + icon, contents.width()));
        QVERIFY(room(name + " height", qMax(fm.height(), icon ? button->iconSize().height() : 0),
                     contents.height()));
    } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = box->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        opt.textAlignment = box->alignment();
        opt.lineWidth = 1;
        const QRect title = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
        QVERIFY(room(name + " title width", title.left() + fm.horizontalAdvance(box->title()), box->width()));
        int firstRow = box->height();
        for (QWidget *child : box->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            firstRow = qMin(firstRow, child->y());
        QVERIFY(room(name + " title height", title.top() + fm.height(), firstRow));
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        opt.frame = combo->hasFrame();
        opt.subControls = QStyle::SC_All;
        const QRect field = style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) // the label is drawn 1 px inside the field
            QVERIFY(room(name + " item " + combo->itemText(i), fm.horizontalAdvance(combo->itemText(i)),
                         field.width() - 2));
        QVERIFY(room(name + " field height", fm.height(), field.height()));
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        // Four digits, the longest year or age, in the text area.
        QStyleOptionFrame opt;
        opt.initFrom(edit);
        opt.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit);
        const QRect text = style->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
        QVERIFY(room(name + " 9999", fm.horizontalAdvance(QStringLiteral("9999")), text.width() - 4));
        QVERIFY(room(name + " height", fm.height(), text.height()));
    }
}

// The reference texts' paragraphs each stay on one line, as they were set.
void TestLook::browsers()
{
    for (auto &form : forms) {
        auto *browser = form->findChild<QTextBrowser *>();
        if (!browser)
            continue;
        for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next())
            QVERIFY2(b.layout()->lineCount() == 1,
                     qPrintable(form->objectName() + " wraps: " + b.text()));
        qInfo("%s: scroll range %d px down, %d px across", qPrintable(form->objectName()),
              browser->verticalScrollBar()->maximum(), browser->horizontalScrollBar()->maximum());
    }
}

void TestLook::cleanupTestCase()
{
    qInfo("tightest fit: %s, %d px to spare", qPrintable(tightest), leastRoom);
}

// On a dense screen the window is scaled as a whole: the same logical size,
// twice the pixels at 192 dpi (the scale an X11 run is told to expect).
void TestLook::scale()
{
    auto *w = static_cast<Window *>(forms[0].get());
    const double expected = qEnvironmentVariableIsSet("EXPECTED_SCALE")
                                ? qEnvironmentVariable("EXPECTED_SCALE").toDouble() : w->devicePixelRatioF();
    QCOMPARE(w->devicePixelRatioF(), expected);
    QCOMPARE(w->size(), QSize(300, w->findChild<QWidget *>("menuBar")->height() + 343));
    QCOMPARE(w->grab().size(), w->size() * expected);
    QCOMPARE(forms[2]->size(), QSize(756, 439));
    qInfo("main window: %dx%d logical, %dx%d device pixels", w->width(), w->height(),
          w->grab().width(), w->grab().height());
}

YOROZUMI_TEST_MAIN(TestLook)
#include "tst_look.moc"
