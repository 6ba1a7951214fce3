#include "testsupport.h"

#include <QLabel>
#include <QRadioButton>

using namespace yuc;
using namespace yuc::test;

namespace {
QWidget *choose(const QString &step, const QString &option, const QString &stepButton)
{
    QWidget *window = show(step);
    auto *radio = window->findChild<QRadioButton *>(option);
    if (!radio)
        qFatal("no option %s", qPrintable(option));
    radio->click();
    click(window, stepButton);
    return window;
}

bool isSelected(const QString &step, const QString &option)
{
    QWidget *window = loaded(step);
    return window && window->findChild<QRadioButton *>(option)->isChecked();
}

int selectedCount(QWidget *window)
{
    int count = 0;
    for (auto *radio : window->findChildren<QRadioButton *>())
        count += radio->isChecked();
    return count;
}
} // namespace

class TestKeyRunner : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldDoNothingWhenNothingIsSelected_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("stepButton");
        QTest::newRow("key to suborders") << "Classif_Arid_first"
                                          << "Command2";
        QTest::newRow("screens") << "Durids_form"
                                 << "Command2";
        QTest::newRow("messages") << "Haplocambids"
                                  << "Command24";
    }
    void shouldDoNothingWhenNothingIsSelected()
    {
        QFETCH(QString, step);
        QFETCH(QString, stepButton);
        MessageRecorder recorder;
        QWidget *window = show(step);
        QCOMPARE(selectedCount(window), 0);
        click(window, stepButton);
        QCOMPARE(ScreenManager::instance().loadedScreens(), QStringList{step});
        QVERIFY(recorder.messages.isEmpty());
    }

    void shouldTakeTheFallbackOfTheTwoWayStep()
    {
        QWidget *salicryids = show(QStringLiteral("Salicryids_form"));
        click(salicryids, QStringLiteral("Command2"));
        QVERIFY(loaded(QStringLiteral("TypicSalicryids")));
        QVERIFY(!loaded(QStringLiteral("Salicryids_form"))); // replaced on load
        QCOMPARE(loaded(QStringLiteral("TypicSalicryids"))->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Typic Salicryids"));
    }

    void shouldPileUpDestinationsAndKeepTheStep()
    {
        QWidget *step =
            choose(QStringLiteral("haplosalids"), QStringLiteral("haplosalids_Option2"), QStringLiteral("Command2"));
        choose(QStringLiteral("haplosalids"), QStringLiteral("haplosalids_Option4"), QStringLiteral("Command2"));
        QVERIFY(loaded(QStringLiteral("petrogypsic_haplosalids")));
        QVERIFY(loaded(QStringLiteral("calcic_haplosalids")));
        QCOMPARE(loaded(QStringLiteral("haplosalids")), step);
        QVERIFY(isSelected(QStringLiteral("haplosalids"), QStringLiteral("haplosalids_Option4")));
        QCOMPARE(selectedCount(step), 1);
    }

    void shouldBringAnOpenDestinationForwardInsteadOfOpeningTwo()
    {
        choose(QStringLiteral("Durids_form"), QStringLiteral("durids_option3"), QStringLiteral("Command2"));
        QWidget *first = loaded(QStringLiteral("Haplodurids_form"));
        click(loaded(QStringLiteral("Durids_form")), QStringLiteral("Command2"));
        QCOMPARE(loaded(QStringLiteral("Haplodurids_form")), first);
        QCOMPARE(liveWindows(QStringLiteral("Haplodurids_form")), 1);
    }

    void shouldShowAMessageAgainOnEveryPress()
    {
        MessageRecorder recorder;
        QWidget *step =
            choose(QStringLiteral("petrocalcids"), QStringLiteral("Petrocalcids_option1"), QStringLiteral("Command9"));
        click(step, QStringLiteral("Command9"));
        QCOMPARE(recorder.messages.size(), 2);
        QCOMPARE(recorder.messages.at(0).text, recorder.messages.at(1).text);
        QCOMPARE(recorder.last().icon, MessageIcon::Information);
    }

    void shouldLeaveWhatAStepOpenedWhenItIsCancelled()
    {
        choose(QStringLiteral("Durids_form"), QStringLiteral("durids_option2"), QStringLiteral("Command2"));
        choose(QStringLiteral("Argidurids_form"), QStringLiteral("argidurids_Option8"), QStringLiteral("Command2"));
        click(loaded(QStringLiteral("Argidurids_form")), QStringLiteral("Cancel_btn"));
        QVERIFY(!loaded(QStringLiteral("Argidurids_form")));
        QVERIFY(loaded(QStringLiteral("Durids_form")));
        QCOMPARE(loaded(QStringLiteral("vitrandic_argidurids"))->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Vitrandic Argidurids"));
    }

    void shouldReplaceTheKeyToSubordersWithCryids()
    {
        choose(QStringLiteral("Classif_Arid_first"), QStringLiteral("Option1_arid"), QStringLiteral("Command2"));
        QVERIFY(loaded(QStringLiteral("cryids_form")));
        QVERIFY(!loaded(QStringLiteral("Classif_Arid_first")));
        // Shown again while open, cryids_form does not close a key to
        // suborders opened in the meantime.
        show(QStringLiteral("Classif_Arid_first"));
        show(QStringLiteral("cryids_form"));
        QVERIFY(loaded(QStringLiteral("Classif_Arid_first")));
    }

    void shouldGoBackToAFreshStep_data()
    {
        QTest::addColumn<QStringList>("walk"); // step, option, step button; then the back button
        QTest::addColumn<QString>("backButton");
        QTest::addColumn<QString>("returnsTo");
        QTest::newRow("cryids to suborders") << QStringList{"cryids_form", "Option2_cryids", "Command3"} << "Command2"
                                             << "Classif_Arid_first";
        QTest::newRow("salicryids to cryids")
            << QStringList{"Salicryids_form", "Option1_salicryids", "Command2"} << "Command1"
            << "cryids_form";
    }
    void shouldGoBackToAFreshStep()
    {
        QFETCH(QStringList, walk);
        QFETCH(QString, backButton);
        QFETCH(QString, returnsTo);
        show(returnsTo)->findChildren<QRadioButton *>().first()->click();
        QWidget *step = choose(walk.at(0), walk.at(1), walk.at(2));
        QVERIFY(!loaded(returnsTo)); // replaced when the step was created
        click(step, backButton);
        QVERIFY(!loaded(walk.at(0)));
        QVERIFY(loaded(returnsTo));
        QCOMPARE(selectedCount(loaded(returnsTo)), 0);
    }

    void shouldGoBackFromASalicryidsResult()
    {
        QWidget *salicryids = show(QStringLiteral("Salicryids_form"));
        salicryids->findChild<QRadioButton *>(QStringLiteral("Option1_salicryids"))->click();
        click(salicryids, QStringLiteral("Command2"));
        QWidget *result = loaded(QStringLiteral("AquicSalicryids"));
        QVERIFY(result);
        click(result, QStringLiteral("Command2"));
        QVERIFY(!loaded(QStringLiteral("AquicSalicryids")));
        QCOMPARE(selectedCount(loaded(QStringLiteral("Salicryids_form"))), 0);
    }

    void shouldOpenPetrocryidsAboveCryids()
    {
        choose(QStringLiteral("cryids_form"), QStringLiteral("Option2_cryids"), QStringLiteral("Command3"));
        QVERIFY(loaded(QStringLiteral("cryids_form")));
        QVERIFY(loaded(QStringLiteral("petrocryids")));
    }

    void shouldCloseOnlyTheResultWithOk()
    {
        choose(QStringLiteral("haplocryids_form"), QStringLiteral("haplocryids_Option5"), QStringLiteral("Command2"));
        QWidget *result = loaded(QStringLiteral("xeric_haplocryids"));
        QCOMPARE(result->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Xeric haplocryids"));
        click(result, QStringLiteral("Command1"));
        QVERIFY(!loaded(QStringLiteral("xeric_haplocryids")));
        QVERIFY(loaded(QStringLiteral("haplocryids_form")));
    }

    void shouldShareOnePanelBetweenSteps()
    {
        click(show(QStringLiteral("natrigypsids")), QStringLiteral("Command3"));
        QWidget *panel = loaded(QStringLiteral("uno_dos_more"));
        click(show(QStringLiteral("Haplogypsids")), QStringLiteral("Command2"));
        QCOMPARE(loaded(QStringLiteral("uno_dos_more")), panel);
        click(panel, QStringLiteral("Command1"));
        QVERIFY(!loaded(QStringLiteral("uno_dos_more")));
        QVERIFY(loaded(QStringLiteral("natrigypsids")) && loaded(QStringLiteral("Haplogypsids")));
        flushDeletes();
        QCOMPARE(liveWindows(QStringLiteral("uno_dos_more")), 0);
    }

    void shouldShowTheHelpOfTheKeyToSuborders()
    {
        MessageRecorder recorder;
        click(show(QStringLiteral("Classif_Arid_first")), QStringLiteral("Command3"));
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.last().title, QStringLiteral("Help for keys to suborders"));
        QCOMPARE(recorder.last().text, QStringLiteral("Choose one of the options that best matches \r\n"
                                                      " your soil information and make click \r\n"
                                                      " in the button Next step"));
    }

    void shouldOpenTheGroupWindowOfAnthracambids()
    {
        choose(QStringLiteral("cambids_form"), QStringLiteral("Cambids_Option3"), QStringLiteral("Command2"));
        QWidget *group = loaded(QStringLiteral("Anthracambids"));
        QCOMPARE(group->findChild<QLabel *>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("All the Anthracambids are:"));
        QCOMPARE(group->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Typic Anthracambids"));
        QVERIFY(click(group, QStringLiteral("Command1")));
        QVERIFY(!loaded(QStringLiteral("Anthracambids")));
    }
};

YUC_TEST_MAIN(TestKeyRunner)
#include "tst_keyrunner.moc"
