#include "design/PassoZona.h"

#include "model/Impostazioni.h"
#include "model/Numeri.h"

#include <cmath>

float PassoArrotondato(const Impostazioni& imp, int diametro, float area) {
    float s = imp.PassoMaxIntegrativa;
    if (area > 0.0f) {
        s = AreaBarra(diametro) * 100.0f / area;
        if (!(s <= 100.0f)) return 100.0f;  // also a tiny area that overflows
        if (s < 10.0f) {
            s = ArrotondaMezzoGiu(s);
        } else if (s > 10.0f && s < 15.0f) {
            s = std::trunc(s);
        } else if (s > 15.0f && s < 100.0f) {
            s = 10.0f * ArrotondaMezzoGiu(s / 10.0f);
        }
    }
    return s < 1.0f ? 1.0f : s;
}
