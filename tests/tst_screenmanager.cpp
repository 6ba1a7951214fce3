#include "testsupport.h"

#include "shell/screenmanager.h"

#include <QLabel>
#include <QPointer>

using namespace yuc;
using namespace yuc::test;

class TestScreenManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        auto &manager = ScreenManager::instance();
        manager.registerScreen(QStringLiteral("test_small"), [] {
            auto *w = new QWidget;
            auto *edit = new QLabel(QStringLiteral("initial"), w);
            edit->setObjectName(QStringLiteral("Label1"));
            w->resize(200, 100);
            return w;
        });
        manager.registerScreen(QStringLiteral("test_tall"), [] {
            auto *w = new QWidget;
            w->resize(300, 5000);
            return w;
        });
        manager.registerScreen(QStringLiteral("test_uncentred"),
                               [] {
                                   auto *w = new QWidget;
                                   w->resize(300, 200);
                                   w->move(3, 4);
                                   return w;
                               },
                               {false, {}});
        manager.registerScreen(QStringLiteral("test_replacing"), [] { return new QWidget; },
                               {true, QStringLiteral("test_small")});
    }
    void cleanup() { resetScreens(); }

    void shouldKeepOneInstancePerName()
    {
        QWidget *first = show(QStringLiteral("test_small"));
        QWidget *second = show(QStringLiteral("test_small"));
        QCOMPARE(first, second);
        QCOMPARE(liveWindows(QStringLiteral("test_small")), 1);
        QCOMPARE(first->objectName(), QStringLiteral("test_small"));
    }

    void shouldComeBackFreshAfterUnload()
    {
        QWidget *first = show(QStringLiteral("test_small"));
        first->findChild<QLabel *>(QStringLiteral("Label1"))->setText(QStringLiteral("changed"));
        QPointer<QWidget> guard(first);
        ScreenManager::instance().unload_screen(QStringLiteral("test_small"));
        QVERIFY(!ScreenManager::instance().isLoaded(QStringLiteral("test_small")));
        flushDeletes();
        QVERIFY(guard.isNull()); // destroyed, not hidden
        QWidget *again = show(QStringLiteral("test_small"));
        QCOMPARE(again->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("initial"));
    }

    void shouldUnloadWhenClosedByCloseBox()
    {
        QWidget *window = show(QStringLiteral("test_small"));
        window->close();
        QVERIFY(!ScreenManager::instance().isLoaded(QStringLiteral("test_small")));
        flushDeletes();
        QCOMPARE(liveWindows(QStringLiteral("test_small")), 0);
    }

    void shouldIgnoreUnloadOfScreenNotLoaded()
    {
        ScreenManager::instance().unload_screen(QStringLiteral("test_small"));
        ScreenManager::instance().unload_screen(QStringLiteral("no_such_screen"));
        QVERIFY(ScreenManager::instance().loadedScreens().isEmpty());
        QCOMPARE(ScreenManager::instance().show_screen(QStringLiteral("no_such_screen")), nullptr);
    }

    void shouldCentreFrameOnScreen()
    {
        QWidget *window = show(QStringLiteral("test_small"));
        const QRect screen = window->screen()->geometry();
        const QRect frame = window->frameGeometry();
        QCOMPARE(frame.left(), (screen.width() - frame.width()) / 2);
        QCOMPARE(frame.top(), (screen.height() - frame.height()) / 2);
    }

    void shouldGiveNegativeTopToWindowTallerThanScreen()
    {
        QWidget *window = show(QStringLiteral("test_tall"));
        QVERIFY(window->frameGeometry().top() < 0);
        QCOMPARE(ScreenManager::centredPosition(QSize(300, 1000), QRect(0, 0, 800, 600)), QPoint(250, -200));
    }

    void shouldNotCentreUncentredScreens()
    {
        QWidget *window = show(QStringLiteral("test_uncentred"));
        QCOMPARE(window->pos(), QPoint(3, 4));
    }

    void shouldUnloadPredecessorOnLoadOnlyWhenCreated()
    {
        show(QStringLiteral("test_small"));
        show(QStringLiteral("test_replacing"));
        QVERIFY(!ScreenManager::instance().isLoaded(QStringLiteral("test_small")));
        show(QStringLiteral("test_small"));
        show(QStringLiteral("test_replacing")); // already loaded: brought forward only
        QVERIFY(ScreenManager::instance().isLoaded(QStringLiteral("test_small")));
    }

    void shouldCloseEverythingAtEndOfProgram()
    {
        show(QStringLiteral("test_small"));
        show(QStringLiteral("test_tall"));
        ScreenManager::instance().end_program();
        QVERIFY(ScreenManager::instance().loadedScreens().isEmpty());
        flushDeletes();
        QCOMPARE(liveWindows(QStringLiteral("test_small")) + liveWindows(QStringLiteral("test_tall")), 0);
    }

    void shouldDeleteEveryWindowWhenTheProgramIsOver()
    {
        const QPointer<QWidget> open = show(QStringLiteral("test_small"));
        const QPointer<QWidget> unloaded = show(QStringLiteral("test_tall"));
        ScreenManager::instance().unload_screen(QStringLiteral("test_tall")); // its deletion is only posted
        QVERIFY(unloaded);
        ScreenManager::instance().destroyAll();
        QVERIFY(!open);
        QVERIFY(!unloaded);
    }
};

YUC_TEST_MAIN(TestScreenManager)
#include "tst_screenmanager.moc"
