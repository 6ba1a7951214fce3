#pragma once

#include <QAbstractButton>
#include <QList>
#include <QWidget>

class QKeyEvent;
class QStackedWidget;

namespace yuc {

// One tab of a TabRows control: a checkable button drawn as a tab.
class TabButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit TabButton(const QString &caption, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The rows of tabs of a TabRows control, which a screen reader meets as one
// tab list (as it does a QTabBar), with the pages beside it.
class TabList : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// A tab control whose tabs wrap into rows of a fixed number of tabs, with
// the pages below the last row. Arrow keys move between tabs (left and right
// along the tabs, up and down between rows), Home and End go to the first
// and last tab, Ctrl+Tab and Ctrl+PgDown turn to the next page and
// Ctrl+Shift+Tab and Ctrl+PgUp to the one before; Tab leaves the tabs.
class TabRows : public QWidget
{
    Q_OBJECT
public:
    TabRows(int tabsPerRow, int rowHeight, QWidget *parent = nullptr);

    // Adds a tab and returns its empty page.
    QWidget *addTab(const QString &caption);
    int count() const { return int(m_tabs.size()); }
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    TabButton *tab(int index) const { return m_tabs.value(index); }
    QWidget *page(int index) const;
    // The height of the rows of tabs, above the pages.
    int tabsHeight() const;

signals:
    void currentChanged(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int rowCount() const { return (count() + m_perRow - 1) / m_perRow; }
    // The tab a key leads to from a tab, or -1 for a key that is not the tabs'.
    int target(int from, const QKeyEvent &event) const;
    void placeTabs();

    int m_perRow;
    int m_rowHeight;
    int m_current = -1;
    QList<TabButton *> m_tabs;
    TabList *m_list;
    QStackedWidget *m_pages;
};

} // namespace yuc
