#pragma once

#include "design/Modifica.h"

class InterfacciaFinestra;
struct Impostazioni;
struct Parete;
struct Sessione;

// Designs the four distributed layers, k = 0 to 3 in this order, each on its
// own (ProgettaStrato): the missing areas are not refreshed in between, and
// one warning is shown for every layer whose target cannot be reached. Only
// the layers' diameters and spacings change; their provided areas and the
// missing areas at the nodes follow in the reinforcement tail of the change
// that runs the design (ApplicaProgettoDiffusa).
void ProgettaDiffusa(Parete& parete, const Impostazioni& imp, InterfacciaFinestra& finestra);

// "Progetta" of the design-parameter dialog as one change of the design: one
// undo step, ProgettaDiffusa, the reinforcement tail once (provided area of
// each layer, missing areas counting every position, bar quantities), the
// window told once, then the distributed-reinforcement panel refilled from the
// new layers. The change stands even when some layer failed: that layer keeps
// the largest diameter and the smallest spacing of its face. Nothing happens
// while no wall is loaded. The dialog's caller has nothing left to recompute.
void ApplicaProgettoDiffusa(Sessione& sessione, InterfacciaFinestra& finestra,
                            const Ricalcolo& ricalcolo = RicalcoloStandard());
