#pragma once

#include "interaction/ContestoModi.h"

// The slab and transverse-wall modes of the canvas: edit (7500) or delete
// (7510) the band under the press (a slab before a wall; a deletion is one
// change with its undo step), and place a new
// slab level (8000, then 8001 while the horizontal guide follows the cursor)
// or transverse wall (9000, then 9001 with the vertical guide). The release
// rounds the position to 0.5 cm, snaps it to a horizontal (vertical) edge of
// the outer perimeter or the outline within 4 cm, and opens the slab/wall
// dialog when it lies within the wall's box; the dialog stores the band. The
// hover of 7500 and 7510 (the band under the cursor) is the machine's.
DopoEvento PremiSolaio(ContestoModi& c, int pulsante, float x, float y);
DopoEvento MuoviSolaio(ContestoModi& c, int pulsanti, float x, float y);
DopoEvento RilasciaSolaio(ContestoModi& c, int pulsante, float x, float y);

struct Parete;
// The level (orizzontale) or abscissa snapped to the first horizontal
// (vertical) edge whose vertex lies within 4 cm: the outer perimeter's vertex
// before the outline's; the value itself when none does.
[[nodiscard]] float AgganciaBordo(const Parete& parete, float valore, bool orizzontale);
