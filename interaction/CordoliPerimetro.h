#pragma once

#include "model/Punto.h"

#include <span>

struct Parete;

// After the perimeter editor has written the outer perimeter, which was
// prima (numPrima vertices, closed): each ring beam on it follows its side,
// built again there as its dialog's "Ok" builds it (band, polygon, leader and
// label), with its own width, cover and bars. With the vertex count kept, a
// side is the one of the same index; with a new count, the side whose two
// ends are the old side's ends. A ring beam whose side is gone (no such
// side, or one whose ends are one point) stays where it was. Then every ring
// beam takes its side, cover and direction as reopening the saved file gives
// them, so that the design in memory is the one the file brings back.
void CordoliSeguonoPerimetro(Parete& parete, std::span<const Punto> prima, int numPrima);
