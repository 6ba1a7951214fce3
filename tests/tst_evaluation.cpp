// The key decided from a profile's data: every diagnostic test at its
// limits, the key's tests as data, and the way the data lead.
#include "model/evaluation.h"
#include "model/profile.h"

#include <QFile>
#include <QJsonDocument>
#include <QtTest>

using namespace yuc;
using eval::State;

Q_DECLARE_METATYPE(eval::State)
Q_DECLARE_METATYPE(study::Profile)

namespace {

// A profile from its site fields and horizons, written as JSON fragments.
QByteArray soil(const char *site, const char *horizons, const char *recorded = "[]")
{
    return QByteArray("{\"format\": 1, \"title\": \"test soil\", \"site\": {") + site + "}, \"horizons\": [" + horizons
           + "], \"diagnostic_features\": " + recorded + "}";
}

study::Profile read(const QByteArray &json)
{
    study::ProfileError error;
    const std::optional<study::Profile> p = study::parseProfile(json, &error);
    if (!p)
        qFatal("test profile does not read: %s: %s", qPrintable(error.where), qPrintable(error.what));
    return *p;
}

eval::Finding decideJson(const study::Profile &profile, const QByteArray &test)
{
    const eval::Soil soil(profile);
    return eval::decide(soil, QJsonDocument::fromJson(test).object());
}

QList<study::Profile> keyedProfiles()
{
    QList<study::Profile> list = study::builtInProfiles();
    QFile example(QStringLiteral(YUC_SOURCE_DIR "/examples/dry-wash-terrace.soilprofile.json"));
    if (example.open(QIODevice::ReadOnly))
        list << *study::parseProfile(example.readAll());
    return list;
}

// The profile without one property: in every horizon, or as a site field.
study::Profile without(study::Profile p, const QString &key)
{
    for (study::Horizon &h : p.horizons) {
        h.numbers.remove(key);
        h.texts.remove(key);
    }
    p.site.removeIf([&](const auto &field) { return field.first == key; });
    return p;
}

} // namespace

