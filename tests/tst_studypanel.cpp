// The study panel of the main window, driven through the real key windows.
#include "testsupport.h"

#include "model/keypaths.h"
#include "study/practice.h"
#include "study/profileeditor.h"
#include "study/profilewindow.h"
#include "study/record.h"
#include "study/studypanel.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace yuc;
using namespace yuc::test;

namespace {

// The statements the record gives as ruled out and chosen, in order.
QStringList decisions(const QString &record)
{
    QStringList lines;
    for (const QString &line : record.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Ruled out: ")) || line.startsWith(QLatin1String("Chosen: ")))
            lines << line;
    return lines;
}

StudyPanel *panel()
{
    return show(QStringLiteral("mainmenu"))->findChild<StudyPanel *>();
}

// Walks the key through its real windows: at each step the option given, or
// the first; ends where the last option given leads.
void walk(const QList<std::pair<QString, int>> &choices)
{
    for (const auto &[form, option] : choices) {
        QWidget *window = loaded(form) ? loaded(form) : show(form);
        QVERIFY2(window, qPrintable(form));
        const KeyStep *step = KeyModel::instance().step(form);
        window->findChild<QRadioButton *>(step->options.at(option).name)->click();
        QVERIFY(click(window, step->stepButton.name));
        QCoreApplication::processEvents();
    }
}

QList<std::pair<QString, int>> wayTo(const QString &taxon)
{
    QList<std::pair<QString, int>> choices;
    for (const PathStep &step : KeyPaths::instance().pathTo(KeyPaths::instance().placeNamed(taxon)))
        choices.append({step.step->form, step.chosen});
    return choices;
}

QComboBox *practiceBox(StudyPanel *study)
{
    return study->findChild<QComboBox *>(QStringLiteral("practice_profiles"));
}

// Chooses the practice profile that keys out as the taxon; returns its title.
QString practise(StudyPanel *study, const QString &taxon)
{
    const QList<study::Profile> &profiles = study::builtInProfiles();
    const auto it = std::find_if(profiles.begin(), profiles.end(),
                                 [&](const study::Profile &p) { return p.answer->taxon == taxon; });
    const int index = int(it - profiles.begin()) + 1;
    practiceBox(study)->setCurrentIndex(index);
    emit practiceBox(study)->activated(index);
    return it->title;
}

} // namespace

class TestStudyPanel : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        resetScreens();
        study::Practice::instance().stop();
        study::Practice::instance().setTellAtOnce(false);
    }

    void shouldOpenWithAWayToStartAndNothingToHandIn()
    {
        StudyPanel *study = panel();
        QVERIFY(study);
        if (study->place().isValid())
            QSKIP("a place of the key was reached before this test");
        QVERIFY(study->findChild<QTextBrowser *>()->toPlainText().contains(QStringLiteral("Performs Classification")));
        QVERIFY(!study->findChild<QPushButton *>(QStringLiteral("Copy"))->isEnabled());
    }

    // Every destination, walked through the real windows: the record names it
    // and gives exactly the statements ruled out and chosen on the way; the
    // finder gives the same record.
    void shouldRecordTheWayToEveryDestination()
    {
        const KeyPaths &paths = KeyPaths::instance();
        MessageRecorder recorder;
        StudyPanel *study = panel();
        auto *find = study->findChild<QLineEdit *>(QStringLiteral("find_taxon"));
        for (const KeyPlace &place : paths.finals()) {
            const QString name = paths.nameOf(place);
            QStringList expected;
            QWidget *window = show(paths.root()->form);
            for (const PathStep &step : paths.pathTo(place)) {
                window = loaded(step.step->form);
                QVERIFY2(window, qPrintable(name));
                window->findChild<QRadioButton *>(step.step->options.at(step.chosen).name)->click();
                QVERIFY(click(window, step.step->stepButton.name));
                QCoreApplication::processEvents(); // the next window becomes the active one
                for (int i = 0; i < step.chosen; ++i)
                    expected << QStringLiteral("Ruled out: ") + statementText(step.step->options.at(i));
                expected << QStringLiteral("Chosen: ") + statementText(step.step->options.at(step.chosen));
            }
            QVERIFY2(study->place() == place, qPrintable(name));
            const QString record = study->recordText();
            QCOMPARE(record.section(QLatin1Char('\n'), 0, 0), name);
            QVERIFY2(record.contains(QStringLiteral(" \u203a ") + name), qPrintable(name));
            QCOMPARE(decisions(record), expected);

            find->setText(name.toLower());
            QCOMPARE(study->recordText(), record);
            find->clear();
            resetScreens();
            study = panel();
            find = study->findChild<QLineEdit *>(QStringLiteral("find_taxon"));
        }
    }

    void shouldShowWhatIsLeftToDecideAtAStep()
    {
        show(QStringLiteral("haplargids"));
        QCoreApplication::processEvents();
        const QString record = panel()->recordText();
        const QStringList lines = record.split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("Haplargids"));
        QVERIFY(
            lines.contains(QStringLiteral("Chosen: ")
                           + statementText(KeyModel::instance().step(QStringLiteral("Argids_form"))->options.last())));
        QVERIFY(record.contains(QStringLiteral("Taxa still possible below Haplargids (18)")));
        QVERIFY(record.contains(QStringLiteral("Statement 18: Other Haplargids")));
        QVERIFY(record.contains(QStringLiteral("Haplargids = Hapl (")));
    }

    void shouldListMatchesForPartialNamesAndWords()
    {
        StudyPanel *study = panel();
        auto *find = study->findChild<QLineEdit *>(QStringLiteral("find_taxon"));
        auto *view = study->findChild<QTextBrowser *>();
        QCOMPARE(find->accessibleName(), QStringLiteral("Find a taxon"));
        QTest::keyClicks(find, QStringLiteral("calcigyp"));
        QVERIFY(view->toPlainText().contains(QStringLiteral("Taxa whose names contain \u201ccalcigyp\u201d (")));
        QVERIFY(view->toPlainText().contains(QStringLiteral("Lithic Calcigypsids")));
        QVERIFY(!study->findChild<QPushButton *>(QStringLiteral("Copy"))->isEnabled());
        find->setText(QStringLiteral("duripan cemented"));
        QVERIFY(view->toPlainText().contains(QStringLiteral("Argidic Argidurids")));
    }

    void shouldOpenTheStepsPanelsAndPagesTheRecordLinks()
    {
        StudyPanel *study = panel();
        study->showPlace(KeyPaths::instance().placeNamed(QStringLiteral("Lithic Natrargids")));
        auto *view = study->findChild<QTextBrowser *>();
        static const QRegularExpression href(QStringLiteral("href=\"((step|panel|page):([^\"]+))\""));
        QSet<QString> kinds;
        for (auto it = href.globalMatch(view->toHtml()); it.hasNext();) {
            const QRegularExpressionMatch link = it.next();
            if (kinds.contains(link.captured(2)))
                continue;
            kinds.insert(link.captured(2));
            emit view->anchorClicked(QUrl(link.captured(1)));
            const QString opens = link.captured(2) == QLatin1String("page")
                                      ? study::terms().at(link.captured(3).toInt()).page
                                      : link.captured(3);
            QVERIFY2(loaded(opens), qPrintable(link.captured(1)));
        }
        QCOMPARE(kinds.size(), 3);
        // A term of a page with tabs turns the page to its tab.
        const QList<study::Term> &terms = study::terms();
        const auto slickensides = std::find_if(
            terms.begin(), terms.end(), [](const study::Term &t) { return t.term == QLatin1String("slickensides"); });
        emit view->anchorClicked(QUrl(QStringLiteral("page:%1").arg(slickensides - terms.begin())));
        QWidget *diagnostics = loaded(QStringLiteral("other_diagnos1"));
        QVERIFY(diagnostics);
        for (QAbstractButton *tab : diagnostics->findChildren<QAbstractButton *>())
            if (tab->isCheckable())
                QCOMPARE(tab->isChecked(), tab->text() == QLatin1String("Slickensides"));
    }

    void shouldLinkEveryTermToAPageThatExists()
    {
        QWidget *main = show(QStringLiteral("mainmenu"));
        for (const study::Term &term : study::terms()) {
            QVERIFY2(!term.definition.isEmpty(), qPrintable(term.term));
            if (!term.menu.isEmpty())
                QVERIFY2(main->findChild<QAction *>(term.menu), qPrintable(term.menu));
            if (term.page.isEmpty())
                continue;
            QWidget *page = show(term.page);
            QVERIFY2(page, qPrintable(term.term));
            if (!term.tab.isEmpty()) {
                const auto tabs = page->findChildren<QAbstractButton *>();
                QVERIFY2(
                    std::any_of(tabs.begin(), tabs.end(), [&](QAbstractButton *b) { return b->text() == term.tab; }),
                    qPrintable(term.tab));
            }
        }
    }

    void shouldHandInTheRecordCopiedAndAsACompletePdf()
    {
        StudyPanel *study = panel();
        study->showPlace(KeyPaths::instance().placeNamed(QStringLiteral("Lithic Ruptic-Entic Haplargids")));
        QVERIFY(click(study, QStringLiteral("Copy")));
        QCOMPARE(QApplication::clipboard()->text(), study->recordText());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("record.pdf"));
        DialogAnswers answer(path);
        MessageRecorder recorder;
        QVERIFY(click(study, QStringLiteral("Save as PDF...")));
        QVERIFY(recorder.messages.isEmpty());
        const QString text = pdfText(path);
        for (const QString &expected : {QStringLiteral("Lithic Ruptic-Entic Haplargids"),
                                        QStringLiteral("Aridisols \u203a Argids \u203a Haplargids"),
                                        QStringLiteral("Chosen: Other Aridisols which have an argillic or natric")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("record.pdf")});
    }

    void shouldGradeAPracticeWalkThroughTheWindows()
    {
        MessageRecorder recorder;
        StudyPanel *study = panel();
        QCOMPARE(practiceBox(study)->accessibleName(), QStringLiteral("Practice profiles"));
        QCOMPARE(practiceBox(study)->itemText(0), QStringLiteral("No practice"));
        const QString title = practise(study, QStringLiteral("Lithic Haplargids"));
        QWidget *profile = loaded(QStringLiteral("soil_profile"));
        QVERIFY(profile);
        QCOMPARE(profile->windowTitle(), QStringLiteral("Soil profile: ") + title);
        auto *horizons = profile->findChild<QTableView *>(QStringLiteral("profile_horizons"));
        QCOMPARE(horizons->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Horizon"));
        walk(wayTo(QStringLiteral("Lithic Haplargids")));
        QVERIFY(study->recordText().startsWith(
            QStringLiteral("Right: this soil keys out as Lithic Haplargids.\nLevels: suborder right, great group "
                           "right, subgroup right\n")));
        QVERIFY(click(profile, QStringLiteral("profile_page")));
        QVERIFY(loaded(QStringLiteral("haplos")));
        resetScreens();

        // Off the path at the great groups: told only at the end, unless asked to be told at once.
        study = panel();
        QList<std::pair<QString, int>> wrong = wayTo(QStringLiteral("Typic Calciargids"));
        walk(wrong);
        QString record = study->recordText();
        QVERIFY2(record.startsWith(QStringLiteral("Not quite: this soil keys out as Lithic Haplargids, not Typic "
                                                  "Calciargids.\nLeft the path at: Argids\nYou chose: Other Argids "
                                                  "which have a calcic horizon")),
                 qPrintable(record));
        QVERIFY(record.contains(QStringLiteral("Levels: suborder right, great group wrong, subgroup wrong")));
        QVERIFY(record.contains(QStringLiteral("2. Argids (Key to great groups) \u2014 here the walk left the path")));
        resetScreens();
        study = panel();
        study->findChild<QCheckBox *>(QStringLiteral("tell_at_once"))->setChecked(true);
        walk(wrong.mid(0, 2));
        QVERIFY(study->recordText().startsWith(
            QStringLiteral("Not quite: this soil does not key out through Calciargids.\nLeft the path at: Argids")));

        // Handed in: the description, the verdict and the record together.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("exercise.pdf"));
        DialogAnswers answer(path);
        QVERIFY(click(study, QStringLiteral("Save as PDF...")));
        const QString text = pdfText(path);
        for (const QString &expected :
             {title, QStringLiteral("Soil moisture regime: "), QStringLiteral("Not quite: this soil does not"),
              QStringLiteral("Chosen: Other Argids which have a calcic")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY(click(study, QStringLiteral("Copy")));
        QVERIFY(QApplication::clipboard()->text().startsWith(title + QLatin1Char('\n')));

        emit practiceBox(study)->activated(0);
        QVERIFY(!loaded(QStringLiteral("soil_profile")));
        QVERIFY(!study->recordText().contains(QStringLiteral("Not quite")));
        study->findChild<QCheckBox *>(QStringLiteral("tell_at_once"))->setChecked(false);
        QVERIFY(recorder.messages.isEmpty());
    }

    // The page a practice profile illustrates names its taxon: it waits for the
    // verdict on a final, right or wrong; a step off the path tells too little.
    void shouldHoldThePageBackTillTheVerdict_data()
    {
        QTest::addColumn<QString>("reached");
        QTest::addColumn<bool>("atOnce");
        QTest::newRow("right") << "Typic Haplargids" << false;
        QTest::newRow("wrong") << "Typic Calciargids" << false;
        QTest::newRow("wrong, told at once on the way") << "Typic Calciargids" << true;
    }
    void shouldHoldThePageBackTillTheVerdict()
    {
        QFETCH(QString, reached);
        QFETCH(bool, atOnce);
        StudyPanel *study = panel();
        study->findChild<QCheckBox *>(QStringLiteral("tell_at_once"))->setChecked(atOnce);
        practise(study, QStringLiteral("Typic Haplargids"));
        QWidget *profile = loaded(QStringLiteral("soil_profile"));
        auto *page = profile->findChild<QPushButton *>(QStringLiteral("profile_page"));
        const QList<std::pair<QString, int>> way = wayTo(reached);
        walk(way.mid(0, way.size() - 1));
        QCOMPARE(study->recordText().startsWith(QStringLiteral("Not quite")), atOnce);
        QVERIFY(!page->isEnabled());
        QVERIFY(page->toolTip().contains(QStringLiteral("verdict")));
        QVERIFY(click(profile, QStringLiteral("profile_page")));
        QVERIFY(!loaded(QStringLiteral("haplos")));

        walk(way.mid(way.size() - 1));
        QVERIFY(study->recordText().contains(QStringLiteral("this soil keys out as Typic Haplargids")));
        QVERIFY(page->isEnabled());
        QVERIFY(page->toolTip().isEmpty());
        QVERIFY(click(profile, QStringLiteral("profile_page")));
        QVERIFY(loaded(QStringLiteral("haplos")));
        // Another practice chosen here holds its own answer back: the final the user
        // stands at is no walk of that practice, and the record does not judge it.
        practise(study, QStringLiteral("Lithic Haplargids"));
        page = loaded(QStringLiteral("soil_profile"))->findChild<QPushButton *>(QStringLiteral("profile_page"));
        QVERIFY(!page->isEnabled());
        QVERIFY(!study->recordText().contains(QStringLiteral("keys out as")));
        study::Practice::instance().stop();
        QVERIFY(page->isEnabled());
    }

    // A built-in profile's data stay hidden till the verdict, which says when
    // they were shown before it; ticked, every statement gets its line.
    void shouldShowWhatTheDataSay_data()
    {
        QTest::addColumn<bool>("early");
        QTest::newRow("hidden till the verdict") << false;
        QTest::newRow("shown before it") << true;
    }
    void shouldShowWhatTheDataSay()
    {
        QFETCH(bool, early);
        StudyPanel *study = panel();
        auto *box = study->findChild<QCheckBox *>(QStringLiteral("show_data"));
        QVERIFY(!box->isEnabled());
        practise(study, QStringLiteral("Typic Haplargids"));
        QVERIFY(box->isEnabled());
        QVERIFY(!box->isChecked());
        box->setChecked(early);
        const QList<std::pair<QString, int>> way = wayTo(QStringLiteral("Typic Haplargids"));
        walk(way.mid(0, 1));
        const QString onTheWay = study->recordText();
        QCOMPARE(onTheWay.contains(QStringLiteral("By the data: ")), early);
        if (early) {
            // Under the statement chosen, and under each one still to decide.
            QVERIFY2(onTheWay.contains(QStringLiteral("By the data: holds \u2014 Bt1")), qPrintable(onTheWay));
            QVERIFY(onTheWay.contains(QStringLiteral("By the data: does not hold \u2014 no duripan:")));
        }
        walk(way.mid(1));
        const QString verdict = study->recordText();
        QVERIFY(verdict.startsWith(QStringLiteral("Right: this soil keys out as Typic Haplargids.")));
        QVERIFY2(verdict.contains(QStringLiteral("By the data: holds \u2014 none of the statements before it holds")),
                 qPrintable(verdict));
        QCOMPARE(verdict.contains(QStringLiteral("The data were shown before the verdict.")), early);
        box->setChecked(false);
    }

    // Where the data lead: the taxon, or the step they stop at with what to
    // measure next; handed in with the record.
    void shouldKeyTheProfileFromItsData()
    {
        StudyPanel *study = panel();
        auto *key = study->findChild<QPushButton *>(QStringLiteral("Key it from the data"));
        QVERIFY(!key->isEnabled());
        practise(study, QStringLiteral("Typic Haplargids"));
        QVERIFY(click(study, QStringLiteral("Key it from the data")));
        QString record = study->recordText();
        QVERIFY2(record.startsWith(QStringLiteral("By the data, this soil keys out as Typic Haplargids.\n")),
                 qPrintable(record));
        QVERIFY(record.contains(QStringLiteral("What to measure next\nNothing more")));
        QVERIFY(click(study, QStringLiteral("Copy")));
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("By the data, this soil keys out as")));
        // Walked to the end afterwards, the verdict says the data were shown first.
        walk(wayTo(QStringLiteral("Typic Haplargids")));
        QVERIFY(study->recordText().contains(QStringLiteral("The data were shown before the verdict.")));

        // The user's own profile with the clay films of its Bt horizons not recorded.
        study::Profile own = study::builtInProfiles().at(21);
        own.answer.reset();
        for (study::Horizon &h : own.horizons)
            h.texts.remove(QStringLiteral("clay_illuviation"));
        own.recorded.clear();
        auto editor = std::make_unique<study::ProfileEditor>();
        editor->load(own);
        study::Practice::instance().adopt(std::move(editor));
        QVERIFY(click(study, QStringLiteral("Key it from the data")));
        record = study->recordText();
        QVERIFY2(record.startsWith(QStringLiteral(
                     "By the data, the key stops at Aridisols: Key to suborders: it cannot tell between statement ")),
                 qPrintable(record));
        QVERIFY(record.contains(QStringLiteral("needs clay films or bridges in ")));
        QVERIFY(record.contains(QStringLiteral("What to measure next\nClay films or bridges")));
        study::Practice::instance().dropEditor();
    }

    // The user's own profile without an answer is judged against where its data lead.
    void shouldJudgeTheOwnProfileByItsData()
    {
        study::Profile own = study::builtInProfiles().at(21);
        own.answer.reset();
        auto editor = std::make_unique<study::ProfileEditor>();
        editor->load(own);
        study::Practice::instance().adopt(std::move(editor));
        StudyPanel *study = panel();
        walk(wayTo(QStringLiteral("Typic Calciargids")));
        const QString record = study->recordText();
        QVERIFY2(record.startsWith(
                     QStringLiteral("Not quite: this soil keys out as Typic Haplargids, not Typic Calciargids.")),
                 qPrintable(record));
        QVERIFY(record.contains(QStringLiteral("By the data: ")));
        resetScreens();
        study::Practice::instance().dropEditor();
    }

    // The user's own profile shows its page as it always did, unless it has an
    // answer and is being keyed.
    void shouldHoldTheOwnProfilesPageBackOnlyForItsAnswer_data()
    {
        QTest::addColumn<bool>("withAnswer");
        QTest::newRow("no answer") << false;
        QTest::newRow("an answer") << true;
    }
    void shouldHoldTheOwnProfilesPageBackOnlyForItsAnswer()
    {
        QFETCH(bool, withAnswer);
        study::Profile own = study::builtInProfiles().at(21);
        QVERIFY(!own.page.isEmpty());
        if (!withAnswer)
            own.answer.reset();
        auto editor = std::make_unique<study::ProfileEditor>();
        editor->load(own);
        study::Practice::instance().adopt(std::move(editor));
        QWidget *window = show(QStringLiteral("soil_profile"));
        QVERIFY(study::Practice::instance().onEditor());
        auto *page = window->findChild<QPushButton *>(QStringLiteral("profile_page"));
        QVERIFY(page);
        QCOMPARE(page->isEnabled(), !withAnswer);
        QCOMPARE(page->toolTip().isEmpty(), !withAnswer);
        resetScreens();
        study::Practice::instance().dropEditor();
    }

    void shouldCompareTheRecordsTaxonWithAnotherAtOnce()
    {
        StudyPanel *study = panel();
        study->showPlace(KeyPaths::instance().placeNamed(QStringLiteral("Typic Haplargids")));
        auto *compare = study->findChild<QLineEdit *>(QStringLiteral("compare_with"));
        QCOMPARE(compare->accessibleName(), QStringLiteral("Compare with"));
        QTest::keyClicks(compare, QStringLiteral("lithic haplargids"));
        QVERIFY(study->recordText().startsWith(QStringLiteral(
            "Typic Haplargids compared with Lithic Haplargids\nShared way: Aridisols \u203a Argids \u203a "
            "Haplargids\nThey part at: Haplargids\n")));
        compare->clear();
        QVERIFY(study->recordText().startsWith(QStringLiteral("Typic Haplargids\n")));
    }

    // The record moves to a window of its own, still following the key, and comes back when it closes.
    void shouldLendTheRecordToAWindowBesideTheKey()
    {
        StudyPanel *study = panel();
        auto *view = study->findChild<QTextBrowser *>(QStringLiteral("record"));
        QVERIFY(click(study, QStringLiteral("Record beside the key")));
        QWidget *window = loaded(QStringLiteral("study_record"));
        QVERIFY(window && study->recordLent());
        QCOMPARE(view->window(), window);
        walk(wayTo(QStringLiteral("Typic Haplodurids")));
        QVERIFY(study->recordText().startsWith(QStringLiteral("Typic Haplodurids\n")));
        window->close();
        QVERIFY(!study->recordLent());
        QCOMPARE(view->window(), study->window());
        // The main window closed while the record is away: the record window goes with it.
        QVERIFY(click(study, QStringLiteral("Record beside the key")));
        ScreenManager::instance().unload_screen(QStringLiteral("mainmenu"));
        flushDeletes();
        QVERIFY(!loaded(QStringLiteral("study_record")));
        QCOMPARE(liveWindows(QStringLiteral("study_record")), 0);
    }

    // At 1366 x 768 and 1920 x 1080 the record (left) and the profile (right)
    // stand clear of every centred key window, however large.
    void shouldPlaceTheStudyWindowsBesideTheKey_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("1366x768") << QSize(1366, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void shouldPlaceTheStudyWindowsBesideTheKey()
    {
        QFETCH(QSize, screen);
        const QRect available(QPoint(0, 0), screen);
        const QRect record = besideTheKey(available, Side::Left, keyAreaWidth, QSize(520, 640));
        const QRect profile = besideTheKey(available, Side::Right, keyAreaWidth, QSize(560, 600));
        QVERIFY(available.contains(record) && available.contains(profile));
        QVERIFY(record.width() >= 250 && profile.width() >= 250);
        for (const KeyStep &step : KeyModel::instance().steps) {
            if (!step.centred)
                continue;
            QWidget *window = show(step.form);
            // A frame as wide as a desktop's draws, around the client area.
            const QSize frame = window->size() + QSize(16, 40);
            const QRect placed(ScreenManager::centredPosition(frame, available), frame);
            QVERIFY2(!placed.intersects(record.adjusted(-8, -30, 8, 8)), qPrintable(step.form));
            QVERIFY2(!placed.intersects(profile.adjusted(-8, -30, 8, 8)), qPrintable(step.form));
        }
    }

    void shouldKeepTheRecordAndNameThePathWhenItCannotBeWritten()
    {
        StudyPanel *study = panel();
        study->showPlace(KeyPaths::instance().placeNamed(QStringLiteral("Typic Haplodurids")));
        const QString before = study->recordText();
        const QString path = QStringLiteral("/nonexistent-folder/record.pdf");
        DialogAnswers answer(path);
        MessageRecorder recorder;
        QVERIFY(click(study, QStringLiteral("Save as PDF...")));
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.last().icon, MessageIcon::Warning);
        QVERIFY(recorder.last().text.contains(path));
        QCOMPARE(study->recordText(), before);
        QVERIFY(!QFile::exists(path));
    }
};

YUC_TEST_MAIN(TestStudyPanel)
#include "tst_studypanel.moc"
