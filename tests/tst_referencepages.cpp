#include "testsupport.h"

#include "reference/referencepage.h"
#include "shell/screenmanager.h"
#include "shell/style.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace yuc;
using namespace yuc::test;

namespace {
const QStringList labelPages = {QStringLiteral("Soil_form"), QStringLiteral("horizon_form"),
                                QStringLiteral("profile_form"), QStringLiteral("buried_form"),
                                QStringLiteral("epipedon_form")};

QTextBrowser *textView(QWidget *page)
{
    return page ? page->findChild<QTextBrowser *>() : nullptr;
}

QString plainText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}
} // namespace

class TestReferencePages : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    // Every text page: its heading first, every limit of its definition in it,
    // shown exactly as written, read-only, from the top, closed by its button.
    void shouldShowEachTextWithItsHeadingAndLimits_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("numbers");
        const auto row = [](const char *form, const char *heading, const char *numbers) {
            QTest::newRow(form) << QString::fromUtf8(heading)
                                << QString::fromLatin1(numbers).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };
        row("Anthropic_epi", nullptr, "");
        row("histic_epi", "Histic epipedon (Gr. histos, tissue)", "20 60 75 0.1 40 18 12 25 16 8 7.5");
        row("melanic_epi", "Melanic epipedon (Gr. melas, melan-, black)", "30 40 2 1.70 6 4");
        row("Mollic_epi", "Mollic epipedon (L. mollis, soft)", "30 3 5 15 40 0.6 50 2.5 4 18 10 25 75 250 1 8 0.7");
        row("ochric_epi", "Ochric epipedon (Gr. ochros, pale)", "4 6");
        row("plaggen_epi", "Plaggen epipedon (Ger.  Plaggen, sod)", "50");
        row("umbric_epi", "Umbric epipedon (L. umbra, shade, hence dark)", "50");
        row("Agric_horiz", "The agric horizon (L. ager, field)", "");
        row("albic_horiz", "Albic horizon L. Albus, white)", "1.0 85");
        row("argillic_horiz", "Argillic horizon", "1 30 3 15 20 40 8 60 7.5");
        row("calcic_horiz", "Calcic horizon", "15 5 40 18");
        row("cambic_horiz", "Cambic horizon", "50 0.2 125 1 25");
        row("Duripan_horiz", "Duripan", "10");
        row("Fragipan_horiz", "Fragipan", "10 60 35");
        row("glossic_horiz", "Glossic horizon", "5 15 85");
        row("gypsic_horiz", "Gypsic horizon", "15 5 150 30 6 1");
        row("kandic_horiz", "Kandic horizon", "18 5 15 4 20 40 8 16 12");
        row("natric_horiz", "Natric horizon", "2.5 15 13 40 200");
        row("Oxic_horiz", "Oxic horizon", "30 18 10 50 200 5 4 20 8 15");
        row("Petrocalcic_horiz", "Petrocalcic horizon", "10 2.5 200");
        row("petrogypsic_horiz", "Petrogypsic horizon", "10 60");
        row("Placic_horiz", "Placic horizon", "2 10 1 40 50");
        row("Salic_horiz", "Salic horizon", "15 2 60 20 3 30");
        row("Sombric_horiz", "Sombric horizon", "50");
        row("spodic_horiz", "Spodic horizon", "2.5 85");
        row("Sulfuric_horiz", "Sulfuric horizon", "15 3.5 1 0.05");
        row("O_horiz", "O horizons", "1993");
        row("A_horiz", "A horizons:", "1993");
        row("E_horiz", "E horizons:", "1993");
        row("B_horiz", "B horizons: Horizons that formed below an A, E, or O", "1993");
        row("C_horiz", "C horizons or layers:", "1993");
        row("R_horiz", "R layers:", "1993");
        row("aridic_charac", "Aridisols are soils of arid regions that exhibit at least a", "");
        row("Soil_moist_reg", "Soil Moisture Regimes", "1500");
        row("aquic_rich", "Aquic moisture Regime", "");
        row("aridic_torric", "Aridic and torric (L. aridus, dry , and L. Torridus hot", "6 10 50 5 90 8");
        row("udic_rich", "Udic moisture regime", "6 10 90 22 50 5 45 4");
        row("ustic_rich", "Ustic moisture regime", "3");
        row("xeric_rich", "Xeric moisture regime", "6 10 45 4");
    }
    void shouldShowEachTextWithItsHeadingAndLimits()
    {
        QFETCH(QString, heading);
        QFETCH(QStringList, numbers);
        const QString form = QString::fromLatin1(QTest::currentDataTag());
        const QStringList lines = ReferencePage::textLines(QStringLiteral(":/reference/texts/%1.txt").arg(form));
        QVERIFY2(lines.join(QString()).trimmed().size() > 100, "the page's text is missing or nearly empty");
        if (!heading.isEmpty())
            QCOMPARE(lines.first(), heading);
        const QString text = lines.join(QLatin1Char('\n'));
        for (const QString &number : numbers) {
            const QRegularExpression token(
                QStringLiteral("(?<![\\d.])%1(?![\\d]|\\.\\d)").arg(QRegularExpression::escape(number)));
            QVERIFY2(text.contains(token), qPrintable(QStringLiteral("the limit %1 is not stated").arg(number)));
        }

        QWidget *page = show(form);
        QTextBrowser *view = textView(page);
        QVERIFY(view);
        QVERIFY(view->isReadOnly());
        QCOMPARE(view->toPlainText(), text);
        QCOMPARE(view->verticalScrollBar()->value(), 0);
        QVERIFY(!view->accessibleName().isEmpty());
        QVERIFY(click(page, QStringLiteral("Command1")));
        QVERIFY(!ScreenManager::instance().isLoaded(form));
    }

    // The texts are in our own words, and words in quotation marks would be a source's
    // own: the marks may name a term or a word used as a word, never hold a definition.
    void shouldQuoteNoPassageLongerThanATerm_data()
    {
        QTest::addColumn<QString>("resource");
        const QDir texts(QStringLiteral(":/reference/texts"));
        const QStringList files = texts.entryList({QStringLiteral("*.txt")}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << texts.filePath(file);
    }
    void shouldQuoteNoPassageLongerThanATerm()
    {
        QFETCH(QString, resource);
        const QString text = ReferencePage::textLines(resource).join(QLatin1Char('\n'));
        QVERIFY(!text.isEmpty());
        // Every second part lies between marks, straight or curly; a mark left open runs to the end.
        static const QRegularExpression mark(QStringLiteral("[\"\u201C\u201D]"));
        const QStringList parts = text.split(mark);
        for (qsizetype i = 1; i < parts.size(); i += 2)
            QVERIFY2(parts.at(i).simplified().count(QLatin1Char(' ')) < 6, qPrintable(parts.at(i).left(60)));
    }

    void shouldKeepBlanksLinesAndMarkupCharactersOfAText()
    {
        const QStringList lines = {QStringLiteral("Plaggen  (two blanks)"), QString(),
                                   QStringLiteral("    indented a < b & c > d"), QStringLiteral("last")};
        QCOMPARE(plainText(ReferencePage::richText(lines, 11)), lines.join(QLatin1Char('\n')));
    }

    void shouldHangWrappedLinesOfAListItemUnderItsText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("hangs");
        QTest::newRow("numbered") << "1. Structure: not both hard and massive" << true;
        QTest::newRow("bracketed") << "(2)  evidence of the removal of carbonates" << true;
        QTest::newRow("lettered, indented") << "    a. is 20 to 60 cm thick" << true;
        QTest::newRow("indented") << "    silica (duripans);" << true;
        QTest::newRow("sentence") << "Water held at 1500 kPa or more" << false;
        QTest::newRow("decimal") << "2.5 cm of water" << false;
    }
    void shouldHangWrappedLinesOfAListItemUnderItsText()
    {
        QFETCH(QString, line);
        QFETCH(bool, hangs);
        QTextDocument document;
        document.setHtml(ReferencePage::richText({line}, 11));
        const QTextBlockFormat format = document.begin().blockFormat();
        QCOMPARE(format.leftMargin() > 0, hangs);
        QCOMPARE(format.textIndent(), -format.leftMargin());
        QCOMPARE(document.toPlainText(), line);
    }

    void shouldSetTextInTimesAtThePagesSize_data()
    {
        QTest::addColumn<double>("points");
        QTest::newRow("Mollic_epi") << 11.0;
        QTest::newRow("Anthropic_epi") << 11.5;
        QTest::newRow("kandic_horiz") << 11.0;
        QTest::newRow("B_horiz") << 11.5;
        QTest::newRow("aridic_charac") << 11.0;
        QTest::newRow("udic_rich") << 11.5;
    }
    void shouldSetTextInTimesAtThePagesSize()
    {
        QFETCH(double, points);
        QTextBrowser *view = textView(show(QString::fromLatin1(QTest::currentDataTag())));
        QVERIFY(view);
        const QFont font = view->document()->begin().charFormat().font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(font.pointSizeF(), points);
        QVERIFY(!font.bold() && !font.italic());
        QCOMPARE(backgroundOf(view->viewport()), colours::paleYellow);
    }

    void shouldSetAClosingEmptyParagraphSmaller()
    {
        QTextDocument document;
        document.setHtml(ReferencePage::richText({QStringLiteral("text"), QString(), QString()}, 11.5));
        QCOMPARE(document.blockCount(), 3);
        QCOMPARE(document.findBlockByNumber(1).charFormat().font().pointSizeF(), 11.5);
        QCOMPARE(document.lastBlock().charFormat().font().pointSizeF(), 10.0);
    }

    void shouldCaptionWindowAndFrameExactly_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("button");
        QTest::newRow("aridic_charac") << "Aridisols "
                                       << "Characteristics of the Aridisols"
                                       << "Close";
        QTest::newRow("kandic_horiz") << "Kandic Horizon"
                                      << "Horizon Characteristic"
                                      << "Close";
        QTest::newRow("Oxic_horiz") << "Oxic Horizon"
                                    << "Horizon Characteristic"
                                    << "Close";
        QTest::newRow("Placic_horiz") << "Placic Horizon"
                                      << "Horizon Characteristic"
                                      << "Close";
        QTest::newRow("petrogypsic_horiz") << "Petrogypsic Horizon"
                                           << "Horizon Charactersitics"
                                           << "Close";
        QTest::newRow("natric_horiz") << "Natric Horizon"
                                      << "Horizon Characteristics"
                                      << "Close";
        QTest::newRow("R_horiz") << "R Horizons"
                                 << "Horizon Characteristics"
                                 << "Close";
        QTest::newRow("Anthropic_epi") << "Epipedons: Anthropic"
                                       << "Characteristics"
                                       << "Close";
        QTest::newRow("Soil_moist_reg") << "Definition"
                                        << ""
                                        << "Ok";
        QTest::newRow("aquic_rich") << "Definitions"
                                    << ""
                                    << "OK";
        QTest::newRow("Soil_form") << "Soil definition"
                                   << ""
                                   << "OK";
    }
    void shouldCaptionWindowAndFrameExactly()
    {
        QFETCH(QString, caption);
        QFETCH(QString, frame);
        QFETCH(QString, button);
        QWidget *page = show(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(page);
        QCOMPARE(page->windowTitle(), caption);
        auto *box = page->findChild<QGroupBox *>();
        QCOMPARE(box ? box->title() : QString(), frame);
        const auto buttons = page->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.first()->objectName(), QStringLiteral("Command1"));
        QCOMPARE(buttons.first()->text(), button);
        QCOMPARE(buttons.first()->accessibleName(), button);
    }

    void shouldGiveOnlyAnthropicAndAridisolsAGreyWindow()
    {
        for (const QString &form : {QStringLiteral("Anthropic_epi"), QStringLiteral("aridic_charac")})
            QCOMPARE(backgroundOf(show(form)), colours::grey);
        QWidget *plain = show(QStringLiteral("histic_epi"));
        QCOMPARE(backgroundOf(plain), QApplication::palette().color(QPalette::Window));
        QCOMPARE(backgroundOf(show(QStringLiteral("Soil_form"))), colours::paleYellow);
    }

    void shouldKeepTheClientSizeFixed_data()
    {
        QTest::addColumn<QSize>("twips");
        QTest::newRow("Soil_form") << QSize(5520, 4485);
        QTest::newRow("histic_epi") << QSize(9435, 4470);
        QTest::newRow("R_horiz") << QSize(5295, 3105);
    }
    void shouldKeepTheClientSizeFixed()
    {
        QFETCH(QSize, twips);
        QWidget *page = show(QString::fromLatin1(QTest::currentDataTag()));
        const QSize pixels(tw(twips.width()), tw(twips.height()));
        QCOMPARE(page->size(), pixels);
        QCOMPARE(page->minimumSize(), pixels);
        QCOMPARE(page->maximumSize(), pixels);
    }

    // The five definitions: a bold title over plain labels that all fit on the page.
    void shouldFitDefinitionLabelsOnTheirPage()
    {
        for (const QString &form : labelPages) {
            QWidget *page = show(form);
            QVERIFY2(page, qPrintable(form));
            QVERIFY(!textView(page));
            auto *title = page->findChild<QLabel *>(QStringLiteral("Label_title"));
            QVERIFY(title);
            QVERIFY(title->font().bold());
            QCOMPARE(title->font().pointSizeF(), 14.25);
            QCOMPARE(title->alignment(), Qt::AlignCenter);
            const auto labels = page->findChildren<QLabel *>();
            for (QLabel *label : labels) {
                QCOMPARE(label->textFormat(), Qt::PlainText);
                QVERIFY(!label->text().isEmpty());
                QCOMPARE(label->accessibleName(), label->text());
            }
            QVERIFY2(page->layout()->totalHeightForWidth(page->width()) <= page->height(),
                     qPrintable(form + QStringLiteral(" clips its text")));
            QVERIFY(click(page, QStringLiteral("Command1")));
            QVERIFY(!ScreenManager::instance().isLoaded(form));
        }
    }

    void shouldKeepTheBlanksOfADefinition()
    {
        QWidget *page = show(QStringLiteral("Soil_form"));
        QVERIFY(page->findChild<QLabel *>(QStringLiteral("Label1"))->text().startsWith(QStringLiteral("(i)    The ")));
        QVERIFY(page->findChild<QLabel *>(QStringLiteral("Label2"))->text().startsWith(QStringLiteral("(ii)    The ")));
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Label_title"))->text(), QStringLiteral("Soil"));
    }

    void shouldKeepOnePageAndComeBackAtTheTop()
    {
        const QString form = QStringLiteral("Mollic_epi");
        QWidget *page = show(form);
        QCOMPARE(show(form), page);
        QCOMPARE(liveWindows(form), 1);
        QScrollBar *bar = textView(page)->verticalScrollBar();
        QVERIFY2(bar->maximum() > 0, "the mollic text should need scrolling");
        bar->setValue(bar->maximum());
        QVERIFY(click(page, QStringLiteral("Command1")));
        flushDeletes();
        QCOMPARE(liveWindows(form), 0);
        QCOMPARE(textView(show(form))->verticalScrollBar()->value(), 0);
        QCOMPARE(liveWindows(form), 1);
    }

    // Controls under a palette of their own get picture-cache entries of their
    // own each time the page opens; the page's colour is painted instead.
    void shouldPaintThePageColourWithoutAPaletteOfItsOwn()
    {
        QScrollBar *bar = textView(show(QStringLiteral("Mollic_epi")))->verticalScrollBar();
        QCOMPARE(bar->palette().cacheKey(), QApplication::palette(bar).cacheKey());
    }

    void shouldCloseOnEscapeAndReachTheButtonByTab()
    {
        const QString form = QStringLiteral("udic_rich");
        QWidget *page = show(form);
        QTextBrowser *view = textView(page);
        QCOMPARE(page->focusWidget(), view);
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(page->focusWidget(), page->findChild<QPushButton *>(QStringLiteral("Command1")));
        QTest::keyClick(page->focusWidget(), Qt::Key_Escape);
        QVERIFY(!ScreenManager::instance().isLoaded(form));
    }
};

YUC_TEST_MAIN(TestReferencePages)
#include "tst_referencepages.moc"
