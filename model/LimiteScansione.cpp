#include "model/LimiteScansione.h"

#include "model/Geometria.h"

#include <cmath>

float PrimaLineaNelTratto(float inizio, float passo, float minimo) {
    if (!(inizio < minimo) || !(passo > 0.0f)) return inizio;
    // In double: the lines skipped may be far more than a float counts.
    const double salti = std::ceil((static_cast<double>(minimo) - inizio) / passo);
    const double linea = inizio + salti * passo;
    // From far off not even a double keeps the lines' phase: start at the edge.
    if (!(linea >= minimo && linea < static_cast<double>(minimo) + passo)) return minimo;
    return static_cast<float>(linea);
}

TrattoScansione TrattoDirezione(const Parete& parete, int direzione) {
    return TrattoParete(parete, [&](Punto p) {
        float x = 0.0f, y = 0.0f;
        RuotaInDirezione(direzione, p.X, p.Y, x, y);
        return y;
    });
}
