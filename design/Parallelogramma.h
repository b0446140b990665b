#pragma once

#include "model/Punto.h"

struct DerivatiParete;

// Completes the parallelogram with sides along the two reinforcement
// directions from the opposite corners a and c: b lies from a along
// direction 1, d along direction 2, both sides rounded to whole cm (halves to
// even); c moves to the corner that closes the rounded sides. Returns the
// status of the last line intersection.
int CompletaParallelogramma(const DerivatiParete& dir, Punto a, Punto& c, Punto& b, Punto& d);
