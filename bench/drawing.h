// The profile drawing and the texture triangle.
#pragma once

#include "bench/benchsupport.h"
#include "model/profileformat.h"

namespace yuc::bench {

// A 50-horizon profile worked out and drawn, the triangle with its 50
// points, and the profile window's drawing redrawn after one cell of its
// editor is typed.
QList<Named> measureDrawing();

// The first practice profile's horizons again and again, 4 cm each, with
// clay and sand that vary down the profile.
study::Profile fiftyHorizons();

} // namespace yuc::bench
