#include "design/AreeStrati.h"

#include "model/Numeri.h"
#include "model/Parete.h"

void CalcolaAreeStrati(Parete& parete) {
    parete.AreaDir1Piu = AreaAlMetro(parete.DiamDir1Piu, parete.PassoDir1Piu);
    parete.AreaDir1Meno = AreaAlMetro(parete.DiamDir1Meno, parete.PassoDir1Meno);
    parete.AreaDir2Piu = AreaAlMetro(parete.DiamDir2Piu, parete.PassoDir2Piu);
    parete.AreaDir2Meno = AreaAlMetro(parete.DiamDir2Meno, parete.PassoDir2Meno);
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
