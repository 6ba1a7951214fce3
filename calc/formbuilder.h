#pragma once

#include "calc/formtypes.h"

#include <QList>
#include <QRect>
#include <QTabWidget>

#include <span>

namespace yuc::calc {

class EntryPair;

QRect toPixels(const Twips &at);

// The rows of entry pairs that fill one frame.
struct EntryRows {
    const char *frame;
    std::span<const EntryDesc> rows;
    const EntryGeometry &geometry;
    const char *initialText;
};

// Creates the described controls in order inside container, each in the frame
// it names (looked up among the controls already built) or in container
// itself. Entry rows are built as soon as their frame exists, so the keyboard
// order follows the window from top left to bottom right.
QList<EntryPair *> buildControls(QWidget *container, std::span<const ControlDesc> controls,
                                 const EntryRows *entries = nullptr);

// The straight lines of a schematic figure, in twips of its container.
class LineFigure : public QWidget
{
    Q_OBJECT
public:
    LineFigure(std::span<const LineDesc> lines, const QString &description, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::span<const LineDesc> m_lines;
};

// A tab control whose pages place their controls relative to the tab
// control's own top left corner, tab strip included, as the windows were
// laid out; what a page shows is the part below the tabs.
class TwipsTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit TwipsTabWidget(const Twips &at, QWidget *parent);
    // Adds a page and returns the surface to build its controls on.
    QWidget *addCanvasPage(const QString &caption);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placeCanvases();
    QList<QWidget *> m_canvases;
};

} // namespace yuc::calc
