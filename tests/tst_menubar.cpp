#include "testsupport.h"

#include "shell/screenmanager.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace yuc;
using namespace yuc::test;

namespace {
QAction *entry(const QString &name)
{
    QWidget *main = ScreenManager::instance().screen(QStringLiteral("mainmenu"));
    return main ? main->findChild<QAction *>(name) : nullptr;
}

QStringList names(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions)
        result << action->objectName();
    return result;
}

// Every entry reachable from the bar, submenus included.
QList<QAction *> allEntries(const QList<QAction *> &actions)
{
    QList<QAction *> result;
    for (QAction *action : actions) {
        result << action;
        if (action->menu())
            result << allEntries(action->menu()->actions());
    }
    return result;
}

QStringList entriesOf(const QString &menu)
{
    QWidget *main = ScreenManager::instance().screen(QStringLiteral("mainmenu"));
    auto *found = main ? main->findChild<QMenu *>(menu) : nullptr;
    return found ? names(found->actions()) : QStringList();
}
} // namespace

class TestMenuBar : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(show(QStringLiteral("mainmenu"))); }
    void cleanup() { resetScreens(); }

    void shouldOpenTheWindowEachEntryNames_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("define_soil") << QStringLiteral("Soil_form");
        QTest::newRow("define_horizon") << QStringLiteral("horizon_form");
        QTest::newRow("define_buried") << QStringLiteral("buried_form");
        QTest::newRow("define_epipedon") << QStringLiteral("epipedon_form");
        QTest::newRow("define_profile") << QStringLiteral("profile_form");
        QTest::newRow("color_soil_mnu") << QStringLiteral("Color_form");
        QTest::newRow("menu_alfisol") << QStringLiteral("Alfisol_form");
        QTest::newRow("menu_entisol") << QStringLiteral("entisol_form");
        QTest::newRow("menu_histosol") << QStringLiteral("Histosol_form");
        QTest::newRow("menu_inceptisol") << QStringLiteral("inceptisols");
        QTest::newRow("menu_mollisol") << QStringLiteral("mollisols");
        QTest::newRow("menu_spod") << QStringLiteral("spodosols");
        QTest::newRow("menu_other_orders") << QStringLiteral("Other_soil_orders");
        QTest::newRow("menu_anthropic") << QStringLiteral("Anthropic_epi");
        QTest::newRow("menu_histic") << QStringLiteral("histic_epi");
        QTest::newRow("menu_melanic") << QStringLiteral("melanic_epi");
        QTest::newRow("menu_mollic") << QStringLiteral("Mollic_epi");
        QTest::newRow("meni_ochric") << QStringLiteral("ochric_epi");
        QTest::newRow("menu_plaggen") << QStringLiteral("plaggen_epi");
        QTest::newRow("menu_umbric") << QStringLiteral("umbric_epi");
        QTest::newRow("define_o") << QStringLiteral("O_horiz");
        QTest::newRow("define_a") << QStringLiteral("A_horiz");
        QTest::newRow("define_e") << QStringLiteral("E_horiz");
        QTest::newRow("define_b") << QStringLiteral("B_horiz");
        QTest::newRow("define_c") << QStringLiteral("C_horiz");
        QTest::newRow("define_r") << QStringLiteral("R_horiz");
        QTest::newRow("todos_horiz") << QStringLiteral("subhoriz_form");
        QTest::newRow("menu_agric") << QStringLiteral("Agric_horiz");
        QTest::newRow("menu_albic") << QStringLiteral("albic_horiz");
        QTest::newRow("menu_argillic") << QStringLiteral("argillic_horiz");
        QTest::newRow("menu_calcic") << QStringLiteral("calcic_horiz");
        QTest::newRow("menu_cambic") << QStringLiteral("cambic_horiz");
        QTest::newRow("menu_duripan") << QStringLiteral("Duripan_horiz");
        QTest::newRow("menu_fragipan") << QStringLiteral("Fragipan_horiz");
        QTest::newRow("menu_glossic") << QStringLiteral("glossic_horiz");
        QTest::newRow("menu_gypsic") << QStringLiteral("gypsic_horiz");
        QTest::newRow("menu_kandic") << QStringLiteral("kandic_horiz");
        QTest::newRow("menu_natric") << QStringLiteral("natric_horiz");
        QTest::newRow("menu_oxic") << QStringLiteral("Oxic_horiz");
        QTest::newRow("menu_petrocal") << QStringLiteral("Petrocalcic_horiz");
        QTest::newRow("menu_petroyeso") << QStringLiteral("petrogypsic_horiz");
        QTest::newRow("menu_placic") << QStringLiteral("Placic_horiz");
        QTest::newRow("menu_salic") << QStringLiteral("Salic_horiz");
        QTest::newRow("menu_sombric") << QStringLiteral("Sombric_horiz");
        QTest::newRow("menu_spodic") << QStringLiteral("spodic_horiz");
        QTest::newRow("menu_sulfu") << QStringLiteral("Sulfuric_horiz");
        QTest::newRow("mnu_what") << QStringLiteral("Soil_moist_reg");
        QTest::newRow("menu_aquic") << QStringLiteral("aquic_rich");
        QTest::newRow("menu_aridic") << QStringLiteral("aridic_torric");
        QTest::newRow("menu_torric") << QStringLiteral("aridic_torric");
        QTest::newRow("menu_udic") << QStringLiteral("udic_rich");
        QTest::newRow("menu_ustic") << QStringLiteral("ustic_rich");
        QTest::newRow("menu_xeric") << QStringLiteral("xeric_rich");
        QTest::newRow("menu_about") << QStringLiteral("About_form");
    }
    void shouldOpenTheWindowEachEntryNames()
    {
        QFETCH(QString, form);
        auto &manager = ScreenManager::instance();
        if (!manager.isRegistered(form))
            QSKIP(qPrintable(QStringLiteral("%1 is not registered yet").arg(form)));
        QAction *action = entry(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(action);
        QSignalSpy loads(&manager, &ScreenManager::screenLoaded);
        MessageRecorder messages;
        action->trigger();
        action->trigger(); // a second pick only brings the window forward
        QCOMPARE(loads.count(), 1);
        QCOMPARE(loads.first().first().toString(), form);
        QVERIFY(manager.isLoaded(form));
        QCOMPARE(liveWindows(form), 1);
        QVERIFY(messages.messages.isEmpty());
    }

    void shouldShowEachMessageExactly_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("menu_pergelic")
            << QStringLiteral("Soil temperature regimes: PERGELIC ")
            << QStringLiteral(" It has a mean annual soil temperature at a depth of 50 cm < 0 degrees C.  ");
        QTest::newRow("menu_cryic")
            << QStringLiteral("Soil temperature regimes: CRYIC ")
            << QStringLiteral(
                   " It has a mean annual soil temperature at a depth of 50 cm between 0 and 8 degrees C.  ");
        QTest::newRow("menu_frigid")
            << QStringLiteral("Soil temperature regimes: FRIGID ")
            << QStringLiteral(" It has a mean annual soil temperature at a depth of 50 cm < 8 degrees C.  ");
        QTest::newRow("menu_mesic")
            << QStringLiteral("Soil temperature regimes: MESIC ")
            << QStringLiteral(
                   " It has a mean annual soil temperature at a depth of 50 cm between 8 and 15 degrees C.  ");
        QTest::newRow("menu_thermic")
            << QStringLiteral("Soil temperature regimes: THERMIC ")
            << QStringLiteral(
                   " It has a mean annual soil temperature at a depth of 50 cm between 15 to 22 degrees C. ");
        QTest::newRow("menu_hyperthermic")
            << QStringLiteral("Soil temperature regimes: HYPERTHERMIC ")
            << QStringLiteral(" It has a mean annual soil temperature at a depth of 50 cm > 22 degrees C.  ");
        QTest::newRow("menu_fragmental")
            << QStringLiteral("Family particle size classes: FRAGMENTAL ")
            << QStringLiteral(
                   " It has 90% or more (by volume) rock fragments and voids; less than 10% (by volume) fine-earth (particles < 2 mm). ");
        QTest::newRow("menu_sandy_skeletal")
            << QStringLiteral("Family particle size classes: SANDY-SKELETAL ")
            << QStringLiteral(
                   " It has 35% or more (by volume) rock fragments and voids; more than 10% (by volume) of fine-earth is sandy. ");
        QTest::newRow("menu_loamy_skeletal")
            << QStringLiteral("Family particle size classes: LOAMY SKELETAL ")
            << QStringLiteral(
                   " It has 35% or more (by volume) rock fragments and voids; more than 10% (by volume) fine-earth with fine textures (clay < 35%). ");
        QTest::newRow("menu_clayey_skeletal")
            << QStringLiteral("Family particle size classes: CLAYEY SKELETAL ")
            << QStringLiteral(
                   " It has 35% or more (by volume) rock fragments and voids; more than 10% (by volume) fine-earth with fine textures (clay > 35% by wt). ");
        QTest::newRow("menu_sandy")
            << QStringLiteral("Family particle size classes: SANDY ")
            << QStringLiteral(
                   " It has less than 35% (by volume) rock fragments and voids; Fine-earth is sand or loamy sand. ");
        QTest::newRow("menu_loamy")
            << QStringLiteral("Family particle size classes: LOAMY ")
            << QStringLiteral(
                   " It has less than 35% (by volume) rock fragments and voids; includes textures of very fine sand and loamy-very fine sand. ");
        QTest::newRow("menu_clayey")
            << QStringLiteral("Family particle size classes: CLAYEY ")
            << QStringLiteral(
                   " It has less than 35% (by volume) rock fragments and voids; Fine-earth with clay > 35% by weight. ");
    }
    void shouldShowEachMessageExactly()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        const QStringList before = ScreenManager::instance().loadedScreens();
        MessageRecorder recorder;
        QAction *action = entry(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(action);
        action->trigger();
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.last().icon, MessageIcon::Information);
        QCOMPARE(recorder.last().title, title);
        QCOMPARE(recorder.last().text, text);
        QCOMPARE(ScreenManager::instance().loadedScreens(), before);
    }

    void shouldOpenAridicAndTorricOnOnePage()
    {
        const QString form = QStringLiteral("aridic_torric");
        entry(QStringLiteral("menu_aridic"))->trigger();
        QWidget *page = ScreenManager::instance().screen(form);
        QVERIFY(page);
        entry(QStringLiteral("menu_torric"))->trigger();
        QCOMPARE(ScreenManager::instance().screen(form), page);
        QCOMPARE(liveWindows(form), 1);
    }

    void shouldCloseEveryWindowOnExit()
    {
        for (const char *name : {"define_soil", "menu_mollic", "define_b", "menu_calcic", "menu_xeric"})
            entry(QString::fromLatin1(name))->trigger();
        QCOMPARE(ScreenManager::instance().loadedScreens().size(), 6);
        entry(QStringLiteral("sale32"))->trigger();
        QVERIFY(ScreenManager::instance().loadedScreens().isEmpty());
        flushDeletes();
        QCOMPARE(liveWindows(QStringLiteral("Mollic_epi")) + liveWindows(QStringLiteral("mainmenu")), 0);
    }

    void shouldOrderTheBarWithAboutActingAlone()
    {
        auto *bar = ScreenManager::instance().screen(QStringLiteral("mainmenu"))->findChild<QMenuBar *>();
        QCOMPARE(names(bar->actions()),
                 QStringList({"menu_define", "view_main_menu", "menu_epipedon", "menu_horizons", "menu_subhoriz",
                              "menu_regimes", "menu_size_classes", "menu_about"}));
        QCOMPARE(bar->actions().last()->text(), QStringLiteral("About..."));
        QVERIFY(!bar->actions().last()->menu());
        QCOMPARE(entriesOf(QStringLiteral("menu_regimes")), QStringList({"menu_soil_moist", "menu_soiltemp"}));
    }

    void shouldPlaceEachSeparatorBetweenItsNeighbours_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("sepa23") << "menu_define"
                                << "color_soil_mnu"
                                << "sale32";
        QTest::newRow("separata41") << "menu_horizons"
                                    << "define_r"
                                    << "todos_horiz";
        QTest::newRow("sepa") << "menu_soil_moist"
                              << "mnu_what"
                              << "menu_aquic";
    }
    void shouldPlaceEachSeparatorBetweenItsNeighbours()
    {
        QFETCH(QString, menu);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const QString separator = QString::fromLatin1(QTest::currentDataTag());
        const QStringList entries = entriesOf(menu);
        const qsizetype at = entries.indexOf(separator);
        QVERIFY(at > 0 && at + 1 < entries.size());
        QCOMPARE(entries.at(at - 1), before);
        QCOMPARE(entries.at(at + 1), after);
        QVERIFY(entry(separator)->isSeparator());
        QCOMPARE(entries.count(separator), 1);
    }

    void shouldKeepTheDoubledBlankOfWhatIsAMoistureRegime()
    {
        QCOMPARE(entry(QStringLiteral("mnu_what"))->text(), QStringLiteral("What is a  moisture regime?"));
    }

    void shouldHaveNoShortcutsOrAccessKeys()
    {
        auto *bar = ScreenManager::instance().screen(QStringLiteral("mainmenu"))->findChild<QMenuBar *>();
        const auto actions = allEntries(bar->actions());
        QCOMPARE(actions.size(), 80); // eight in the bar, seventy-two below
        for (const QAction *action : actions) {
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
            QVERIFY2(QKeySequence::mnemonic(action->text()).isEmpty(), qPrintable(action->objectName()));
            QVERIFY2(!action->objectName().isEmpty(), qPrintable(action->text()));
        }
    }
};

YUC_TEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
