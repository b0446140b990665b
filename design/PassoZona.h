#pragma once

struct Impostazioni;

// Spacing in cm proposed for a new zone of bars of diametro mm that must
// supply area cm2/m: below 10 cm to half cm downwards, 10 to 15 cm to whole
// cm, 15 to 100 cm to 5 cm downwards, at most 100 and at least 1. Where
// nothing is missing, PassoMaxIntegrativa.
float PassoArrotondato(const Impostazioni& imp, int diametro, float area);
