#include "testsupport.h"

#include "shell/style.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include <optional>

using namespace yuc;
using namespace yuc::test;

Q_DECLARE_METATYPE(yuc::MessageIcon)

namespace {

const QString calculus = QStringLiteral("calculus_form");

// Names of the text boxes and their bars, n value tab first.
const QList<std::pair<QString, QString>> entryPairs{
    {"sand_Text", "HScroll_sand"}, {"Silt_text", "HScroll_silt"},   {"clay_Text", "HScroll_clay"},
    {"om_text", "HScroll_om"},     {"water_text", "HScroll_water"}, {"sand1", "HScroll1_sand"},
    {"silt2", "HScroll2_silt"},    {"clay3", "HScroll3_clay"},
};

QLineEdit *box(const QString &name)
{
    return loaded(calculus)->findChild<QLineEdit *>(name);
}

QScrollBar *bar(const QString &name)
{
    return loaded(calculus)->findChild<QScrollBar *>(name);
}

// Types a value the way a user gets it to stay: first its rounded value
// moves the bar, then the exact text survives because it rounds the same.
void enter(const QString &name, const QString &text)
{
    box(name)->setText(text);
    box(name)->setText(text);
}

// The message a row expects; none for an empty title.
std::optional<ShownMessage> expected(MessageIcon icon, const QString &title, const QString &text)
{
    if (title.isEmpty())
        return std::nullopt;
    return ShownMessage{icon, title, text};
}

// True when exactly the expected message was shown, or none when none is expected.
bool shownOnly(const MessageRecorder &recorder, const std::optional<ShownMessage> &expected)
{
    if (!expected)
        return recorder.messages.isEmpty();
    if (recorder.messages.size() != 1)
        return false;
    const ShownMessage &shown = recorder.messages.first();
    if (shown.icon == expected->icon && shown.title == expected->title && shown.text == expected->text)
        return true;
    qWarning("shown: \"%s\" \"%s\"", qPrintable(shown.title), qPrintable(shown.text));
    return false;
}

} // namespace

class TestCalculusWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { show(calculus); }
    void cleanup() { resetScreens(); }

    void shouldOpenWithTextureTabAndInitialEntries()
    {
        QWidget *window = loaded(calculus);
        QCOMPARE(window->windowTitle(), QStringLiteral("Calculations"));
        auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("SSTab1_calculus"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("n value"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Texture"));
        QCOMPARE(tabs->currentIndex(), 1);
        for (const auto &[edit, scroll] : entryPairs) {
            QCOMPARE(box(edit)->text(), QStringLiteral("0.00"));
            QCOMPARE(bar(scroll)->value(), 0);
        }
        QCOMPARE(box("nvalue_text")->text(), QStringLiteral("0.000"));
        QCOMPARE(box("clasetext")->text(), QString());
    }

    void shouldOpenFromMainWindowCalculatorButton()
    {
        resetScreens();
        QVERIFY(click(show(QStringLiteral("mainmenu")), QStringLiteral("Command5")));
        QVERIFY(loaded(calculus));
        QCOMPARE(liveWindows(calculus), 1);
    }

    void shouldPlaceControlsFromTabControlCorner_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("frame on the texture tab") << 1 << "Frame4" << QPoint(240, 720);
        QTest::newRow("note at the bottom") << 1 << "Label36" << QPoint(720, 4200);
        QTest::newRow("triangle corner label") << 1 << "Label21" << QPoint(4200, 2280);
        QTest::newRow("heading on the n value tab") << 0 << "Label38" << QPoint(3120, 480);
        QTest::newRow("result box inside its frame") << 0 << "nvalue_text" << QPoint(4560 + 960, 960 + 480);
    }
    void shouldPlaceControlsFromTabControlCorner()
    {
        QFETCH(int, tab);
        QFETCH(QString, control);
        QFETCH(QPoint, twips);
        auto *tabs = loaded(calculus)->findChild<QTabWidget *>(QStringLiteral("SSTab1_calculus"));
        tabs->setCurrentIndex(tab);
        auto *widget = loaded(calculus)->findChild<QWidget *>(control);
        QVERIFY(widget);
        QCOMPARE(widget->mapTo(tabs, QPoint(0, 0)), QPoint(tw(twips.x()), tw(twips.y())));
        QVERIFY(widget->isVisible());
    }

    void shouldNotClipAnyText()
    {
        show(QStringLiteral("nvalue_form"));
        for (const QString &name : {calculus, QStringLiteral("nvalue_form")}) {
            for (QLabel *label : loaded(name)->findChildren<QLabel *>()) {
                QCOMPARE(label->textFormat(), Qt::PlainText);
                const int needed =
                    label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
                QVERIFY2(needed <= label->height(), qPrintable(label->text()));
                if (!label->wordWrap())
                    QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            }
        }
        // A result of fifteen digits fits its box whole.
        QLineEdit *result = box("nvalue_text");
        QVERIFY(result->fontMetrics().horizontalAdvance(" .565217391304348") + 8 <= result->width());
    }

    void shouldFollowTextAndBar_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("typed integer") << "clay_Text"
                                       << ""
                                       << "37"
                                       << "37" << 37;
        QTest::newRow("decimal that rounds to the bar stays") << "sand1"
                                                              << "45"
                                                              << ".4"
                                                              << "45.4" << 45;
        QTest::newRow("decimal that moves the bar is replaced") << "sand1"
                                                                << "45"
                                                                << ".6"
                                                                << "46" << 46;
        QTest::newRow("half down to even keeps the text") << "om_text"
                                                          << ""
                                                          << "12.5"
                                                          << "12.5" << 12;
        QTest::newRow("half goes up to even") << "om_text"
                                              << ""
                                              << "13.5"
                                              << "14" << 14;
        QTest::newRow("above the bar keeps its text") << "water_text"
                                                      << ""
                                                      << "150"
                                                      << "150" << 100;
        QTest::newRow("below the bar keeps its text") << "water_text"
                                                      << ""
                                                      << "-5"
                                                      << "-5" << 0;
        QTest::newRow("overflow keeps its text") << "clay3"
                                                 << ""
                                                 << "1e400"
                                                 << "1e400" << 100;
        QTest::newRow("negative overflow keeps its text") << "clay3"
                                                          << "50"
                                                          << "-1e400"
                                                          << "50-1e400" << 50;
        QTest::newRow("thousand digits keep their text") << "Silt_text"
                                                         << "" << QString(1000, u'9') << QString(1000, u'9') << 100;
    }
    void shouldFollowTextAndBar()
    {
        QFETCH(QString, edit);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, value);
        box(edit)->setText(before);
        box(edit)->setFocus();
        box(edit)->end(false);
        QTest::keyClicks(box(edit), typed);
        QCOMPARE(box(edit)->text(), text);
        const QString barName =
            std::find_if(entryPairs.begin(), entryPairs.end(), [&](const auto &p) { return p.first == edit; })->second;
        QCOMPARE(bar(barName)->value(), value);
    }

    void shouldPairEveryBoxWithItsBar_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("scroll");
        for (const auto &[edit, scroll] : entryPairs)
            QTest::newRow(qPrintable(edit)) << edit << scroll;
    }
    void shouldPairEveryBoxWithItsBar()
    {
        QFETCH(QString, edit);
        QFETCH(QString, scroll);
        bar(scroll)->setValue(37);
        QCOMPARE(box(edit)->text(), QStringLiteral("37"));
        box(edit)->setText(QStringLiteral("62.5"));
        QCOMPARE(bar(scroll)->value(), 62);
        QCOMPARE(box(edit)->text(), QStringLiteral("62"));
        box(edit)->setText(QStringLiteral("abc"));
        QCOMPARE(bar(scroll)->value(), 0);
        QCOMPARE(box(edit)->text(), QStringLiteral("0"));
        // The other bars did not move.
        bar(scroll)->setValue(5);
        for (const auto &[other, otherBar] : entryPairs)
            if (other != edit)
                QCOMPARE(bar(otherBar)->value(), 0);
        // A screen reader names the bar after the row's label, as the box.
        QCOMPARE(bar(scroll)->accessibleName(), box(edit)->accessibleName());
    }

    void shouldNameControlsForScreenReaders_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("name");
        QTest::newRow("sand") << "sand_Text"
                              << "Sand (%)";
        QTest::newRow("water") << "water_text"
                               << "Water (%)";
        QTest::newRow("clay on the texture tab") << "clay3"
                                                 << "Clay (%)";
        QTest::newRow("n value result") << "nvalue_text"
                                        << "n-value";
        QTest::newRow("class result") << "clasetext"
                                      << "Textural class";
    }
    void shouldNameControlsForScreenReaders()
    {
        QFETCH(QString, edit);
        QFETCH(QString, name);
        QCOMPARE(box(edit)->accessibleName(), name);
    }

    void shouldCalculateNValue_data()
    {
        QTest::addColumn<QStringList>("waterSandSiltClayOm");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("title"); // empty when no message is expected
        QTest::addColumn<QString>("message");
        const QString sumTitle = "Texture error";
        const QString sumText = "Can't execute the calculation, Problem: The contents of sand, silt and clay must "
                                "be equal to 100%, try again, please";
        const QString nTitle = " n-value error";
        QTest::newRow("one half") << QStringList{"35", "20", "30", "50", "0"} << " .5"
                                  << ""
                                  << "";
        QTest::newRow("thirds accepted") << QStringList{"33.4", "33.3", "33.3", "33.4", "0"} << " .601197604790419"
                                         << ""
                                         << "";
        QTest::newRow("negative") << QStringList{"5", "40", "40", "20", "0"} << "before" << nTitle
                                  << "The calculation of n-value has an error, check the values of % O.M. and % water";
        QTest::newRow("all zero") << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00"} << "before" << sumTitle
                                  << sumText;
        QTest::newRow("decimals that miss 100 in binary")
            << QStringList{"30", "0.1", "64.1", "35.8", "0"} << "before" << sumTitle << sumText;
        QTest::newRow("zero denominator") << QStringList{"30", "60", "40", "0", "0"} << "before" << nTitle
                                          << "The n-value can't be calculated because % clay plus 3 times % O.M. "
                                             "is zero, check the values of % clay and % O.M.";
        QTest::newRow("overflowing water")
            << QStringList{"1e400", "20", "30", "50", "0"} << "before" << nTitle
            << "The n-value can't be calculated because the values are too large, check the values of % water, "
               "% clay and % O.M.";
        QTest::newRow("overflowing clay")
            << QStringList{"35", "20", "30", "1e400", "0"} << "before" << sumTitle << sumText;
        QTest::newRow("letters read as zero") << QStringList{"35", "20", "30", "50", "none"} << " .5"
                                              << ""
                                              << "";
    }
    void shouldCalculateNValue()
    {
        QFETCH(QStringList, waterSandSiltClayOm);
        QFETCH(QString, result);
        QFETCH(QString, title);
        QFETCH(QString, message);
        loaded(calculus)->findChild<QTabWidget *>()->setCurrentIndex(0);
        const QStringList names{"water_text", "sand_Text", "Silt_text", "clay_Text", "om_text"};
        for (int i = 0; i < names.size(); ++i)
            enter(names[i], waterSandSiltClayOm[i]);
        box("nvalue_text")->setText(QStringLiteral("before"));
        MessageRecorder recorder;
        QVERIFY(click(loaded(calculus), QStringLiteral("Command5")));
        QCOMPARE(box("nvalue_text")->text(), result);
        QVERIFY(shownOnly(recorder, expected(MessageIcon::Warning, title, message)));
    }

    void shouldFindTextureClass_data()
    {
        QTest::addColumn<QStringList>("sandSiltClay");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("title"); // empty when no message is expected
        QTest::addColumn<QString>("message");
        QTest::newRow("sandy") << QStringList{"80", "10", "10"} << " SANDY "
                               << ""
                               << "";
        QTest::newRow("clay exactly 60") << QStringList{"20", "20", "60"} << " FINE (Clayey) "
                                         << ""
                                         << "";
        QTest::newRow("silt exactly 82") << QStringList{"10", "82", "8"} << " FINE SILTY "
                                         << ""
                                         << "";
        QTest::newRow("no rule covers") << QStringList{"10", "60", "30"} << "before"
                                        << ""
                                        << "";
        QTest::newRow("all zero")
            << QStringList{"0.00", "0", "0"} << "before"
            << "Data input error"
            << "You do not have values for the contents of Sand,silt, and clay. Try again please.";
        QTest::newRow("decimals that miss 100 in binary")
            << QStringList{"0.1", "64.1", "35.8"} << "before"
            << "texture error"
            << "You have an error in the contents of Sand,silt, and clay. Try again please.";
        QTest::newRow("overflow") << QStringList{"1e400", "0", "0"} << "before"
                                  << "texture error"
                                  << "You have an error in the contents of Sand,silt, and clay. Try again please.";
    }
    void shouldFindTextureClass()
    {
        QFETCH(QStringList, sandSiltClay);
        QFETCH(QString, result);
        QFETCH(QString, title);
        QFETCH(QString, message);
        enter("sand1", sandSiltClay[0]);
        enter("silt2", sandSiltClay[1]);
        enter("clay3", sandSiltClay[2]);
        box("clasetext")->setText(QStringLiteral("before"));
        MessageRecorder recorder;
        QVERIFY(click(loaded(calculus), QStringLiteral("Command2")));
        QCOMPARE(box("clasetext")->text(), result);
        QVERIFY(shownOnly(recorder, expected(MessageIcon::Information, title, message)));
    }

    void shouldExplainTexture()
    {
        MessageRecorder recorder;
        QVERIFY(click(loaded(calculus), QStringLiteral("Command3")));
        QVERIFY(shownOnly(recorder, expected(MessageIcon::Information, " Texture: explanation",
                                             "Texture is the relative proportions of the various soil\rseparates in "
                                             "a soil as described by the classes of\rsoil texture shown in the "
                                             "texture triangle. \r")));
    }

    void shouldResetEachTabOnItsOwn_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("resultAfter");
        QTest::newRow("n value") << "Command6"
                                 << QStringList{"sand_Text", "Silt_text", "clay_Text", "om_text", "water_text"}
                                 << "nvalue_text"
                                 << "0.00";
        QTest::newRow("texture") << "Command4" << QStringList{"sand1", "silt2", "clay3"} << "clasetext"
                                 << "";
    }
    void shouldResetEachTabOnItsOwn()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, boxes);
        QFETCH(QString, result);
        QFETCH(QString, resultAfter);
        // Every entry of both tabs gets a value; the first box of the tab a
        // value whose bar stays at 0.
        for (const auto &[edit, scroll] : entryPairs)
            bar(scroll)->setValue(30);
        box(boxes.first())->setText(QStringLiteral("0.4"));
        box(result)->setText(QStringLiteral("before"));
        QVERIFY(click(loaded(calculus), button));
        QCOMPARE(box(boxes.first())->text(), QStringLiteral("0.00")); // its bar did not move
        for (const QString &name : boxes.mid(1))
            QCOMPARE(box(name)->text(), QStringLiteral("0")); // written back by the bar's return to 0
        QCOMPARE(box(result)->text(), resultAfter);
        for (const auto &[edit, scroll] : entryPairs) {
            const bool thisTab = boxes.contains(edit);
            QCOMPARE(bar(scroll)->value(), thisTab ? 0 : 30);
            if (!thisTab)
                QCOMPARE(box(edit)->text(), QStringLiteral("30"));
        }
    }

    void shouldNotReadTheOtherTab()
    {
        // Valid entries on the texture tab leave the n value tab at its zeros, and the reverse.
        enter("sand1", "80");
        enter("silt2", "10");
        enter("clay3", "10");
        MessageRecorder recorder;
        QVERIFY(click(loaded(calculus), QStringLiteral("Command5")));
        QCOMPARE(recorder.last().title, QStringLiteral("Texture error"));
        QVERIFY(click(loaded(calculus), QStringLiteral("Command4")));
        enter("water_text", "35");
        enter("sand_Text", "20");
        enter("Silt_text", "30");
        enter("clay_Text", "50");
        QVERIFY(click(loaded(calculus), QStringLiteral("Command2")));
        QCOMPARE(recorder.last().title, QStringLiteral("Data input error"));
        QCOMPARE(recorder.messages.size(), 2);
    }

    void shouldRunCalculationWithEnterKey_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("title");
        QTest::newRow("in an n value entry") << "om_text"
                                             << "Texture error";
        QTest::newRow("in a texture entry") << "silt2"
                                            << "Data input error";
        QTest::newRow("on the Help button") << "Command3"
                                            << " Texture: explanation";
    }
    void shouldRunCalculationWithEnterKey()
    {
        QFETCH(QString, focus);
        QFETCH(QString, title);
        MessageRecorder recorder;
        QTest::keyClick(loaded(calculus)->findChild<QWidget *>(focus), Qt::Key_Return);
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.last().title, title);
    }

    void shouldUnloadAndComeBackFresh_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Close") << "Command1";
        QTest::newRow("Done on n value") << "Command7";
        QTest::newRow("Done on texture") << "Command9";
    }
    void shouldUnloadAndComeBackFresh()
    {
        QFETCH(QString, button);
        auto *tabs = loaded(calculus)->findChild<QTabWidget *>();
        tabs->setCurrentIndex(0);
        enter("sand_Text", "12.3");
        enter("sand1", "45");
        QVERIFY(click(loaded(calculus), button));
        QVERIFY(!ScreenManager::instance().isLoaded(calculus));
        flushDeletes();
        QCOMPARE(liveWindows(calculus), 0);
        show(calculus);
        QCOMPARE(loaded(calculus)->findChild<QTabWidget *>()->currentIndex(), 1);
        QCOMPARE(box("sand_Text")->text(), QStringLiteral("0.00"));
        QCOMPARE(bar("HScroll1_sand")->value(), 0);
    }

    void shouldOpenExplanationThatOutlivesWindow()
    {
        QVERIFY(click(loaded(calculus), QStringLiteral("Command8")));
        QWidget *explanation = loaded(QStringLiteral("nvalue_form"));
        QVERIFY(explanation);
        QCOMPARE(explanation->windowTitle(), QStringLiteral("n-value"));
        QCOMPARE(backgroundOf(explanation), colours::paleYellow);
        QCOMPARE(explanation->findChild<QLabel *>(QStringLiteral("Label3"))->text(),
                 QStringLiteral("n = ( A - 0.2 R ) / ( L + 3  H )"));
        QVERIFY(click(loaded(calculus), QStringLiteral("Command1")));
        QVERIFY(ScreenManager::instance().isLoaded(QStringLiteral("nvalue_form")));
        QVERIFY(click(explanation, QStringLiteral("Command1")));
        QVERIFY(!ScreenManager::instance().isLoaded(QStringLiteral("nvalue_form")));
    }
};

YUC_TEST_MAIN(TestCalculusWindow)
#include "tst_calculuswindow.moc"
