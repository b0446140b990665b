#pragma once

#include "drawing/Bersaglio.h"

#include <string>

struct Parete;

// The label of position p, shifted by (offX, offY): the leader (extended to
// meet the label when the label lies beyond it), a line from the leader to a
// circle of radius 14 around the label point, and the circle, on layer
// "POS_INTEGRATIVA"; the number (p + 1) in the circle and the texts beside
// it, to the right when the label lies right of the leader, on layer
// "TESTO_QUOTE". An empty testo1 writes no text; testo2 goes below testo1.
// An index naming no position draws nothing.
void DisEtichettaPos(const Parete& parete, float offX, float offY, int p,
                     const std::string& testo1, const std::string& testo2, const Bersaglio& b);
