#pragma once

#include "drawing/TelaSchermo.h"

struct DerivatiParete;
struct Impostazioni;
struct StatoInterfaccia;
struct Vista;

// A point of the canvas in fractional pixels.
struct PuntoTela {
    float X = 0.0f;
    float Y = 0.0f;
};

// Rubber band of the zone under edit (PosCorrente) between the opposite
// corners a and b, on the canvas overlay: the parallelogram with sides along
// the two reinforcement directions, dotted in colour (a number of the
// sixteen-colour palette). An additional-reinforcement zone (Tipo 0 or 1)
// also gets, solid in light red, the zone lengthened by the lap length at
// both ends of its bars (direction DirezioneAttiva), with the lengths of its
// two sides in white, rounded down to 5 cm. A drag that spans no area draws
// nothing.
void DisZonaSelezione(const DerivatiParete& dir, const Impostazioni& imp,
                      const StatoInterfaccia& stato, const Vista& vista, TelaSchermo& tela,
                      PuntoTela a, PuntoTela b, int colore);
