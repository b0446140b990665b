// Zone modes of the canvas machine: a new zone (32, 33), the zone under edit
// and its grips (200, 201, 202), and closing the edit.
#include "interaction/StatoMacchina.h"

#include "design/AreeMancanti.h"
#include "design/GeometriaZona.h"
#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/ListaPosizioniSelezione.h"
#include "design/RitagliaZona.h"
#include "drawing/DisZonaSelezione.h"
#include "drawing/TrovaOggetti.h"
#include "drawing/Vista.h"
#include "interaction/PuntoAmmesso.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

namespace {

constexpr int ColoreZona = 14;          // yellow of the sixteen-colour palette
constexpr float LatoMinimoZona = 20.0f;  // cm: a zone this narrow or less is refused

const char* const PromptFineModifica =
    "Premi il pulsante destro del mouse o Enter per concludere la modifica.";

}  // namespace

void MacchinaTela::PremiNuovaZona(float x, float y) {
    StatoInterfaccia& st = c_.sessione.stato;
    if (!PuntoTelaAmmesso(c_.vista, x, y)) return;
    st.XA = x;
    st.YA = y;
    st.Modo = ModoInput::NuovaZonaInCorso;
    st.NuovoElemento = 1;
}

void MacchinaTela::ZonaElastica(int pulsanti, float x, float y) {
    if (pulsanti != Pulsante::Sinistro) return;
    Sessione& s = c_.sessione;
    c_.tela.Cancella(StratoTela::Transitorio);
    s.stato.XB = x;
    s.stato.YB = y;
    DisZonaSelezione(s.parete, s.imp, s.stato, c_.vista, c_.tela, {s.stato.XA, s.stato.YA},
                     {s.stato.XB, s.stato.YB}, ColoreZona);
}

void MacchinaTela::TrascinaZona(int pulsanti, float x, float y) {
    if (pulsanti != Pulsante::Sinistro) return;
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    c_.tela.Cancella(StratoTela::Transitorio);
    const float dx = x - st.XMedio, dy = y - st.YMedio;
    st.XA += dx;
    st.YA += dy;
    st.XB += dx;
    st.YB += dy;
    st.XMedio = (st.XA + st.XB) / 2.0f;
    st.YMedio = (st.YA + st.YB) / 2.0f;
    DisZonaSelezione(s.parete, s.imp, st, c_.vista, c_.tela, {st.XA, st.YA}, {st.XB, st.YB}, ColoreZona);
}

bool MacchinaTela::ZonaDaAngoliAmmessa() {
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    const Vista& v = c_.vista;
    if (!PuntoTelaAmmesso(v, st.XA, st.YA) || !PuntoTelaAmmesso(v, st.XB, st.YB)) return false;
    ImpostaZonaDaPunti(st, s.parete, s.imp, XModello(v, st.XA), YModello(v, st.YA),
                       XModello(v, st.XB), YModello(v, st.YB));
    // The corners completed in the bars' frame may reach past the two drawn.
    return PuntiAmmessi(st.PosCorrente.Vertici);
}

bool MacchinaTela::ZonaTroppoPiccola() {
    const PosizioneArm& p = c_.sessione.stato.PosCorrente;
    if (p.XMax - p.XMin > LatoMinimoZona && p.YMax - p.YMin > LatoMinimoZona) return false;
    c_.finestra.Messaggio("Rettangolo troppo piccolo, input non valido.", "Attenzione!",
                          IconaMessaggio::Esclamazione);
    c_.sessione.stato.Modo = ModoInput::Inattivo;
    c_.sessione.stato.NuovoElemento = 0;
    return true;
}

// What follows the zone or ring-beam dialog on every path: with "Ok", the
// zone is clipped again and stored (with its twin when asked) only when the
// clipping succeeded and the dialog accepted it. True when stored.
bool MacchinaTela::MemorizzaZonaDelDialogo() {
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    if (st.ErroreOperazione != 0) return false;
    if (!RitagliaZona(st, s.parete, s.imp)) {
        c_.finestra.Messaggio(
            "La selezione non individua correttamente la zona da armare.\nOperazione annullata.",
            "Errore!", IconaMessaggio::Esclamazione);
        return false;
    }
    if (st.PosAccettata == 0) return false;
    st.LatoOpposto = TipoOpposto(st.PosCorrente.Tipo);
    return ConfermaPosizione(s, c_.finestra);
}

