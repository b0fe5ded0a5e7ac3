// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "testsupport.h"

#include "agecalculator.h"
#include "cp932text.h"

// What a screen reader is sent while it lives: inserted text, and what it is
// told (a notification that shows itself before Qt 6.8, an announcement
// from 6.8). Only where a bridge is on (the X11 runs start one).
struct Events
{
    static inline QStringList inserted, told;
    static void record(QAccessibleEvent *event)
    {
        QAccessibleInterface *iface = event->accessibleInterface();
        if (event->type() == QAccessible::TextInserted)
            inserted << static_cast<QAccessibleTextInsertEvent *>(event)->textInserted();
        else if (event->type() == QAccessible::ObjectShow && iface && iface->role() == QAccessible::Notification)
            told << iface->text(QAccessible::Name);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        else if (event->type() == QAccessible::Announcement)
            told << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#endif
    }
    // The bridge starts asynchronously; waited for once.
    const bool on = [] { static const bool up = QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000); return up; }();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&Events::record);
    Events() { inserted.clear(), told.clear(); }
    ~Events() { QAccessible::installUpdateHandler(previous); }
};

// Offscreen has no bridge at all; anywhere else one that did not start fails.
#define REQUIRE_BRIDGE(events) \
    if (QGuiApplication::platformName() == "offscreen") \
        QSKIP("the offscreen platform has no accessibility bridge"); \
    QVERIFY2(events.on, "the accessibility bridge did not start: no AT-SPI bus?")

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

    // The window's start: nothing chosen, nothing shown, lists from 1 (its
    // size is tst_look's).
    void startUp()
    {
        const QString face = QFontInfo(QApplication::font()).family();
        QVERIFY(QFontDatabase().writingSystems(face).contains(QFontDatabase::Japanese));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(YOROZUMI_APP_ID)); // Wayland's app id
        QCOMPARE(w->texts(), QString("西暦||1|1|西暦||1|1").split('|'));
        QVERIFY(!w->button()->isEnabled());
        QCOMPARE(w->results(), QStringLiteral("  "));
        for (int i = 0; i < 3; ++i)
            QVERIFY(w->result(i)->isReadOnly());
        for (int i : {2, 3, 6, 7}) { // the month and day lists from 1; the eras are checked by eras()
            auto *box = static_cast<QComboBox *>(w->input(i));
            QCOMPARE(box->count(), i % 4 == 2 ? 12 : 31);
            for (int k = 0; k < box->count(); ++k)
                QCOMPARE(box->itemText(k), QString::number(k + 1));
        }
    }

    // Each place that lists the eras follows the calculator's table (in
    // calc/agecalculator.cpp): both era lists, the rules the help states,
    // and the prose that names them. A failure names the file and the
    // first item that differs.
    void eras_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("place");
        QTest::newRow("era list of 算出基準日") << "mainwindow/mainwindow.ui" << "comboBox";
        QTest::newRow("era list of 生年月日") << "mainwindow/mainwindow.ui" << "comboBox_4";
        QTest::newRow("input rules") << "dialogs/dialog_r.ui" << "Dialog_R";
        for (const char *prose : {"README.md", "app/yorozumi.1.in", "app/yorozumi.metainfo.xml.in", "debian/control"})
            QTest::newRow(prose) << prose << "prose";
    }

    void eras()
    {
        QFETCH(QString, file);
        QFETCH(QString, place);
        QStringList table, found;
        for (auto *era = AgeCalculator::erasBegin(); era != AgeCalculator::erasEnd(); ++era) {
            const QString name = cp932text::toUnicode(era->name);
            table << (place != "Dialog_R" ? name
                                          : QString("%1の日付の入力は、%1元年%2月%3日から%1%4年%5月%6日までの範囲で有効とする。")
                                                .arg(name).arg(era->firstMonth).arg(era->firstDay)
                                                .arg(era->lastYear - era->firstYear + 1).arg(era->lastMonth).arg(era->lastDay));
        }
        if (place.startsWith("comboBox")) {
            auto *box = child<QComboBox>(w, place);
            for (int i = 0; i < box->count(); ++i)
                found << box->itemText(i);
        } else if (place == "Dialog_R") {
            Dialog_R rules(nullptr);
            const QRegularExpression rule("([^○\\s]+の日付の入力は、.*)$");
            for (const QString &line : child<QTextBrowser>(&rules, "textBrowser")->toPlainText().split('\n'))
                if (line.contains(rule))
                    found << rule.match(line).captured(1).trimmed();
        } else { // the line naming the most eras, in its order
            QFile text(TESTS_DIR "/../" + file);
            QVERIFY2(text.open(QIODevice::ReadOnly), qPrintable(file));
            for (const QString &line : QString::fromUtf8(text.readAll()).split('\n')) {
                QMap<int, QString> named;
                for (const QString &name : table)
                    if (line.contains(name))
                        named.insert(line.indexOf(name), name);
                if (named.size() > found.size())
                    found = named.values();
            }
        }
        for (int i = 0; i < qMax(table.size(), found.size()); ++i)
            if (found.value(i) != table.value(i))
                QFAIL(qPrintable(QString("%1 (%2), era %3: %4\n    the table in calc/agecalculator.cpp: %5")
                                     .arg(file, place).arg(i + 1).arg(found.value(i, "(none)"), table.value(i, "(none)"))));
    }

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
        QCOMPARE(w->results(), QStringLiteral("  ")); // not before 実行
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

    void quit_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("focus");
        QTest::newRow("menu") << "menu" << "comboBox";
        QTest::newRow("tool bar") << "toolbar" << "comboBox";
        QTest::newRow("Ctrl+E in a year") << "Ctrl+E" << "lineEdit_2";
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

    // Ctrl+A in a year or result field selects its text; only Ctrl+E is
    // the window's there (in a list, Ctrl+A opens the about box).
    void selectAll_data()
    {
        QTest::addColumn<QString>("field");
        const Window form;
        for (const QLineEdit *edit : form.findChildren<QLineEdit *>())
            QTest::newRow(qPrintable(edit->objectName())) << edit->objectName();
    }

    void selectAll()
    {
        QFETCH(QString, field);
        w->enter(QStringLiteral("西暦|2020|6|15|平成|2|6|15"));
        QTest::mouseClick(w->button(), Qt::LeftButton);
        auto *edit = child<QLineEdit>(w, field);
        edit->setFocus();
        edit->setCursorPosition(0);
        QByteArray opened;
        onNextModal([&](QWidget *modal) { opened = modal->metaObject()->className(); }, 40);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(opened, QByteArray());
        QCOMPARE(edit->selectedText(), edit->text());
    }

    // A menu item gives its shortcut as the accelerator a screen reader says.
    void menuItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("binding"); // mnemonic;path;accelerator
        QTest::newRow("終了") << "menu_F" << "action_X" << "x;;Ctrl+E";
        QTest::newRow("本アプリケーションについて") << "menu_H" << "action_A" << "a;;Ctrl+A";
    }

    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(QString, action);
        QFETCH(QString, binding);
        auto *items = child<QMenu>(w, menu);
        QAction *item = child<QAction>(w, action);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(items)->child(items->actions().indexOf(item));
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::MenuItem);
        QCOMPARE(iface->text(QAccessible::Name), item->text().remove('&'));
        QCOMPARE(iface->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()).join(';'), binding);
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

    // What a screen reader gets of each field: its purpose as the name, its
    // role, and its whole value as text in one attribute run; a combo box's
    // new item arrives as inserted text, and an age comes with its unit.
    void screenReader_data()
    {
        QTest::addColumn<int>("field"); // inputs 0-7, results 8-10
        const char *names[] = {"基準日の年号", "基準日の年", "基準日の月", "基準日の日", "生年月日の年号", "生年月日の年",
                               "生年月日の月", "生年月日の日", "法律上", "数え年", "慣習的"};
        for (int i = 0; i < 11; ++i)
            QTest::newRow(names[i]) << i;
    }

    void screenReader()
    {
        QFETCH(int, field);
        w->enter(QStringLiteral("令和|8|12|31|平成|2|11|30"));
        QTest::mouseClick(w->button(), Qt::LeftButton);
        QWidget *widget = field < 8 ? w->input(field) : w->result(field - 8);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        const QString value = widget->property(field < 8 && field % 4 != 1 ? "currentText" : "text").toString();
        const QString purpose = field < 8 ? static_cast<QGroupBox *>(widget->parentWidget())->title()
                                          : child<QLabel>(w, QStringLiteral("label_%1").arg(7 + 2 * (field - 8)))->text().chopped(1);
        const QString name = iface->text(QAccessible::Name);
        QVERIFY2(name.contains(purpose), qPrintable(name + " does not name " + purpose));
        QVERIFY2(!name.contains(value), qPrintable(name + " holds the value " + value));
        QCOMPARE(iface->role(), field < 8 && field % 4 != 1 ? QAccessible::ComboBox : QAccessible::EditableText);
        QAccessibleTextInterface *text = iface->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), value);
        int start = -1, end = -1;
        text->attributes(value.size() - 1, &start, &end);
        QCOMPARE(QString("%1-%2").arg(start).arg(end), QString("0-%1").arg(value.size()));
        QVERIFY(widget->rect().contains(widget->mapFromGlobal(text->characterRect(value.size() - 1).center())));
        if (field >= 8)
            QCOMPARE(iface->text(QAccessible::Description), child<QLabel>(w, QStringLiteral("label_%1").arg(8 + 2 * (field - 8)))->text());
        auto *box = qobject_cast<QComboBox *>(widget);
        if (!box)
            return;
        text->selection(0, &start, &end); // selected, so that Orca speaks a new one
        QCOMPARE(QString("%1 selection %2-%3").arg(text->selectionCount()).arg(start).arg(end),
                 QString("1 selection 0-%1").arg(value.size()));
        Events events;
        REQUIRE_BRIDGE(events);
        box->setCurrentIndex(box->currentIndex() - 1);
        QCOMPARE(events.inserted.join(" | "), box->currentText());
    }

    // After 実行 a screen reader is told the three ages, with captions and
    // units; while 実行 is disabled its description says why, in the words
    // of the input rules.
    void told_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("told");
        const QString both = "「算出基準日」および「生年月日」の設定に誤りがあります。";
        QTest::newRow("ages") << "令和|8|12|31|平成|2|11|30" << "法律上：36歳、数え年：37歳、慣習的：36歳";
        QTest::newRow("nothing entered") << "西暦||1|1|西暦||1|1" << both;
        QTest::newRow("both dates wrong") << "平成|32|1|1|昭和|65|1|1" << both;
        QTest::newRow("reference date wrong") << "平成|32|1|1|昭和|60|1|1" << "「算出基準日」の設定に誤りがあります。";
        QTest::newRow("birth date wrong") << "西暦|2000|1|1|平成|30|2|29" << "「生年月日」の設定に誤りがあります。";
        QTest::newRow("birth after reference") << "西暦|2000|1|1|西暦|2000|1|2"
                                              << "「算出基準日」の入力は、「生年月日」以降の日付でのみ有効とする。";
    }

    void told()
    {
        QFETCH(QString, entry);
        QFETCH(QString, told);
        w->enter(entry);
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(w->button());
        if (!w->button()->isEnabled()) {
            QCOMPARE(button->text(QAccessible::Description), told);
            Dialog_R rules(nullptr); // in the rules' own words
            const QString words = told.contains("以降") ? told : "設定に誤りがあります。";
            QVERIFY2(child<QTextBrowser>(&rules, "textBrowser")->toPlainText().contains(words), qPrintable(words));
            return;
        }
        QCOMPARE(button->text(QAccessible::Description), QString());
        Events events;
        REQUIRE_BRIDGE(events);
        w->button()->setFocus();
        for (int i = 0; i < 3; ++i) // each time, not the first only
            QTest::keyClick(w->button(), Qt::Key_Space);
        QCOMPARE(events.told.join(" | "), told + " | " + told + " | " + told);
    }
};

YOROZUMI_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
