// Walks every option of every step of the key through the real windows.
#include "testsupport.h"

#include "model/keymodel.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace yuc;
using namespace yuc::test;

class TestKeyWalk : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldOpenEveryOptionsDestination_data()
    {
        QTest::addColumn<QString>("step");
        for (const KeyStep &step : KeyModel::instance().steps)
            QTest::newRow(qPrintable(step.form)) << step.form;
    }
    void shouldOpenEveryOptionsDestination()
    {
        QFETCH(QString, step);
        const KeyModel &key = KeyModel::instance();
        const KeyStep &record = *key.step(step);
        MessageRecorder recorder;
        for (int i = 0; i < record.options.size(); ++i) {
            const KeyOption &option = record.options.at(i);
            QWidget *window = show(step);
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), record.caption);
            auto *radio = window->findChild<QRadioButton *>(option.name);
            QVERIFY2(radio, qPrintable(option.name));
            QCOMPARE(radio->text(), option.caption);
            radio->click();
            QVERIFY(click(window, record.stepButton.name));

            // The second option of a two-way step leads where its fallback does.
            const Destination &to =
                (record.fallback.kind != Destination::Kind::None && i == 1) ? record.fallback : option.destination;
            switch (to.kind) {
            case Destination::Kind::Step: {
                QWidget *next = loaded(to.target);
                QVERIFY2(next, qPrintable(to.target));
                QCOMPARE(next->windowTitle(), key.step(to.target)->caption);
                break;
            }
            case Destination::Kind::Screen: {
                QWidget *result = loaded(to.target);
                QVERIFY2(result, qPrintable(to.target));
                const ResultScreen *screen = key.screen(to.target);
                QCOMPARE(result->windowTitle(), screen->caption);
                QCOMPARE(result->findChild<QLabel *>(QStringLiteral("Label1"))->text(), screen->label);
                break;
            }
            case Destination::Kind::Message:
                QCOMPARE(recorder.messages.size(), 1);
                QCOMPARE(recorder.last().title, to.title);
                QCOMPARE(recorder.last().text, to.text);
                QCOMPARE(recorder.last().icon, MessageIcon::Information);
                break;
            case Destination::Kind::None:
                QFAIL("an option leads nowhere");
            }
            recorder.clear();
            resetScreens();
        }
    }

    void shouldOpenEveryPanelWithoutChangingTheSelection_data()
    {
        QTest::addColumn<QString>("step");
        for (const KeyStep &step : KeyModel::instance().steps)
            QTest::newRow(qPrintable(step.form)) << step.form;
    }
    void shouldOpenEveryPanelWithoutChangingTheSelection()
    {
        QFETCH(QString, step);
        const KeyModel &key = KeyModel::instance();
        QWidget *window = show(step);
        auto *first = window->findChild<QRadioButton *>(key.step(step)->options.first().name);
        first->click();
        for (const KeyOption &option : key.step(step)->options)
            for (const StatementRow &row : option.rows)
                for (const StatementItem &item : row) {
                    if (item.kind != StatementItem::Kind::Panel)
                        continue;
                    auto *button = window->findChild<QPushButton *>(item.panel.name);
                    QVERIFY2(button, qPrintable(item.panel.name));
                    QCOMPARE(button->text(), item.panel.caption);
                    button->click();
                    QWidget *panel = loaded(item.panel.panel);
                    QVERIFY2(panel, qPrintable(item.panel.panel));
                    QCOMPARE(panel->windowTitle(), key.panel(item.panel.panel)->caption);
                    QVERIFY(first->isChecked());
                    QVERIFY(loaded(step));
                    ScreenManager::instance().unload_screen(item.panel.panel);
                }
    }
};

YUC_TEST_MAIN(TestKeyWalk)
#include "tst_keywalk.moc"
