#include "design/ArmaturaPosizioniScansione.h"

#include "model/Geometria.h"
#include "model/Parete.h"

#include <algorithm>
#include <cmath>

int UltimaPosizioneValida(const Parete& parete) {
    return std::min(parete.UltPosizione, static_cast<int>(parete.Posizioni.size()) - 1);
}

std::optional<ZonaRuotata> RuotaZona(const Parete& parete, int p) {
    if (p < 0 || p > parete.UltPosizione || p >= static_cast<int>(parete.Posizioni.size()) ||
        p >= static_cast<int>(parete.PoligoniPos.size())) {
        return std::nullopt;
    }
    return RuotaZona(parete, parete.Posizioni[p], parete.PoligoniPos[p]);
}

std::optional<ZonaRuotata> RuotaZona(const Parete& parete, const PosizioneArm& pos,
                                     std::span<const Punto> riga) {
    const int vertici = std::min(pos.UltVerticeZona + 1, static_cast<int>(riga.size()));
    if (vertici < 3) return std::nullopt;
    ZonaRuotata zona;
    zona.Direzione = pos.Direzione == 0 ? 0 : 1;
    zona.Poligono.resize(vertici);
    for (int i = 0; i < vertici; ++i)
        RuotaInDirezione(zona.Direzione, riga[i].X, riga[i].Y, zona.Poligono[i].X,
                         zona.Poligono[i].Y);
    const Punto& s = pos.EstDir[2 * zona.Direzione];
    const Punto& e = pos.EstDir[2 * zona.Direzione + 1];
    RuotaInDirezione(zona.Direzione, s.X, s.Y, zona.Inizio.X, zona.Inizio.Y);
    RuotaInDirezione(zona.Direzione, e.X, e.Y, zona.Fine.X, zona.Fine.Y);
    zona.Tratto = TrattoDirezione(parete, zona.Direzione);
    return zona;
}

float LineaSpostata(const ZonaRuotata& zona, float y) {
    // The edge lines would only touch the zone: move them half a cm inside.
    if (std::fabs(y - zona.Inizio.Y) < 0.1f) return y + 0.5f;
    if (std::fabs(y - zona.Fine.Y) < 0.1f) return y - 0.5f;
    return y;
}
