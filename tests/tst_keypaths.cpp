// The ways through the key and the finder, from the model alone: no window.
#include "testsupport.h"

#include "model/keypaths.h"

#include <QSet>

using namespace yuc;

class TestKeyPaths : public QObject
{
    Q_OBJECT
private slots:
    void shouldReachEveryFinalResultByOneWayDownFromTheKeyToSuborders()
    {
        const KeyPaths &paths = KeyPaths::instance();
        QCOMPARE(paths.finals().size(), 255);
        QSet<QString> names;
        for (const KeyPlace &place : paths.finals()) {
            const QList<PathStep> path = paths.pathTo(place);
            const QString name = paths.nameOf(place);
            QVERIFY2(!path.isEmpty() && path.first().step == paths.root(), qPrintable(name));
            // Each chosen statement leads to the next step, and the last to the place.
            for (int i = 0; i + 1 < path.size(); ++i)
                QCOMPARE(path.at(i).step->options.at(path.at(i).chosen).destination.target, path.at(i + 1).step->form);
            const Destination &last = path.last().step->options.at(path.last().chosen).destination;
            QVERIFY2(place.kind == KeyPlace::Kind::Message ? last.kind == Destination::Kind::Message
                                                           : last.target == place.form,
                     qPrintable(name));
            QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(name));
            names.insert(name.toLower());
        }
        QCOMPARE(names.size(), 255);
        QCOMPARE(paths.finalsBelow(paths.root()->form).size(), 255);
        QCOMPARE(paths.taxa().size(), 255 + 34);
        QCOMPARE(paths.nameOf(KeyPlace::step(paths.root()->form)), QStringLiteral("Aridisols"));
    }

    void shouldReadTheTwoWayFallbackAsChosenOnceItsFirstStatementIsRuledOut()
    {
        const QList<PathStep> path = KeyPaths::instance().pathTo(KeyPlace::screen(QStringLiteral("TypicSalicryids")));
        QCOMPARE(path.size(), 3);
        QCOMPARE(path.last().step->form, QStringLiteral("Salicryids_form"));
        QCOMPARE(path.last().chosen, 1);
    }

    void shouldWriteAStatementAsItsWindowReadsWithoutButtons()
    {
        const KeyStep *argids = KeyModel::instance().step(QStringLiteral("Argids_form"));
        const QString text = statementText(argids->options.at(2));
        QVERIFY(text.startsWith(QStringLiteral("Other Argids which do not have a lithic")));
        QVERIFY(text.contains(QStringLiteral("either: 1. A clay increase")));
        QVERIFY(text.endsWith(QStringLiteral("value, dry, that is 4 or less.")));
        QVERIFY(!text.contains(QStringLiteral("  ")));
        // Panel buttons are linked beside the statement, not read inside it.
        const KeyStep *natrargids = KeyModel::instance().step(QStringLiteral("Natrargids_form"));
        QVERIFY(!statementText(natrargids->options.first()).contains(QStringLiteral("Characteristics")));
        QCOMPARE(panelButtons(natrargids->options.first()).size(), 1);
    }

    void shouldFindEveryTaxonByItsNameInAnyCase()
    {
        const KeyPaths &paths = KeyPaths::instance();
        for (const KeyPlace &place : paths.taxa()) {
            const QString typed = QStringLiteral("  ") + paths.nameOf(place).toUpper() + QStringLiteral(" ");
            const TaxonFinder::Answer answer = TaxonFinder::instance().find(typed);
            QVERIFY2(answer.kind == TaxonFinder::Answer::Kind::Exact, qPrintable(typed));
            QVERIFY(answer.places.first() == place);
        }
    }

    void shouldListPartialNamesThenTaxaWhoseStatementsHoldEveryWord()
    {
        const TaxonFinder &finder = TaxonFinder::instance();
        const TaxonFinder::Answer byName = finder.find(QStringLiteral("haplarg"));
        QCOMPARE(byName.kind, TaxonFinder::Answer::Kind::ByName);
        QCOMPARE(byName.places.size(), 18 + 1); // the great group and its subgroups

        const TaxonFinder::Answer byWords = finder.find(QStringLiteral("Duripan  cemented"));
        QCOMPARE(byWords.kind, TaxonFinder::Answer::Kind::ByStatements);
        QVERIFY(!byWords.places.isEmpty());
        for (const KeyPlace &place : byWords.places) {
            QString said;
            for (const PathStep &step : KeyPaths::instance().pathTo(place))
                said += statementText(step.step->options.at(step.chosen)).toLower();
            QVERIFY(said.contains(QStringLiteral("duripan")) && said.contains(QStringLiteral("cemented")));
        }
        QCOMPARE(finder.find(QStringLiteral("podzol")).kind, TaxonFinder::Answer::Kind::Nothing);
        QCOMPARE(finder.find(QStringLiteral("   ")).kind, TaxonFinder::Answer::Kind::Nothing);
    }
};

YUC_TEST_MAIN(TestKeyPaths)
#include "tst_keypaths.moc"
