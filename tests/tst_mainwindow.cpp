#include "testsupport.h"

#include "program/program.h"
#include "shell/mainwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace yuc;
using namespace yuc::test;

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldMoveFromTheStartScreenToTheMainWindow()
    {
        startProgram();
        QWidget *start = loaded(QStringLiteral("start_p"));
        QVERIFY(start);
        QVERIFY(start->windowTitle().isEmpty());
        QCOMPARE(start->findChild<QLabel *>(QStringLiteral("Label3"))->text(),
                 QStringLiteral("A program To classify Aridisols"));
        auto *timer = start->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 3000);
        QVERIFY(!loaded(QStringLiteral("mainmenu")));
        timer->start(0); // let the three seconds pass at once
        QTRY_VERIFY(loaded(QStringLiteral("mainmenu")));
        QVERIFY(!loaded(QStringLiteral("start_p")));
        QCOMPARE(loaded(QStringLiteral("mainmenu"))->windowTitle(), QStringLiteral("Soil Classification: Aridisols"));
    }

    void shouldOfferNinePictureButtons_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("opens");
        int place = 0;
        for (const MainWindow::Button &button : MainWindow::buttons)
            QTest::newRow(button.control) << place++ << QString::fromLatin1(button.control)
                                          << QString::fromLatin1(button.tooltip) << QString::fromLatin1(button.target);
    }
    void shouldOfferNinePictureButtons()
    {
        QFETCH(int, place);
        QFETCH(QString, control);
        QFETCH(QString, tooltip);
        QFETCH(QString, opens);
        QWidget *main = show(QStringLiteral("mainmenu"));
        auto *button = main->findChild<QPushButton *>(control);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), tooltip);
        QVERIFY(!button->accessibleName().isEmpty());
        if (!tooltip.isEmpty())
            QCOMPARE(button->accessibleName(), tooltip);
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->geometry(), QRect(8 + place * 40, 8, 41, 41));
        if (opens.isEmpty())
            return;
        QVERIFY2(ScreenManager::instance().isRegistered(opens), qPrintable(opens));
        button->click();
        button->click();
        QVERIFY(loaded(opens));
        flushDeletes();
        QCOMPARE(liveWindows(opens), 1);
    }

    void shouldShareOnePictureBetweenOpenings()
    {
        const auto iconKey = [] {
            return show(QStringLiteral("mainmenu"))
                ->findChild<QPushButton *>(QStringLiteral("Command3"))
                ->icon()
                .cacheKey();
        };
        const qint64 first = iconKey();
        resetScreens();
        QCOMPARE(iconKey(), first);
    }

    void shouldTabThroughTheButtonsInTheirOrder()
    {
        QWidget *main = show(QStringLiteral("mainmenu"));
        // The study panel's controls come after the picture buttons.
        const QStringList order{"Command16",
                                "Command17",
                                "Command4",
                                "Command5",
                                "Command6",
                                "Command3",
                                "Command7",
                                "Photo_cmd",
                                "nopal",
                                "find_taxon",
                                "compare_with",
                                "practice_profiles",
                                "tell_at_once",
                                "New profile",
                                "Open profile...",
                                "show_data",
                                "Key it from the data",
                                "Record beside the key",
                                "record",
                                "Copy",
                                "Save as PDF...",
                                "Print...",
                                "Command16"};
        QWidget *widget = main->findChild<QWidget *>(order.first());
        for (const QString &name : order.mid(1)) {
            widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus))
                widget = widget->nextInFocusChain();
            QCOMPARE(widget->objectName(), name);
        }
    }

    void shouldEndTheProgramClosingEveryWindow()
    {
        QWidget *main = show(QStringLiteral("mainmenu"));
        click(main, QStringLiteral("Command16"));
        show(QStringLiteral("Classif_Arid_first"));
        show(QStringLiteral("uno_dos_ab"));
        show(QStringLiteral("keys_to_aridisols"));
        click(main, QStringLiteral("Command17"));
        QVERIFY(ScreenManager::instance().loadedScreens().isEmpty());
        flushDeletes();
        QCOMPARE(liveWindows(QStringLiteral("mainmenu")) + liveWindows(QStringLiteral("uno_dos_ab")), 0);
    }

    void shouldLeaveOtherWindowsOpenWhenTheMainWindowIsClosed()
    {
        QWidget *main = show(QStringLiteral("mainmenu"));
        show(QStringLiteral("keys_to_aridisols"));
        main->close();
        QVERIFY(!loaded(QStringLiteral("mainmenu")));
        QVERIFY(loaded(QStringLiteral("keys_to_aridisols")));
    }
};

YUC_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
