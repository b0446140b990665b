#pragma once

#include "drawing/Bersaglio.h"

struct Parete;

// The sheet of sections: every section line of the wall as a section view
// (drawing/DisSezVista.h), with the bars lying in its plane developed beside
// it, the bars it cuts as markers inside it, and the ring beams in its plane.
//
// Vertical sections stand side by side from x0, their abscissae drawn from
// yV = y0 - (YmaxCornice - YminCornice); the horizontal ones follow one under
// the other, the first 150 below y0, or 160 below the lowest vertical view.
// Views are 3t + 215 apart (t the wall thickness), 5t + 215 after a section
// with a position in its plane. Sections are laid out in list order, as
// OrdinaSezioni leaves it. Screen or DXF only: the measure target draws
// nothing.

// Where the central redraw places the sheet.
struct OrigineTavola {
    float X = 0.0f;
    float Y = 0.0f;

    bool operator==(const OrigineTavola&) const = default;
};
// Below a single elevation: x 0, 100 under the lowest point of the
// elevation's extents (EstPianta).
[[nodiscard]] OrigineTavola OrigineSottoVista(const Parete& parete);
// At the right of the four-panel sheet.
[[nodiscard]] OrigineTavola OrigineFoglio(const Parete& parete);

void DisTavolaSezioni(const Parete& parete, float x0, float y0, const Bersaglio& b);
