#pragma once

#include "model/Punto.h"

#include <algorithm>
#include <cmath>
#include <span>

// The range of every coordinate and length the program accepts, from a
// dialog, the perimeter editor or a file. A real wall is a few thousand cm;
// the range keeps far from the float's limits, so that the geometry, the bar
// pieces and the sweeps that grow with a length stay finite and bounded.

// Coordinates lie within this distance of the wall's origin, cm.
inline constexpr float CoordinataMassima = 100000.0f;
// Lengths, widths and spacings lie between 0 and this, cm, unless their own
// field is tighter.
inline constexpr float LunghezzaMassima = 100000.0f;

// Within the range on both sides of the origin; never NaN.
[[nodiscard]] inline bool CoordinataAmmessa(float x) { return std::fabs(x) <= CoordinataMassima; }

// Within minimo..massimo; never NaN.
[[nodiscard]] inline bool LunghezzaAmmessa(float x, float minimo = 0.0f,
                                           float massimo = LunghezzaMassima) {
    return x >= minimo && x <= massimo;
}

// Both coordinates within the range.
[[nodiscard]] inline bool PuntoAmmesso(Punto p) { return CoordinataAmmessa(p.X) && CoordinataAmmessa(p.Y); }

// Every point within the range: the geometry a dialog or a canvas mode builds
// (a zone's corners, a ring beam's band), which the file will keep.
[[nodiscard]] inline bool PuntiAmmessi(std::span<const Punto> punti) {
    return std::ranges::all_of(punti, PuntoAmmesso);
}
