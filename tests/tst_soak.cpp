// A seeded random walk of user actions over the whole program: buttons,
// options, panel buttons, menu entries, tabs, typed text (garbage, very long
// text, exponents), scroll bars, close boxes and message boxes. After every
// action no two windows may share a form name, every message shown must be one
// the program has, and the program must still answer events.
//
// YUC_SOAK_SEED=<n> repeats a walk, YUC_SOAK_ACTIONS=<n> sets its length and
// YUC_SOAK_TRACE=1 prints every action.
#include "testsupport.h"

#include "study/practice.h"
#include "study/profilewindow.h"

#include "calc/calctexts.h"
#include "model/keymodel.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>
#include <functional>

using namespace yuc;
using namespace yuc::test;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int defaultActions = 20000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int defaultActions = 20000;
#else
constexpr int defaultActions = 5000;
#endif
#else
constexpr int defaultActions = 5000;
#endif

// More open windows than this and the walk closes some, as a user would.
constexpr int crowded = 24;

QString messageKey(const ShownMessage &m)
{
    return QString::number(int(m.icon)) + QLatin1Char('\x1f') + m.title + QLatin1Char('\x1f') + m.text;
}

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A button that pops up a menu runs the menu's own event loop; its entries
// are reached as actions instead.
bool popsUpMenu(QWidget *widget)
{
    auto *push = qobject_cast<QPushButton *>(widget);
    auto *tool = qobject_cast<QToolButton *>(widget);
    return (push && push->menu()) || (tool && tool->menu());
}

template <typename T>
QList<T *> usable(QWidget *window)
{
    QList<T *> found;
    for (T *w : window->findChildren<T *>())
        if (w->isVisibleTo(window) && w->isEnabled() && !popsUpMenu(w))
            found << w;
    return found;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void shouldStaySoundThroughARandomWalk();

private:
    void harvestMessages();
    void calculate(const QStringList &entries);
    QString randomText();
    QString act();
    QWidget *randomWindow();
    template <typename T>
    T pick(const QList<T> &list)
    {
        return list.isEmpty() ? T() : list.at(m_random.bounded(int(list.size())));
    }

    QRandomGenerator m_random;
    QSet<QString> m_defined; // every message the program has
    MessageRecorder *m_recorder = nullptr;
};

namespace {
QtMessageHandler testHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The headless platform cannot raise or size windows; over thousands of
    // actions these notes would bury the report.
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        testHandler(type, context, message);
}
} // namespace

void TestSoak::initTestCase()
{
    testHandler = qInstallMessageHandler(quietHandler);
    MessageRecorder recorder;
    m_recorder = &recorder;
    harvestMessages();
    m_recorder = nullptr;
    resetScreens();
}

void TestSoak::calculate(const QStringList &entries)
{
    QWidget *window = show(QStringLiteral("calculus_form"));
    const char *names[] = {"water_text", "sand_Text", "Silt_text", "clay_Text", "om_text"};
    for (int i = 0; i < 5; ++i)
        window->findChild<QLineEdit *>(QLatin1String(names[i]))->setText(entries.value(i));
    QVERIFY(click(window, QStringLiteral("Command5")));
}

