#pragma once

#include "drawing/Bersaglio.h"

struct Impostazioni;
struct Parete;

// Lays the two distributed layers of one face (lato 0 "lato +", any other
// value "lato -"): parallel bars at the layer spacing across the layer's
// contour, stopping at the openings enlarged by the cover. On the screen or
// in DXF it draws them, shifted by (dx, dy), direction 1 on layer 20 and
// direction 2 on layer 21. On the measure target it measures every bar as a
// developed bar (end legs, splits, laps, cuts at the slabs) and stores the
// total length and weight of both layers of the face. A layer whose spacing
// is not positive lays no bar.
void ArmaturaDiffusa(Parete& parete, const Impostazioni& imp, float dx, float dy, int lato,
                     const Bersaglio& b);

// Recomputes the bar quantities of the whole wall; nothing without a wall.
void RicalcolaArmature(Parete& parete, const Impostazioni& imp);
