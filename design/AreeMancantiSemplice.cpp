#include "design/AreeMancantiSemplice.h"

#include "design/AreeMancantiContributo.h"

void AggiornaAreeMancantiSemplice(Parete& parete, int escluso, TestZona dentro) {
    MancanteDaDistribuita(parete);
    for (int p = 0; p <= parete.UltPosizione; ++p) {
        if (p == escluso) continue;
        const PosizioneArm& pos = parete.Posizioni[p];
        const auto contributo = Contributo(pos, parete, escluso >= 0);
        if (!contributo) continue;
        for (int i = 0; i < parete.NumNodi; ++i) {
            Nodo& nodo = parete.Nodi[i];
            if (dentro(pos, nodo.X, nodo.Y)) Sottrai(*contributo, nodo);
        }
    }
}