class TestEvaluation : public QObject
{
    Q_OBJECT

private slots:
    void everyStatementAndPanelHasItsTest()
    {
        const QStringList problems = eval::KeyTests::instance().check(KeyModel::instance());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void shouldDecideEachCriterionAtItsLimits_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<QByteArray>("test");
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("reason"); // a part of the reason

        const QByteArray salic = "{\"test\": \"horizon\", \"name\": \"salic\", \"top_within\": 100}";
        const auto salts = [](const char *top, const char *bottom, const char *pct) {
            return soil("", QByteArray("{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": ") + top
                                + ", \"soluble_salts_pct\": 0.2}, {\"designation\": \"Bz\", \"top_cm\": " + top
                                + ", \"bottom_cm\": " + bottom + ", \"soluble_salts_pct\": " + pct + "}");
        };
        QTest::newRow("salic: product 60") << salts("5", "25", "3") << salic << State::Holds << "= 60 \u2265 60";
        QTest::newRow("salic: product 59.9") << salts("5", "25", "2.995") << salic << State::DoesNotHold << "< 60";
        QTest::newRow("salic: 15 cm thick") << salts("5", "20", "4") << salic << State::Holds << "15 cm thick";
        QTest::newRow("salic: 14.9 cm thick") << salts("5", "19.9", "5") << salic << State::DoesNotHold << "< 15 cm";
        QTest::newRow("salic: 1.9 % salts") << salts("5", "45", "1.9") << salic << State::DoesNotHold << "< 2";
        QTest::newRow("salic: top at 100 cm") << salts("100", "130", "3") << salic << State::Holds << "\u2264 100 cm";
        QTest::newRow("salic: top at 101 cm")
            << salts("101", "130", "3") << salic << State::DoesNotHold << "deeper than 100";
        QTest::newRow("salic: salts not measured")
            << soil("", "{\"designation\": \"Bz\", \"top_cm\": 0, \"bottom_cm\": 40}") << salic << State::CannotTell
            << "needs salts more soluble than gypsum";
        QTest::newRow("salic: recorded where the data cannot decide")
            << soil("", "{\"designation\": \"Bz\", \"top_cm\": 0, \"bottom_cm\": 40}",
                    "[{\"name\": \"salic horizon\", \"top_cm\": 0, \"bottom_cm\": 40}]")
            << salic << State::Holds << "recorded by the describer";
        QTest::newRow("argillic: recorded below the horizons described") << soil(
            "",
            "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 40, \"clay_pct\": 10, \"clay_illuviation\": false}",
            "[{\"name\": \"argillic horizon\", \"top_cm\": 60, \"bottom_cm\": 90}]")
                                                                         << QByteArray("{\"test\": \"abrupt\"}")
                                                                         << State::CannotTell
                                                                         << "no horizon is described";
        QTest::newRow("salic: recorded, but the data say otherwise")
            << soil("", "{\"designation\": \"Bz\", \"top_cm\": 0, \"bottom_cm\": 40, \"soluble_salts_pct\": 0.5}",
                    "[{\"name\": \"salic horizon\", \"top_cm\": 0, \"bottom_cm\": 40}]")
            << salic << State::DoesNotHold << "the data decide";

        const QByteArray gypsic = "{\"test\": \"horizon\", \"name\": \"gypsic\", \"top_within\": 100}";
        const auto gypsum = [](const char *pct) {
            return soil(
                "",
                QByteArray(
                    "{\"designation\": \"By\", \"top_cm\": 10, \"bottom_cm\": 40, \"cemented_pct\": 0, \"gypsum_pct\": ")
                    + pct + "}, {\"designation\": \"C\", \"top_cm\": 40, \"bottom_cm\": 80, \"gypsum_pct\": 0}");
        };
        QTest::newRow("gypsic: product 150") << gypsum("5") << gypsic << State::Holds << "= 150";
        QTest::newRow("gypsic: product 149.9") << gypsum("4.99666") << gypsic << State::DoesNotHold << "";
        QTest::newRow("gypsic: gypsum under 5 over the layer below") << soil(
            "",
            "{\"designation\": \"By\", \"top_cm\": 10, \"bottom_cm\": 40, \"cemented_pct\": 0, \"gypsum_pct\": 9}, {\"designation\": \"C\", \"top_cm\": 40, \"bottom_cm\": 80, \"gypsum_pct\": 4.5}")
                                                                     << gypsic << State::DoesNotHold
                                                                     << "less than 5 % over C";

        const QByteArray calcic = "{\"test\": \"horizon\", \"name\": \"calcic\", \"top_within\": 150}";
        const auto lime = [](const char *pct) {
            return soil(
                "",
                QByteArray(
                    "{\"designation\": \"Bk\", \"top_cm\": 20, \"bottom_cm\": 40, \"cemented_pct\": 0, \"secondary_caco3_pct\": 10, \"clay_pct\": 25, \"caco3_pct\": ")
                    + pct + "}");
        };
        QTest::newRow("calcic: 15 % CaCO3") << lime("15") << calcic << State::Holds << "secondary carbonates";
        QTest::newRow("calcic: 14.9 % CaCO3") << lime("14.9") << calcic << State::DoesNotHold << "< 15";
        QTest::newRow("calcic: CaCO3 not measured")
            << soil("", "{\"designation\": \"Bk\", \"top_cm\": 20, \"bottom_cm\": 40, \"cemented_pct\": 0}") << calcic
            << State::CannotTell << "CaCO\u2083 equivalent";
        QTest::newRow("calcic: a cemented horizon is no calcic") << soil(
            "",
            "{\"designation\": \"Bkkm\", \"top_cm\": 20, \"bottom_cm\": 40, \"caco3_pct\": 60, \"secondary_caco3_pct\": 40, \"cemented_pct\": 90, \"cementing_agent\": \"carbonate\"}")
                                                                 << calcic << State::DoesNotHold << "";
        QTest::newRow("petrocalcic: cemented by carbonate")
            << soil(
                   "",
                   "{\"designation\": \"Bkkm\", \"top_cm\": 20, \"bottom_cm\": 40, \"caco3_pct\": 60, \"cemented_pct\": 90, \"cementing_agent\": \"carbonate\"}")
            << QByteArray("{\"test\": \"horizon\", \"name\": \"petrocalcic\", \"top_within\": 100}") << State::Holds
            << "cemented by carbonate";
        QTest::newRow("duripan: half cemented is not enough")
            << soil(
                   "",
                   "{\"designation\": \"Bqm\", \"top_cm\": 20, \"bottom_cm\": 40, \"cemented_pct\": 50, \"cementing_agent\": \"silica\"}")
            << QByteArray("{\"test\": \"horizon\", \"name\": \"duripan\", \"top_within\": 100}") << State::DoesNotHold
            << "\u2264 50";

        const QByteArray argillic = "{\"test\": \"horizon\", \"name\": \"argillic\", \"top_within\": 100}";
        const auto clay = [](const char *films, const char *bt) {
            return soil(
                "",
                QByteArray(
                    "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 10, \"clay_pct\": 20, \"clay_illuviation\": false}, {\"designation\": \"Bt\", \"top_cm\": 10, \"bottom_cm\": 40, \"clay_illuviation\": ")
                    + films + ", \"clay_pct\": " + bt + "}");
        };
        QTest::newRow("argillic: ratio 1.2") << clay("true", "24") << argillic << State::Holds << "ratio 1.2";
        QTest::newRow("argillic: ratio 1.195")
            << clay("true", "23.9") << argillic << State::DoesNotHold << "1.2 needed";
        QTest::newRow("argillic: no clay films") << clay("false", "30") << argillic << State::DoesNotHold << "";
        QTest::newRow("argillic: clay films not recorded")
            << soil("", "{\"designation\": \"Bt\", \"top_cm\": 10, \"bottom_cm\": 40, \"clay_pct\": 30}") << argillic
            << State::CannotTell << "clay films";

        const QByteArray cryic = "{\"test\": \"cryic\"}";
        const auto cold = [](const char *summer) {
            return soil(
                QByteArray(
                    "\"soil_temperature_annual_c\": 5, \"saturated_in_summer\": false, \"o_horizon\": false, \"soil_temperature_summer_c\": ")
                    + summer,
                "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}");
        };
        QTest::newRow("cryic: summer 14.9") << cold("14.9") << cryic << State::Holds << "< 15";
        QTest::newRow("cryic: summer 15") << cold("15") << cryic << State::DoesNotHold << "\u2265 15";
        QTest::newRow("cryic: saturated in summer, 13") << soil(
            "\"soil_temperature_annual_c\": 5, \"saturated_in_summer\": true, \"o_horizon\": false, \"soil_temperature_summer_c\": 13",
            "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}")
                                                        << cryic << State::DoesNotHold << "\u2265 13";
        QTest::newRow("cryic: annual 8") << soil("\"soil_temperature_annual_c\": 8",
                                                 "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}")
                                         << cryic << State::DoesNotHold << "not between";
        QTest::newRow("cryic: no temperatures")
            << soil("", "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}") << cryic << State::CannotTell
            << "mean annual soil temperature";

        const QByteArray lithic = "{\"test\": \"contact\", \"kind\": \"lithic\", \"within\": 50}";
        QTest::newRow("lithic: R at 50 cm") << soil(
            "",
            "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 50}, {\"designation\": \"R\", \"top_cm\": 50, \"bottom_cm\": 60}")
                                            << lithic << State::Holds << "R horizon at 50 cm";
        QTest::newRow("lithic: R at 51 cm") << soil(
            "",
            "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 51}, {\"designation\": \"R\", \"top_cm\": 51, \"bottom_cm\": 60}")
                                            << lithic << State::DoesNotHold << "deeper than 50";
        QTest::newRow("lithic: horizons end at 40 cm")
            << soil("", "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 40}") << lithic << State::CannotTell
            << "horizons end at 40";
        QTest::newRow("lithic: described to 120 cm")
            << soil("", "{\"designation\": \"C\", \"top_cm\": 0, \"bottom_cm\": 120}") << lithic << State::DoesNotHold
            << "reach 120";

        const QByteArray xeric = "{\"test\": \"moisture_border\", \"regime\": \"xeric\"}";
        const auto dry = [](const char *pct, const char *borders) {
            return soil(QByteArray("\"mcs_dry_pct\": ") + pct + ", \"moisture_borders\": \"" + borders + "\"",
                        "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}");
        };
        QTest::newRow("xeric: dry 74.9 %") << dry("74.9", "xeric") << xeric << State::Holds << "< 75";
        QTest::newRow("xeric: dry 75 %") << dry("75", "xeric") << xeric << State::DoesNotHold << "\u2265 75";
        QTest::newRow("xeric: borders ustic") << dry("60", "ustic") << xeric << State::DoesNotHold << "borders ustic";
        QTest::newRow("xeric: border unknown, and a part that does not hold")
            << soil("\"mcs_dry_pct\": 90", "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}") << xeric
            << State::DoesNotHold << "\u2265 75";
        QTest::newRow("xeric: border unknown")
            << soil("\"mcs_dry_pct\": 60", "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}") << xeric
            << State::CannotTell << "borders";

        const QByteArray durinodic = "{\"test\": \"combined\", \"kind\": \"durinodic\"}";
        const auto nodes = [](const char *bottom) {
            return soil("", QByteArray("{\"designation\": \"Bqk\", \"top_cm\": 30, \"bottom_cm\": ") + bottom
                                + ", \"durinodes_pct\": 20, \"brittle\": false}, {\"designation\": \"C\", \"top_cm\": "
                                + bottom + ", \"bottom_cm\": 150, \"durinodes_pct\": 0, \"brittle\": false}");
        };
        QTest::newRow("durinodic: 15 cm") << nodes("45") << durinodic << State::Holds << "15 cm \u2265 15";
        QTest::newRow("durinodic: 14.9 cm") << nodes("44.9") << durinodic << State::DoesNotHold << "< 15";

        const QByteArray vitrandic = "{\"test\": \"combined\", \"kind\": \"vitrandic\"}";
        const auto glassy = [](const char *ox) {
            return soil(
                "",
                QByteArray(
                    "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20, \"rock_fragments_pct\": 5, \"fraction_002_2mm_pct\": 40, \"volcanic_glass_pct\": 18, \"oxalate_al_fe_pct\": ")
                    + ox + "}");
        };
        QTest::newRow("vitrandic: index 30") << glassy("0.2") << vitrandic << State::Holds << "= 30";
        QTest::newRow("vitrandic: index 29.9") << glassy("0.19833") << vitrandic << State::DoesNotHold << "";
        QTest::newRow("vitrandic: no glass decides without oxalate") << soil(
            "",
            "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 40, \"rock_fragments_pct\": 5, \"volcanic_glass_pct\": 0}")
                                                                     << vitrandic << State::DoesNotHold << "";

        const QByteArray thickSodic = "{\"test\": \"sodic\", \"thick\": true}";
        const auto sodium = [](const char *bottom) {
            return soil("", QByteArray("{\"designation\": \"Btn\", \"top_cm\": 20, \"bottom_cm\": ") + bottom
                                + ", \"esp_pct\": 20}, {\"designation\": \"C\", \"top_cm\": " + bottom
                                + ", \"bottom_cm\": 150, \"esp_pct\": 5}");
        };
        QTest::newRow("sodic: 25 cm thick") << sodium("45") << thickSodic << State::Holds << "25 cm \u2265 25";
        QTest::newRow("sodic: 24.9 cm thick") << sodium("44.9") << thickSodic << State::DoesNotHold << "< 25";

        const QByteArray vertic = "{\"test\": \"vertic\"}";
        const auto swell = [](const char *cole) {
            return soil(
                "\"lithic_contact_cm\": 200",
                QByteArray(
                    "{\"designation\": \"Bss\", \"top_cm\": 0, \"bottom_cm\": 100, \"slickensides\": false, \"wedge_aggregates\": false, \"cole\": ")
                    + cole + "}");
        };
        QTest::newRow("vertic: extensibility 6.0") << swell("0.06") << vertic << State::Holds << "\u2265 6";
        QTest::newRow("vertic: extensibility 5.99") << swell("0.0599") << vertic << State::DoesNotHold << "< 6";

        const QByteArray aquic = "{\"any\": [{\"test\": \"irrigated_aquic\"}, {\"test\": \"saturated\"}]}";
        QTest::newRow("saturated within 100 cm") << soil(
            "\"irrigated\": false, \"saturation_top_cm\": 100, \"saturation_months\": 1, \"saturation_years_in_10\": 6",
            "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}")
                                                 << aquic << State::Holds << "\u2264 100";
        QTest::newRow("saturated from 101 cm") << soil(
            "\"irrigated\": false, \"saturation_top_cm\": 101, \"saturation_months\": 1, \"saturation_years_in_10\": 6",
            "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}")
                                               << aquic << State::DoesNotHold << "> 100";
        QTest::newRow("or: one part holds, the other cannot be told")
            << soil("\"saturation_top_cm\": 40, \"saturation_months\": 2, \"saturation_years_in_10\": 8",
                    "{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}")
            << aquic << State::Holds << "";
    }

    void shouldDecideEachCriterionAtItsLimits()
    {
        QFETCH(QByteArray, profile);
        QFETCH(QByteArray, test);
        QFETCH(State, state);
        QFETCH(QString, reason);
        const eval::Finding f = decideJson(read(profile), test);
        QVERIFY2(f.state == state, qPrintable(eval::stateText(f.state) + QStringLiteral(": ") + f.reason));
        QVERIFY2(f.reason.contains(reason), qPrintable(f.reason));
        if (state == State::CannotTell)
            QVERIFY2(!f.missing.isEmpty(), "a \u201ccannot tell\u201d names what is missing");
    }

    void shouldReachEveryProfilesAnswerFromItsData_data()
    {
        QTest::addColumn<study::Profile>("profile");
        for (const study::Profile &p : keyedProfiles())
            QTest::newRow(qPrintable(p.title.left(40))) << p;
    }

    void shouldReachEveryProfilesAnswerFromItsData()
    {
        QFETCH(study::Profile, profile);
        const eval::Soil soil(profile);
        const eval::KeyResult result = eval::keyFromData(soil);
        QString why;
        for (const eval::StepFindings &s : result.way)
            for (int i = 0; i < s.statements.size() && (s.chosen < 0 || i <= s.chosen); ++i)
                why += QStringLiteral("\n  %1 %2: %3 \u2014 %4")
                           .arg(s.step->form, s.step->options.at(i).name, eval::stateText(s.statements.at(i).state),
                                s.statements.at(i).reason);
        QVERIFY2(result.taxon == profile.answer->taxon,
                 qPrintable(result.taxon + QStringLiteral(" against ") + profile.answer->taxon + why));
        // Every statement before the one taken does not hold.
        for (const eval::StepFindings &s : result.way)
            for (int i = 0; i < s.chosen; ++i)
                QVERIFY(s.statements.at(i).state == State::DoesNotHold);
    }

    void shouldStopAtTheFirstStepWithoutMeasurements()
    {
        for (study::Profile p : keyedProfiles()) {
            p.site.clear();
            p.recorded.clear();
            for (study::Horizon &h : p.horizons) {
                h.numbers.clear();
                h.texts.clear();
            }
            const eval::Soil soil(p);
            const eval::KeyResult result = eval::keyFromData(soil);
            QVERIFY(!result.decided());
            QVERIFY(result.taxon.isEmpty());
            QCOMPARE(result.way.size(), 1);
            QCOMPARE(result.stoppedAt(), KeyPaths::instance().root());
            QVERIFY(!result.measureNext.isEmpty());
        }
    }

    // Adding a measurement never turns a decided statement into one that cannot be told.
    void shouldNeverLoseADecisionByMeasuringMore()
    {
        const KeyModel &model = KeyModel::instance();
        for (const study::Profile &full : keyedProfiles()) {
            QStringList keys;
            for (const study::Horizon &h : full.horizons)
                for (const QString &k : h.numbers.keys() + h.texts.keys())
                    if (!keys.contains(k))
                        keys << k;
            for (const auto &field : full.site)
                keys << field.first;
            const eval::Soil all(full);
            QList<eval::StepFindings> measured;
            for (const KeyStep &step : model.steps)
                measured << eval::decideStep(all, step);
            for (const QString &key : keys) {
                const study::Profile less = without(full, key);
                const eval::Soil fewer(less);
                for (int s = 0; s < model.steps.size(); ++s) {
                    const eval::StepFindings f = eval::decideStep(fewer, model.steps.at(s));
                    for (int i = 0; i < f.statements.size(); ++i) {
                        const State before = f.statements.at(i).state;
                        const State after = measured.at(s).statements.at(i).state;
                        if (before != State::CannotTell)
                            QVERIFY2(after != State::CannotTell,
                                     qPrintable(QStringLiteral("%1, %2 with %3 measured: %4, without: %5")
                                                    .arg(full.title.left(12), model.steps.at(s).options.at(i).name, key,
                                                         eval::stateText(after), eval::stateText(before))));
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
