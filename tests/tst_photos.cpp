#include "testsupport.h"

#include <QGroupBox>
#include <QPushButton>

#include <algorithm>

using namespace yuc;
using namespace yuc::test;

class TestPhotos : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldOpenExamplePageFromPhotoIndex_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("form");
        QTest::newRow("Command2") << "Command2"
                                  << "Haplocalcid"
                                  << "haplocalcid";
        QTest::newRow("Command3") << "Command3"
                                  << "Petroargid"
                                  << "petroargid";
        QTest::newRow("Command4") << "Command4"
                                  << "Argidurid"
                                  << "argidurid";
        QTest::newRow("Command5") << "Command5"
                                  << "Haplargids"
                                  << "haplos";
        QTest::newRow("Command6") << "Command6"
                                  << "Torripsamment"
                                  << "psamment";
        QTest::newRow("Command7") << "Command7"
                                  << "Haploxeroll"
                                  << "haploxeroll";
    }
    void shouldOpenExamplePageFromPhotoIndex()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, form);
        MessageRecorder messages;
        QWidget *index = show(QStringLiteral("photos_1"));
        auto *pressed = index->findChild<QPushButton *>(button);
        QVERIFY(pressed);
        QCOMPARE(pressed->text(), caption);
        pressed->click();
        QVERIFY(ScreenManager::instance().isLoaded(form));
        QCOMPARE(ScreenManager::instance().loadedScreens().size(), 2);
        QVERIFY(messages.messages.isEmpty());
        // A second press brings the open page forward instead of opening another.
        QWidget *page = loaded(form);
        pressed->click();
        QCOMPARE(loaded(form), page);
        QCOMPARE(liveWindows(form), 1);
    }

    void shouldStackAridisolButtonsOutOfNameOrder()
    {
        QWidget *index = show(QStringLiteral("photos_1"));
        auto *frame = index->findChild<QGroupBox *>(QStringLiteral("Frame1"));
        QVERIFY(frame);
        auto buttons = frame->findChildren<QPushButton *>();
        std::sort(buttons.begin(), buttons.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
        QStringList names;
        for (QPushButton *b : buttons)
            names << b->objectName();
        QCOMPARE(names, (QStringList{"Command2", "Command3", "Command5", "Command4"}));
    }

    void shouldKeepExamplePageOpenWhenIndexCloses()
    {
        QWidget *index = show(QStringLiteral("photos_1"));
        QVERIFY(click(index, QStringLiteral("Command6")));
        QVERIFY(click(index, QStringLiteral("Command1")));
        QVERIFY(!ScreenManager::instance().isLoaded(QStringLiteral("photos_1")));
        flushDeletes();
        QVERIFY(ScreenManager::instance().isLoaded(QStringLiteral("psamment")));
    }

    void shouldCloseEachPageWithItsOwnButton_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::newRow("photos_1") << "photos_1"
                                  << "Close";
        QTest::newRow("haplocalcid") << "haplocalcid"
                                     << "OK";
        QTest::newRow("petroargid") << "petroargid"
                                    << "OK";
        QTest::newRow("argidurid") << "argidurid"
                                   << "Ok";
        QTest::newRow("psamment") << "psamment"
                                  << "Ok";
        QTest::newRow("haploxeroll") << "haploxeroll"
                                     << "OK";
        QTest::newRow("haplos") << "haplos"
                                << "OK";
    }
    void shouldCloseEachPageWithItsOwnButton()
    {
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QWidget *page = show(form);
        auto *button = page->findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        button->click();
        QVERIFY(!ScreenManager::instance().isLoaded(form));
        flushDeletes();
        QCOMPARE(liveWindows(form), 0);
    }

    void shouldNameTheSoilBelowEachPhotograph_data()
    {
        QTest::addColumn<QString>("form");
        QTest::newRow("haplocalcid") << "haplocalcid";
        QTest::newRow("argidurid") << "argidurid";
        QTest::newRow("haploxeroll") << "haploxeroll";
    }
    void shouldNameTheSoilBelowEachPhotograph()
    {
        QFETCH(QString, form);
        QWidget *page = show(form);
        auto *frame = page->findChild<QGroupBox *>(QStringLiteral("Frame1"));
        auto *name = page->findChild<QWidget *>(QStringLiteral("Label1"));
        QVERIFY(frame && name);
        QVERIFY(!frame->title().isEmpty());
        QVERIFY(name->y() > frame->geometry().bottom());
        QVERIFY(name->font().bold());
    }

    void shouldGiveUncaptionedHaplargidFramesTheirSoilNames()
    {
        QWidget *page = show(QStringLiteral("haplos"));
        const auto frames = page->findChildren<QGroupBox *>();
        QCOMPARE(frames.size(), 3);
        for (QGroupBox *frame : frames) {
            QVERIFY(frame->title().isEmpty());
            QVERIFY(frame->accessibleName().endsWith(QStringLiteral(" Haplargid")));
        }
    }
};

YUC_TEST_MAIN(TestPhotos)
#include "tst_photos.moc"
