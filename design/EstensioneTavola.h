#pragma once

#include "model/Punto.h"

struct Parete;

// The extents of the sheet preview: the box in model cm of everything the
// sheet draws (the four panels with their legends and tables, every section
// with its developed bars), measured by drawing it with every layer on and
// the screen's text heights, with a margin. A wall not loaded gives the
// EstTavola it holds.
[[nodiscard]] Rettangolo EstensioneTavola(const Parete& parete);

// The extents of a single elevation: EstPianta, taking in the sheet of
// sections drawn under it when section lines exist (measured likewise).
[[nodiscard]] Rettangolo EstensionePianta(const Parete& parete);
