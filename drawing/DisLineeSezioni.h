#pragma once

#include "drawing/Bersaglio.h"

struct ProgettoParete;

// Every section line, shifted by (offX, offY), on layer "LINEE_SEZIONI": the
// cut P0-P1 dotted ("DASHED" in DXF) with the solid end marks P2-P3-P0 and
// P1-P4-P5, and its number (index + 1) twice, centred: 10 cm left of and
// below P0, and by P1 (left and above for a vertical line, right and below
// for a horizontal one). Nothing when the layer is off.
void DisLineeSezioni(const ProgettoParete& progetto, float offX, float offY, const Bersaglio& b);
