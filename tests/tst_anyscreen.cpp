// Every window on the smallest screen the program is laid out for, 800x600,
// at whatever device pixel ratio the test's screen has (it runs at 1, 1.5 and
// 2): the frame fits the screen, every control lies inside its window or its
// scrolling content, pictures are vectors and no text is cut off.
#include "testsupport.h"

#include "shell/svgpicture.h"
#include "study/studypanel.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>

using namespace yuc;
using namespace yuc::test;

namespace {

QString describe(QWidget *control)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(control->metaObject()->className()), control->objectName());
}

bool isControl(QWidget *widget)
{
    if (auto *slider = qobject_cast<QAbstractSlider *>(widget)) // not a scroll area's own bar
        return !(slider->parentWidget() && qobject_cast<QAbstractScrollArea *>(slider->parentWidget()->parentWidget()));
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLabel *>(widget)
           || qobject_cast<QLineEdit *>(widget) || qobject_cast<QTabBar *>(widget) || qobject_cast<QGroupBox *>(widget)
           || qobject_cast<QAbstractScrollArea *>(widget) || qobject_cast<SvgPicture *>(widget);
}

// The content a control scrolls with, or the window itself.
QWidget *area(QWidget *control, QWidget *window)
{
    for (QWidget *w = control->parentWidget(); w && w != window; w = w->parentWidget())
        if (auto *scroll = qobject_cast<QScrollArea *>(w);
            scroll && scroll->widget() && scroll->widget()->isAncestorOf(control))
            return scroll->widget();
    return window;
}

QStringList outsideControls(QWidget *window)
{
    QStringList faults;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!isControl(control) || !control->isVisibleTo(window))
            continue;
        QWidget *within = area(control, window);
        const QRect rect(control->mapTo(within, QPoint(0, 0)), control->size());
        if (!within->rect().contains(rect))
            faults << QStringLiteral("%1 at %2,%3 %4x%5 lies outside its %6")
                          .arg(describe(control))
                          .arg(rect.x())
                          .arg(rect.y())
                          .arg(rect.width())
                          .arg(rect.height())
                          .arg(within == window ? QStringLiteral("window") : QStringLiteral("scrolling content"));
    }
    return faults;
}

// The room a control's text needs, and the room it has; empty when it has enough.
QString clipping(QWidget *control)
{
    QSize needed;
    QSize room = control->contentsRect().size();
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (label->text().isEmpty())
            return {};
        room = label->size();
        needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
        needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        if (!button->icon().isNull())
            needed.rwidth() += button->iconSize().width() + 4;
    } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        room = radio->size();
        needed = radio->hasHeightForWidth() ? QSize(0, radio->heightForWidth(radio->width())) : radio->sizeHint();
    } else {
        return {};
    }
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("%1 needs %2x%3 for its text and has %4x%5")
        .arg(describe(control))
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

QStringList clippedTexts(QWidget *window)
{
    QStringList faults;
    for (QWidget *control : window->findChildren<QWidget *>())
        if (control->isVisibleTo(window))
            if (const QString fault = clipping(control); !fault.isEmpty())
                faults << fault;
    return faults;
}

// Pictures drawn from fixed-size pixels blur when the screen scales them;
// vector pictures (SVG icons and pictures) stay sharp at any ratio.
QStringList rasterPictures(QWidget *window)
{
    QStringList faults;
    if (!window->windowIcon().availableSizes().isEmpty())
        faults << QStringLiteral("the window icon is a pixel image");
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        auto *label = qobject_cast<QLabel *>(widget);
        if (widget->isVisibleTo(window)
            && ((button && !button->icon().availableSizes().isEmpty()) || (label && !label->pixmap().isNull())))
            faults << describe(widget) + QStringLiteral(" shows a pixel image");
    }
    return faults;
}

// Runs a check on the window with each page of its tab controls turned up.
QStringList onEveryPage(QWidget *window, QStringList (*check)(QWidget *))
{
    QStringList faults = check(window);
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            for (const QString &fault : check(window))
                if (!faults.contains(fault))
                    faults << fault;
        }
    }
    return faults;
}

void addEveryWindow()
{
    QTest::addColumn<QString>("form");
    for (const QString &name : ScreenManager::instance().registeredScreens())
        QTest::newRow(qPrintable(name)) << name;
}

} // namespace

class TestAnyScreen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->availableGeometry().size(), QSize(800, 600));
        // The scaled runs name their ratio, so that a screen that ignored it cannot pass for one.
        QCOMPARE(screen->devicePixelRatio(), qEnvironmentVariable("YUC_TEST_DPR", QStringLiteral("1")).toDouble());
    }
    void cleanup() { resetScreens(); }

    void shouldFitTheScreen_data() { addEveryWindow(); }
    void shouldFitTheScreen()
    {
        QFETCH(QString, form);
        QWidget *window = show(form);
        const QRect available = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        QVERIFY2(frame.width() <= available.width() && frame.height() <= available.height(),
                 qPrintable(QStringLiteral("frame %1x%2").arg(frame.width()).arg(frame.height())));
    }

    void shouldKeepEveryControlInsideItsWindow_data() { addEveryWindow(); }
    void shouldKeepEveryControlInsideItsWindow()
    {
        QFETCH(QString, form);
        const QStringList faults = onEveryPage(show(form), outsideControls);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void shouldDrawEveryPictureAsAVector_data() { addEveryWindow(); }
    void shouldDrawEveryPictureAsAVector()
    {
        QFETCH(QString, form);
        const QStringList faults = onEveryPage(show(form), rasterPictures);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void shouldShowEveryTextWhole_data() { addEveryWindow(); }
    void shouldShowEveryTextWhole()
    {
        QFETCH(QString, form);
        const QStringList faults = onEveryPage(show(form), clippedTexts);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // The study panel keeps to the client area below the toolbar band, and
    // the longest record scrolls inside its view.
    void shouldFitTheStudyPanelBelowTheToolbar()
    {
        QWidget *main = show(QStringLiteral("mainmenu"));
        auto *panel = main->findChild<StudyPanel *>();
        QWidget *client = main->findChild<QWidget *>(QStringLiteral("client"));
        const QRect area = client->rect().adjusted(0, 57, 0, 0);
        QVERIFY(area.contains(QRect(panel->mapTo(client, QPoint(0, 0)), panel->size())));
        panel->showPlace(KeyPlace::screen(QStringLiteral("typic_natrargids")));
        auto *view = panel->findChild<QTextBrowser *>();
        QVERIFY(view->verticalScrollBar()->maximum() > 0);
        for (QWidget *control : panel->findChildren<QWidget *>())
            if (control->isVisibleTo(panel) && !qobject_cast<QScrollBar *>(control) && control->parentWidget() == panel)
                QVERIFY2(panel->rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
};

YUC_TEST_MAIN(TestAnyScreen)
#include "tst_anyscreen.moc"
