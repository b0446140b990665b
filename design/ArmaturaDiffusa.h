#pragma once

#include "drawing/Bersaglio.h"

#include <optional>

struct Impostazioni;
struct Parete;

// The distributed layers of one face (lato 0 "lato +", any other value
// "lato -"): parallel bars at the layer spacing across the layer's contour,
// stopping at the openings enlarged by the cover. A layer whose spacing is
// not positive lays no bar. Nothing is laid before the reinforcement contours
// have been built for the current outline.

// Draws the bars of the face shifted by (dx, dy), direction 1 on layer
// "ARM_DIFFUSA1" and direction 2 on "ARM_DIFFUSA2". The measure target draws nothing.
void ArmaturaDiffusa(const Parete& parete, float dx, float dy, int lato, const Bersaglio& b);

// Total cut length (cm) and weight (kg) of the bars of each layer of a face.
struct QuantitaFaccia {
    float LungDir1 = 0.0f;
    float PesoDir1 = 0.0f;
    float LungDir2 = 0.0f;
    float PesoDir2 = 0.0f;

    bool operator==(const QuantitaFaccia&) const = default;
};

// Measures every bar of the face as a developed bar (end legs, splits, laps,
// cuts at the slabs); nothing while the contours are missing.
[[nodiscard]] std::optional<QuantitaFaccia> MisuraArmaturaDiffusa(const Parete& parete,
                                                                  const Impostazioni& imp,
                                                                  int lato);

// Stores the quantities of both faces into the wall (LungDir1Piu, PesoDir1Piu,
// ...) and the total bar length LungTotale of every zone and ring beam;
// nothing without a wall, and without contours the bars keep their values.
void RicalcolaArmature(Parete& parete, const Impostazioni& imp);
