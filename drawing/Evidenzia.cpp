#include "drawing/Evidenzia.h"

#include "drawing/QuoteEvidenzia.h"
#include "drawing/QuoteRicerca.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <cmath>

namespace {

constexpr StratoTela Sopra = StratoTela::Transitorio;
constexpr int SpessoreMarca = 2;

// Steps 1-2 of the shared pattern: true when there is something to mark.
bool PreparaMarca(StatoInterfaccia& stato, TelaSchermo& tela, int trovato) {
    if (stato.ElementoEvidenziato != -1 && stato.ElementoEvidenziato != trovato)
        tela.Cancella(Sopra);
    return trovato != -1;
}

void Cerchio(TelaSchermo& tela, const Vista& v, float x, float y, float raggioCm) {
    tela.ImpostaSpessoreTratto(SpessoreMarca);
    tela.Cerchio(Sopra, XSchermo(v, x), YSchermo(v, y), raggioCm * v.Scala, ColoreGiallo);
    tela.ImpostaSpessoreTratto(1);
}

void Segmento(TelaSchermo& tela, const Vista& v, float x1, float y1, float x2, float y2) {
    tela.ImpostaSpessoreTratto(SpessoreMarca);
    tela.Linea(Sopra, XSchermo(v, x1), YSchermo(v, y1), XSchermo(v, x2), YSchermo(v, y2),
               ColoreGiallo);
    tela.ImpostaSpessoreTratto(1);
}

void RiquadroBanda(TelaSchermo& tela, const BandaTrovata& b) {
    tela.ImpostaSpessoreTratto(SpessoreMarca);
    tela.Linea(Sopra, b.X1, b.Y1, b.X2, b.Y1, ColoreGiallo);
    tela.Linea(Sopra, b.X2, b.Y1, b.X2, b.Y2, ColoreGiallo);
    tela.Linea(Sopra, b.X2, b.Y2, b.X1, b.Y2, ColoreGiallo);
    tela.Linea(Sopra, b.X1, b.Y2, b.X1, b.Y1, ColoreGiallo);
    tela.ImpostaSpessoreTratto(1);
}

constexpr float RaggioEtichetta = 14.0f;
constexpr float RaggioBaricentro = 20.0f;

}  // namespace

void EvidenziaCerchio(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                      TelaSchermo& tela, float x, float y, Cordoli cordoli) {
    const bool vistaZone = stato.StatoVista > 13;
    int i = vistaZone ? TrovaPuntoPos(parete, stato, v, x, y)
                      : TrovaCerchioPos(parete, stato, v, x, y, cordoli);
    if (i >= 0 && cordoli == Cordoli::Esclusi && parete.Posizioni[i].Tipo == Cordolo) i = -1;
    if (!PreparaMarca(stato, tela, i)) return;
    const PosizioneArm& p = parete.Posizioni[i];
    if (vistaZone)
        Cerchio(tela, v, p.XEtichetta, p.YEtichetta, RaggioEtichetta);
    else
        Cerchio(tela, v, p.XBaricentro, p.YBaricentro, RaggioBaricentro);
    stato.ElementoEvidenziato = i;
}

void EvidenziaQuota(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                    const Impostazioni& imp, TelaSchermo& tela, float x, float y,
                    bool senzaLivelli) {
    const int i = TrovaQuota(parete, stato.VistaCorrente, v, x, y);
    if (!PreparaMarca(stato, tela, i)) {
        if (!senzaLivelli) EvidenziaQuotaLivello(parete, stato, tela, v, imp, x, y);
        return;
    }
    const Quota& q = parete.Quote[i];
    Segmento(tela, v, q.X1, q.Y1, q.X2, q.Y2);
    stato.ElementoEvidenziato = i;
}

void EvidenziaPos(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                  TelaSchermo& tela, float x, float y) {
    const int i = TrovaPuntoPos(parete, stato, v, x, y);
    if (PreparaMarca(stato, tela, i)) {
        const PosizioneArm& p = parete.Posizioni[i];
        Cerchio(tela, v, p.XEtichetta, p.YEtichetta, RaggioEtichetta);
        stato.ElementoEvidenziato = i;
        return;
    }
    const int j = TrovaLineaPos(parete, stato, v, x, y);
    if (j == -1) return;
    const auto& r = parete.Posizioni[j].Richiamo;
    Segmento(tela, v, r[0], r[1], r[2], r[3]);
    stato.ElementoEvidenziato = j;
}

void EvidenziaSez(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                  TelaSchermo& tela, float x, float y) {
    const int i = TrovaSezione(parete, v, x, y);
    if (!PreparaMarca(stato, tela, i)) return;
    const LineaSezione& s = parete.Sezioni[i];
    Segmento(tela, v, s.P0.X, s.P0.Y, s.P1.X, s.P1.Y);
    stato.ElementoEvidenziato = i;
}

void EvidenziaNodo(const Parete& parete, StatoInterfaccia& stato, const Vista& v,
                   TelaSchermo& tela, float x, float y) {
    const int i = TrovaNodo(parete, v, x, y);
    if (!PreparaMarca(stato, tela, i)) return;
    const float sx = std::nearbyint(XSchermo(v, parete.Nodi[i].X));
    const float sy = std::nearbyint(YSchermo(v, parete.Nodi[i].Y));
    tela.ImpostaSpessoreTratto(SpessoreMarca);
    tela.Riquadro(Sopra, sx - 3, sy - 3, sx + 3, sy + 3, ColoreMagenta, false);
    tela.ImpostaSpessoreTratto(1);
    stato.ElementoEvidenziato = i;
}

void EvidenziaSolaio(const Parete& parete, const Vista& v, TelaSchermo& tela, float x, float y) {
    const BandaTrovata b = TrovaSolaio(parete, v, x, y);
    if (b.Indice != 0) tela.Cancella(Sopra);
    if (b.Indice >= 0)
        RiquadroBanda(tela, b);
    else
        EvidenziaParete(parete, v, tela, x, y);
}

void EvidenziaParete(const Parete& parete, const Vista& v, TelaSchermo& tela, float x, float y) {
    const BandaTrovata b = TrovaParete(parete, v, x, y);
    if (b.Indice != 0) tela.Cancella(Sopra);
    if (b.Indice >= 0) RiquadroBanda(tela, b);
}
