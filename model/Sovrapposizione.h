#pragma once

struct Impostazioni;

// Lap and anchorage length in whole cm of a bar of diametro mm, from the
// current steel and concrete, clamped to SovrappMin..SovrappMax bar diameters
// (the upper clamp wins when they cross). 0 for a diameter of 0 or less,
// and never below 0 whatever the clamps.
// Every caller passes piega = 0; the bend flag changes nothing.
int LunghezzaSovrapposizione(const Impostazioni& imp, int diametro, int piega);
