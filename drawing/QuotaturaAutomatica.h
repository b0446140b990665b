#pragma once

#include "drawing/QuoteFormato.h"
#include "model/Punto.h"

#include <span>

struct Parete;

// Dimension chains 60 cm beyond each side of the outer perimeter's bounding
// box, measuring every level or abscissa of the outer perimeter, the slab
// tops and the faces of the transverse walls, with level marks along the
// left chain. The dimensions are appended to the list as it is (the caller
// empties it first); the level marks replace the old ones. Everything it
// makes shows in every view.
void QuotaturaAutomatica(Parete& parete, const FormatoQuote& formato);

// One chain at the given coordinate across it, over the gathered points
// sorted along it (by x for the top and bottom chains, by y for the sides).
// Each distinct abscissa or level keeps its outermost point; points on or
// beyond the chain line are left out, and so are the levels of re-entrant
// parts that cannot be seen from the chain's side.
void QuotaAutoSup(Parete& parete, std::span<const Punto> punti, float quota,
                  const FormatoQuote& formato);
void QuotaAutoInf(Parete& parete, std::span<const Punto> punti, float quota,
                  const FormatoQuote& formato);
// The left chain also rebuilds the level marks: one at every dimensioned
// level, 20 cm beyond the chain, with the level above the wall origin.
void QuotaAutoSx(Parete& parete, std::span<const Punto> punti, float quota,
                 const FormatoQuote& formato);
void QuotaAutoDx(Parete& parete, std::span<const Punto> punti, float quota,
                 const FormatoQuote& formato);
