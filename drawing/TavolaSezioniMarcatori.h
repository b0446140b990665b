#pragma once

#include "drawing/Bersaglio.h"
#include "drawing/TavolaSezioniTelaio.h"

#include <span>

struct Parete;

// Bars that a section cuts across, drawn inside its view as small markers
// (a cross and a circle of radius 0.6). Abscissae are those of the crossing
// functions (drawing/IntersezSezione.h); only complete pairs are drawn.
//
// A group or run whose spacing along the section is not a finite number that
// rounds to 1 cm or more (a spacing of 0 or less, reinforcement directions
// parallel to each other) draws nothing at all.

// The spacing along the section line of bars set passo apart: passo over the
// sine of the angle between the two reinforcement directions.
[[nodiscard]] float PassoLungoSezione(const Parete& parete, float passo);
[[nodiscard]] bool PassoSezioneValido(float passo);

// The bars of position j cut by the section, one group per crossing pair: a
// marker every spacing from 1 cm inside the pair's start, the first always
// drawn, each with a tick on layer "QUOTE", then a rule under the ticks and
// the label "1Ø12/20.0  (3)" on layer "TESTO_FERRI". "lato -" groups sit near
// face a, every other kind (ring-beam and shear stirrups too) near face b.
void DisMarcatoriPosizione(const Parete& parete, const TelaioSezione& telaio, int j,
                           std::span<const float> incroci, const Bersaglio& b);

// The distributed bars cut by the section over the inner-perimeter crossings
// interne: "lato +" near face b then "lato -" near face a, or the single mesh
// on the middle row. The markers lie on a grid anchored at the wall origin,
// so they keep their places relative to the view wherever it is drawn.
void DisDiffusaTagliata(const Parete& parete, const TelaioSezione& telaio,
                        std::span<const float> interne, const Bersaglio& b);
