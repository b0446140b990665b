// Position modes of the canvas machine: delete (420), copy and move (430,
// 440), copy to the other face (450) and by box (460, 461), label moves
// (300, 301, 302).
#include "interaction/StatoMacchina.h"

#include "design/EtichettaPosizione.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "drawing/DisZonaSelezione.h"
#include "drawing/TelaSchermo.h"
#include "drawing/TrovaOggetti.h"
#include "drawing/Vista.h"
#include "interaction/ListaPosizioniCopia.h"
#include "interaction/PuntoAmmesso.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

#include <array>
#include <cmath>
#include <string>

namespace {

constexpr int ColoreZona = 14;
constexpr int LatoMinimoBox = 10;

// Corners A and B on the screen images of corners 0 and 2 of the buffer, the centre grip between them.
void AngoliDaBuffer(StatoInterfaccia& st, const Vista& v) {
    const auto& vt = st.PosCorrente.Vertici;
    st.XA = XSchermo(v, vt[0].X);
    st.YA = YSchermo(v, vt[0].Y);
    st.XB = XSchermo(v, vt[2].X);
    st.YB = YSchermo(v, vt[2].Y);
    st.XMedio = (st.XA + st.XB) / 2.0f;
    st.YMedio = (st.YA + st.YB) / 2.0f;
}

// The leader's two ends and the label within the coordinate range.
bool EtichettaAmmessa(const PosizioneArm& p) {
    const std::array<Punto, 3> punti{Punto{p.Richiamo[0], p.Richiamo[1]},
                                     Punto{p.Richiamo[2], p.Richiamo[3]},
                                     Punto{p.XEtichetta, p.YEtichetta}};
    return PuntiAmmessi(punti);
}

}  // namespace

void MacchinaTela::CancellaPosizione(float x, float y) {
    Sessione& s = c_.sessione;
    const int k = TrovaCerchioPos(s.parete, s.stato, c_.vista, x, y, Cordoli::Inclusi);
    if (k == -1) return;
    const std::string domanda = "Vuoi cancellare la pos. n. " + std::to_string(k + 1) + " ?";
    const bool si = c_.finestra.Domanda(domanda, "Attenzione!", IconaMessaggio::Domanda);
    s.stato.Modo = ModoInput::Inattivo;
    if (!si || !EliminaPosizione(s, c_.finestra, k)) FineSenzaModifica();
}

void MacchinaTela::PrendiPosizione(int modo, float x, float y) {
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    const int k = TrovaCerchioPos(s.parete, st, c_.vista, x, y, Cordoli::Esclusi);
    if (k == -1) return;
    // The design does not change before the zone is stored: the undo step is
    // taken there, once, and only when something is kept.
    st.PosCorrente = s.parete.Posizioni[k];
    c_.porta.ImpostaPrompt(
        "Trasla la selezione tenendo premuto il pulasnte sinistro, rilascia nella nuova posizione.");
    st.IndiceCorrente = modo == ModoInput::CopiaPosizione ? s.parete.UltPosizione + 1 : k;
    modoPrimaTrascina_ = st.Modo;
    st.Modo = ModoInput::TrascinaZona;
    st.PosAccettata = 0;
    AngoliDaBuffer(st, c_.vista);
    st.NuovoElemento = 1;
}

void MacchinaTela::CopiaSulLatoOpposto(float x, float y) {
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    const Vista& v = c_.vista;
    const int k = TrovaCerchioPos(s.parete, st, v, x, y, Cordoli::Esclusi);
    if (k == -1) return;
    st.PosCorrente = s.parete.Posizioni[k];
    st.PosAccettata = 0;
    st.PosCorrente.Tipo = TipoOpposto(st.PosCorrente.Tipo);
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    AngoliDaBuffer(st, v);
    ImpostaZonaDaPunti(st, s.parete, s.imp, XModello(v, st.XA), YModello(v, st.YA),
                       XModello(v, st.XB), YModello(v, st.YB));
    DisZonaSelezione(s.parete, s.imp, st, v, c_.tela, {st.XA, st.YA}, {st.XB, st.YB}, ColoreZona);
    st.NuovoElemento = 1;
    ChiudiPoliAgg();
    st.Modo = ModoInput::Inattivo;
}

void MacchinaTela::CopiaMultipla(float, float) {
    Sessione& s = c_.sessione;
    Vista& v = c_.vista;
    c_.tela.Cancella(StratoTela::Transitorio);
    v.RettFocus = {};
    v.BoxX2 = static_cast<int>(std::nearbyint(s.stato.XClick));
    v.BoxY2 = static_cast<int>(std::nearbyint(s.stato.YClick));
    if (v.BoxX1 > v.BoxX2) Scambia(v.BoxX1, v.BoxX2);
    if (v.BoxY1 > v.BoxY2) Scambia(v.BoxY1, v.BoxY2);
    if (v.BoxY2 - v.BoxY1 <= LatoMinimoBox || v.BoxX2 - v.BoxX1 <= LatoMinimoBox) return;
    CopiaLatoOpposto(s, c_.finestra, v, c_.tela);
    s.stato.Modo = ModoInput::Inattivo;
}

void MacchinaTela::PrendiEtichetta(float x, float y) {
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    if (!PuntoTelaAmmesso(c_.vista, x, y)) return;
    int k = TrovaPuntoPos(s.parete, st, c_.vista, x, y);
    int modo = ModoInput::TrascinaCentroEtichetta;
    if (k == -1) {
        k = TrovaLineaPos(s.parete, st, c_.vista, x, y);
        modo = ModoInput::TrascinaRichiamoEtichetta;
    }
    if (k == -1) return;
    // One undo step from the pick to the release; a label changes no quantity.
    modificaEtichetta_.emplace(s, c_.finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::Si);
    st.Modo = modo;
    st.IndiceCorrente = k;
    if (modo == ModoInput::TrascinaRichiamoEtichetta) TrascinaEtichettaPos(s.parete, st, c_.vista, x, y);
}

void MacchinaTela::MuoviEtichetta(int modo, float x, float y) {
    Sessione& s = c_.sessione;
    const int i = s.stato.IndiceCorrente;
    if (!EsistePosizione(s.parete, i) || !PuntoTelaAmmesso(c_.vista, x, y)) return;
    PosizioneArm& pos = s.parete.Posizioni[i];
    const PosizioneArm prima = pos;
    if (modo == ModoInput::TrascinaCentroEtichetta) {
        pos.XEtichetta = XModello(c_.vista, x);
        pos.YEtichetta = YModello(c_.vista, y);
    } else {
        TrascinaEtichettaPos(s.parete, s.stato, c_.vista, x, y);
    }
    // Past the range the label stays where the last point within it put it.
    if (!EtichettaAmmessa(pos)) pos = prima;
    c_.porta.Ridisegna();
}

void MacchinaTela::RilasciaEtichetta() {
    c_.sessione.stato.Modo = ModoInput::Inattivo;
    if (modificaEtichetta_) modificaEtichetta_->Conferma();
    modificaEtichetta_.reset();
}
