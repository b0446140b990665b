#include "design/AreeStrati.h"

#include "model/Numeri.h"
#include "model/Parete.h"

namespace {

// A spacing of 0 or less only comes from a damaged file; such a layer is
// taken to provide nothing rather than an infinite area.
float AreaStrato(int diametro, float passo) {
    if (!(passo > 0.0f)) return 0.0f;
    return static_cast<float>(static_cast<double>(AreaBarra(diametro)) * 100.0 / passo);
}

}  // namespace

void CalcolaAreeStrati(Parete& parete) {
    parete.AreaDir1Piu = AreaStrato(parete.DiamDir1Piu, parete.PassoDir1Piu);
    parete.AreaDir1Meno = AreaStrato(parete.DiamDir1Meno, parete.PassoDir1Meno);
    parete.AreaDir2Piu = AreaStrato(parete.DiamDir2Piu, parete.PassoDir2Piu);
    parete.AreaDir2Meno = AreaStrato(parete.DiamDir2Meno, parete.PassoDir2Meno);
}

void StatisticheAree(Parete& parete) {
    if (parete.NumNodi < 1) return;
    parete.MaxRichiesta = parete.Nodi[0].Richiesta;
    parete.MinRichiesta = parete.Nodi[0].Richiesta;
    for (int i = 1; i < parete.NumNodi; ++i) {
        const auto& richiesta = parete.Nodi[i].Richiesta;
        for (int s = 0; s < 4; ++s) {
            if (richiesta[s] > parete.MaxRichiesta[s]) parete.MaxRichiesta[s] = richiesta[s];
            if (richiesta[s] < parete.MinRichiesta[s]) parete.MinRichiesta[s] = richiesta[s];
        }
    }
}
