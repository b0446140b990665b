#include "design/AreeMancanti.h"

#include "design/AreeMancantiContributo.h"
#include "design/AreeMancantiGriglia.h"
#include "design/AreeMancantiZona.h"
#include "model/Parete.h"
#include "model/Poligoni.h"

#include <algorithm>
#include <span>

void AggiornaAreeMancanti(Parete& parete, int escluso) {
    MancanteDaDistribuita(parete);
    if (parete.NumNodi < 1) return;
    const size_t nodi = std::min(static_cast<size_t>(parete.NumNodi), parete.Nodi.size());
    const GrigliaNodi griglia(std::span<const Nodo>(parete.Nodi.data(), nodi));
    // Positions stay the outer loop: a node takes its zones in list order,
    // and the float sums depend on that order.
    for (int p = 0; p <= parete.UltPosizione; ++p) {
        if (p == escluso) continue;
        const PosizioneArm& pos = parete.Posizioni[p];
        const auto contributo = Contributo(pos, parete, escluso >= 0);
        if (!contributo) continue;
        // PuntoInZona is false outside this box, so the nodes of other cells
        // need no test.
        const ZonaPronta zona(pos);
        const RiquadroZonaVicina& r = zona.Riquadro();
        griglia.PerOgniCandidato(r.XMin, r.YMin, r.XMax, r.YMax, [&](const GrigliaNodi::Voce& v) {
            if (zona.Contiene(v.x, v.y)) Sottrai(*contributo, parete.Nodi[v.indice]);
        });
    }
}
