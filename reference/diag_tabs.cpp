#include "reference/diag_tabs.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

namespace yuc {

namespace {
constexpr int captionPadding = 6; // each side of a tab's caption

// Screen readers are told that a tab is a page tab, named by its caption,
// selected when in front; pressing it turns to its page.
class TabAccessible : public QAccessibleWidget
{
public:
    explicit TabAccessible(TabButton *tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? tab()->text() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State current = QAccessibleWidget::state();
        current.selectable = true;
        current.selected = tab()->isChecked();
        return current;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            tab()->click();
    }

private:
    TabButton *tab() const { return static_cast<TabButton *>(widget()); }
};

// The tabs as one tab list, so that a screen reader tells a tab's place
// among them ("tab 6 of 7"); named, as a QTabBar is, for the tab in front.
class TabListAccessible : public QAccessibleWidget
{
public:
    explicit TabListAccessible(TabList *list) : QAccessibleWidget(list, QAccessible::PageTabList) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        for (const auto *tab : widget()->findChildren<TabButton *>(Qt::FindDirectChildrenOnly))
            if (tab->isChecked())
                return tab->text();
        return {};
    }
};

QAccessibleInterface *tabAccessible(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    if (className == QLatin1String(TabButton::staticMetaObject.className()))
        return new TabAccessible(static_cast<TabButton *>(object));
    if (className == QLatin1String(TabList::staticMetaObject.className()))
        return new TabListAccessible(static_cast<TabList *>(object));
    return nullptr;
}
} // namespace

TabButton::TabButton(const QString &caption, QWidget *parent) : QAbstractButton(parent)
{
    static const bool readable = (QAccessible::installFactory(tabAccessible), true);
    Q_UNUSED(readable)
    setText(caption);
    setCheckable(true);
    setAutoExclusive(true);
}

QSize TabButton::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(text()) + 2 * captionPadding, fontMetrics().height() + 8};
}

void TabButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.position = QStyleOptionTab::Middle;
    if (isChecked())
        option.state |= QStyle::State_Selected;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    // Drawn here rather than by the style, whose margins are wider than a
    // row of four long captions allows. Too narrow a tab shows as much of
    // its caption as fits; the full caption stays its accessible name.
    const QRect room = rect().adjusted(captionPadding, 0, -captionPadding, 0);
    painter.drawItemText(room, Qt::AlignCenter, palette(), isEnabled(),
                         fontMetrics().elidedText(text(), Qt::ElideRight, room.width()), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

TabRows::TabRows(int tabsPerRow, int rowHeight, QWidget *parent)
    : QWidget(parent),
      m_perRow(tabsPerRow),
      m_rowHeight(rowHeight),
      m_list(new TabList(this)),
      m_pages(new QStackedWidget(this))
{
    m_list->setObjectName(QStringLiteral("tabList"));
    m_pages->setObjectName(QStringLiteral("pages"));
    m_pages->setFrameShape(QFrame::StyledPanel);
}

QWidget *TabRows::addTab(const QString &caption)
{
    auto *button = new TabButton(caption, m_list);
    button->setToolTip(caption);
    button->setFocusPolicy(Qt::ClickFocus);
    button->installEventFilter(this);
    const int index = count();
    m_tabs << button;
    connect(button, &QAbstractButton::clicked, this, [this, index] { setCurrentIndex(index); });

    auto *page = new QWidget;
    page->setAccessibleName(caption);
    m_pages->addWidget(page);
    if (m_current < 0)
        setCurrentIndex(0);
    placeTabs();
    return page;
}

QWidget *TabRows::page(int index) const
{
    return m_pages->widget(index);
}

int TabRows::tabsHeight() const
{
    return rowCount() * m_rowHeight;
}

void TabRows::setCurrentIndex(int index)
{
    if (index < 0 || index >= count())
        return;
    const bool hadFocus = m_current >= 0 && m_tabs[m_current]->hasFocus();
    const bool changed = index != m_current;
    // Only the front tab is in the Tab-key chain; the arrows reach the others.
    for (TabButton *button : std::as_const(m_tabs))
        button->setFocusPolicy(Qt::ClickFocus);
    m_current = index;
    m_tabs[index]->setFocusPolicy(Qt::StrongFocus);
    m_tabs[index]->setChecked(true);
    m_pages->setCurrentIndex(index);
    if (hadFocus)
        m_tabs[index]->setFocus(Qt::TabFocusReason);
    if (changed) {
        QAccessibleEvent renamed(m_list, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        emit currentChanged(index);
    }
}

int TabRows::target(int from, const QKeyEvent &event) const
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers & Qt::ControlModifier) {
        switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_PageDown:
            return (from + 1) % count();
        case Qt::Key_Backtab:
        case Qt::Key_PageUp:
            return (from - 1 + count()) % count();
        default:
            return -1;
        }
    }
    if (modifiers != Qt::NoModifier)
        return -1;
    const int row = from / m_perRow;
    const int column = from % m_perRow;
    switch (event.key()) {
    case Qt::Key_Left:
        return (from - 1 + count()) % count();
    case Qt::Key_Right:
        return (from + 1) % count();
    case Qt::Key_Up:
        return row > 0 ? from - m_perRow : from;
    case Qt::Key_Down:
        return row + 1 < rowCount() ? qMin((row + 1) * m_perRow + column, count() - 1) : from;
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count() - 1;
    default:
        return -1;
    }
}

bool TabRows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int from = int(m_tabs.indexOf(static_cast<TabButton *>(watched)));
        const int to = target(from, *static_cast<QKeyEvent *>(event));
        if (from >= 0 && to >= 0) {
            setCurrentIndex(to);
            m_tabs[to]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TabRows::resizeEvent(QResizeEvent *)
{
    placeTabs();
}

void TabRows::placeTabs()
{
    // Each row is filled from edge to edge; its tabs share the width in
    // proportion to their captions.
    for (int row = 0; row < rowCount(); ++row) {
        const int first = row * m_perRow;
        const int last = qMin(first + m_perRow, count());
        int natural = 0;
        for (int i = first; i < last; ++i)
            natural += m_tabs[i]->sizeHint().width();
        int x = 0;
        for (int i = first; i < last; ++i) {
            const int right = i + 1 == last ? width() : x + m_tabs[i]->sizeHint().width() * width() / natural;
            m_tabs[i]->setGeometry(x, row * m_rowHeight, right - x, m_rowHeight);
            x = right;
        }
    }
    m_list->setGeometry(0, 0, width(), tabsHeight());
    // The pages overlap the tabs' bottom edge by a pixel, so the front tab
    // opens into its page.
    m_pages->setGeometry(0, tabsHeight() - 1, width(), height() - tabsHeight() + 1);
    m_pages->lower();
}

} // namespace yuc
