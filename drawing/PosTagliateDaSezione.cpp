#include "drawing/PosTagliateDaSezione.h"

#include "drawing/IntersezSezione.h"
#include "model/Parete.h"

#include <algorithm>
#include <span>

std::vector<float> PosTagliateDaSezione(const Parete& parete, int k, int j) {
    std::vector<float> ascisse;
    if (k < 0 || k > parete.UltSezione || j < 0 || j > parete.UltPosizione ||
        j >= static_cast<int>(parete.PoligoniPos.size()))
        return ascisse;
    const PosizioneArm& pos = parete.Posizioni[j];
    if (pos.Tipo > Cordolo) return ascisse;
    const std::vector<Punto>& riga = parete.PoligoniPos[j];
    const int vertici = std::clamp(pos.UltVerticeZona + 1, 0, static_cast<int>(riga.size()));
    AggiungiAttraversamenti(parete.Sezioni[k], std::span(riga).first(vertici), ascisse);
    std::sort(ascisse.begin(), ascisse.end());
    return ascisse;
}
