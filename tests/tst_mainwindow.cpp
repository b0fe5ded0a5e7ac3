#include "testsupport.h"

#include "agecalculator.h"
#include "cp932text.h"

class TestMainWindow : public QObject
{
    Q_OBJECT
    Window *w = nullptr;

private slots:
    void init()
    {
        w = new Window;
        QVERIFY(showActive(w));
    }

    void cleanup() { delete w; }

    // The window's start: nothing chosen, nothing shown, fixed, lists from 1.
    void startUp()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(YOROZUMI_APP_ID));
        const QString face = QFontInfo(QApplication::font()).family();
        QVERIFY(QFontDatabase().writingSystems(face).contains(QFontDatabase::Japanese));
        QCOMPARE(w->texts(), QString("西暦||1|1|西暦||1|1").split('|'));
        QVERIFY(!w->button()->isEnabled());
        QCOMPARE(w->results(), QStringLiteral("  "));
        const QSize size(300, w->menuBar()->height() + 343);
        QCOMPARE(w->size(), size);
        QCOMPARE(w->minimumSize(), size);
        QCOMPARE(w->maximumSize(), size);
        for (int i = 0; i < 3; ++i)
            QVERIFY(w->result(i)->isReadOnly());
        for (int i : {0, 2, 3, 4, 6, 7}) { // each list shows whole; the eras are checked by eras()
            auto *box = static_cast<QComboBox *>(w->input(i));
            const int count = i % 4 == 0 ? box->count() : i % 4 == 2 ? 12 : 31;
            QCOMPARE(box->count(), count);
            QCOMPARE(box->maxVisibleItems(), i % 4 == 0 ? 10 : count);
            QVERIFY(!box->isEditable());
            for (int k = 0; i % 4 && k < count; ++k)
                QCOMPARE(box->itemText(k), QString::number(k + 1));
        }
    }

    // Each place that lists the eras follows the calculator's table: both
    // era lists, what the calculator accepts and the rules the help states.
    void eras_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("comboBox, the era list of 算出基準日") << "comboBox";
        QTest::newRow("comboBox_4, the era list of 生年月日") << "comboBox_4";
        QTest::newRow("validateDates, on each era's first and last day") << "calculator";
        QTest::newRow("Dialog_R, the input rules") << "Dialog_R";
    }

    void eras()
    {
        QFETCH(QString, place);
        QStringList table, found;
        for (auto *era = AgeCalculator::erasBegin(); era != AgeCalculator::erasEnd(); ++era) {
            const QString name = cp932text::toUnicode(era->name), last = QString::number(era->lastYear - era->firstYear + 1);
            const QString first = QString("元|%1|%2").arg(era->firstMonth).arg(era->firstDay);
            const QString end = QString("%1|%2|%3").arg(last).arg(era->lastMonth).arg(era->lastDay);
            table << (place != "Dialog_R" ? name
                                          : QString("%1の日付の入力は、%1元年%2月%3日から%1%4年%5月%6日までの範囲で有効とする。")
                                                .arg(name).arg(era->firstMonth).arg(era->firstDay).arg(last)
                                                .arg(era->lastMonth).arg(era->lastDay));
            if (place != "calculator")
                continue;
            QString refused; // the era's first and last day, as a reference date
            for (const QString &date : {first, end}) {
                w->enter(name + '|' + date + "|西暦|元|1|1");
                refused += w->button()->isEnabled() ? "" : " (refuses " + date + ')';
            }
            found << name + refused;
        }
        if (place.startsWith("comboBox")) {
            auto *box = child<QComboBox>(w, place);
            for (int i = 0; i < box->count(); ++i)
                found << box->itemText(i);
        } else if (place == "Dialog_R") {
            Dialog_R rules(nullptr);
            auto *browser = child<QTextBrowser>(&rules, "textBrowser");
            const QRegularExpression rule("([^○\\s]+の日付の入力は、.*)$");
            for (const QString &line : browser->toPlainText().split('\n'))
                if (line.contains(rule))
                    found << rule.match(line).captured(1).trimmed();
        }
        QVERIFY2(found == table, qPrintable(place + " has " + found.join(", ") + "\n    the calculator's table: "
                                            + table.join(", ")));
    }

    void ages_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("ages");
        QTest::newRow("day before the birthday") << "西暦|2020|6|14|西暦|1990|6|15" << "30 31 29";
        QTest::newRow("largest values") << "西暦|9999|12|31|西暦|元|1|1" << "9999 9999 9998";
        QTest::newRow("full-width year and 元") << "令和|２|2|29|昭和|元|12|25" << "93 95 93";
    }

    void ages()
    {
        QFETCH(QString, entry);
        QFETCH(QString, ages);
        w->enter(entry);
        QVERIFY(w->button()->isEnabled());
        QCOMPARE(w->results(), QStringLiteral("  "));
        QTest::mouseClick(w->button(), Qt::LeftButton);
        QCOMPARE(w->results(), ages);
        for (int i = 0; i < 8; ++i) { // any change, to a good entry too, empties them
            w->enter(entry);
            QTest::mouseClick(w->button(), Qt::LeftButton);
            auto *box = qobject_cast<QComboBox *>(w->input(i));
            box ? box->setCurrentIndex((box->currentIndex() + 1) % box->count()) : w->set(i, w->texts()[i].chopped(1));
            QCOMPARE(w->results(), QStringLiteral("  "));
        }
    }

    // In a text field Ctrl+A selects all there and opens no about box.
    void selectAll_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *field : {"lineEdit", "lineEdit_2", "lineEdit_3"})
            QTest::newRow(field) << field;
    }

    void selectAll()
    {
        QFETCH(QString, field);
        w->enter(QStringLiteral("西暦|2020|6|15|西暦|1990|6|15"));
        QTest::mouseClick(w->button(), Qt::LeftButton);
        auto *edit = child<QLineEdit>(w, field);
        edit->setFocus();
        QSignalSpy about(child<QAction>(w, "action_A"), &QAction::triggered);
        onNextModal([](QWidget *modal) { modal->close(); }, 20); // one opened by mistake must not block
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), edit->text());
        QVERIFY(!edit->text().isEmpty());
        QCOMPARE(about.count(), 0);
    }

    void quit_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("focus");
        QTest::newRow("menu") << "menu" << "comboBox";
        QTest::newRow("tool bar") << "toolbar" << "comboBox";
        QTest::newRow("Ctrl+E in a year") << "Ctrl+E" << "lineEdit_2";
        QTest::newRow("Ctrl+E in a result") << "Ctrl+E" << "lineEdit_4";
    }

    void quit()
    {
        QFETCH(QString, how);
        QFETCH(QString, focus);
        w->enter(QStringLiteral("西暦|2020|6|15|平成|2|6|15"));
        QWidget *target = child<QWidget>(w, focus);
        target->setFocus();
        QTimer::singleShot(0, w, [&] { // from inside the application's own loop, which must end with 0
            if (how == "menu")
                child<QMenu>(w, "menu_F")->actions().value(0)->trigger();
            else if (how == "toolbar")
                QTest::mouseClick(w->findChild<QToolBar *>()->widgetForAction(child<QAction>(w, "action_X")), Qt::LeftButton);
            else
                QTest::keyClick(target, Qt::Key_E, Qt::ControlModifier);
        });
        QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w->isVisible());
    }

    // A preedit is no text yet; a commit that does not fit is refused whole
    // and leaves the field drawn as it was. An empty preedit: none is sent.
    void inputMethod_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("preedit");
        QTest::addColumn<QString>("commit"); // empty: the preedit is cancelled
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("ready");
        for (int input : {1, 5}) {
            const char *field = input == 1 ? "算出基準日" : "生年月日";
            QTest::addRow("%s: four digits", field) << input << "" << false << "２０２４" << "２０２４" << "２０２４" << true;
            QTest::addRow("%s: five digits", field) << input << "" << false << "２０２４５" << "２０２４５" << "" << false;
            QTest::addRow("%s: 元", field) << input << "" << false << "がん" << "元" << "元" << true;
            QTest::addRow("%s: the last place", field) << input << "202" << false << "４" << "４" << "202４" << true;
            QTest::addRow("%s: past the last place", field) << input << "202" << false << "４５" << "４５" << "202" << true;
            QTest::addRow("%s: over a selection", field) << input << "2024" << true << "１９９９" << "１９９９" << "１９９９" << true;
            QTest::addRow("%s: over a selection, no preedit", field) << input << "2024" << true << "" << "１９９９" << "１９９９" << true;
            QTest::addRow("%s: cancelled", field) << input << "20" << false << "２" << "" << "20" << true;
        }
    }

    void inputMethod()
    {
        QFETCH(int, input);
        QFETCH(QString, before);
        QFETCH(bool, selectAll);
        QFETCH(QString, preedit);
        QFETCH(QString, commit);
        QFETCH(QString, after);
        QFETCH(bool, ready);
        w->enter(QStringLiteral("西暦|9999|12|31|西暦|1|1|1"));
        auto *edit = static_cast<QLineEdit *>(w->input(input));
        edit->setText(before);
        if (w->button()->isEnabled())
            QTest::mouseClick(w->button(), Qt::LeftButton);
        const QString shown = w->results();
        edit->setFocus();
        if (selectAll)
            edit->selectAll();
        QApplication::setCursorFlashTime(0); // the cursor drawn steadily
        const QImage drawn = edit->grab().toImage();
        if (!preedit.isEmpty()) {
            QInputMethodEvent composing(preedit, {});
            QApplication::sendEvent(edit, &composing);
            QCOMPARE(edit->text(), selectAll ? QString() : before); // the preedit is no text yet
        }
        QInputMethodEvent done;
        done.setCommitString(commit);
        QApplication::sendEvent(edit, &done);
        QCOMPARE(edit->text(), after);
        if (after == before && !commit.isEmpty())
            QVERIFY2(edit->grab().toImage() == drawn, "the refused preedit is still drawn");
        QCOMPARE(w->button()->isEnabled(), ready);
        QCOMPARE(w->results(), after == before ? shown : QStringLiteral("  "));
    }

    // A screen reader hears each field's purpose and role, not its value.
    void accessibleNames()
    {
        w->enter(QStringLiteral("令和|8|12|31|平成|2|11|30"));
        QTest::mouseClick(w->button(), Qt::LeftButton);
        QSet<QString> names;
        for (int i = 0; i < 11; ++i) {
            QWidget *widget = i < 8 ? w->input(i) : w->result(i - 8);
            const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            const QString value = i < 8 ? w->texts()[i] : widget->property("text").toString();
            const QString belongs = i < 8 ? static_cast<QGroupBox *>(widget->parentWidget())->title()
                                          : child<QLabel>(w, QStringLiteral("label_%1").arg(7 + 2 * (i - 8)))->text().chopped(1);
            QVERIFY2(name.contains(belongs), qPrintable(name + " does not name " + belongs));
            QVERIFY2(!name.contains(value), qPrintable(name + " holds the value " + value));
            QVERIFY2(!names.contains(name), qPrintable(name + " twice"));
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->role(),
                     i < 8 && i % 4 != 1 ? QAccessible::ComboBox : QAccessible::EditableText);
            names << name;
        }
        for (QGroupBox *box : w->findChildren<QGroupBox *>())
            QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), box->title());
    }
};

YOROZUMI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
