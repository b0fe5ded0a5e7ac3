// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

#include "testsupport.h"

// Translates nothing and remembers every text asked for, per context.
struct RecordingTranslator : QTranslator
{
    mutable QMap<QByteArray, QStringList> seen;
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        seen[context] << QString::fromUtf8(source);
        return QString();
    }
    // Leaves out what a packager names and the version, which CMake owns,
    // and the items of the form's lists, which startUp and eras check; one
    // line a text, its line breaks written as \n.
    QStringList approvable(const QByteArray &context, const QWidget *form) const
    {
        QStringList texts, items;
        for (const QComboBox *list : form->findChildren<QComboBox *>())
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
        for (QString text : seen.value(context))
            if (!items.contains(text))
                texts << text.replace(QString(DISTRIBUTOR_URL).toHtmlEscaped(), "@URL@")
                         .replace(QString(DISTRIBUTOR_NAME).toHtmlEscaped(), "@NAME@")
                         .replace(QStringLiteral("Version " YOROZUMI_VERSION), "Version @VERSION@")
                         .replace('\n', QLatin1String("\\n"));
        return texts;
    }
};

// The approved texts of a form: the lines of tests/formtexts.txt that start
// with its class name and a tab.
static QStringList approved(const QByteArray &context)
{
    QFile file(QStringLiteral(TESTS_DIR "/formtexts.txt"));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    QStringList texts = QString::fromUtf8(file.readAll()).split('\n').filter(QRegularExpression('^' + context + '\t'));
    for (QString &text : texts)
        text.remove(0, context.size() + 1);
    return texts;
}

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    // Every way into each dialog: a new modal dialog of the right kind (its
    // size is tst_look's), at the top of its text, read by a screen reader, gone once
    // closed, the window as it was.
    void opens_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("dialog");
        QTest::newRow("calculation methods") << "action_C" << QByteArray("Dialog_C");
        QTest::newRow("entry rules") << "action_R" << QByteArray("Dialog_R");
        QTest::newRow("about") << "action_A" << QByteArray("Dialog_A");
        QTest::newRow("tool bar") << "toolbar" << QByteArray("Dialog_A");
        QTest::newRow("Ctrl+A in a list") << "Ctrl+A" << QByteArray("Dialog_A");
    }

    void opens()
    {
        QFETCH(QString, how);
        QFETCH(QByteArray, dialog);
        Window w;
        QVERIFY(showActive(&w));
        w.enter(QStringLiteral("令和|元|5|1|昭和|６４|1|7"));
        QTest::mouseClick(w.button(), Qt::LeftButton);
        const QStringList inputs = w.texts();
        w.input(0)->setFocus();
        QByteArray seen;
        onNextModal([&](QWidget *modal) {
            seen = modal->metaObject()->className();
            QCOMPARE(modal->parentWidget(), &w);
            QVERIFY(modal->isModal());
            QVERIFY(!(modal->windowFlags() & Qt::WindowContextHelpButtonHint));
            // A screen reader reads its text once as it opens (the description),
            // then the focused page, named, line by line as the caret moves.
            auto *browser = modal->findChild<QTextBrowser *>();
            QCOMPARE(QAccessible::queryAccessibleInterface(modal)->text(QAccessible::Description), browser
                     ? browser->toPlainText() : "ヨロズミ\nVersion " YOROZUMI_VERSION "\n本アプリケーションは、無償で配布しています。");
            if (browser) {
                QCOMPARE(modal->focusWidget(), browser);
                QCOMPARE(browser->verticalScrollBar()->value(), 0);
                QCOMPARE(QAccessible::queryAccessibleInterface(browser)->text(QAccessible::Name), modal->windowTitle());
                QVERIFY(browser->textInteractionFlags() & Qt::TextSelectableByKeyboard);
            } else { // the image named; the link a link, opened by the desktop, by mouse or keyboard
                QVERIFY(!QAccessible::queryAccessibleInterface(child<QLabel>(modal, "label"))->text(QAccessible::Name).isEmpty());
                auto *label = child<QLabel>(modal, "label_5");
                QCOMPARE(label->textInteractionFlags(), Qt::LinksAccessibleByKeyboard | Qt::LinksAccessibleByMouse);
                QAccessibleInterface *link = QAccessible::queryAccessibleInterface(label);
                QCOMPARE(link->role(), QAccessible::Link);
                QCOMPARE(link->text(QAccessible::Name), QStringLiteral("配布元：" DISTRIBUTOR_NAME));
                QCOMPARE(link->text(QAccessible::Value), QStringLiteral(DISTRIBUTOR_URL));
            }
            QTest::mouseClick(child<QPushButton>(modal, "pushButton"), Qt::LeftButton);
        });
        if (how == "toolbar")
            QTest::mouseClick(w.findChild<QToolBar *>()->widgetForAction(child<QAction>(&w, "action_A")), Qt::LeftButton);
        else if (how == "Ctrl+A")
            QTest::keyClick(w.input(0), Qt::Key_A, Qt::ControlModifier);
        else
            child<QAction>(&w, how)->trigger();
        QCOMPARE(seen, dialog);
        QVERIFY(w.findChildren<QDialog *>().isEmpty());
        QCOMPARE(w.texts(), inputs);
        QVERIFY(w.button()->isEnabled());
        QCOMPARE(w.results(), QStringLiteral("30 31 30"));
    }

    // Every form's texts are the approved ones (tests/formtexts.txt), looked
    // up with the class as context; a changed one is shown old and new.
    void texts_data()
    {
        QTest::addColumn<QByteArray>("dialog");
        for (const char *form : {"MainWindow", "Dialog_C", "Dialog_R", "Dialog_A"})
            QTest::newRow(form) << QByteArray(form);
    }

    void texts()
    {
        QFETCH(QByteArray, dialog);
        RecordingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const auto d = makeForm(dialog);
        QCoreApplication::removeTranslator(&translator);
        const QStringList shown = translator.approvable(dialog, d.get()), expected = approved(dialog);
        for (int i = 0; i < qMax(shown.size(), expected.size()); ++i) {
            if (shown.value(i) == expected.value(i))
                continue;
            // The line of a long text that differs, then the whole new text.
            const QStringList was = expected.value(i).split("\\n"), is = shown.value(i).split("\\n");
            int line = 0;
            while (line < was.size() && line < is.size() && was[line] == is[line])
                ++line;
            QFAIL(qPrintable(QStringLiteral("text %1 of %2, line %3, was approved as\n    %4\nbut is\n    %5\n"
                                            "the new text as a line of formtexts.txt:\n%2\t%6")
                                 .arg(i + 1).arg(QString(dialog)).arg(line + 1)
                                 .arg(was.value(line, "(none)"), is.value(line, "(none)"), shown.value(i))));
        }
        if (dialog != "MainWindow") // 閉じる is connected by signature at run time, as the form says
            QVERIFY(QObject::disconnect(child<QPushButton>(d.get(), "pushButton"), SIGNAL(clicked()), d.get(), SLOT(close())));
        auto *browser = d->findChild<QTextBrowser *>("textBrowser"); // the main window has none
        if (!browser)
            return;
        const QFont font = browser->document()->begin().charFormat().font(); // 'MS UI Gothic', as the text asks
        QVERIFY(QFontMetrics(font).inFont(QChar(0x6CD5))); // 法: it resolves to a Japanese face
    }

    // The text pages are paper, dark on white, on a dark palette and on a
    // light one that is not quite white, in every colour group.
    void paper_data()
    {
        QTest::addColumn<QByteArray>("dialog");
        QTest::addColumn<bool>("dark");
        for (const char *dialog : {"Dialog_C", "Dialog_R", "Dialog_A"})
            for (bool dark : {true, false})
                QTest::addRow("%s, %s", dialog, dark ? "dark" : "light") << QByteArray(dialog) << dark;
    }

    void paper()
    {
        QFETCH(QByteArray, dialog);
        QFETCH(bool, dark);
        const QPalette original = QApplication::palette();
        QPalette palette(dark ? QColor(0x35, 0x35, 0x35) : QColor(0xef, 0xef, 0xef));
        palette.setColor(QPalette::Base, dark ? QColor(0x2a, 0x2a, 0x2a) : QColor(0xfb, 0xfb, 0xfb));
        for (auto role : {QPalette::Text, QPalette::WindowText})
            palette.setColor(role, dark ? QColor(0xee, 0xee, 0xee) : QColor(0x20, 0x20, 0x20));
        QApplication::setPalette(palette);
        const auto d = makeForm(dialog);
        QApplication::setPalette(original);
        auto *browser = d->findChild<QTextBrowser *>();
        QWidget *page = browser ? browser->viewport() : child<QWidget>(d.get(), "frame");
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(page->palette().color(group, browser ? QPalette::Base : QPalette::Window), QColor(Qt::white));
            QCOMPARE(page->palette().color(group, browser ? QPalette::Text : QPalette::WindowText), QColor(Qt::black));
        }
        QVERIFY(browser || page->autoFillBackground()); // a frame draws no page of its own unless told
    }
};

YOROZUMI_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
