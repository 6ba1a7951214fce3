#include "testsupport.h"

#include "reference/diag_tabs.h"
#include "shell/style.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>

using namespace yuc;
using namespace yuc::test;

namespace {
const QString diagnostics = QStringLiteral("other_diagnos1");

TabRows *tabsOf(QWidget *window)
{
    return window->findChild<TabRows *>(QStringLiteral("SSTab1"));
}

// The reference windows of this area and the explainer's, which share their builders.
void referenceWindows()
{
    QTest::addColumn<QString>("window");
    for (const char *name :
         {"other_diagnos1", "subhoriz_form", "ayuda_subhoriz", "struct_class", "Example_class", "Color_form"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

QString frontTab(QWidget *window)
{
    TabRows *tabs = tabsOf(window);
    return tabs->tab(tabs->currentIndex())->text();
}
} // namespace

class TestDiagnostics : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldOpenOnDurinodesAfterReopen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Cancel") << QStringLiteral("Command1");
        QTest::newRow("OK") << QStringLiteral("Command2");
    }
    void shouldOpenOnDurinodesAfterReopen()
    {
        QFETCH(QString, button);
        QWidget *window = show(diagnostics);
        QCOMPARE(frontTab(window), QStringLiteral("Durinodes"));
        tabsOf(window)->tab(0)->click();
        QCOMPARE(tabsOf(window)->currentIndex(), 0);

        QVERIFY(click(window, button));
        QVERIFY(!loaded(diagnostics));
        flushDeletes();
        QCOMPARE(liveWindows(diagnostics), 0);

        window = show(diagnostics);
        QCOMPARE(frontTab(window), QStringLiteral("Durinodes"));
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("Label9"))->isVisible());   // its title
        QVERIFY(!window->findChild<QLabel *>(QStringLiteral("Label11"))->isVisible()); // the first tab's
    }

    void shouldLayTabsInTwoRowsOfAtMostFour()
    {
        TabRows *tabs = tabsOf(show(diagnostics));
        QSet<int> rows;
        for (int index = 0; index < tabs->count(); ++index)
            rows << tabs->tab(index)->y();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(tabs->tab(3)->y(), tabs->tab(0)->y());
        QVERIFY(tabs->tab(4)->y() > tabs->tab(3)->y());
        // Titles laid out at the same height are level on every page.
        QCOMPARE(tabs->findChild<QLabel *>(QStringLiteral("Label11"))->y(),
                 tabs->findChild<QLabel *>(QStringLiteral("Label9"))->y());
        // Every caption fits whole in its tab, and is what a screen reader reads.
        for (int index = 0; index < tabs->count(); ++index) {
            TabButton *tab = tabs->tab(index);
            QVERIFY2(tab->width() >= tab->sizeHint().width(), qPrintable(tab->text()));
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(tab);
            QCOMPARE(reader->role(), QAccessible::PageTab);
            QCOMPARE(reader->text(QAccessible::Name), tab->text());
            QCOMPARE(reader->state().selected, index == tabs->currentIndex());
        }
    }

    void shouldAnnounceTheTabsAsATabList()
    {
        TabRows *tabs = tabsOf(show(diagnostics));
        tabs->tab(2)->click();
        QAccessibleInterface *list =
            QAccessible::queryAccessibleInterface(tabs->findChild<TabList *>(QStringLiteral("tabList")));
        QCOMPARE(list->role(), QAccessible::PageTabList);
        QCOMPARE(list->text(QAccessible::Name), tabs->tab(2)->text());
        QCOMPARE(list->childCount(), 7);
        for (int index = 0; index < list->childCount(); ++index) {
            QAccessibleInterface *tab = list->child(index);
            QCOMPARE(tab->object(), tabs->tab(index));
            QCOMPARE(tab->role(), QAccessible::PageTab);
            QCOMPARE(tab->state().selected, index == 2);
            QCOMPARE(tab->parent(), list);
        }
        // The pages stay in reach beside the list, as with a QTabWidget.
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(tabs);
        QCOMPARE(list->parent(), control);
        QVERIFY(control->indexOfChild(QAccessible::queryAccessibleInterface(tabs->page(2)->parentWidget())) >= 0);
    }

    void shouldMoveBetweenTabsWithKeys_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("right") << 5 << int(Qt::Key_Right) << none << 6;
        QTest::newRow("right wraps to the first") << 6 << int(Qt::Key_Right) << none << 0;
        QTest::newRow("left wraps to the last") << 0 << int(Qt::Key_Left) << none << 6;
        QTest::newRow("down to the next row") << 1 << int(Qt::Key_Down) << none << 5;
        QTest::newRow("down to a shorter row") << 3 << int(Qt::Key_Down) << none << 6;
        QTest::newRow("up to the first row") << 6 << int(Qt::Key_Up) << none << 2;
        QTest::newRow("up from the first row stays") << 2 << int(Qt::Key_Up) << none << 2;
        QTest::newRow("home") << 5 << int(Qt::Key_Home) << none << 0;
        QTest::newRow("end") << 1 << int(Qt::Key_End) << none << 6;
        QTest::newRow("ctrl+tab") << 5 << int(Qt::Key_Tab) << ctrl << 6;
        QTest::newRow("ctrl+page down wraps") << 6 << int(Qt::Key_PageDown) << ctrl << 0;
        QTest::newRow("ctrl+shift+tab") << 0 << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                        << 6;
        QTest::newRow("ctrl+page up") << 6 << int(Qt::Key_PageUp) << ctrl << 5;
    }
    void shouldMoveBetweenTabsWithKeys()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        QWidget *window = show(diagnostics);
        QApplication::setActiveWindow(window);
        TabRows *tabs = tabsOf(window);
        tabs->setCurrentIndex(from);
        QTest::keyClick(tabs->tab(from), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(tabs->currentIndex(), to);
        QVERIFY(tabs->tab(to)->hasFocus());
        // Only the front tab is reached with the Tab key.
        for (int index = 0; index < tabs->count(); ++index)
            QCOMPARE(tabs->tab(index)->focusPolicy() == Qt::StrongFocus, index == to);
    }

    void shouldShowHelpMessageAndStayOpen()
    {
        MessageRecorder recorder;
        QWidget *window = show(diagnostics);
        QVERIFY(click(window, QStringLiteral("Command3")));
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.last().icon, MessageIcon::Information);
        QCOMPARE(recorder.last().title, QStringLiteral("Help other diagnostics ..."));
        QCOMPARE(recorder.last().text, QStringLiteral("Just choose the folder tab and make click on it"));
        QCOMPARE(loaded(diagnostics), window);
    }

    void shouldListTwentyFourSuffixesInOrder()
    {
        QWidget *window = show(QStringLiteral("subhoriz_form"));
        QStringList letters;
        int previousTop = 0;
        for (int row = 1; row <= 24; ++row) {
            auto *label = window->findChild<QLabel *>(QStringLiteral("Label%1").arg(row));
            QVERIFY(label);
            letters << label->text().section(QLatin1Char(' '), 0, 0);
            if (row > 1)
                QCOMPARE(label->y() - previousTop, tw(240));
            previousTop = label->y();
        }
        QVERIFY(!window->findChild<QLabel *>(QStringLiteral("Label25")));
        QCOMPARE(letters.join(QLatin1Char(' ')), QStringLiteral("a b c d e f g h i k m n o p q r s ss t v w x y z"));
        QVERIFY(window->findChild<QLabel *>(QStringLiteral("Label15"))
                    ->text()
                    .startsWith(QStringLiteral("q   accumulation")));
        QVERIFY(
            window->findChild<QLabel *>(QStringLiteral("Label18"))->text().startsWith(QStringLiteral("ss  Presence")));
    }

    void shouldOpenOneSuffixHelpThatOutlivesTheList()
    {
        QWidget *list = show(QStringLiteral("subhoriz_form"));
        QVERIFY(click(list, QStringLiteral("Command2")));
        QWidget *help = loaded(QStringLiteral("ayuda_subhoriz"));
        QVERIFY(help);
        QVERIFY(click(list, QStringLiteral("Command2")));
        QCOMPARE(loaded(QStringLiteral("ayuda_subhoriz")), help);
        QCOMPARE(liveWindows(QStringLiteral("ayuda_subhoriz")), 1);

        QVERIFY(click(list, QStringLiteral("Command1")));
        flushDeletes();
        QVERIFY(!loaded(QStringLiteral("subhoriz_form")));
        QCOMPARE(loaded(QStringLiteral("ayuda_subhoriz")), help);
    }

    void shouldUnloadOwnWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::newRow("suffix list OK") << QStringLiteral("subhoriz_form") << QStringLiteral("Command1");
        QTest::newRow("suffix help Close") << QStringLiteral("ayuda_subhoriz") << QStringLiteral("Command1");
        QTest::newRow("explainer Close") << QStringLiteral("struct_class") << QStringLiteral("Command7");
        QTest::newRow("example Close") << QStringLiteral("Example_class") << QStringLiteral("Command1");
        QTest::newRow("colour Close") << QStringLiteral("Color_form") << QStringLiteral("Command1");
        QTest::newRow("Escape") << diagnostics << QString();
    }
    void shouldUnloadOwnWindow()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QWidget *shown = show(window);
        if (button.isEmpty()) {
            QApplication::setActiveWindow(shown); // keys reach the active window only
            QTest::keyClick(shown, Qt::Key_Escape);
        } else
            QVERIFY(click(shown, button));
        QVERIFY(!loaded(window));
        flushDeletes();
        QCOMPARE(liveWindows(window), 0);
    }

    void shouldKeepOneInstance_data() { referenceWindows(); }
    void shouldKeepOneInstance()
    {
        QFETCH(QString, window);
        QWidget *first = show(window);
        QCOMPARE(show(window), first);
        QCOMPARE(liveWindows(window), 1);
    }

    // Every text is a whole, plain-text label: nothing cut off, blanks kept.
    void shouldShowEveryTextAsWholePlainLabel_data() { referenceWindows(); }
    void shouldShowEveryTextAsWholePlainLabel()
    {
        QFETCH(QString, window);
        QWidget *shown = show(window);
        TabRows *tabs = tabsOf(shown);
        for (QLabel *label : shown->findChildren<QLabel *>()) {
            const QString what = label->objectName() + QLatin1String(": ") + label->text();
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(what));
            QVERIFY2(!label->text().trimmed().isEmpty(), qPrintable(what));
            if (label->wordWrap())
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(what));
            else
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(what));
            // Inside its window (or its tab page), nothing cut off at an edge.
            QWidget *area = tabs && tabs->isAncestorOf(label) ? label->parentWidget() : shown;
            const QRect place(label->mapTo(area, QPoint(0, 0)), label->size());
            QVERIFY2(area->rect().contains(place), qPrintable(what));
        }
        for (QGroupBox *frame : shown->findChildren<QGroupBox *>())
            QVERIFY(!frame->title().isEmpty());
        for (QAbstractButton *button : shown->findChildren<QAbstractButton *>())
            QVERIFY(!button->text().isEmpty());
    }
};

YUC_TEST_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"
