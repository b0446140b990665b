#pragma once

#include "design/ArmaturaPosizioni.h"
#include "drawing/Bersaglio.h"

#include <vector>

struct Parete;

// The ring beams (Tipo 2), in the band frame of their Angolo.

// Draws every ring beam shifted by (dx, dy): the two ends of its band on
// layer "PILASTRI_ACCIAIO", a tick at each leader end and a stirrup mark
// every Passo along the band on layer "ARM_INTEGR2", then its label with
// the number only. A spacing of 0 or less draws no stirrup mark.
void DisSimboliPosizioni(const Parete& parete, float dx, float dy, const Bersaglio& b);

// The band length of every ring beam along its side: the largest minus the
// smallest band-frame x of its four corners.
[[nodiscard]] std::vector<LunghezzaPosizione> LunghezzeCordoli(const Parete& parete);