// The program's messages: those of the key and of the calculations come from
// their tables; the rest are collected by pressing every button and menu entry
// once, and the n-value tab is given the inputs that reach its other warnings.
void TestSoak::harvestMessages()
{
    for (const KeyStep &step : KeyModel::instance().steps) {
        if (step.helpButton)
            m_defined << messageKey({MessageIcon::Information, step.helpTitle, step.helpText});
        for (const KeyOption &option : step.options)
            if (option.destination.kind == Destination::Kind::Message)
                m_defined << messageKey({MessageIcon::Information, option.destination.title, option.destination.text});
    }
    using namespace calc::texts;
    const std::pair<std::string_view, std::string_view> information[] = {
        {noDataTitle, noDataText}, {badTotalTitle, badTotalText}, {helpTitle, helpText}};
    for (const auto &[title, text] : information)
        m_defined << messageKey({MessageIcon::Information, fromView(title), fromView(text)});
    m_defined << messageKey({MessageIcon::Warning, fromView(sumErrorTitle), fromView(sumErrorText)})
              << messageKey({MessageIcon::Warning, fromView(negativeTitle), fromView(negativeText)});

    for (const QString &name : ScreenManager::instance().registeredScreens()) {
        QWidget *window = show(name);
        for (QAbstractButton *button : usable<QAbstractButton>(window))
            button->click();
        for (QAction *action : window->findChildren<QAction *>())
            if (!action->menu() && !action->isSeparator())
                action->trigger();
        resetScreens();
    }
    // The user's own profile: a blank one saved, and one with edits left.
    study::Practice::instance().dropEditor();
    QVERIFY(profilefiles::newProfile());
    QVERIFY(click(loaded(QStringLiteral("soil_profile")), QStringLiteral("Save")));
    study::Practice::instance().editor()->setTitle(QStringLiteral("edited"));
    loaded(QStringLiteral("soil_profile"))->close();
    study::Practice::instance().dropEditor();
    resetScreens();
    calculate(
        {QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("40"), QStringLiteral("0"), QStringLiteral("0")});
    calculate({QStringLiteral("1e400"), QStringLiteral("40"), QStringLiteral("20"), QStringLiteral("40"),
               QStringLiteral("0")});
    for (const ShownMessage &message : m_recorder->messages)
        m_defined << messageKey(message);
}

QString TestSoak::randomText()
{
    static const QStringList samples = {
        QStringLiteral("45.4"),
        QStringLiteral("12,5"),
        QStringLiteral("1 5"),
        QStringLiteral("abc"),
        QStringLiteral("-5"),
        QStringLiteral("150"),
        QStringLiteral("1E+400"),
        QStringLiteral("-1e400"),
        QStringLiteral("1e-400"),
        QStringLiteral("2.5E-3"),
        QStringLiteral("."),
        QStringLiteral("-"),
        QStringLiteral("E5"),
        QStringLiteral("1e"),
        QStringLiteral("\t 3 3 . 3 \n"),
        QStringLiteral("0.00"),
        QString(),
        QStringLiteral("99999999999999999999999"),
        QStringLiteral("nan"),
        QStringLiteral("inf"),
    };
    switch (m_random.bounded(4)) {
    case 0: { // garbage of any kind
        QString text;
        const int length = m_random.bounded(40);
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(m_random.bounded(2) ? m_random.bounded(32, 127) : m_random.bounded(1, 0xFFFF)));
        return text;
    }
    case 1: { // very long: a number, or a number hidden deep in digits
        const QString unit = m_random.bounded(2) ? QStringLiteral("9") : QStringLiteral("0.1E+");
        return unit.repeated(m_random.bounded(1000, 30000));
    }
    default:
        return pick(samples);
    }
}

QWidget *TestSoak::randomWindow()
{
    return ScreenManager::instance().screen(pick(ScreenManager::instance().loadedScreens()));
}

