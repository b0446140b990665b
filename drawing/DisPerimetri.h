#pragma once

#include "drawing/Bersaglio.h"

struct Parete;

// The reinforcement perimeters and the openings, shifted by (offX, offY), on
// layer "PERIM_PARETI": the inner perimeter dotted ("DASHED2" in DXF), then
// the outer perimeter and each opening solid, each closed from its last
// vertex back to the first. A ring with fewer than two vertices is not drawn.
// They show when the layer is on in b's mask; a pass that must show them
// whatever the flags hands over a target with that layer on.
void DisPerimetri(const Parete& parete, float offX, float offY, const Bersaglio& b);
