#pragma once

#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"

#include <algorithm>
#include <cmath>

// The pixel of a model point (cm) as the perimeter editor draws it: the view
// transform rounded to whole pixels, halves to even. A point far outside the
// canvas is held at a billion pixels, so the conversion stays defined.
inline PuntoPixel PixelEditor(const Vista& v, float x, float y) {
    const auto intero = [](float valore) {
        const double r = std::nearbyint(static_cast<double>(valore));
        if (std::isnan(r)) return 0;
        return static_cast<int>(std::clamp(r, -1e9, 1e9));
    };
    return {intero(XSchermo(v, x)), intero(YSchermo(v, y))};
}
