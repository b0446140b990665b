#include "drawing/TrovaOggetti.h"

#include "drawing/ComandiVista.h"
#include "drawing/SolaiPareti.h"
#include "drawing/Vista.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <vector>

bool NelQuadrato(float sx, float sy, float x, float y, float d) {
    return sx - d < x && x < sx + d && sy - d < y && y < sy + d;
}

namespace {

bool PuntoVicino(const Vista& v, float mx, float my, float x, float y, float d) {
    return NelQuadrato(XSchermo(v, mx), YSchermo(v, my), x, y, d);
}

// Display states of the zone views and of the ring-beam view.
constexpr int PrimaVistaZone = 14;
constexpr int VistaCordoli = 16;

bool CandidatoCerchio(const PosizioneArm& p, const StatoInterfaccia& s, Cordoli cordoli) {
    if (p.Tipo == Cordolo && cordoli == Cordoli::Esclusi) return false;
    const int sv = s.StatoVista;
    if (sv >= 2 && sv <= 11)
        return p.Tipo == Cordolo || (p.Tipo == s.LatoAttivo && p.Direzione == s.DirezioneAttiva);
    if (sv == 12 || sv == 13) return p.Tipo == Cordolo;
    if (sv == 14 || sv == 15) return p.Tipo == s.LatoAttivo;
    return false;
}

bool CandidatoPunto(const PosizioneArm& p, const StatoInterfaccia& s) {
    if (s.StatoVista == VistaCordoli) return p.Tipo == Cordolo;
    return p.Tipo == s.LatoAttivo || p.Tipo == Cordolo;
}

bool CandidatoLinea(const PosizioneArm& p, const StatoInterfaccia& s) {
    if (s.StatoVista == VistaCordoli) return p.Tipo == Cordolo;
    return p.Tipo == s.LatoAttivo;
}

}  // namespace

int TrovaManigliaZona(const PosizioneArm& zona, const Vista& v, float x, float y) {
    for (int k = 0; k < 4; ++k)
        if (PuntoVicino(v, zona.Vertici[k].X, zona.Vertici[k].Y, x, y, RaggioManiglia)) return k;
    const float cx = (zona.Vertici[0].X + zona.Vertici[2].X) / 2.0f;
    const float cy = (zona.Vertici[0].Y + zona.Vertici[2].Y) / 2.0f;
    return PuntoVicino(v, cx, cy, x, y, RaggioManiglia) ? ManigliaCentro : -1;
}

int TrovaNodo(const Parete& parete, const Vista& v, float x, float y) {
    for (int i = 0; i < parete.NumNodi; ++i)
        if (PuntoVicino(v, parete.Nodi[i].X, parete.Nodi[i].Y, x, y, RaggioNodo)) return i;
    return -1;
}

int TrovaCerchioPos(const Parete& parete, const StatoInterfaccia& stato, const Vista& v, float x,
                    float y, Cordoli cordoli) {
    if (stato.StatoVista < 2 || stato.StatoVista >= VistaCordoli) return -1;
    const bool etichetta = stato.StatoVista >= PrimaVistaZone;
    for (int i = 0; i <= parete.UltPosizione; ++i) {
        const PosizioneArm& p = parete.Posizioni[i];
        if (!CandidatoCerchio(p, stato, cordoli)) continue;
        const float mx = etichetta ? p.XEtichetta : p.XBaricentro;
        const float my = etichetta ? p.YEtichetta : p.YBaricentro;
        if (PuntoVicino(v, mx, my, x, y, RaggioPosizione)) return i;
    }
    return -1;
}

int TrovaPuntoPos(const Parete& parete, const StatoInterfaccia& stato, const Vista& v, float x,
                  float y) {
    for (int i = 0; i <= parete.UltPosizione; ++i) {
        const PosizioneArm& p = parete.Posizioni[i];
        if (CandidatoPunto(p, stato) && PuntoVicino(v, p.XEtichetta, p.YEtichetta, x, y, RaggioPosizione))
            return i;
    }
    return -1;
}

int TrovaLineaPos(const Parete& parete, const StatoInterfaccia& stato, const Vista& v, float x,
                  float y) {
    for (int i = 0; i <= parete.UltPosizione; ++i) {
        const PosizioneArm& p = parete.Posizioni[i];
        if (!CandidatoLinea(p, stato)) continue;
        const auto& r = p.Richiamo;
        if (VicinoSegmento(v, x, y, r[0], r[1], r[2], r[3], TolleranzaRichiamo)) return i;
    }
    return -1;
}

int TrovaSezione(const Parete& parete, const Vista& v, float x, float y) {
    for (int i = 0; i <= parete.UltSezione; ++i) {
        const LineaSezione& s = parete.Sezioni[i];
        if (VicinoSegmento(v, x, y, s.P0.X, s.P0.Y, s.P1.X, s.P1.Y, TolleranzaSezione)) return i;
    }
    return -1;
}

BandaTrovata TrovaSolaio(const Parete& parete, const Vista& v, float x, float y) {
    std::vector<Punto> punti;
    for (int s = 0; s <= parete.UltSolaio; ++s) {
        const SolaioParete& solaio = parete.Solai[s];
        int n = -1;
        IntervalliSolaio(parete, solaio, punti, n);
        if (n <= 0) continue;
        const float sinistra = XSchermo(v, punti[0].X);
        const float destra = XSchermo(v, punti[n].X);
        const float alto = YSchermo(v, solaio.Coordinata + solaio.Spessore1);
        const float basso = YSchermo(v, solaio.Coordinata - solaio.Spessore2);
        if (sinistra < x && x < destra && alto < y && y < basso)
            return {s, solaio, sinistra, alto, destra, basso};
    }
    return {};
}

BandaTrovata TrovaParete(const Parete& parete, const Vista& v, float x, float y) {
    std::vector<Punto> punti;
    for (int w = 0; w <= parete.UltParete; ++w) {
        const SolaioParete& banda = parete.ParetiTrasversali[w];
        int n = -1;
        IntervalliParete(parete, banda, punti, n);
        if (n <= 0) continue;
        const float sinistra = XSchermo(v, banda.Coordinata - banda.Spessore1);
        const float destra = XSchermo(v, banda.Coordinata + banda.Spessore2);
        const float basso = YSchermo(v, punti[0].Y);
        const float alto = YSchermo(v, punti[n].Y);
        if (sinistra < x && x < destra && alto < y && y < basso)
            return {w, banda, destra, basso, sinistra, alto};
    }
    return {};
}