// One user action; returns what was done, for the report of a failure.
QString TestSoak::act()
{
    auto &manager = ScreenManager::instance();
    QWidget *window = randomWindow();
    const int roll = m_random.bounded(100);
    if (!window || roll < 3) {
        // Any window of the program, as reached by some path of clicks.
        const QString name = pick(manager.registeredScreens());
        manager.show_screen(name);
        return QStringLiteral("open ") + name;
    }
    if (roll < 8) {
        // Back to the main window and one of its buttons.
        QWidget *main = manager.show_screen(QStringLiteral("mainmenu"));
        QAbstractButton *button = pick(usable<QAbstractButton>(main));
        button->click();
        return QStringLiteral("mainmenu click ") + button->objectName();
    }
    const QString where = window->objectName() + QLatin1Char(' ');
    if (roll < 12 || manager.loadedScreens().size() > crowded) {
        window->close();
        return where + QStringLiteral("close box");
    }

    // Whatever this window offers, each kind of control about equally often.
    QList<std::function<QString()>> choices;
    if (QAbstractButton *button = pick(usable<QAbstractButton>(window)))
        choices << [button] {
            button->click();
            return QStringLiteral("click ") + button->objectName();
        };
    QList<QAction *> actions;
    for (QAction *action : window->findChildren<QAction *>())
        if (!action->menu() && !action->isSeparator() && action->isEnabled())
            actions << action;
    if (QAction *action = pick(actions))
        choices << [action] {
            action->trigger();
            return QStringLiteral("menu ") + action->objectName();
        };
    if (QLineEdit *edit = pick(usable<QLineEdit>(window))) {
        const QString text = randomText();
        // Keys are typed for short plain text; anything else is pasted.
        const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c < u'\x7f'; });
        const bool typed = plain && text.size() < 12 && m_random.bounded(2);
        // Typed or pasted, several times for a window with boxes to fill.
        for (int twice = 0; twice < 2; ++twice)
            choices << [edit, text, typed] {
                if (typed)
                    QTest::keyClicks(edit, text);
                else
                    edit->setText(text);
                return QStringLiteral("type %1 characters into %2").arg(text.size()).arg(edit->objectName());
            };
    }
    if (QAbstractSlider *slider = pick(usable<QAbstractSlider>(window))) {
        const bool set = m_random.bounded(2);
        const int value = m_random.bounded(slider->minimum() - 5, slider->maximum() + 6);
        const auto step = QAbstractSlider::SliderAction(m_random.bounded(1, 8));
        choices << [slider, set, value, step] {
            if (set)
                slider->setValue(value);
            else
                slider->triggerAction(step);
            return QStringLiteral("scroll ") + slider->objectName();
        };
    }
    if (QTabBar *tabs = pick(usable<QTabBar>(window))) {
        const int index = m_random.bounded(tabs->count());
        choices << [tabs, index] {
            tabs->setCurrentIndex(index);
            return QStringLiteral("tab %1").arg(index);
        };
    }
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Down};
    const Qt::Key key = keys[m_random.bounded(5)];
    choices << [window, key] {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
        return QStringLiteral("key %1").arg(int(key));
    };
    return where + pick(choices)();
}

void TestSoak::shouldStaySoundThroughARandomWalk()
{
    const quint32 seed = qEnvironmentVariableIsSet("YUC_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("YUC_SOAK_SEED"))
                             : QRandomGenerator::system()->generate();
    const int actions = qEnvironmentVariableIsSet("YUC_SOAK_ACTIONS") ? qEnvironmentVariableIntValue("YUC_SOAK_ACTIONS")
                                                                      : defaultActions;
    const bool trace = qEnvironmentVariableIsSet("YUC_SOAK_TRACE");
    qInfo("soak: seed %u, %d actions (repeat with YUC_SOAK_SEED=%u)", seed, actions, seed);
    m_random.seed(seed);
    MessageRecorder recorder;
    QStringList trail;
    for (int i = 0; i < actions; ++i) {
        trail << act();
        if (trace)
            qInfo("%d: %s", i, qPrintable(trail.last()));
        if (trail.size() > 12)
            trail.removeFirst();
        flushDeletes();
        const QString where = QStringLiteral("seed %1, action %2; last actions:\n  ").arg(seed).arg(i)
                              + trail.join(QStringLiteral("\n  "));

        QSet<QString> names;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible())
                continue;
            QVERIFY2(!qobject_cast<QMessageBox *>(widget), qPrintable(where));
            QVERIFY2(!names.contains(widget->objectName()),
                     qPrintable(QStringLiteral("two windows named %1; ").arg(widget->objectName()) + where));
            names << widget->objectName();
        }
        for (const ShownMessage &message : recorder.messages)
            QVERIFY2(m_defined.contains(messageKey(message)),
                     qPrintable(QStringLiteral("unknown message \"%1\": \"%2\"; ").arg(message.title, message.text)
                                + where));
        recorder.clear();

        bool answered = false;
        QMetaObject::invokeMethod(
            qApp, [&answered] { answered = true; }, Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QVERIFY2(answered, qPrintable(QStringLiteral("no answer to events; ") + where));
    }
}

YUC_TEST_MAIN(TestSoak)
#include "tst_soak.moc"
