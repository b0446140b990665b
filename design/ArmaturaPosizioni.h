#pragma once

#include "design/ArmaturaPosizioniTesti.h"
#include "drawing/Bersaglio.h"
#include "model/Punto.h"

#include <optional>
#include <span>
#include <vector>

struct Impostazioni;
struct Parete;
struct PosizioneArm;

// The bars of the additional-reinforcement zones of one face (faccia 0
// "lato +", 1 "lato -"; ring beams and shear reinforcement are never laid
// here): straight parallel bars across each zone polygon at the position's
// spacing, in the bar frame of its direction. A zone whose spacing is not
// positive lays no bar.

// Draws the bars shifted by (dx, dy) on layer "ARM_INTEGR1" (direction 1) or
// "ARM_INTEGR2" (direction 2), a tick on "POS_INTEGRATIVA" where the leader
// crosses each line of bars, and each zone's label: with DescrizioneCompleta
// its bar count, diameter, spacing and bar lengths (split into pieces of
// LungMaxFerri joined by laps), without it the number only.
void ArmaturaPosizioni(const Parete& parete, float dx, float dy, int faccia, const Bersaglio& b);

// The bars a zone lays, as its label counts them: how many and the shortest
// and longest (cm, as drawn, anchorages included); the zone is pos with its
// polygon, stored or not yet. No bar: Numero 0.
[[nodiscard]] BarreZona ContaBarreZona(const Parete& parete, const PosizioneArm& pos,
                                       std::span<const Punto> poligono);

// Total cut length (cm) of the bars of one position.
struct LunghezzaPosizione {
    int Indice = 0;
    float LungTotale = 0.0f;

    bool operator==(const LunghezzaPosizione&) const = default;
};

// Measures every bar of the face's zones as a developed bar: an end leg
// where the bar reaches the direction-1 reinforcement contour, laps where it
// is split, and, for vertical bars, the cuts at the slabs on the bar. One
// entry per zone of the face; none while the contours are missing.
[[nodiscard]] std::optional<std::vector<LunghezzaPosizione>> MisuraArmaturaPosizioni(
    const Parete& parete, const Impostazioni& imp, int faccia);
