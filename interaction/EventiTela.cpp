// The canvas events as they reach the machine: the right button, the double
// click on a position and the wheel zoom.
#include "interaction/StatoMacchina.h"

#include "design/AccessoriStrato.h"
#include "design/AreeMancanti.h"
#include "drawing/ComandiVista.h"
#include "drawing/TrovaOggetti.h"
#include "drawing/Vista.h"
#include "model/Poligoni.h"
#include "model/Sessione.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int RotazioneScatto = 120;  // wheel rotation of one notch
constexpr float SpanMinimoZoom = 5.0f;  // cm: no zooming in below this window width

// The largest and the average missing area, in the layer of the buffer's
// position, at the nodes inside its zone.
void AreeRichiesteBuffer(const Parete& parete, StatoInterfaccia& st) {
    const int strato = st.PosCorrente.Tipo + 2 * st.PosCorrente.Direzione;
    int numero = 0;
    float somma = 0.0f, massimo = 0.0f;
    const int nodi = std::min(parete.NumNodi, static_cast<int>(parete.Nodi.size()));
    for (int j = 0; j < nodi; ++j) {
        if (!PuntoInZonaCorrente(st, parete.Nodi[j].X, parete.Nodi[j].Y)) continue;
        const float a = CarenzaNodo(parete, strato, j);
        ++numero;
        somma += a;
        massimo = std::max(massimo, a);
    }
    st.AreaRichiestaMax = massimo;
    st.AreaRichiestaMedia = numero > 0 ? somma / static_cast<float>(numero) : 0.0f;
}

}  // namespace

void MacchinaTela::Picture1_MouseDown(int pulsante, float x, float y) {
    StatoInterfaccia& st = c_.sessione.stato;
    if (pulsante == Pulsante::Destro) {
        if (st.Modo == ModoInput::ModificaZona)
            ChiudiPoliAgg();
        else if (st.UltimoComando != 0)
            c_.porta.RipetiComando(st.UltimoComando);
        return;
    }
    st.XClick = x;
    st.YClick = y;
    Ctrl_Vid_MouseDown(pulsante, x, y);
}

void MacchinaTela::Picture1_MouseMove(int pulsanti, float x, float y) {
    StatoInterfaccia& st = c_.sessione.stato;
    st.XMouse = XModello(c_.vista, x);
    st.YMouse = YModello(c_.vista, y);
    Ctrl_Vid_MouseMove(pulsanti, x, y);
}

void MacchinaTela::Picture1_MouseUp(int pulsante, float x, float y) { Ctrl_Vid_MouseUp(pulsante, x, y); }

void MacchinaTela::Picture1_DblClick() {
    Sessione& s = c_.sessione;
    StatoInterfaccia& st = s.stato;
    // In the zone-editing modes the buffer holds the zone under edit.
    if (st.Modo >= ModoInput::ModificaZona && st.Modo <= ModoInput::TrascinaZona) return;
    int i = -1;
    if (st.StatoVista > 13) {
        i = TrovaPuntoPos(s.parete, st, c_.vista, st.XClick, st.YClick);
        if (i != -1) {
            st.LatoAttivo = s.parete.Posizioni[i].Tipo;
            st.DirezioneAttiva = s.parete.Posizioni[i].Direzione;
        }
    } else {
        i = TrovaCerchioPos(s.parete, st, c_.vista, st.XClick, st.YClick);
    }
    if (i == -1) return;
    st.InfoNodiAttivo = 0;
    st.Modo = ModoInput::PosizioneAperta;
    AggiornaAreeMancanti(s.parete, i);
    st.IndiceCorrente = i;
    st.PosCorrente = s.parete.Posizioni[i];
    // The label of a stored position stays where it is.
    st.NuovoElemento = 0;
    st.UltPuntoCorrente = st.PosCorrente.UltVerticeZona;
    const auto& poligono = s.parete.PoligoniPos[i];
    st.PoligonoCorrente.assign(poligono.begin(),
                               poligono.begin() + std::min<std::size_t>(poligono.size(),
                                                                        st.UltPuntoCorrente + 1));
    AreeRichiesteBuffer(s.parete, st);
    c_.porta.Ridisegna();
    if (st.PosCorrente.Tipo != Cordolo)
        c_.porta.MostraDialogoZona();
    else
        c_.porta.MostraDialogoCordolo();
    if (!MemorizzaZonaDelDialogo()) FineSenzaModifica();
}

void MacchinaTela::Rotella(int delta) {
    rotella_ += delta;
    while (std::abs(rotella_) >= RotazioneScatto) {
        const int verso = rotella_ > 0 ? 1 : -1;
        rotella_ -= verso * RotazioneScatto;
        MouseWheel(verso * RotazioneScatto);
    }
}

void MacchinaTela::MouseWheel(int delta) {
    Vista& v = c_.vista;
    const StatoInterfaccia& st = c_.sessione.stato;
    const float w = v.FinXmax - v.FinXmin, h = v.FinYmax - v.FinYmin;
    // A window of nothing (no wall) gives no place for the cursor in it.
    if (!(w > 0.0f) || !(h > 0.0f)) return;
    SalvaVistaPrecedente(v);
    float crescita = -PassoZoom;
    if (delta < 0) {
        crescita = CrescitaAmmessa(v, PassoZoom, c_.sessione.parete.Estensione);
        if (crescita == 0.0f) return;
    } else if (w <= SpanMinimoZoom) {
        return;
    }
    // The model point under the cursor keeps its relative place in the window.
    ScalaFinestra(v, crescita, (st.XMouse - v.FinXmin) / w, (st.YMouse - v.FinYmin) / h);
    AggiornaManiglie();
    c_.porta.Ridisegna();
}
