#include "design/OrdinaPosizioni.h"

#include "model/Parete.h"
#include "model/Poligoni.h"
#include "model/StatoInterfaccia.h"

#include <algorithm>
#include <vector>

namespace {

bool PosizioneValida(const Parete& parete, int i) {
    return i >= 0 && i <= parete.UltPosizione && i < static_cast<int>(parete.Posizioni.size()) &&
           i < static_cast<int>(parete.PoligoniPos.size());
}

size_t ColonneTabella(const Parete& parete) {
    size_t colonne = 1;
    for (const auto& riga : parete.PoligoniPos) colonne = std::max(colonne, riga.size());
    return colonne;
}

}  // namespace

int CodicePosizione(const Parete& parete, int i) {
    if (!PosizioneValida(parete, i)) return -1;
    const PosizioneArm& p = parete.Posizioni[i];
    const int lungoDir2 = p.Direzione != 0 ? 1 : 0;
    switch (p.Tipo) {
        case IntegrativaPiu: return lungoDir2;
        case IntegrativaMeno: return 2 + lungoDir2;
        default: return 4 + lungoDir2;
    }
}

void ScambiaPosizioni(Parete& parete, StatoInterfaccia& stato, int a, int b) {
    if (!PosizioneValida(parete, a) || !PosizioneValida(parete, b)) return;
    const int ultimoA = parete.Posizioni[a].UltVerticeZona;
    const int ultimoB = parete.Posizioni[b].UltVerticeZona;

    stato.PoligonoCorrente.assign(std::max(ColonneTabella(parete), static_cast<size_t>(ultimoA + 1)), Punto{});
    CopiaVertici(parete.PoligoniPos[a], ultimoA, stato.PoligonoCorrente);
    CopiaVertici(parete.PoligoniPos[b], ultimoB, parete.PoligoniPos[a]);
    CopiaVertici(stato.PoligonoCorrente, ultimoA, parete.PoligoniPos[b]);

    stato.PosCorrente = parete.Posizioni[a];
    parete.Posizioni[a] = parete.Posizioni[b];
    parete.Posizioni[b] = stato.PosCorrente;
    // The buffer's bound follows the polygon it now holds.
    stato.UltPuntoCorrente = ultimoA;
}

void OrdinaPosizioni(Parete& parete, StatoInterfaccia& stato) {
    if (parete.UltPosizione < 1) return;
    for (int i = 0; i <= parete.UltPosizione; ++i) {
        for (int j = i + 1; j <= parete.UltPosizione; ++j) {
            if (CodicePosizione(parete, j) < CodicePosizione(parete, i)) ScambiaPosizioni(parete, stato, i, j);
        }
    }
}
