#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace yuc {

// Twips to pixels: the windows were laid out at 15 twips a pixel.
constexpr int tw(int twips) { return (twips + 7) / 15; }

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

} // namespace yuc
