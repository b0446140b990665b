#pragma once

#include "model/Parete.h"
#include "model/PosizioneArm.h"

// Whether a node lies inside a position's zone quadrilateral.
using TestZona = bool (*)(const PosizioneArm& zona, float x, float y);

// The missing areas the plain way: every position against every node with
// the given test (RaggioInZona is the ray test as documented). The reference
// that AggiornaAreeMancanti is checked and timed against.
void AggiornaAreeMancantiSemplice(Parete& parete, int escluso, TestZona dentro);
