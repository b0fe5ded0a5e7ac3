// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "testsupport.h"
#include "uifont.h"

// The size of the dark pixels' bounding box in `area` of a widget's grab.
static QSizeF ink(QWidget *widget, const QRect &area)
{
    const QImage image = widget->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    const QRect scan = area.isNull() ? image.rect() : QRectF(QPointF(area.topLeft()) * dpr, QSizeF(area.size()) * dpr).toRect();
    QRect box;
    for (int y = scan.top(); y <= scan.bottom(); ++y)
        for (int x = scan.left(); x <= scan.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return QSizeF(box.size()) / dpr;
}

// Levels a premultiplied channel may be off by Qt's rounding.
constexpr int kRounding = 2;

class TestLook : public QObject
{
    Q_OBJECT
    std::vector<std::unique_ptr<QWidget>> forms;

private slots:
    void initTestCase()
    {
        for (const char *name : {"MainWindow", "Dialog_A", "Dialog_C", "Dialog_R"})
            forms.push_back(makeForm(name));
        auto *w = static_cast<Window *>(forms[0].get());
        w->enter(QStringLiteral("令和|8|12|31|平成|2|11|30"));
        QTest::mouseClick(w->button(), Qt::LeftButton);
        const QString dir = SCREENSHOT_DIR "/" + qEnvironmentVariable("SCREENSHOT_VARIANT"); // docs/ takes these
        QDir().mkpath(dir);
        for (auto &form : forms) {
            form->show();
            QVERIFY(QTest::qWaitForWindowExposed(form.get()));
            QVERIFY(form->grab().save(dir + '/' + form->objectName().toLower() + ".png"));
        }
    }

    // Every widget of every form that shows a text, whatever its name.
    void fit_data()
    {
        QTest::addColumn<QObject *>("widget");
        for (auto &form : forms)
            for (QWidget *child : form->findChildren<QWidget *>())
                if (!child->objectName().startsWith("qt_")
                    && (qobject_cast<QLabel *>(child) || qobject_cast<QPushButton *>(child) || qobject_cast<QGroupBox *>(child)
                        || qobject_cast<QComboBox *>(child) || qobject_cast<QTextBrowser *>(child) || qobject_cast<QLineEdit *>(child)))
                    QTest::addRow("%s %s %s", qPrintable(form->objectName()), child->metaObject()->className(),
                                  qPrintable(child->objectName())) << static_cast<QObject *>(child);
    }

    // Every text shows whole in the room the form gives it.
    void fit()
    {
        QFETCH(QObject *, widget);
        auto *w = static_cast<QWidget *>(widget);
        const QFontMetrics fm(w->font());
        QStyle *style = w->style();
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty())
                return;
            QCOMPARE_LE(label->sizeHint().width(), label->width());
            if (label->testAttribute(Qt::WA_SetFont)) {
                // A font of its own, too tall for its row: all its ink shows.
                QLabel probe(label->text());
                probe.setFont(label->font());
                probe.setPalette(label->palette());
                probe.resize(label->size() + QSize(0, 40));
                // Above 100 % an antialiased edge may fall a device pixel apart.
                const QSizeF off = ink(label, {}) - ink(&probe, {});
                QCOMPARE_LE(qMax(qAbs(off.width()), qAbs(off.height())), label->devicePixelRatioF() > 1 ? 1 / label->devicePixelRatioF() : 0);
            } else { // the whole line, descenders and underline included
                QCOMPARE_LE(label->sizeHint().height(), label->height());
                QCOMPARE_LE(fm.ascent() + fm.underlinePos() + fm.lineWidth(), label->height());
            }
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(button);
            const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
            const QSize icon = button->icon().isNull() ? QSize() : button->iconSize() + QSize(4, 0);
            QCOMPARE_LE(fm.horizontalAdvance(button->text()) + icon.width(), contents.width());
            QCOMPARE_LE(qMax(fm.height(), icon.height()), contents.height());
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) { // the title, above the first row inside
            QStyleOptionGroupBox opt;
            opt.initFrom(box);
            opt.subControls = QStyle::SC_GroupBoxLabel;
            const QRect title = style->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
            QCOMPARE_LE(title.left() + fm.horizontalAdvance(box->title()), box->width());
            QCOMPARE_LE(title.top() + fm.height(), box->childrenRect().top());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            const QRect field = style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
            const QRect arrow = style->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, combo);
            QVERIFY(combo->rect().contains(field));
            QVERIFY(!field.intersects(arrow));
            QCOMPARE_LE(fm.height(), field.height());
            for (int i = 0; i < combo->count(); ++i) // the value is drawn 1 px inside the field
                QVERIFY2(fm.horizontalAdvance(combo->itemText(i)) <= field.width() - 2, qPrintable(combo->itemText(i)));
            // The widest value ("31", "12", 明治) shows whole.
            const int current = combo->currentIndex();
            combo->setCurrentIndex(combo->count() - 1);
            const qreal shown = ink(combo, field).width();
            combo->setCurrentIndex(current);
            QCOMPARE_LE(fm.tightBoundingRect(combo->itemText(combo->count() - 1)).width() - 2, shown);
            combo->showPopup(); // the whole list, without scrolling where the screen has room
            QAbstractItemView *view = combo->view();
            QTRY_VERIFY(view->isVisible());
            const int screen = view->window()->screen()->availableGeometry().height(), row = view->sizeHintForRow(0);
            QVERIFY2(view->verticalScrollBar()->maximum() == 0 || view->window()->height() + row > screen,
                     qPrintable(QString("%1 of %2 rows shown").arg(view->height() / row).arg(combo->count())));
            combo->hidePopup();
        } else if (auto *browser = qobject_cast<QTextBrowser *>(w)) { // one line per paragraph, the page whole
            for (QTextBlock b = browser->document()->begin(); b.isValid(); b = b.next())
                QVERIFY2(b.layout()->lineCount() == 1, qPrintable("wraps: " + b.text()));
            QCOMPARE_LE(browser->document()->size().height(), qreal(browser->viewport()->height()));
            QVERIFY(!browser->verticalScrollBar()->isVisible());
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            // Each value the field is given shows whole and unscrolled: a year
            // of four digits, half- or full-width, or 元; an age of four digits.
            QStringList values{QStringLiteral("元")};
            for (QChar digit : QStringLiteral("0123456789０１２３４５６７８９"))
                if (!edit->isReadOnly() || digit.unicode() < 0x80)
                    values << QString(4, digit);
            const QString before = edit->text();
            QStyleOptionFrame opt;
            opt.initFrom(edit);
            opt.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit);
            const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
            for (const QString &value : values) {
                edit->setText(value);
                const qreal width = QFontMetricsF(edit->font()).horizontalAdvance(value);
                // Qt keeps 2 px each side and 1 for the cursor, or scrolls.
                QVERIFY2(width + 1 <= contents.width() - 4,
                         qPrintable(QString("%1 needs %2 px, the field has %3").arg(value).arg(width + 1).arg(contents.width() - 4)));
                QLineEdit probe(value); // unconfined: all its ink
                probe.setFont(edit->font());
                probe.resize(edit->size() + QSize(100, 0));
                QCOMPARE(ink(edit, contents), ink(&probe, contents.adjusted(0, 0, 100, 0)));
            }
            edit->setText(before);
        }
    }

    // Each form at the size its .ui file draws, fixed, with every widget of
    // it inside the window and in the font the file gives it. The main
    // window is as wide as drawn; its height follows its own menu bar's.
    void sizes_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("file");
        const char *files[] = {"mainwindow/mainwindow.ui", "dialogs/dialog_a.ui.in", "dialogs/dialog_c.ui", "dialogs/dialog_r.ui"};
        for (int i = 0; i < 4; ++i)
            QTest::newRow(files[i]) << i << files[i];
    }

    void sizes()
    {
        QFETCH(int, form);
        QFETCH(QString, file);
        QWidget *w = forms[size_t(form)].get();
        QFile ui(TESTS_DIR "/../" + file);
        QVERIFY2(ui.open(QIODevice::ReadOnly), qPrintable(file));
        QSize drawn; // the first rectangle is the form's own
        QMap<QString, int> points;
        QStringList widgets;
        QString property;
        for (QXmlStreamReader xml(&ui); !xml.atEnd();) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("widget"))
                widgets << xml.attributes().value("name").toString();
            else if (xml.name() == QLatin1String("property"))
                property = xml.attributes().value("name").toString();
            else if (xml.name() == QLatin1String("width") && drawn.width() < 0)
                drawn.setWidth(xml.readElementText().toInt());
            else if (xml.name() == QLatin1String("height") && drawn.height() < 0)
                drawn.setHeight(xml.readElementText().toInt());
            else if (xml.name() == QLatin1String("pointsize") && property == "font")
                points[widgets.last()] = xml.readElementText().toInt();
        }
        QCOMPARE(w->minimumSize(), w->size());
        QCOMPARE(w->maximumSize(), w->size());
        if (auto *window = qobject_cast<QMainWindow *>(w)) {
            QCOMPARE(w->width(), drawn.width());
            const int own = window->menuBar()->height();
            const QFont font = QApplication::font(); // a larger one makes a taller menu bar
            QFont larger = font;
            larger.setPixelSize(QFontInfo(font).pixelSize() + 6);
            QApplication::setFont(larger);
            const auto other = makeForm("MainWindow");
            other->show();
            QVERIFY(QTest::qWaitForWindowExposed(other.get()));
            const int bar = static_cast<QMainWindow *>(other.get())->menuBar()->height();
            QApplication::setFont(font);
            QVERIFY(bar > own);
            QCOMPARE(other->height() - w->height(), bar - own);
        } else {
            QCOMPARE(w->size(), drawn);
        }
        for (const QString &name : widgets.mid(1)) {
            auto *c = child<QWidget>(w, name);
            if (!c->isVisibleTo(w)) // a menu's popup
                continue;
            const QRect rect(c->mapTo(w, QPoint()), c->size());
            QVERIFY2(w->rect().contains(rect), qPrintable(QString("%1 at %2,%3 %4x%5 in %6x%7").arg(name).arg(rect.x()).arg(rect.y())
                                                                .arg(rect.width()).arg(rect.height()).arg(w->width()).arg(w->height())));
            QCOMPARE(c->font().pointSize(), points.value(name, w->font().pointSize()));
        }
    }

    // Each image shows as its file in app/images, from its double-size
    // companion on a 2x screen. Qt's premultiplied round trip may round a
    // channel by a level or two, differently on each CPU; compared
    // premultiplied, no visible change stays within that.
    void images_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("file");
        QTest::newRow("execute button") << 0 << "pushButton" << "calculate";
        QTest::newRow("about") << 0 << "action_A" << "about";
        QTest::newRow("exit") << 0 << "action_X" << "exit";
        QTest::newRow("about box") << 1 << "label" << "app32";
    }

    void images()
    {
        QFETCH(int, form);
        QFETCH(QString, object);
        QFETCH(QString, file);
        const qreal dpr = qApp->devicePixelRatio();
        const QString file1x = QStringLiteral(TESTS_DIR "/../app/images/") + file + ".png";
        const QString path = dpr > 1 ? QString(file1x).replace(".png", "@2x.png") : file1x;
        const QSize logical = QImage(file1x).size();
        QVERIFY2(!logical.isEmpty(), qPrintable(file1x));
        QObject *user = child<QObject>(forms[size_t(form)].get(), object);
        auto *label = qobject_cast<QLabel *>(user);
        const QImage shown = (label ? label->pixmap(Qt::ReturnByValue) : user->property("icon").value<QIcon>().pixmap(logical))
                                 .toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // Scaled down smoothly where the screen's factor is below the file's,
        // never up: a 300 % screen shows the double-size file.
        QCOMPARE(shown.size(), (logical * dpr).boundedTo(QImage(path).size()));
        const QImage source = QImage(path).scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x) {
                const QRgb a = shown.pixel(x, y), b = source.pixel(x, y);
                const int off = qMax(qMax(qAbs(qAlpha(a) - qAlpha(b)), qAbs(qRed(a) - qRed(b))),
                                     qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
                if (off > kRounding)
                    QFAIL(qPrintable(QString::asprintf("%s: pixel (%d, %d) shows %08x, the file has %08x (premultiplied)",
                                                       qPrintable(path), x, y, a, b)));
            }
    }

    // A form's texts narrow its own font only: a longer caption condenses
    // that form, and no other form or the application changes with it.
    void ownFit_data()
    {
        QTest::addColumn<int>("form");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(forms[size_t(i)]->objectName())) << i;
    }

    void ownFit()
    {
        QFETCH(int, form);
        const QFont application = QApplication::font();
        QVector<int> stretches;
        for (auto &f : forms)
            stretches << f->font().stretch();
        // No narrower than its texts need: a step wider, one would not fit.
        const auto wider = makeForm(forms[size_t(form)]->metaObject()->className());
        QFont font = wider->font();
        font.setStretch(stretches[form] + 1);
        wider->setFont(font);
        QVERIFY2(stretches[form] == 100 || !formTextsFit(wider.get()), qPrintable(QString("at %1 % all fit").arg(stretches[form] + 1)));
        const auto longer = makeForm(forms[size_t(form)]->metaObject()->className());
        auto *button = child<QPushButton>(longer.get(), "pushButton");
        button->setText(button->text().repeated(4));
        fitFontToForm(longer.get());
        QVERIFY(longer->font().stretch() < stretches[form]);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(forms[size_t(i)]->font().stretch(), stretches[i]);
        QCOMPARE(QApplication::font(), application);
    }
};

YOROZUMI_TEST_MAIN(TestLook)
#include "tst_look.moc"
