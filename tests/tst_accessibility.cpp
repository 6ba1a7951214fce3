// Every window as a screen reader and a keyboard user meet it: each control
// named, each picture described, each input reachable with Tab, and the key
// walked from the main window to its result without a mouse.
#include "testsupport.h"

#include "study/practice.h"
#include "study/profilewindow.h"

#include "shell/svgpicture.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextEdit>

using namespace yuc;
using namespace yuc::test;

namespace {

QString accessibleText(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(what) : QString();
}

QString describe(QWidget *control)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(control->metaObject()->className()), control->objectName());
}

// Shown in the window, or on a page of a tab or stack that is only turned away.
bool present(QWidget *control, QWidget *window)
{
    for (QWidget *w = control; w && w != window; w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<QStackedWidget *>(w->parentWidget()))
            return false;
    return true;
}

// The scroll bars of a scroll area are its own, not controls of the window.
bool ownedByScrollArea(QWidget *widget)
{
    QWidget *container = widget->parentWidget();
    return container && qobject_cast<QAbstractScrollArea *>(container->parentWidget())
           && container != static_cast<QAbstractScrollArea *>(container->parentWidget())->viewport();
}

// A control the user operates: it takes the focus and needs a name.
bool takesInput(QWidget *widget)
{
    if (qobject_cast<QAbstractSlider *>(widget))
        return !ownedByScrollArea(widget);
    if (qobject_cast<QAbstractButton *>(widget) && qobject_cast<QTabBar *>(widget->parentWidget()))
        return false; // the tab bar's own scroll arrows
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
           || qobject_cast<QTabBar *>(widget) || qobject_cast<QComboBox *>(widget)
           || qobject_cast<QAbstractSpinBox *>(widget) || qobject_cast<QTextEdit *>(widget)
           || qobject_cast<QPlainTextEdit *>(widget);
}

QList<QWidget *> controls(QWidget *window)
{
    QList<QWidget *> found;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (takesInput(widget) && present(widget, window))
            found << widget;
    return found;
}

void addMenuFaults(const QList<QAction *> &actions, const QString &path, QStringList *faults)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString name = QString(action->text()).remove(QLatin1Char('&')).trimmed();
        if (name.isEmpty())
            *faults << QStringLiteral("menu entry without a name in %1").arg(path);
        if (action->menu())
            addMenuFaults(action->menu()->actions(), path + QStringLiteral(" > ") + name, faults);
    }
}

QStringList unnamedControls(QWidget *window)
{
    QStringList faults;
    for (QWidget *control : controls(window)) {
        if (accessibleText(control, QAccessible::Name).trimmed().isEmpty())
            faults << describe(control) + QStringLiteral(" has no accessible name");
        if (auto *tabs = qobject_cast<QTabBar *>(control))
            for (int i = 0; i < tabs->count(); ++i)
                if (QString(tabs->tabText(i)).remove(QLatin1Char('&')).trimmed().isEmpty()
                    && tabs->accessibleTabName(i).isEmpty())
                    faults << describe(control) + QStringLiteral(" tab %1 has no name").arg(i);
    }
    for (QMenuBar *bar : window->findChildren<QMenuBar *>())
        addMenuFaults(bar->actions(), bar->objectName(), &faults);
    return faults;
}

QStringList undescribedPictures(QWidget *window)
{
    QStringList faults;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(widget);
        const bool picture = qobject_cast<SvgPicture *>(widget) || (label && !label->pixmap().isNull());
        if (picture && present(widget, window) && accessibleText(widget, QAccessible::Description).trimmed().isEmpty())
            faults << describe(widget) + QStringLiteral(" has no description");
    }
    return faults;
}

// Tab reaches one button of a set of exclusive ones; the arrow keys the rest.
bool reachedByArrows(QWidget *control, const QSet<QWidget *> &tabStops)
{
    auto *button = qobject_cast<QAbstractButton *>(control);
    if (!button || !button->autoExclusive() || !button->isCheckable())
        return false;
    for (auto *sibling : button->parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
        if (sibling->autoExclusive() && sibling->isCheckable() && tabStops.contains(sibling))
            return true;
    return false;
}

QStringList unreachableControls(QWidget *window)
{
    QSet<QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w && w != window && !chain.contains(w); w = w->nextInFocusChain())
        chain.insert(w);
    QSet<QWidget *> tabStops;
    for (QWidget *w : std::as_const(chain))
        if (w->focusPolicy() & Qt::TabFocus)
            tabStops.insert(w);
    QStringList faults;
    for (QWidget *control : controls(window)) {
        if (!control->isEnabled() || reachedByArrows(control, tabStops))
            continue;
        if (!(control->focusPolicy() & Qt::TabFocus))
            faults << describe(control) + QStringLiteral(" cannot take the focus with Tab");
        else if (!chain.contains(control))
            faults << describe(control) + QStringLiteral(" is not in the window's tab order");
    }
    return faults;
}

