#pragma once

#include "drawing/Bersaglio.h"
#include "drawing/TavolaSezioniTelaio.h"

#include <span>

struct Parete;

// A ring beam lying in the plane of a horizontal section, over the first
// crossing pair of its zone: its developed stirrup on the line of the "lato -"
// positions, two lines across the view at the zone's ends, a marker for each
// of its four longitudinal bars with a leader from one rule, and the label
// "2+2 Ø14  (5)" on layer "TESTO_FERRI". Nothing for a vertical frame or
// without a complete pair.
void DisCordoloNelPiano(const Parete& parete, const TelaioSezione& telaio, int j,
                        std::span<const float> incroci, const Bersaglio& b);
