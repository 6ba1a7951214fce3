// The study panel of the main window, driven through the real key windows.
#include "testsupport.h"

#include "key/keypaths.h"
#include "study/record.h"
#include "study/studypanel.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
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

} // namespace

class TestStudyPanel : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

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
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(30000) && pdftotext.exitCode() == 0, "pdftotext (poppler-utils) failed");
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        for (const QString &expected : {QStringLiteral("Lithic Ruptic-Entic Haplargids"),
                                        QStringLiteral("Aridisols \u203a Argids \u203a Haplargids"),
                                        QStringLiteral("Chosen: Other Aridisols which have an argillic or natric")})
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("record.pdf")});
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
