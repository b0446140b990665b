#pragma once

#include "model/Nodo.h"
#include "model/Parete.h"
#include "model/PosizioneArm.h"

#include <optional>

// What one position takes from the missing area of every node it covers,
// worked out once per position so that every loop over the nodes subtracts
// the very same values in the very same way.
struct ContributoPosizione {
    bool cordolo = false;
    int strato = 0;       // the one layer of an additional zone
    float area = 0.0f;    // cm2/m of an additional zone
    double lungoDir1 = 0.0;  // ring beam: share along direction 1 (layers 0 and 2)
    double lungoDir2 = 0.0;  // and along direction 2 (layers 1 and 3)
};

// Nothing for shear reinforcement and for a position that provides no area
// (a spacing, band or leg count of 0 or less in a damaged file). conEscluso:
// another position is left out for editing, and ring beams then count the
// full double cover in their band.
[[nodiscard]] std::optional<ContributoPosizione> Contributo(const PosizioneArm& pos,
                                                            const Parete& parete, bool conEscluso);

void Sottrai(const ContributoPosizione& c, Nodo& nodo);

// Mancante of every node := Richiesta - the distributed layer of its slot.
void MancanteDaDistribuita(Parete& parete);
