#pragma once

#include "model/Sessione.h"

#include <string>

// A wall larghezza x 200 with four nodes and 12 mm at 20 cm on every layer, its
// tails run, its undo snapshots in cartella and the profile folder there too.
Sessione SessioneDialoghi(const std::string& cartella, int magliaUnica = 0, int piega = 0,
                          float larghezza = 300.0f);

// Undo steps stored so far.
int PassiAnnulla(const Sessione& s);

// The distributed-layer and position quantities, which RicalcolaArmature fills.
struct Quantita {
    float Lung[4];
    float Peso[4];
    bool operator==(const Quantita&) const = default;
};
Quantita QuantitaDi(const Parete& p);
