#pragma once

#include "model/Punto.h"

#include <cmath>

// Two points the perimeter editor takes as one: x and y each differ by less
// than 0.0001 cm.
[[nodiscard]] inline bool PuntiCoincidenti(Punto a, Punto b) {
    return std::fabs(a.X - b.X) < 0.0001f && std::fabs(a.Y - b.Y) < 0.0001f;
}
