#pragma once

#include "model/profileformat.h"

#include <QList>

// The first practice profile's horizons again and again, 4 cm each, with
// clay and sand that vary down the profile.
yuc::study::Profile fiftyHorizons();

// The profile drawing and the texture triangle, each time in ms: a
// 50-horizon profile worked out and drawn, the triangle with 50 points, and
// the profile window's drawing redrawn after one cell of its editor is typed.
struct DrawingTimes {
    QList<double> profile;
    QList<double> triangle;
    QList<double> redraw;
};
DrawingTimes measureDrawing();
