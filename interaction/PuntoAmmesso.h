#pragma once

#include "model/Punto.h"

#include <span>

struct Vista;

// Zoomed far out, a click can land hundreds of thousands of cm from the wall.
// A canvas mode stores, and hands to the geometry, only points within the
// coordinate range of LimitiValori.h; one outside is refused as the mode
// refuses any invalid click.

// Both coordinates of the model point within the range.
[[nodiscard]] bool PuntoAmmesso(Punto p);
// Every point within the range.
[[nodiscard]] bool PuntiAmmessi(std::span<const Punto> punti);
// The model point under canvas pixel (x, y) within the range.
[[nodiscard]] bool PuntoTelaAmmesso(const Vista& vista, float x, float y);
