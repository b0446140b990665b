#include "design/AreeMancanti.h"

#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/Poligoni.h"

#include <array>
#include <cmath>

namespace {

// Area per metre (cm2/m) that one position adds to the layers it covers.
// Ring beams spread their longitudinal bar over the band; the band counts the
// full double cover while another position is left out for editing. A spacing,
// band or leg count of 0 or less (a damaged file) adds nothing.
float AreaPosizione(const PosizioneArm& pos, bool conEscluso) {
    if (pos.Tipo == IntegrativaPiu || pos.Tipo == IntegrativaMeno) {
        return AreaAlMetro(pos.Diametro, pos.Passo);
    }
    if (pos.Tipo == Cordolo) {
        if (pos.NumBracci < 1) return 0.0f;
        const float copriferri = conEscluso ? 2.0f * pos.CopriferroCordolo
                                            : 2.0f * pos.CopriferroCordolo / pos.NumBracci;
        const float banda = copriferri + pos.Larghezza;
        return AreaAlMetro(pos.DiamCorrenti, banda);
    }
    return 0.0f;  // shear reinforcement
}

void SottraiPosizione(Nodo& nodo, const PosizioneArm& pos, float area, const Parete& parete) {
    auto& mancante = nodo.Mancante;
    switch (pos.Tipo) {
        case IntegrativaPiu:
            mancante[pos.Direzione == 0 ? 0 : 1] -= area;
            break;
        case IntegrativaMeno:
            mancante[pos.Direzione == 0 ? 2 : 3] -= area;
            break;
        case Cordolo: {
            // Direction 2 lies at AngoloArm1 + AngoloArm2, as the zone bars take it.
            const float a1 = pos.Angolo - parete.AngoloArm1;
            const float a2 = pos.Angolo - parete.AngoloArm1 - parete.AngoloArm2;
            const double lungoDir2 = std::fabs(area * std::cos(static_cast<double>(a2)));
            const double lungoDir1 = std::fabs(area * std::cos(static_cast<double>(a1)));
            mancante[3] = static_cast<float>(mancante[3] - lungoDir2);
            mancante[1] = static_cast<float>(mancante[1] - lungoDir2);
            mancante[0] = static_cast<float>(mancante[0] - lungoDir1);
            mancante[2] = static_cast<float>(mancante[2] - lungoDir1);
            break;
        }
        default:
            break;
    }
}

}  // namespace

void AggiornaAreeMancanti(Parete& parete, int escluso) {
    // Slot order: direction 1 "lato +", direction 2 "lato +", then "lato -".
    const std::array<float, 4> distribuita = {parete.AreaDir1Piu, parete.AreaDir2Piu,
                                              parete.AreaDir1Meno, parete.AreaDir2Meno};
    for (int i = 0; i < parete.NumNodi; ++i) {
        Nodo& nodo = parete.Nodi[i];
        for (int s = 0; s < 4; ++s) nodo.Mancante[s] = nodo.Richiesta[s] - distribuita[s];
    }

    for (int p = 0; p <= parete.UltPosizione; ++p) {
        if (p == escluso) continue;
        const PosizioneArm& pos = parete.Posizioni[p];
        const float area = AreaPosizione(pos, escluso >= 0);
        if (area == 0.0f) continue;
        for (int i = 0; i < parete.NumNodi; ++i) {
            Nodo& nodo = parete.Nodi[i];
            if (PuntoInZonaPos(parete, p, nodo.X, nodo.Y)) SottraiPosizione(nodo, pos, area, parete);
        }
    }
}
