// How the key's windows look to a user and to a screen reader: fitted to
// the screen, every control inside its window, every name exact.
#include "testsupport.h"

#include "key/wrapradiobutton.h"
#include "model/keymodel.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>

#include <algorithm>

using namespace yuc;
using namespace yuc::test;

namespace {
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// A control counts as reachable when it lies inside its window, or inside
// the visible width of the scrolling statements (which scroll vertically).
bool insideWindow(QWidget *window, QWidget *control)
{
    const QRect rect(control->mapTo(window, QPoint(0, 0)), control->size());
    auto *scroll =
        qobject_cast<QScrollArea *>(control->parentWidget() ? control->parentWidget()->parentWidget() : nullptr);
    if (control->parentWidget() && control->parentWidget()->objectName() == QLatin1String("options"))
        scroll = qobject_cast<QScrollArea *>(control->parentWidget()->parentWidget()->parentWidget());
    if (scroll)
        return rect.left() >= 0 && rect.right() < window->width();
    return window->rect().contains(rect);
}

bool hasLabelBesideCaption(const KeyOption &option)
{
    const StatementRow row = option.rows.value(0);
    return std::any_of(row.begin(), row.end(),
                       [](const StatementItem &item) { return item.kind != StatementItem::Kind::Panel; });
}

// The label with this text that stands on the caption's line.
QLabel *labelBeside(QWidget *caption, const QString &text)
{
    for (QLabel *label : caption->parentWidget()->findChildren<QLabel *>())
        if (label->text() == text && label->y() < caption->geometry().bottom()
            && label->geometry().bottom() > caption->y())
            return label;
    return nullptr;
}

// A top-aligned label's first baseline lies one ascent below its contents' top.
int firstBaseline(QLabel *label, QWidget *window)
{
    const int inLabel = label->contentsRect().top() + label->margin() + label->fontMetrics().ascent();
    return label->mapTo(window, QPoint(0, inLabel)).y();
}

void addAllForms()
{
    QTest::addColumn<QString>("form");
    const KeyModel &key = KeyModel::instance();
    for (const KeyStep &step : key.steps)
        QTest::newRow(qPrintable(step.form)) << step.form;
    for (const ResultScreen &screen : key.screens)
        QTest::newRow(qPrintable(screen.form)) << screen.form;
    for (const CriterionPanel &panel : key.panels)
        QTest::newRow(qPrintable(panel.form)) << panel.form;
    QTest::newRow("Note_about") << QStringLiteral("Note_about");
    QTest::newRow("keys_to_aridisols") << QStringLiteral("keys_to_aridisols");
}
} // namespace

