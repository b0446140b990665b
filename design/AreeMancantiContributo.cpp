#include "design/AreeMancantiContributo.h"

#include "model/Numeri.h"

#include <array>
#include <cmath>

namespace {

// Area per metre (cm2/m) that one position adds to the layers it covers.
// Ring beams spread their longitudinal bar over the band.
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

}  // namespace

std::optional<ContributoPosizione> Contributo(const PosizioneArm& pos, const Parete& parete,
                                              bool conEscluso) {
    const float area = AreaPosizione(pos, conEscluso);
    if (area == 0.0f) return std::nullopt;
    ContributoPosizione c;
    c.area = area;
    if (pos.Tipo == Cordolo) {
        // Direction 2 lies at AngoloArm1 + AngoloArm2, as the zone bars take it.
        const float a1 = pos.Angolo - parete.AngoloArm1;
        const float a2 = pos.Angolo - parete.AngoloArm1 - parete.AngoloArm2;
        c.cordolo = true;
        c.lungoDir1 = std::fabs(area * std::cos(static_cast<double>(a1)));
        c.lungoDir2 = std::fabs(area * std::cos(static_cast<double>(a2)));
    } else {
        c.strato = (pos.Tipo == IntegrativaPiu ? 0 : 2) + (pos.Direzione == 0 ? 0 : 1);
    }
    return c;
}

void Sottrai(const ContributoPosizione& c, Nodo& nodo) {
    auto& mancante = nodo.Mancante;
    if (!c.cordolo) {
        mancante[c.strato] -= c.area;
        return;
    }
    mancante[3] = static_cast<float>(mancante[3] - c.lungoDir2);
    mancante[1] = static_cast<float>(mancante[1] - c.lungoDir2);
    mancante[0] = static_cast<float>(mancante[0] - c.lungoDir1);
    mancante[2] = static_cast<float>(mancante[2] - c.lungoDir1);
}

void MancanteDaDistribuita(Parete& parete) {
    // Slot order: direction 1 "lato +", direction 2 "lato +", then "lato -".
    const std::array<float, 4> distribuita = {parete.AreaDir1Piu, parete.AreaDir2Piu,
                                              parete.AreaDir1Meno, parete.AreaDir2Meno};
    for (int i = 0; i < parete.NumNodi; ++i) {
        Nodo& nodo = parete.Nodi[i];
        for (int s = 0; s < 4; ++s) nodo.Mancante[s] = nodo.Richiesta[s] - distribuita[s];
    }
}
