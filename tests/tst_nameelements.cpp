#include "testsupport.h"

#include "model/keymodel.h"
#include "model/nameelements.h"

#include <QSet>

using namespace yuc;

namespace {
QStringList partTexts(const ExplainedWord &word)
{
    QStringList texts;
    for (const NameElement &part : word.parts)
        texts << part.text;
    return texts;
}
} // namespace

class TestNameElements : public QObject
{
    Q_OBJECT
private slots:
    // Hyphens and stray blanks in the names must split too, or their words come back incomplete.
    void shouldExplainEveryWordOfEveryName()
    {
        const KeyModel &key = KeyModel::instance();
        QStringList names{QStringLiteral("Aridisols")}; // the taxon of "Aridisols: Key to suborders"
        for (const KeyStep &step : key.steps) {
            if (!step.caption.startsWith(QLatin1String("Aridisols:")))
                names << step.caption;
            for (const KeyOption &option : step.options)
                if (option.destination.kind == Destination::Kind::Message)
                    names << option.destination.text;
        }
        for (const ResultScreen &screen : key.screens)
            names << screen.label;
        QSet<QString> problems;
        for (const QString &name : names)
            for (const ExplainedWord &word : NameElements::instance().explainName(name)) {
                if (!word.complete || partTexts(word).join(QString()) != word.word)
                    problems << QStringLiteral("%1 (%2)").arg(word.word, partTexts(word).join(QLatin1Char('+')));
                // Only a connecting vowel between two elements goes without a meaning.
                for (qsizetype i = 0; i < word.parts.size(); ++i)
                    if (word.parts[i].meaning.isEmpty()
                        && (word.parts[i].text.size() != 1 || i == 0 || i == word.parts.size() - 1))
                        problems << QStringLiteral("%1: %2").arg(word.word, word.parts[i].text);
            }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.values().join(QLatin1String(", "))));
    }

    void shouldSplitCombinedFormsIntoTheirParts_data()
    {
        QTest::addColumn<QString>("parts");
        for (const char *parts : {"Xer ert ic", "Vitr i xer and ic", "Hapl o xer alf ic", "Natr i xer alf ic",
                                  "Arg id ic", "Aqu i camb id ic", "Xer o fluv ent ic", "Xer ochr ept ic",
                                  "Petr o nod ic", "Anthr a camb ids", "hapl o cry ids", "Arid i sols"})
            QTest::newRow(parts) << QString::fromLatin1(parts);
    }
    void shouldSplitCombinedFormsIntoTheirParts()
    {
        QFETCH(QString, parts);
        const ExplainedWord word = NameElements::instance().explainWord(QString(parts).remove(QLatin1Char(' ')));
        QVERIFY(word.complete);
        QCOMPARE(partTexts(word).join(QLatin1Char(' ')), parts);
    }

    // An element read beside another means what the pair means: the nodules of Durinodic are
    // durinodes, not a duripan; those of Petronodic are not a rock-like layer.
    void shouldExplainAnElementByTheElementItJoins_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("means");
        QTest::addColumn<QString>("notMeans");
        QTest::newRow("Durinodic nod") << "Durinodic" << 2 << "durinodes"
                                       << "duripan";
        QTest::newRow("Durinodic dur") << "Durinodic" << 0 << "silica"
                                       << "duripan";
        QTest::newRow("Petronodic petr") << "Petronodic" << 0 << "nodules"
                                         << "rock-like layer";
        QTest::newRow("Petronodic nod") << "Petronodic" << 2 << "concretions"
                                        << "durinodes";
        QTest::newRow("Haplodurids dur") << "Haplodurids" << 2 << "duripan"
                                         << "nodules";
        QTest::newRow("Petrocalcids petr") << "Petrocalcids" << 0 << "rock-like layer"
                                           << "nodules";
    }
    void shouldExplainAnElementByTheElementItJoins()
    {
        QFETCH(QString, word);
        QFETCH(int, part);
        QFETCH(QString, means);
        QFETCH(QString, notMeans);
        const QString meaning = NameElements::instance().explainWord(word).parts.value(part).meaning;
        QVERIFY2(meaning.contains(means) && !meaning.contains(notMeans), qPrintable(meaning));
    }

    void shouldLeaveAnUnknownWordIncomplete()
    {
        const ExplainedWord word = NameElements::instance().explainWord(QStringLiteral("Quartzipsamments"));
        QVERIFY(!word.complete);
        QCOMPARE(partTexts(word).join(QString()), word.word);
    }

    void shouldRefuseMalformedData_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray(R"({"elements": [)");
        QTest::newRow("no meaning") << QByteArray(R"({"elements": [{"forms": ["typ"]}]})");
        QTest::newRow("not a letter") << QByteArray(R"({"elements": [{"forms": ["ty-p"], "meaning": "typical"}]})");
        QTest::newRow("beside an unknown form")
            << QByteArray(R"({"elements": [{"forms": ["typ"], "meaning": "b", "with": {"zzz": "c"}}]})");
        QTest::newRow("form twice") << QByteArray(
            R"({"elements": [{"forms": ["typ"], "meaning": "a"}, {"forms": ["typ"], "meaning": "b"}]})");
    }
    void shouldRefuseMalformedData()
    {
        QFETCH(QByteArray, json);
        NameElements elements;
        QVERIFY(
            elements.read(R"({"elements": [{"forms": ["ic"], "meaning": "a"}, {"forms": ["typ"], "meaning": "b"}]})"));
        QVERIFY(!elements.read(json));
        QVERIFY(elements.explainWord(QStringLiteral("Typic")).complete); // what it had is kept
    }
};

YUC_TEST_MAIN(TestNameElements)
#include "tst_nameelements.moc"
