#include "drawing/Primitive.h"

#include "model/Angoli.h"

#include <cmath>
#include <string>

float AltezzaTesto(int tipo, const Bersaglio& b) {
    float misura = 0.0f;
    switch (tipo) {
        case 0: misura = 20.0f; break;
        case 1: misura = 25.0f; break;
        case 2: misura = 42.0f; break;
        case 3: misura = 22.0f; break;
        default: break;
    }
    return misura * b.ScalaTesti();
}

void ScriviTesto(float x, float y, const std::string& testo, int tipo, int layer, int allineaH,
                 int allineaV, float angolo, const Bersaglio& b) {
    if (!b.LayerAttivo(layer)) return;
    const float a = GradiRad(angolo);
    b.Testo(x, y, testo, AltezzaTesto(tipo, b), layer, allineaH, allineaV, angolo, std::sin(a),
            std::cos(a));
}