class TestKeyWindows : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { resetScreens(); }

    void shouldFitAnEightHundredBySixHundredScreen_data() { addAllForms(); }
    void shouldFitAnEightHundredBySixHundredScreen()
    {
        QFETCH(QString, form);
        QWidget *window = show(form);
        QVERIFY(window);
        const QRect available = window->screen()->availableGeometry();
        QCOMPARE(available.size(), QSize(800, 600)); // the headless screen
        QVERIFY2(window->frameGeometry().width() <= available.width()
                     && window->frameGeometry().height() <= available.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(window->width()).arg(window->height())));
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!control->isVisibleTo(window)
                || !(qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control)))
                continue;
            QVERIFY2(insideWindow(window, control), qPrintable(control->objectName()));
        }
        QCOMPARE(accessibleName(window), window->windowTitle());
    }

    void shouldCentreAllButTheFourLargeSteps_data() { addAllForms(); }
    void shouldCentreAllButTheFourLargeSteps()
    {
        QFETCH(QString, form);
        QWidget *window = show(form);
        const QRect screen = window->screen()->geometry();
        const QRect frame = window->frameGeometry();
        const bool centred = frame.left() == (screen.width() - frame.width()) / 2
                             && frame.top() == (screen.height() - frame.height()) / 2;
        const QStringList uncentred{"Argidurids_form", "Haplodurids_form", "argigypsids_form", "Natrargids_form"};
        QCOMPARE(centred, !uncentred.contains(form));
    }

    void shouldNameEveryOptionByItsCaption_data()
    {
        QTest::addColumn<QString>("form");
        for (const KeyStep &step : KeyModel::instance().steps)
            QTest::newRow(qPrintable(step.form)) << step.form;
    }
    void shouldNameEveryOptionByItsCaption()
    {
        QFETCH(QString, form);
        const KeyStep &step = *KeyModel::instance().step(form);
        QWidget *window = show(form);
        auto *frame = window->findChild<QGroupBox *>(step.frame.name);
        QVERIFY(frame);
        QCOMPARE(frame->title(), step.frame.caption);
        QCOMPARE(window->findChildren<QRadioButton *>().size(), step.options.size());
        for (const KeyOption &option : step.options) {
            auto *radio = window->findChild<QRadioButton *>(option.name);
            QVERIFY(frame->isAncestorOf(radio));
            QCOMPARE(accessibleName(radio), option.caption);
            QVERIFY(!radio->isChecked());
            QVERIFY(radio->focusPolicy() & Qt::TabFocus);
        }
        for (QLabel *label : window->findChildren<QLabel *>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
        auto *stepButton = window->findChild<QPushButton *>(step.stepButton.name);
        QCOMPARE(stepButton->text(), step.stepButton.caption);
        QCOMPARE(stepButton->isVisibleTo(window), true);
    }

    void shouldStartTheTabOrderAsTheKeyDoes_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("cancelFirst");
        QTest::newRow("key to suborders") << "Classif_Arid_first" << true;
        QTest::newRow("petrocryids") << "petrocryids" << true;
        QTest::newRow("durids") << "Durids_form" << false;
        QTest::newRow("haplocambids") << "Haplocambids" << false;
    }
    void shouldStartTheTabOrderAsTheKeyDoes()
    {
        QFETCH(QString, form);
        QFETCH(bool, cancelFirst);
        const KeyStep &step = *KeyModel::instance().step(form);
        QWidget *window = show(form);
        QWidget *focus = window->focusWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), cancelFirst ? step.cancelButton->name : step.options.first().name);
        if (cancelFirst)
            QCOMPARE(focus->nextInFocusChain()->objectName(), step.options.first().name);
    }

    void shouldSelectAnOptionWithTheKeyboardAndGoOnWithEnter()
    {
        QWidget *window = show(QStringLiteral("Durids_form"));
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *first = window->findChild<QRadioButton *>(QStringLiteral("durids_option1"));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Space);
        QVERIFY(first->isChecked());
        QTest::keyClick(first, Qt::Key_Down);
        auto *second = window->findChild<QRadioButton *>(QStringLiteral("durids_option2"));
        QVERIFY(second->hasFocus());
        QTest::keyClick(second, Qt::Key_Space);
        QVERIFY(second->isChecked() && !first->isChecked());
        QTest::keyClick(second, Qt::Key_Return);
        QVERIFY(loaded(QStringLiteral("Argidurids_form")));
        // Escape never bypasses the step's own buttons.
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(loaded(QStringLiteral("Durids_form")));
    }

    void shouldLineUpLabelsWithTheCaptionBesideThem_data()
    {
        QTest::addColumn<QString>("form");
        for (const KeyStep &step : KeyModel::instance().steps)
            if (std::any_of(step.options.begin(), step.options.end(), hasLabelBesideCaption))
                QTest::newRow(qPrintable(step.form)) << step.form;
    }
    void shouldLineUpLabelsWithTheCaptionBesideThem()
    {
        QFETCH(QString, form);
        QWidget *window = show(form);
        for (const KeyOption &option : KeyModel::instance().step(form)->options) {
            auto *caption = window->findChild<WrapRadioButton *>(option.name);
            const int captionLine = caption->mapTo(window, QPoint(0, caption->firstBaseline())).y();
            for (const StatementItem &item : option.rows.value(0)) {
                if (item.kind == StatementItem::Kind::Panel)
                    continue;
                QLabel *label = labelBeside(caption, item.text);
                QVERIFY2(label, qPrintable(option.name + QLatin1String(": ") + item.text));
                QCOMPARE(firstBaseline(label, window), captionLine);
            }
        }
    }

    void shouldSelectAnOptionByClickingItsWrappedCaption()
    {
        QWidget *window = show(QStringLiteral("Natrargids_form"));
        auto *radio = window->findChild<QRadioButton *>(QStringLiteral("natrargids_Option8"));
        QVERIFY(radio->height() > radio->fontMetrics().height() * 2 - 2); // wraps
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(radio->width() - 20, radio->height() - 4));
        QVERIFY(radio->isChecked());
    }
};

YUC_TEST_MAIN(TestKeyWindows)
#include "tst_keywindows.moc"
