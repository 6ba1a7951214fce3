#include "testsupport.h"

#include "model/keymodel.h"

#include <QRegularExpression>
#include <QSet>

using namespace yuc;

namespace {
int messageCount(const KeyModel &key, const QString &stepForm)
{
    int count = 0;
    for (const KeyOption &option : key.step(stepForm)->options)
        count += option.destination.kind == Destination::Kind::Message;
    return count;
}

const KeyOption *findOption(const KeyModel &key, const QString &stepForm, const QString &optionName)
{
    for (const KeyOption &option : key.step(stepForm)->options)
        if (option.name == optionName)
            return &option;
    return nullptr;
}

QString statementText(const KeyOption &option)
{
    QString text = option.caption;
    for (const StatementRow &row : option.rows)
        for (const StatementItem &item : row)
            text += QLatin1Char('|') + item.text;
    return text;
}
} // namespace

class TestKeyData : public QObject
{
    Q_OBJECT
private slots:
    void shouldHaveAWellFormedKey()
    {
        const QStringList problems = validateKey(KeyModel::instance());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void shouldHoldTheWholeKey()
    {
        const KeyModel &key = KeyModel::instance();
        QCOMPARE(key.steps.size(), 35);
        int results = 0, groups = 0, messages = 0, lower = 0, smaller = 0;
        for (const ResultScreen &screen : key.screens) {
            if (screen.lead) {
                ++groups;
                continue;
            }
            ++results;
            lower += screen.caption == QLatin1String("Final classification");
            smaller += screen.labelSize == 13.5;
        }
        for (const KeyStep &step : key.steps)
            messages += messageCount(key, step.form);
        QCOMPARE(results, 207);
        QCOMPARE(groups, 1);
        QCOMPARE(messages, 47);
        QCOMPARE(lower, 165);
        QCOMPARE(smaller, 13);
        QCOMPARE(key.panels.size(), 8);
    }

    void shouldReachEveryStepFromTheKeyToSuborders()
    {
        const KeyModel &key = KeyModel::instance();
        QSet<QString> reached{QStringLiteral("Classif_Arid_first")};
        QStringList pending{QStringLiteral("Classif_Arid_first")};
        while (!pending.isEmpty()) {
            for (const KeyOption &option : key.step(pending.takeFirst())->options)
                if (option.destination.kind == Destination::Kind::Step
                    && !reached.contains(option.destination.target)) {
                    reached.insert(option.destination.target);
                    pending << option.destination.target;
                }
        }
        QCOMPARE(reached.size(), key.steps.size());
    }

    void shouldKeepMessageTitlesWithTheirBlanks_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString title = QStringLiteral("Final Classification for this soil");
        QTest::newRow("lithic haplocambids: six blanks")
            << "Haplocambids"
            << "Haplocambids_Option3" << title + QString(6, u' ') << " Lithic Haplocambids ";
        QTest::newRow("sodic aquicambids: three blanks")
            << "Aquicambids"
            << "aquicambids_Option1" << title + QString(3, u' ') << " Sodic Aquicambids ";
        QTest::newRow("other aquicambids: four blanks")
            << "Aquicambids"
            << "Aquicambids_Option10" << title + QString(4, u' ') << " Typic Aquicambids ";
    }
    void shouldKeepMessageTitlesWithTheirBlanks()
    {
        QFETCH(QString, step);
        QFETCH(QString, option);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const KeyOption *found = findOption(KeyModel::instance(), step, option);
        QVERIFY(found);
        QCOMPARE(found->destination.title, title);
        QCOMPARE(found->destination.text, text);
    }

    void shouldKeepPetrocalcidsMessagesWithoutBlanks()
    {
        for (const KeyOption &option : KeyModel::instance().step(QStringLiteral("petrocalcids"))->options) {
            QCOMPARE(option.destination.title, QStringLiteral("Final Classification for this soil"));
            QCOMPARE(option.destination.text, option.destination.text.trimmed());
        }
    }

