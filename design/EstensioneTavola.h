#pragma once

#include "model/Punto.h"

struct Parete;

// The extents of the sheet preview: the box in model cm of everything the
// sheet draws (the four panels with their legends and tables, every section
// with its developed bars), measured by drawing it with every layer on and
// the screen's text heights, with a margin. A wall not loaded gives the
// EstTavola it holds.
[[nodiscard]] Rettangolo EstensioneTavola(const Parete& parete);

// The extents of the elevation of view id vista (0-3): the box of what it
// draws (its bars, the position labels, the dimensions, the title and the
// legend or the position table at the top of its frame) and of the sheet of
// sections drawn under it when section lines exist, measured likewise, never
// smaller than the frame EstPianta. Any other view id (a colour map, which
// draws within the frame) and a wall not loaded give EstPianta.
[[nodiscard]] Rettangolo EstensionePianta(const Parete& parete, int vista);
