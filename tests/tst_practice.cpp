// Practice and comparison worked out from the key's paths alone, the profiles
// that practice uses, and the terms every record explains: no window.
#include "testsupport.h"

#include "model/keypaths.h"
#include "model/profile.h"
#include "study/practice.h"
#include "study/record.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

#include <functional>

using namespace yuc;
using namespace yuc::study;

namespace {

const KeyPaths &paths()
{
    return KeyPaths::instance();
}

// Where a walk ends that takes the given option at a step and then the first
// statement of every step after it.
KeyPlace walkFrom(const KeyStep *step, int option)
{
    for (;;) {
        const Destination &to = step->options.at(option).destination;
        if (to.kind == Destination::Kind::Screen)
            return KeyPlace::screen(to.target);
        if (to.kind == Destination::Kind::Message)
            return KeyPlace::message(step->form, option);
        step = paths().model().step(to.target);
        option = 0;
    }
}

QString caption(const KeyStep *step)
{
    return step->caption.trimmed();
}

// One row for every practice profile, by its index.
void addEveryProfile()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < builtInProfiles().size(); ++i)
        QTest::newRow(qPrintable(builtInProfiles().at(i).title)) << i;
}

// Whether horizons in a row, the first beginning within 100 cm, hold a value
// of at least `least` each and together 15 cm or more and a product of
// thickness times value of at least `product`.
bool hasLayer(const Profile &profile, const std::function<double(const Horizon &)> &value, double least, double product)
{
    double thickness = 0, sum = 0;
    bool within = false;
    for (const Horizon &horizon : profile.horizons) {
        const double v = value(horizon);
        if (v < least) {
            thickness = sum = 0;
            continue;
        }
        if (thickness == 0)
            within = horizon.top < 100;
        thickness += horizon.bottom - horizon.top;
        sum += v * (horizon.bottom - horizon.top);
        if (within && thickness >= 15 && sum >= product)
            return true;
    }
    return false;
}

QByteArray validProfile()
{
    return R"({"format": 1, "title": "t", "site": {"landform": "fan"},
               "horizons": [{"designation": "A", "top_cm": 0, "bottom_cm": 10, "clay_pct": 12, "future_key": 1}],
               "answer": {"taxon": "Typic Haplodurids", "reasons": {
                   "Aridisols: Key to suborders": "a", "Durids": "b", "Haplodurids": "c"}}})";
}

} // namespace

class TestPractice : public QObject
{
    Q_OBJECT
private slots:
    void shouldCoverTheKeyWithProfilesThatRead()
    {
        const QList<Profile> &profiles = builtInProfiles();
        QCOMPARE(profiles.size(), 24);
        QMap<QString, int> suborders;
        int messages = 0;
        QSet<QString> titles;
        QStringList illustrated;
        for (const Profile &profile : profiles) {
            QVERIFY2(profile.answer, qPrintable(profile.title));
            QVERIFY2(QRegularExpression(QStringLiteral("^Profile \\d+: ")).match(profile.title).hasMatch(),
                     qPrintable(profile.title));
            titles << profile.title;
            const KeyPlace place = paths().placeNamed(profile.answer->taxon);
            // The title must not give the answer away.
            for (const QString &name : paths().nameOf(place).split(QLatin1Char(' ')))
                QVERIFY2(!profile.title.contains(name.left(5), Qt::CaseInsensitive), qPrintable(profile.title));
            suborders[paths().pathTo(place).at(1).step->caption]++;
            messages += place.kind == KeyPlace::Kind::Message;
            if (!profile.page.isEmpty()) {
                QVERIFY2(ScreenManager::instance().isRegistered(profile.page), qPrintable(profile.page));
                illustrated << profile.answer->taxon;
            }
        }
        QCOMPARE(titles.size(), profiles.size());
        QCOMPARE(suborders.size(), 7);
        for (auto it = suborders.begin(); it != suborders.end(); ++it)
            QVERIFY2(it.value() >= 2, qPrintable(it.key()));
        QVERIFY(messages >= 3);
        illustrated.sort();
        QCOMPARE(illustrated, QStringList({"Lithic Haplargids", "Typic Haplargids", "Typic Petroargids",
                                           "Vertic Haplargids", "Xeric Argidurids", "Xeric Haplocalcids"}));
        QVERIFY(std::any_of(profiles.begin(), profiles.end(),
                            [](const Profile &p) { return p.answer->taxon == QLatin1String("Typic Anthracambids"); }));
    }