// An action that kept nothing: the missing areas count every position again.
void MacchinaTela::FineSenzaModifica() {
    AggiornaAreeMancanti(c_.sessione.parete, -1);
    c_.porta.Ridisegna();
}

void MacchinaTela::RilasciaNuovaZona(float x, float y) {
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    c_.porta.ImpostaPrompt("");
    st.XB = x;
    st.YB = y;
    if (!ZonaDaAngoliAmmessa()) {
        // The zone mode stays armed for the next drag.
        st.Modo = ModoInput::NuovaZona;
        st.NuovoElemento = 0;
        c_.tela.Cancella(StratoTela::Transitorio);
        return FineSenzaModifica();
    }
    if (ZonaTroppoPiccola()) return FineSenzaModifica();
    if (!CreaPosizioneDaSelezione(s, c_.finestra, OrigineZona::Nuova, st.Modo)) {
        st.Modo = ModoInput::Inattivo;
        st.NuovoElemento = 0;
        return FineSenzaModifica();
    }
    st.IndiceCorrente = s.parete.UltPosizione + 1;
    c_.porta.MostraDialogoZona();
    // Closed with its close box: the corner A it would start from is stale.
    if (st.Modo == ModoInput::NuovaZonaInCorso) st.Modo = ModoInput::Inattivo;
    // A stored zone has asked for its redraw through the change.
    if (!MemorizzaZonaDelDialogo()) FineSenzaModifica();
}

void MacchinaTela::PremiManiglia(float x, float y) {
    StatoInterfaccia& st = c_.sessione.stato;
    const Vista& v = c_.vista;
    const int k = TrovaManigliaZona(st.PosCorrente, v, x, y);
    if (k == -1) return;
    modoPrimaTrascina_ = st.Modo;
    const auto& vt = st.PosCorrente.Vertici;
    if (k == ManigliaCentro) {
        st.XA = XSchermo(v, vt[0].X);
        st.YA = YSchermo(v, vt[0].Y);
        st.XB = XSchermo(v, vt[2].X);
        st.YB = YSchermo(v, vt[2].Y);
        st.XMedio = (st.XA + st.XB) / 2.0f;
        st.YMedio = (st.YA + st.YB) / 2.0f;
        st.Modo = ModoInput::TrascinaZona;
    } else {
        const int j = k + 2 < 4 ? k + 2 : k - 2;
        st.XA = XSchermo(v, vt[j].X);
        st.YA = YSchermo(v, vt[j].Y);
        st.Modo = ModoInput::TrascinaAngoloZona;
    }
    c_.porta.Ridisegna();
}

void MacchinaTela::RilasciaManiglia(int modo, float x, float y) {
    StatoInterfaccia& st = c_.sessione.stato;
    if (modo == ModoInput::TrascinaAngoloZona) {
        st.XB = x;
        st.YB = y;
    }
    const PosizioneArm prima = st.PosCorrente;
    if (!ZonaDaAngoliAmmessa()) {
        // The drag is dropped: the zone and the mode as they were before it.
        st.PosCorrente = prima;
        st.Modo = modoPrimaTrascina_;
        if (st.Modo != ModoInput::ModificaZona) st.NuovoElemento = 0;
        AggiornaManiglie();
        c_.tela.Cancella(StratoTela::Transitorio);
        c_.porta.Ridisegna();
        return;
    }
    c_.porta.ImpostaPrompt(PromptFineModifica);
    st.Modo = ModoInput::ModificaZona;
    c_.porta.Ridisegna();
}

void MacchinaTela::ChiudiPoliAgg() {
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    c_.porta.ImpostaPrompt("");
    if (ZonaTroppoPiccola()) return FineSenzaModifica();
    bool memorizzata = false;
    if (CreaPosizioneDaSelezione(s, c_.finestra, OrigineZona::InModifica, st.Modo)) {
        c_.porta.MostraDialogoZona();
        memorizzata = MemorizzaZonaDelDialogo();
    }
    if (!memorizzata) FineSenzaModifica();
}

void MacchinaTela::TastoInvio() {
    if (c_.sessione.stato.Modo == ModoInput::ModificaZona) ChiudiPoliAgg();
}
