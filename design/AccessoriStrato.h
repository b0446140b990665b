#pragma once

#include <optional>

struct Parete;

// Per-layer access by layer index k: 0 direction 1 "lato +", 1 direction 1
// "lato -", 2 direction 2 "lato +", 3 direction 2 "lato -". A k outside 0..3
// reads as 0 and writes nothing.

float CarenzaNodo(const Parete& parete, int k, int i);
float AreaRichiestaNodo(const Parete& parete, int k, int i);
float DiamStrato(const Parete& parete, int k);
void ImpostaDiamStrato(Parete& parete, int k, int d);
float PassoStrato(const Parete& parete, int k);
void ImpostaPassoStrato(Parete& parete, int k, float s);
std::optional<float> PassoStratoVar(const Parete& parete, int k);