void addEveryWindow()
{
    QTest::addColumn<QString>("form");
    for (const QString &name : ScreenManager::instance().registeredScreens())
        QTest::newRow(qPrintable(name)) << name;
    // The profile window also shows a practice profile, and edits the user's own.
    QTest::newRow("soil_profile, practising") << QStringLiteral("soil_profile#practice");
    QTest::newRow("soil_profile, editing") << QStringLiteral("soil_profile#editor");
}

QWidget *showForm(const QString &form)
{
    study::Practice::instance().dropEditor();
    study::Practice::instance().stop();
    if (form.endsWith(QLatin1String("#practice")))
        study::Practice::instance().start(study::builtInProfiles().first());
    if (form.endsWith(QLatin1String("#editor")) && !profilefiles::newProfile())
        return nullptr;
    return show(form.section(QLatin1Char('#'), 0, 0));
}

// Keys go where a user's keys go: to the widget that has the focus.
void press(Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY2(focus, "nothing has the keyboard focus");
    QTest::keyClick(focus, key);
}

QWidget *activate(const QString &form)
{
    QWidget *window = loaded(form);
    if (window) {
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window))
            return nullptr;
    }
    return window;
}

// Tabs to the statement, selects it with the arrow keys and Space, finds that
// Escape leaves the step open, and takes the step with Enter.
void choose(const QString &form, const QString &caption)
{
    QWidget *window = activate(form);
    QVERIFY2(window, qPrintable(form + QStringLiteral(" did not open")));
    for (int tabs = 0; !qobject_cast<QRadioButton *>(QApplication::focusWidget()); ++tabs) {
        QVERIFY2(tabs < 10, qPrintable(form + QStringLiteral(": Tab does not reach the statements")));
        press(Qt::Key_Tab);
    }
    for (int down = 0; qobject_cast<QAbstractButton *>(QApplication::focusWidget())->text() != caption; ++down) {
        QVERIFY2(down < 30, qPrintable(form + QStringLiteral(": no statement ") + caption));
        press(Qt::Key_Down);
    }
    press(Qt::Key_Space);
    QVERIFY(qobject_cast<QAbstractButton *>(QApplication::focusWidget())->isChecked());
    press(Qt::Key_Escape);
    QVERIFY2(loaded(form), qPrintable(form + QStringLiteral(" closed on Escape")));
    press(Qt::Key_Return);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QAccessible::setActive(true); }
    void cleanup() { resetScreens(); }

    void shouldNameEveryControl_data() { addEveryWindow(); }
    void shouldNameEveryControl()
    {
        QFETCH(QString, form);
        const QStringList faults = unnamedControls(showForm(form));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void shouldDescribeEveryPicture_data() { addEveryWindow(); }
    void shouldDescribeEveryPicture()
    {
        QFETCH(QString, form);
        const QStringList faults = undescribedPictures(showForm(form));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void shouldReachEveryControlWithTab_data() { addEveryWindow(); }
    void shouldReachEveryControlWithTab()
    {
        QFETCH(QString, form);
        const QStringList faults = unreachableControls(showForm(form));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void shouldClassifyWithTheKeyboardAlone()
    {
        show(QStringLiteral("mainmenu"));
        QVERIFY(activate(QStringLiteral("mainmenu")));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command16"));
        press(Qt::Key_Space);
        QVERIFY(activate(QStringLiteral("Note_about")));
        press(Qt::Key_Space);
        const QStringList walk[] = {
            {"Classif_Arid_first",
             "Other Aridisols which have a duripan that has its upper boundary within 100 cm of the soil surface"},
            {"Durids_form", "Other Durids"},
            {"Haplodurids_form", "Other Haplodurids."}};
        for (const QStringList &step : walk) {
            choose(step.at(0), step.at(1));
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(loaded(QStringLiteral("Typic_haplodurids")));
        QVERIFY(loaded(QStringLiteral("Durids_form")));
    }
};

YUC_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
