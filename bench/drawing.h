#pragma once

#include <QList>

// The profile drawing and the texture triangle, each time in ms: a
// 50-horizon profile worked out and drawn, the triangle with 50 points, and
// the profile window's drawing redrawn after one cell of its editor is typed.
struct DrawingTimes {
    QList<double> profile;
    QList<double> triangle;
    QList<double> redraw;
};
DrawingTimes measureDrawing();
