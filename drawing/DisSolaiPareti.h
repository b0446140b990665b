#pragma once

#include "drawing/Bersaglio.h"

struct Parete;

// The slabs and the transverse walls of the wall, shifted by (offX, offY), on
// layer "PERIM_PARETI", solid: for each stretch where the band lies inside the
// wall (IntervalliSolaio, IntervalliParete) the rectangle of the band. A slab
// spans its level less Spessore2 to its level plus Spessore1; a transverse
// wall its abscissa less Spessore1 to its abscissa plus Spessore2. Like the
// perimeters they show when the layer is on in b's mask.
void DisSolai(const Parete& parete, float offX, float offY, const Bersaglio& b);
void DisPareti(const Parete& parete, float offX, float offY, const Bersaglio& b);