    void shouldKeepTheKeysOwnSpellings_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("charactersitics") << "natridurids_form"
                                         << "combination of charactersitics:";
        QTest::newRow("hogher") << "Argidurids_form"
                                << "5 deg. C or hogher at";
        QTest::newRow("doubled blank") << "Natrargids_form"
                                       << "Other  Natrargids that";
        QTest::newRow("caption ending in a blank") << "Argidurids_form"
                                                   << "within 100 cm of the soil |surface; or 2)";
    }
    void shouldKeepTheKeysOwnSpellings()
    {
        QFETCH(QString, step);
        QFETCH(QString, fragment);
        QString all;
        for (const KeyOption &option : KeyModel::instance().step(step)->options)
            all += statementText(option) + QLatin1Char('\n');
        QVERIFY2(all.contains(fragment), qPrintable(fragment));
    }

    void shouldNameScreensExactly()
    {
        const KeyModel &key = KeyModel::instance();
        QCOMPARE(key.screen(QStringLiteral("xeric_haplocryids"))->label, QStringLiteral("Xeric haplocryids"));
        QCOMPARE(key.screen(QStringLiteral("Typic_haplodurids"))->caption, QStringLiteral("Final classification"));
        const ResultScreen *group = key.screen(QStringLiteral("Anthracambids"));
        QCOMPARE(group->caption, QStringLiteral("Anthracambids"));
        QCOMPARE(group->lead->caption, QStringLiteral("All the Anthracambids are:"));
        QCOMPARE(group->labelSize, 15.75);
    }

    void shouldPutEveryLithicSubgroupsRockWithinFiftyCentimetres()
    {
        const KeyModel &key = KeyModel::instance();
        static const QRegularExpression depth(QStringLiteral("lithic contact within (\\d+) cm"),
                                              QRegularExpression::CaseInsensitiveOption);
        int checked = 0;
        for (const KeyStep &step : key.steps) {
            for (const KeyOption &option : step.options) {
                const Destination &to = option.destination;
                const QString name = to.kind == Destination::Kind::Screen ? key.screen(to.target)->label : to.text;
                const auto match = depth.match(statementText(option));
                if (!name.trimmed().startsWith(QLatin1String("Lithic")) || !match.hasMatch())
                    continue;
                QVERIFY2(match.captured(1) == QLatin1String("50"), qPrintable(option.name));
                ++checked;
            }
        }
        QCOMPARE(checked, 21);
    }

    // With 0.2 mm, glassy loams and silts would fall to the wrong subgroup.
    void shouldSizeEveryVolcanicGlassFractionFromTwoHundredthsOfAMillimetre()
    {
        static const QRegularExpression range(QStringLiteral("particles ([0-9.]+) to 2\\.0 mm in diameter"));
        int checked = 0;
        for (const KeyStep &step : KeyModel::instance().steps)
            for (const KeyOption &option : step.options)
                for (auto it = range.globalMatch(statementText(option)); it.hasNext(); ++checked)
                    QVERIFY2(it.next().captured(1) == QLatin1String("0.02"), qPrintable(option.name));
        QCOMPARE(checked, 13);
        const KeyOption *hues =
            findOption(KeyModel::instance(), QStringLiteral("Argids_form"), QStringLiteral("Argids_Option3"));
        QVERIFY(statementText(*hues).contains(QStringLiteral("|Hues of 7.5 YR or redder and value, moist")));
    }

    // A Vitrandic statement asks for the vitrandic alternatives alone; a
    // Vitrixerandic one adds the xeric border, in its text or behind a button.
    void shouldOpenTheVitrandicPanelsTheStatementsAskFor()
    {
        const KeyModel &key = KeyModel::instance();
        static const QRegularExpression xericText(QStringLiteral("borders (on )?an? xeric"));
        int vitrandic = 0, vitrixerandic = 0;
        for (const KeyStep &step : key.steps)
            for (const KeyOption &option : step.options) {
                const Destination &to = option.destination;
                const QString name =
                    (to.kind == Destination::Kind::Screen ? key.screen(to.target)->label : to.text).trimmed();
                QStringList panels;
                for (const StatementRow &row : option.rows)
                    for (const StatementItem &item : row)
                        if (item.kind == StatementItem::Kind::Panel)
                            panels << item.panel.panel;
                const bool xeric = statementText(option).contains(xericText)
                                   || panels.contains(QStringLiteral("uno_dos_ab"))
                                   || panels.contains(QStringLiteral("A_moisture_xeric"));
                const QString what = name + QStringLiteral(": ") + panels.join(QLatin1Char(' '));
                if (name.startsWith(QLatin1String("Vitrandic"))) {
                    QVERIFY2(!xeric && panels.size() == panels.count(QStringLiteral("uno_dos_more")), qPrintable(what));
                    ++vitrandic;
                } else if (name.startsWith(QLatin1String("Vitrixerandic"))) {
                    QVERIFY2(xeric, qPrintable(what));
                    ++vitrixerandic;
                }
            }
        QCOMPARE(vitrandic, 22);
        QCOMPARE(vitrixerandic, 22);
    }

    void shouldNameTheTaxaSoilTaxonomyHas()
    {
        const KeyModel &key = KeyModel::instance();
        QCOMPARE(key.screen(QStringLiteral("natraxeralfic_natridurids"))->label,
                 QStringLiteral("Natrixeralfic Natridurids"));
        QCOMPARE(
            findOption(key, QStringLiteral("Haplocambids"), QStringLiteral("haplocambids_Option15"))->destination.text,
            QStringLiteral(" Xerofluventic Haplocambids "));
        // Argidic Argidurids take weakly cemented duripans too, as the option before them does.
        QCOMPARE(
            findOption(key, QStringLiteral("Argidurids_form"), QStringLiteral("Argidurids_Option6"))->caption,
            QStringLiteral("Other Argidurids which have a duripan that is strongly cemented or less cemented in all "
                           "subhorizons."));
    }

    void shouldReportBrokenKeys()
    {
        KeyModel broken;
        broken.read(R"({"steps": [
            {"form": "Classif_Arid_first", "options": [
                {"name": "a", "caption": "x", "to": {"step": "nowhere"}},
                {"name": "b", "caption": "y", "to": {"screen": "twice"}},
                {"name": "c", "caption": "z", "to": {"screen": "twice"},
                 "rows": [[{"panel": "no_panel", "name": "Command1", "caption": "Characteristics"}]]}]},
            {"form": "orphan", "options": [{"name": "d", "caption": "w", "to": {"message": {"title": "", "text": ""}}}]}],
          "screens": [{"form": "twice", "caption": "c", "label": "l"}, {"form": "orphan"}]})",
                    QStringLiteral("broken"));
        broken.read("{ not json", QStringLiteral("garbled"));
        const QString problems = validateKey(broken).join(QLatin1Char('\n'));
        for (const char *expected :
             {"missing step nowhere", "twice is reached by 2", "missing panel no_panel", "orphan is reached by 0",
              "empty message", "orphan: form name used twice", "garbled:"})
            QVERIFY2(problems.contains(QLatin1String(expected)), expected);
    }
};

YUC_TEST_MAIN(TestKeyData)
#include "tst_keydata.moc"
