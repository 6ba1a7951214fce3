#include "testsupport.h"

#include "shell/style.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

using namespace yuc;
using namespace yuc::test;

namespace {
const QString explainer = QStringLiteral("struct_class");
const QString example = QStringLiteral("Example_class");
} // namespace

class TestExplainer : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    // The messages are joined from fragments that keep their own blanks; the
    // doubled blanks where they meet and the one line break are the faults a
    // retyped or trimmed text would show.
    void shouldShowLevelMessageAsJoined_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("joints");
        QTest::addColumn<QString>("ending");
        QTest::newRow("Order") << QStringLiteral("Command1") << QStringLiteral("Soil Order")
                               << QStringList{QStringLiteral("weathering  of"), QStringLiteral("properties  that")}
                               << QStringLiteral("etc.");
        QTest::newRow("Suborder") << QStringLiteral("Command2") << QStringLiteral("Soil Suborder") << QStringList{}
                                  << QStringLiteral("etc. ");
        QTest::newRow("Great Group") << QStringLiteral("Command3") << QStringLiteral("Great Group")
                                     << QStringList{QStringLiteral("kind,  arrangement")} << QStringLiteral("etc.");
        QTest::newRow("Subgroup") << QStringLiteral("Command4") << QStringLiteral("Subgroup")
                                  << QStringList{QStringLiteral("groups.  There"), QStringLiteral("one  subgroup"),
                                                 QStringLiteral("Typic.  Other"),
                                                 QStringLiteral("have  characteristics")}
                                  << QStringLiteral("etc.");
        QTest::newRow("Family") << QStringLiteral("Command5") << QStringLiteral("Family")
                                << QStringList{QStringLiteral("important  for"), QStringLiteral("particle-size  of"),
                                               QStringLiteral("soil.  penetration")}
                                << QStringLiteral("Paleargid .");
    }
    void shouldShowLevelMessageAsJoined()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QStringList, joints);
        QFETCH(QString, ending);
        MessageRecorder recorder;
        QVERIFY(click(show(explainer), button));
        QCOMPARE(recorder.messages.size(), 1);
        const ShownMessage message = recorder.last();
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.title, title);
        QCOMPARE(message.text.count(QStringLiteral("  ")), joints.size());
        for (const QString &joint : joints)
            QVERIFY2(message.text.contains(joint), qPrintable(joint));
        // One paragraph, then the examples on a line of their own, led by a blank.
        QCOMPARE(message.text.count(QLatin1Char('\r')), 1);
        QCOMPARE(message.text.count(QLatin1Char('\n')), 1);
        const QString examples = message.text.section(QStringLiteral("\r\n"), 1);
        QVERIFY(examples.startsWith(QStringLiteral(" Example")));
        QVERIFY(examples.endsWith(ending));
        QVERIFY(loaded(explainer));
    }

    void shouldOpenOneExampleThatOutlivesTheExplainer()
    {
        QWidget *window = show(explainer);
        QVERIFY(click(window, QStringLiteral("Command6")));
        QWidget *diagram = loaded(example);
        QVERIFY(diagram);
        QVERIFY(click(window, QStringLiteral("Command6")));
        QCOMPARE(loaded(example), diagram);
        QCOMPARE(liveWindows(example), 1);

        QVERIFY(click(window, QStringLiteral("Command7")));
        flushDeletes();
        QVERIFY(!loaded(explainer));
        QCOMPARE(loaded(example), diagram);
    }

    void shouldHoldLevelButtonsInTheComponentsFrame()
    {
        QWidget *window = show(explainer);
        auto *frame = window->findChild<QGroupBox *>(QStringLiteral("Frame1"));
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("Components"));
        QVERIFY(frame->font().bold());
        for (int number = 1; number <= 6; ++number) {
            auto *button = window->findChild<QAbstractButton *>(QStringLiteral("Command%1").arg(number));
            QVERIFY(button);
            QCOMPARE(button->parentWidget(), frame);
            QVERIFY(button->font().bold());
        }
    }

    // Each line starts under the name and ends just above the label that
    // explains that part of it.
    void shouldLeadEachLineToItsLabel()
    {
        QWidget *window = show(example);
        const QLabel *name = window->findChild<QLabel *>(QStringLiteral("Label1"));
        for (int number = 1; number <= 7; ++number) {
            const auto *line = window->findChild<QFrame *>(QStringLiteral("Line%1").arg(number));
            const auto *label = window->findChild<QLabel *>(QStringLiteral("Label%1").arg(number + 1));
            QVERIFY(line && label);
            const QRect from = line->geometry();
            const QRect to = label->geometry();
            QVERIFY2(from.top() >= name->geometry().bottom() - tw(30), qPrintable(line->objectName()));
            QVERIFY2(to.top() > from.bottom() && to.top() - from.bottom() <= tw(150), qPrintable(line->objectName()));
            QVERIFY2(to.left() <= from.center().x() && from.left() < to.right(), qPrintable(line->objectName()));
        }
    }
};

YUC_TEST_MAIN(TestExplainer)
#include "tst_explainer.moc"
