#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace yuc {

// Twips to pixels: the windows were laid out at 15 twips a pixel.
constexpr int tw(int twips)
{
    return (twips + 7) / 15;
}

namespace colours {
inline const QColor paleYellow{255, 255, 192};
inline const QColor yellow{255, 255, 128};
inline const QColor grey{192, 192, 192};
} // namespace colours

// Maps the faces the windows were designed with to metric-compatible free
// fonts, and makes the dialog font the application's default.
void installFonts();

QFont timesFont(double points, bool bold = false);
QFont sansFont(double points, bool bold = false);

// Fills a window (or label) with a flat background colour.
void setBackground(QWidget *widget, const QColor &colour);
// The colour a widget is filled with: its own background, or its palette's.
QColor backgroundOf(const QWidget *widget);

// A fixed-size window: title bar and close box, no minimise or maximise.
constexpr Qt::WindowFlags fixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A label that shows its text as it is, every blank kept.
QLabel *plainLabel(const QString &name, const QString &text, QWidget *parent);

} // namespace yuc