    // Every profile: its own way is right; leaving it at any step, by any
    // other statement there, is caught at that step with both statements and
    // the profile's reason, and is scored level by level.
    void shouldJudgeEveryWalkAgainstEveryProfile_data() { addEveryProfile(); }
    void shouldJudgeEveryWalkAgainstEveryProfile()
    {
        QFETCH(int, index);
        const Answer &answer = *builtInProfiles().at(index).answer;
        const KeyPlace right = paths().placeNamed(answer.taxon);
        const Verdict verdict = judge(paths(), answer, right);
        QCOMPARE(verdictLines(paths(), verdict),
                 QStringList({QStringLiteral("Right: this soil keys out as %1.").arg(answer.taxon),
                              QStringLiteral("Levels: suborder right, great group right, subgroup right")}));
        const QList<PathStep> way = paths().pathTo(right);
        for (qsizetype depth = 0; depth < way.size(); ++depth) {
            const KeyStep *step = way.at(depth).step;
            // Every step on the right way is no reason to complain.
            QCOMPARE(judge(paths(), answer, KeyPlace::step(step->form)).kind, Verdict::Kind::None);
            for (int option = 0; option < step->options.size(); ++option) {
                if (option == way.at(depth).chosen)
                    continue;
                const KeyPlace reached = walkFrom(step, option);
                const Verdict wrong = judge(paths(), answer, reached);
                const QStringList lines = verdictLines(paths(), wrong);
                const QString score = QStringLiteral("Levels: suborder %1, great group %2, subgroup wrong")
                                          .arg(depth == 0 ? "wrong" : "right", depth <= 1 ? "wrong" : "right");
                QCOMPARE(lines, QStringList({QStringLiteral("Not quite: this soil keys out as %1, not %2.")
                                                 .arg(answer.taxon, paths().nameOf(reached)),
                                             QStringLiteral("Left the path at: ") + caption(step),
                                             QStringLiteral("You chose: ") + statementText(step->options.at(option)),
                                             QStringLiteral("What holds: ")
                                                 + statementText(step->options.at(way.at(depth).chosen)),
                                             QStringLiteral("Why: ") + answer.reasons.value(caption(step)), score}));
                // Told at once: the first step off the way says so, with the same lines.
                const Destination &to = step->options.at(option).destination;
                if (to.kind == Destination::Kind::Step) {
                    const Verdict early = judge(paths(), answer, KeyPlace::step(to.target));
                    QCOMPARE(early.kind, Verdict::Kind::OffPath);
                    QStringList expected = lines;
                    expected[0] = QStringLiteral("Not quite: this soil does not key out through %1.")
                                      .arg(caption(paths().model().step(to.target)));
                    QCOMPARE(verdictLines(paths(), early), expected);
                }
            }
        }
    }

