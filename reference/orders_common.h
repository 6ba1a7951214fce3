#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace yuc {

class SvgPicture;

// The building blocks of the soil-order and photo pages: fixed-size windows
// laid out in twips, with plain-text labels, captioned frames and pictures.
namespace orders {

QRect twRect(int left, int top, int width, int height);

// The page fonts. Set explicitly, so that nothing inherits a frame's bold caption.
QFont plainFont();
QFont boldFont(double points = 8.25);

// A top-level page of a fixed client size (twips), captioned and named for
// screen readers by its caption.
QWidget *newPage(const QString &caption, int widthTw, int heightTw);

// A plain-text label, wrapped to its width; blanks are kept as written.
QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
                 const QFont &font = plainFont(), Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A frame; one without a caption is named for screen readers by accessibleName.
QGroupBox *addFrame(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                    const QString &accessibleName = QString());

SvgPicture *addPicture(QWidget *parent, const QString &name, const QString &resource, const QString &description,
                       const QRect &geometry);

// The page's Command1: unloads the page. Escape presses it too, and it has
// the focus when the page opens.
QPushButton *addUnloadButton(QWidget *page, const QString &caption, const QRect &geometry);

} // namespace orders
} // namespace yuc
