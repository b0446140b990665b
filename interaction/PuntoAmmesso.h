#pragma once

#include "model/LimitiValori.h"

struct Vista;

// Zoomed far out, a click can land hundreds of thousands of cm from the wall.
// A canvas mode stores, and hands to the geometry, only points within the
// coordinate range of LimitiValori.h (PuntoAmmesso, PuntiAmmessi); one
// outside is refused as the mode refuses any invalid click.

// The model point under canvas pixel (x, y) within the range.
[[nodiscard]] bool PuntoTelaAmmesso(const Vista& vista, float x, float y);