    void shouldCompareTwoTaxa_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("siblings") << "Typic Haplargids"
                                  << "Lithic Haplargids"
                                  << QStringList{"Typic Haplargids compared with Lithic Haplargids",
                                                 "Shared way: Aridisols \u203a Argids \u203a Haplargids",
                                                 "They part at: Haplargids", "Typic Haplargids: Other Haplargids",
                                                 "Lithic Haplargids: "};
        QTest::newRow("cousins") << "Typic Haplodurids"
                                 << "Typic Calciargids"
                                 << QStringList{"Typic Haplodurids compared with Typic Calciargids",
                                                "Shared way: Aridisols",
                                                "They part at: Aridisols: Key to suborders",
                                                "Typic Haplodurids: Other Aridisols which have a duripan",
                                                "Typic Calciargids: Other Aridisols which have an argillic",
                                                "Typic Haplodurids, then at Durids: Other Durids",
                                                "Typic Haplodurids, then at Haplodurids: Other Haplodurids",
                                                "Typic Calciargids, then at Argids: ",
                                                "Typic Calciargids, then at Calciargids: "};
        QTest::newRow("ancestor") << "Lithic Haplargids"
                                  << "Argids"
                                  << QStringList{"Lithic Haplargids compared with Argids",
                                                 "Lithic Haplargids lies below Argids."};
        QTest::newRow("ancestor first") << "Argids"
                                        << "Lithic Haplargids"
                                        << QStringList{"Argids compared with Lithic Haplargids",
                                                       "Lithic Haplargids lies below Argids."};
        QTest::newRow("same") << "Typic Anthracambids"
                              << "Typic Anthracambids"
                              << QStringList{"Typic Anthracambids compared with Typic Anthracambids",
                                             "Both name the same taxon."};
    }
    void shouldCompareTwoTaxa()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, lines);
        const QStringList got = comparisonLines(paths().compare(paths().placeNamed(first), paths().placeNamed(second)));
        QCOMPARE(got.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(got.at(i).startsWith(lines.at(i)), qPrintable(got.at(i)));
    }

    void shouldReadAProfileAndKeepWhatItDoesNotKnow()
    {
        const std::optional<Profile> profile = readProfile(validProfile());
        QVERIFY(profile);
        QCOMPARE(profile->horizons.first().numbers.value(QStringLiteral("clay_pct")), 12.0);
        QVERIFY(!profile->horizons.first().numbers.contains(QStringLiteral("caco3_pct"))); // not measured, not 0
        QCOMPARE(profile->answer->reasons.size(), 3);
        QVERIFY(profile->source.value(QStringLiteral("horizons")).toArray().first().toObject().contains("future_key"));
    }

    void shouldSayWhereAndWhatIsWrongInABadProfile_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("what");
        QTest::newRow("not JSON") << "\"format\": 1,"
                                  << "\"format\": 1"
                                  << "line 1, column"
                                  << "not JSON";
        QTest::newRow("missing field") << "\"title\": \"t\", "
                                       << ""
                                       << "title"
                                       << "missing";
        QTest::newRow("unknown format") << "\"format\": 1"
                                        << "\"format\": 2"
                                        << "format"
                                        << "not a format";
        QTest::newRow("unknown taxon") << "Typic Haplodurids"
                                       << "Typic Haplosaurids"
                                       << "answer.taxon"
                                       << "not a subgroup";
        QTest::newRow("reason missing") << "\"Durids\": \"b\", "
                                        << ""
                                        << "answer.reasons"
                                        << "Durids";
        QTest::newRow("bottom above top") << "\"bottom_cm\": 10"
                                          << "\"bottom_cm\": -5"
                                          << "horizons[0].bottom_cm"
                                          << "below the top";
        QTest::newRow("percentage") << "\"clay_pct\": 12"
                                    << "\"clay_pct\": 112"
                                    << "horizons[0].clay_pct"
                                    << "between 0 and 100";
        QTest::newRow("wrong type") << "\"clay_pct\": 12"
                                    << "\"clay_pct\": \"12\""
                                    << "horizons[0].clay_pct"
                                    << "number";
    }
    void shouldSayWhereAndWhatIsWrongInABadProfile()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, where);
        QFETCH(QString, what);
        QByteArray json = validProfile();
        QVERIFY(json.contains(from.toUtf8()));
        json.replace(from.toUtf8(), to.toUtf8());
        ProfileError error;
        QVERIFY(!readProfile(json, &error));
        QVERIFY2(error.where.startsWith(where), qPrintable(error.where));
        QVERIFY2(error.what.contains(what), qPrintable(error.what));
    }

    // A reader who knows the limits of later Keys must key every profile as
    // the program does: no decisive figure between two editions' limits, and
    // a salic horizon ruled in or out by its salt, as the program's page tests it.
    void shouldKeyAlikeByTheLimitsOfEveryEdition_data() { addEveryProfile(); }
    void shouldKeyAlikeByTheLimitsOfEveryEdition()
    {
        QFETCH(int, index);
        const Profile &profile = builtInProfiles().at(index);
        // The anthropic epipedon's phosphate: 250 ppm in 1994, 1,500 mg/kg in later Keys.
        static const QRegularExpression phosphate(QStringLiteral("P2O5 soluble in 1 % citric acid (\\d+) mg/kg"));
        for (const Horizon &horizon : profile.horizons) {
            QList<double> figures;
            if (horizon.numbers.contains(QStringLiteral("p2o5_citric_mg_kg")))
                figures << horizon.numbers.value(QStringLiteral("p2o5_citric_mg_kg"));
            for (const QString &feature : horizon.features)
                if (const auto m = phosphate.match(feature); m.hasMatch())
                    figures << m.captured(1).toDouble();
            for (const double ppm : std::as_const(figures))
                QVERIFY2(ppm < 250 || ppm >= 1500, qPrintable(horizon.designation));
        }
        // A salic horizon: salt 2 % or more throughout and thickness times salt 60 or more;
        // in later Keys EC 30 dS/m or more and thickness times EC 900 or more.
        const auto number = [](const char *key) {
            return [key](const Horizon &h) { return h.numbers.value(QString::fromLatin1(key)); };
        };
        QCOMPARE(hasLayer(profile, number("soluble_salts_pct"), 2, 60), hasLayer(profile, number("ec_dS_m"), 30, 900));
        static const QRegularExpression saltFigure(QStringLiteral("[\\d.]+ % (soluble )?salts|salts[^;:]* [\\d.]+ %"),
                                                   QRegularExpression::CaseInsensitiveOption);
        for (auto it = profile.answer->reasons.begin(); it != profile.answer->reasons.end(); ++it)
            if (it.value().contains(QLatin1String("salic")))
                QVERIFY2(it.value().contains(saltFigure), qPrintable(it.key()));
    }

    // A term that stands for one of the key's tests gives that test's limits.
    void shouldGiveTheLimitsOfTheKeysTestsInTheTerms_data()
    {
        QTest::addColumn<QStringList>("limits");
        const auto row = [](const char *term, const char *limits) {
            QTest::newRow(term) << QString::fromUtf8(limits).split(QLatin1Char('|'));
        };
        row("cinders, pumice and pumice-like fragments", "only pumice|1.0|less than 2.0|35|2.0 mm|66");
        row("natric", "columnar or prismatic|blocky|2.5|15|13|40");
        row("cryic soil temperature regime", "0|8|not saturated|15|saturated in some part|13|6|histic");
        row("nodules and concretions", "20%|100 cm|15 cm");
        row("clay increase", "15%|2.5 cm|10%|Ap|35%");
        row("linear extensibility", "6.0|100|top of the duripan");
        row("volcanic glass", "30%|0.02 to 2.0 mm|5%");
    }
    void shouldGiveTheLimitsOfTheKeysTestsInTheTerms()
    {
        QFETCH(QStringList, limits);
        const QList<Term> &all = study::terms();
        const auto term = std::find_if(all.begin(), all.end(),
                                       [](const Term &t) { return t.term == QLatin1String(QTest::currentDataTag()); });
        QVERIFY(term != all.end());
        for (const QString &limit : limits) {
            // A number stands alone: 15 is not read in 150, nor 2.0 in 12.05.
            const QRegularExpression token(
                QStringLiteral("(?<![\\d.])%1(?![\\d]|\\.\\d)").arg(QRegularExpression::escape(limit)));
            QVERIFY2(term->definition.contains(token), qPrintable(limit));
        }
    }

    // Every term a student must meet explained, wherever in the key it is met.
    void shouldExplainEveryTermOnTheWay()
    {
        static const QList<std::pair<const char *, const char *>> required{
            {"cryic soil temperature regime", "cryic soil temperature regime"},
            {"lithic or paralithic contact", "lithic contact"},
            {"lithic or paralithic contact", "paralithic contact"},
            {"mositure regime", "moisture regime"},
            {"moist. ctrl. sect.", "moisture control section"},
            {"Ap horizon", "Ap horizon"},
            {"saturated with water", "saturated with water"},
            {"exchangeable sodium", "exchangeable sodium percentage"},
            {"sodium adsorption ratio", "sodium adsorption ratio"},
            {"volcanic glass", "volcanic glass"},
            {"ammonium oxalate", "acid-oxalate Al + \u00bd Fe"},
            {"strongly cemented", "strongly cemented"},
            {"skeletans", "skeletans"},
            {"wedge-shaped aggregates", "wedge-shaped aggregates"},
            {"sandy particle", "sandy particle-size class"},
            {"concretions", "nodules and concretions"},
        };
        // What is found in the statements, and every term it must bring to the section.
        QMap<QString, QStringList> terms;
        for (const auto &[found, term] : required)
            terms[QString::fromUtf8(found)] << QString::fromUtf8(term);
        for (const Term &term : study::terms())
            if (!term.page.isEmpty())
                terms[term.term] << term.term; // the ones linked to a page
        // Longest first: "aquic" inside "aquic conditions" is that term, not "aquic".
        QStringList found = terms.keys();
        std::stable_sort(found.begin(), found.end(),
                         [](const QString &a, const QString &b) { return a.size() > b.size(); });
        const QList<KeyPlace> &places = paths().taxa();
        QCOMPARE(places.size(), 289);
        QSet<QString> met;
        static const QRegularExpression statement(QStringLiteral("^(Ruled out|Chosen|Statement \\d+): "));
        for (const KeyPlace &place : places) {
            QTextDocument document;
            document.setHtml(recordHtml(recordOf(place)));
            const QString text = document.toPlainText();
            const qsizetype section = text.indexOf(QStringLiteral("\nTerms on the way\n"));
            QStringList lines;
            for (const QString &line : text.left(section).split(QLatin1Char('\n')))
                if (statement.match(line).hasMatch())
                    lines << line;
            QString statements = lines.join(QLatin1Char('\n'));
            for (const QString &phrase : std::as_const(found)) {
                const QRegularExpression occurs(
                    QStringLiteral("\\b%1%2").arg(QRegularExpression::escape(phrase),
                                                  phrase.back().isLetter() ? QStringLiteral("\\b") : QString()),
                    QRegularExpression::CaseInsensitiveOption);
                if (!statements.contains(occurs))
                    continue;
                met << phrase;
                for (const QString &term : terms.value(phrase)) {
                    const QRegularExpression line(QStringLiteral("\\n%1: \\S").arg(QRegularExpression::escape(term)));
                    QVERIFY2(section > 0 && text.mid(section).contains(line),
                             qPrintable(paths().nameOf(place) + QStringLiteral(": ") + term));
                }
                statements.replace(occurs, QStringLiteral("#"));
            }
        }
        for (const auto &[found, term] : required)
            QVERIFY2(met.contains(QString::fromUtf8(found)), found); // the check above has checked it somewhere
    }
};

YUC_TEST_MAIN(TestPractice)
#include "tst_practice.moc"
