#pragma once

#include "drawing/BersagliPassata.h"

struct Parete;

// The overlays of one elevation, shifted by (offX, offY): the ring beams,
// the perimeters and openings, the slabs, the transverse walls (these three
// on b.Sagome), the dimensions and level marks of view id vista, the section
// lines when there are any, and the legend of the view at the top-left
// corner of the elevation frame.
void DisElementiVista(const Parete& parete, float offX, float offY, int vista,
                      const BersagliPassata& b);

// One elevation of view id vista (0-3), shifted by (offX, offY): its bars
// (distributed for views 0 and 1, zones for 2 and 3), then its overlays.
// Any other view id draws nothing.
void DisElevazione(const Parete& parete, float offX, float offY, int vista,
                   const BersagliPassata& b);

// What the screen shows of view id vista (0-3): its elevation, and under it
// the sheet of sections when the wall has section lines. The fit of the view
// measures this same drawing.
void DisPiantaConSezioni(const Parete& parete, int vista, const BersagliPassata& b);
