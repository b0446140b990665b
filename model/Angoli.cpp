#include "model/Angoli.h"

#include <cmath>

float NormalizzaAngolo180(float a) {
    const double mezziGiri = a / 180.0;
    const double ridotto = (mezziGiri - std::floor(mezziGiri)) * 180.0;
    // A tiny negative angle lands on 180 once stored as a float; that direction is 0.
    const float risultato = static_cast<float>(ridotto);
    return risultato >= 180.0f ? 0.0f : risultato;
}

float GradiRad(float a) { return static_cast<float>(a * GradiInRadianti); }

float RadGradi(float a) { return static_cast<float>(a * RadiantiInGradi); }

float RadSupplementare(float a) {
    float r = 180.0f - a;
    if (r < 0.0f) r += 360.0f;
    return static_cast<float>(r * GradiInRadianti);
}
