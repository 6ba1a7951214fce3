#include "testsupport.h"

#include "shell/svgpicture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace yuc;
using namespace yuc::test;

namespace {
const QStringList orderPages = {QStringLiteral("Alfisol_form"),  QStringLiteral("entisol_form"),
                                QStringLiteral("Histosol_form"), QStringLiteral("inceptisols"),
                                QStringLiteral("mollisols"),     QStringLiteral("spodosols")};
const QStringList photoPages = {QStringLiteral("photos_1"),   QStringLiteral("haplocalcid"),
                                QStringLiteral("petroargid"), QStringLiteral("argidurid"),
                                QStringLiteral("psamment"),   QStringLiteral("haploxeroll"),
                                QStringLiteral("haplos")};
} // namespace

// The soil-order pages, and the make-up that every page of this area shares.
class TestSoilOrders : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldCloseOrderPageWithCloseButton_data()
    {
        QTest::addColumn<QString>("form");
        for (const QString &form : orderPages + QStringList{QStringLiteral("Other_soil_orders")})
            QTest::newRow(qPrintable(form)) << form;
    }
    void shouldCloseOrderPageWithCloseButton()
    {
        QFETCH(QString, form);
        QWidget *page = show(form);
        QVERIFY(page);
        auto *close = page->findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("Close"));
        close->click();
        QVERIFY(!ScreenManager::instance().isLoaded(form));
        flushDeletes();
        QCOMPARE(liveWindows(form), 0);
    }

    void shouldKeepOneInstancePerPage_data() { allPages(); }
    void shouldKeepOneInstancePerPage()
    {
        QFETCH(QString, form);
        QWidget *first = show(form);
        QCOMPARE(show(form), first);
        QCOMPARE(liveWindows(form), 1);
        QCOMPARE(first->objectName(), form);
    }

    void shouldCloseWithEscape()
    {
        QWidget *page = show(QStringLiteral("mollisols"));
        QApplication::setActiveWindow(page);
        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!ScreenManager::instance().isLoaded(QStringLiteral("mollisols")));
    }

    void shouldShowUnclippedPlainTextLabels_data() { allPages(); }
    void shouldShowUnclippedPlainTextLabels()
    {
        QFETCH(QString, form);
        QWidget *page = show(form);
        const auto labels = page->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY2(!label->text().isEmpty(), qPrintable(label->objectName()));
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));
            QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), qPrintable(label->objectName()));
        }
    }

    void shouldFitEveryControlInItsContainer_data() { allPages(); }
    void shouldFitEveryControlInItsContainer()
    {
        QFETCH(QString, form);
        QWidget *page = show(form);
        const auto widgets = page->findChildren<QWidget *>();
        for (QWidget *widget : widgets)
            if (!widget->isWindow()
                && (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QGroupBox *>(widget)
                    || qobject_cast<SvgPicture *>(widget)))
                QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(widget->objectName()));
    }

    void shouldNameFramesAndPicturesForScreenReaders_data() { allPages(); }
    void shouldNameFramesAndPicturesForScreenReaders()
    {
        QFETCH(QString, form);
        QWidget *page = show(form);
        QCOMPARE(page->accessibleName(), page->windowTitle());
        for (QGroupBox *frame : page->findChildren<QGroupBox *>())
            QVERIFY2(!frame->accessibleName().isEmpty(), qPrintable(frame->objectName()));
        const auto pictures = page->findChildren<SvgPicture *>();
        for (SvgPicture *picture : pictures) {
            QVERIFY2(!picture->accessibleName().isEmpty(), qPrintable(picture->objectName()));
            // A picture whose drawing did not load falls back to a 32 x 32 placeholder.
            QVERIFY2(picture->sizeHint() != QSize(32, 32), qPrintable(picture->objectName()));
        }
    }

    void shouldCaptionTheFramesOfOtherOrders()
    {
        QWidget *page = show(QStringLiteral("Other_soil_orders"));
        const auto frames = page->findChildren<QGroupBox *>();
        QCOMPARE(frames.size(), 4);
        for (QGroupBox *frame : frames) {
            QVERIFY(!frame->title().isEmpty());
            QVERIFY(frame->font().bold());
            QCOMPARE(frame->findChildren<SvgPicture *>().size(), 1);
        }
        // Only the caption is bold: the labels inside keep the default weight.
        QVERIFY(!page->findChild<QLabel *>(QStringLiteral("Label1"))->font().bold());
    }

    void shouldCiteTheSourceOfEachDescription_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("citation");
        const QString textbook = QStringLiteral("Adapted from N. C. Brady, The Nature and Properties of Soils (1990).");
        QTest::newRow("Alfisol_form") << "Alfisol_form"
                                      << "Label3"
                                      << "M"
                                      << "(SSSA, 1992).";
        QTest::newRow("entisol_form") << "entisol_form"
                                      << "Label3"
                                      << "Entisols are" << textbook;
        QTest::newRow("Histosol_form") << "Histosol_form"
                                       << "Label3"
                                       << "Histosols are" << textbook;
        QTest::newRow("inceptisols") << "inceptisols"
                                     << "Label3"
                                     << "Inceptisols have" << textbook;
        QTest::newRow("mollisols") << "mollisols"
                                   << "Label3"
                                   << "Mollisols are" << textbook;
        QTest::newRow("spodosols upper") << "spodosols"
                                         << "Label3"
                                         << "Spodosols are"
                                         << "like \"wood ash\".";
        QTest::newRow("spodosols lower") << "spodosols"
                                         << "Label4"
                                         << "Spodosols form" << textbook;
    }
    void shouldCiteTheSourceOfEachDescription()
    {
        QFETCH(QString, form);
        QFETCH(QString, label);
        QFETCH(QString, opening);
        QFETCH(QString, citation);
        auto *description = show(form)->findChild<QLabel *>(label);
        QVERIFY(description);
        QVERIFY2(description->text().startsWith(opening), qPrintable(description->text().left(20)));
        QVERIFY2(description->text().endsWith(citation), qPrintable(description->text().right(40)));
    }

    void shouldSetTitlesInTimesOfTheirPageSize_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("points");
        QTest::newRow("Alfisol_form") << "Alfisol_form"
                                      << "Label2" << 12.0;
        QTest::newRow("Histosol_form") << "Histosol_form"
                                       << "Label4tr" << 12.0;
        QTest::newRow("spodosols") << "spodosols"
                                   << "Label2" << 14.25;
    }
    void shouldSetTitlesInTimesOfTheirPageSize()
    {
        QFETCH(QString, form);
        QFETCH(QString, label);
        QFETCH(double, points);
        auto *title = show(form)->findChild<QLabel *>(label);
        QVERIFY(title);
        QCOMPARE(title->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSizeF(), points);
    }

private:
    static void allPages()
    {
        QTest::addColumn<QString>("form");
        for (const QString &form : orderPages + QStringList{QStringLiteral("Other_soil_orders")} + photoPages)
            QTest::newRow(qPrintable(form)) << form;
    }
};

YUC_TEST_MAIN(TestSoilOrders)
#include "tst_soilorders.moc"
