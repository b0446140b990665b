#pragma once

#include "drawing/Bersaglio.h"

#include <span>

struct Parete;

// Section views of the sheet of sections: the strip of wall that section k
// cuts, seen in the section plane. A view shows the title "Sezione  n - n",
// the concrete outline of every piece of the strip with the openings between
// pieces dashed, stubs of the transverse walls (horizontal view) or slabs
// (vertical view) crossing the strip, the dimension chains, and the
// distributed bars lying in the plane.
//
// ascisse are the crossings of the section with the outer perimeter and the
// openings, as IntersezSezPerimEst gives them: pairs (0, 1), (2, 3), ... are
// the pieces; an odd last crossing is ignored. With fewer than two crossings
// nothing is drawn. Screen or DXF only.
//
// Outline on layer "PERIM_SEZIONI", stub ends on "TRATTEGGI", bars on
// "ARMATURA_SEZ", title on "TESTO_TITOLI"; dimensions through DisQuota.

// A horizontal section line (a plan cut): abscissa s is drawn at x0 + s, the
// top face at y and the bottom face at y - SpessoreParete.
void DisSezOrizz(const Parete& parete, int k, std::span<const float> ascisse, float x0, float y,
                 const Bersaglio& b);

// A vertical section line: abscissa s is drawn at y + s, the left face at x
// and the right face at x + SpessoreParete. Returns the y of the view's lower
// end, y + the first crossing (y itself when nothing is drawn).
[[nodiscard]] float DisSezVert(const Parete& parete, int k, std::span<const float> ascisse,
                               float x, float y, const Bersaglio& b);
