#include "interaction/StatoMacchina.h"

#include "drawing/ComandiVista.h"
#include "drawing/Evidenzia.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "model/Sessione.h"

#include <cmath>

namespace {

int Arrotonda(float v) { return static_cast<int>(std::nearbyint(v)); }

// Rubber boxes are drawn in the canvas's foreground: white on black, black on white.
int ColoreElastico(const Impostazioni& imp) { return imp.SfondoBianco == 0 ? 0xFFFFFF : 0; }

constexpr int LatoMinimoBox = 10;  // pixels: a box this narrow or less is ignored

}  // namespace

MacchinaTela::MacchinaTela(ContestoTela contesto, ModiEsterni esterni)
    : c_(contesto), esterni_(esterni) {}

ModiFamiglia* MacchinaTela::Famiglia(int modo) const {
    if (modo >= ModoInput::NuovaSezioneOrizzontale && modo <= ModoInput::SpostaSezioneInCorso)
        return esterni_.Sezioni;
    if (modo >= ModoInput::QuotaOrizzontale && modo <= ModoInput::VisibilitaQuota) return esterni_.Quote;
    if (modo >= ModoInput::ModificaSolaioParete && modo <= ModoInput::DialogoParete)
        return esterni_.SolaiPareti;
    if (modo == ModoInput::Inattivo && c_.sessione.stato.ModificaPoligono != 0) return esterni_.Editor;
    return nullptr;
}

void MacchinaTela::Hover(float x, float y) {
    Sessione& s = c_.sessione;
    if (s.stato.InfoNodiAttivo != 0) EvidenziaNodo(s.parete, s.stato, c_.vista, c_.tela, x, y);
}

void MacchinaTela::Ctrl_Vid_MouseDown(int pulsante, float x, float y) {
    StatoInterfaccia& st = c_.sessione.stato;
    if (pulsante == Pulsante::Centrale) {
        modoPrimaPan_ = st.Modo;
        ancoraX_ = Arrotonda(st.XClick);
        ancoraY_ = Arrotonda(st.YClick);
        st.Modo = ModoInput::TrascinaCentrale;
        return;
    }
    if (st.InfoNodiAttivo != 0) {
        st.NodoSelezionato = TrovaNodo(c_.sessione.parete, c_.vista, x, y);
        if (st.NodoSelezionato >= 0) c_.porta.InfoNodo(st.NodoSelezionato);
        return;
    }
    if (ModiFamiglia* f = Famiglia(st.Modo)) {
        f->Premi(c_, pulsante, x, y);
        return;
    }
    switch (st.Modo) {
        case ModoInput::ZoomPrimoAngolo:
        case ModoInput::ZoomSecondoAngolo: PremiZoom(pulsante, x, y); break;
        case ModoInput::Trascina:
            if (pulsante == Pulsante::Sinistro) {
                ancoraX_ = Arrotonda(st.XClick);
                ancoraY_ = Arrotonda(st.YClick);
            }
            break;
        case ModoInput::NuovaZona: PremiNuovaZona(x, y); break;
        case ModoInput::ModificaZona: PremiManiglia(x, y); break;
        case ModoInput::SpostaEtichetta: PrendiEtichetta(x, y); break;
        case ModoInput::CancellaPosizione: CancellaPosizione(x, y); break;
        case ModoInput::CopiaPosizione:
        case ModoInput::SpostaPosizione: PrendiPosizione(st.Modo, x, y); break;
        case ModoInput::CopiaLatoOpposto: CopiaSulLatoOpposto(x, y); break;
        case ModoInput::CopiaMultiplaPrimoAngolo:
            c_.vista.BoxX1 = Arrotonda(x);
            c_.vista.BoxY1 = Arrotonda(y);
            st.Modo = ModoInput::CopiaMultiplaSecondoAngolo;
            break;
        case ModoInput::CopiaMultiplaSecondoAngolo:
            if (pulsante == Pulsante::Sinistro) CopiaMultipla(x, y);
            break;
        default: break;
    }
}

void MacchinaTela::Ctrl_Vid_MouseMove(int pulsanti, float x, float y) {
    Sessione& s = c_.sessione;
    const int modo = s.stato.Modo;
    if (ModiFamiglia* f = Famiglia(modo)) {
        if (!f->Muovi(c_, pulsanti, x, y) && modo != ModoInput::Inattivo) Hover(x, y);
        return;
    }
    switch (modo) {
        case ModoInput::ZoomSecondoAngolo:
        case ModoInput::CopiaMultiplaSecondoAngolo: RettangoloElastico(x, y); break;
        case ModoInput::Trascina:
        case ModoInput::TrascinaCentrale: Panoramica(pulsanti, x, y); break;
        case ModoInput::NuovaZonaInCorso:
        case ModoInput::TrascinaAngoloZona: ZonaElastica(pulsanti, x, y); break;
        case ModoInput::TrascinaZona: TrascinaZona(pulsanti, x, y); break;
        case ModoInput::SpostaEtichetta: EvidenziaPos(s.parete, s.stato, c_.vista, c_.tela, x, y); break;
        case ModoInput::TrascinaCentroEtichetta:
        case ModoInput::TrascinaRichiamoEtichetta: MuoviEtichetta(modo, x, y); break;
        case ModoInput::CancellaPosizione:
            EvidenziaCerchio(s.parete, s.stato, c_.vista, c_.tela, x, y, Cordoli::Inclusi);
            break;
        case ModoInput::CopiaPosizione:
            EvidenziaCerchio(s.parete, s.stato, c_.vista, c_.tela, x, y, Cordoli::Esclusi);
            break;
        default:
            // The editor open in mode 0 without its family still gets no hover.
            if (!(modo == ModoInput::Inattivo && s.stato.ModificaPoligono != 0)) Hover(x, y);
            break;
    }
}

void MacchinaTela::Ctrl_Vid_MouseUp(int pulsante, float x, float y) {
    StatoInterfaccia& st = c_.sessione.stato;
    if (ModiFamiglia* f = Famiglia(st.Modo)) {
        f->Rilascia(c_, pulsante, x, y);
        return;
    }
    switch (st.Modo) {
        case ModoInput::Trascina:
        case ModoInput::TrascinaCentrale: FinePanoramica(); break;
        case ModoInput::NuovaZonaInCorso: RilasciaNuovaZona(x, y); break;
        case ModoInput::TrascinaAngoloZona:
        case ModoInput::TrascinaZona: RilasciaManiglia(st.Modo, x, y); break;
        case ModoInput::TrascinaCentroEtichetta:
        case ModoInput::TrascinaRichiamoEtichetta: RilasciaEtichetta(); break;
        default: break;
    }
}

void MacchinaTela::PremiZoom(int pulsante, float x, float y) {
    StatoInterfaccia& st = c_.sessione.stato;
    Vista& v = c_.vista;
    if (st.Modo == ModoInput::ZoomPrimoAngolo) {
        v.BoxX1 = Arrotonda(x);
        v.BoxY1 = Arrotonda(y);
        st.Modo = ModoInput::ZoomSecondoAngolo;
        return;
    }
    if (pulsante != Pulsante::Sinistro) return;
    c_.tela.Cancella(StratoTela::Transitorio);
    v.RettFocus = {};
    v.BoxX2 = Arrotonda(st.XClick);
    v.BoxY2 = Arrotonda(st.YClick);
    if (v.BoxX1 > v.BoxX2) Scambia(v.BoxX1, v.BoxX2);
    if (v.BoxY1 > v.BoxY2) Scambia(v.BoxY1, v.BoxY2);
    if (v.BoxY2 - v.BoxY1 <= LatoMinimoBox || v.BoxX2 - v.BoxX1 <= LatoMinimoBox) return;
    st.Modo = st.ModoPrec;
    AdattaRettangoloZoom(v);
    if (!ZoomRettangolo(v)) return;
    AggiornaManiglie();
    c_.porta.Ridisegna();
}

void MacchinaTela::RettangoloElastico(float x, float y) {
    Vista& v = c_.vista;
    if (v.BoxX1 < 0) return;
    v.BoxX2 = Arrotonda(x);
    v.BoxY2 = Arrotonda(y);
    RettangoloPixel r{v.BoxX1, v.BoxY1, v.BoxX2, v.BoxY2};
    if (r.Sinistra > r.Destra) Scambia(r.Sinistra, r.Destra);
    if (r.Alto > r.Basso) Scambia(r.Alto, r.Basso);
    v.RettFocus = r;
    // The overlay holds only the box: clearing it leaves no stray box behind.
    c_.tela.Cancella(StratoTela::Transitorio);
    c_.tela.Riquadro(StratoTela::Transitorio, static_cast<float>(r.Sinistra),
                     static_cast<float>(r.Alto), static_cast<float>(r.Destra),
                     static_cast<float>(r.Basso), ColoreElastico(c_.sessione.imp), false);
}

void MacchinaTela::Panoramica(int pulsanti, float x, float y) {
    if (pulsanti != Pulsante::Sinistro && pulsanti != Pulsante::Centrale) return;
    Vista& v = c_.vista;
    const int px = Arrotonda(x), py = Arrotonda(y);
    const float dx = -static_cast<float>(px - ancoraX_) / v.Scala;
    const float dy = static_cast<float>(py - ancoraY_) / v.Scala;
    v.FinXmin += dx;
    v.FinXmax += dx;
    v.FinYmin += dy;
    v.FinYmax += dy;
    const int spostaX = px - ancoraX_, spostaY = py - ancoraY_;
    ancoraX_ = px;
    ancoraY_ = py;
    c_.porta.SpostaImmagine(spostaX, spostaY);
}

void MacchinaTela::FinePanoramica() {
    StatoInterfaccia& st = c_.sessione.stato;
    st.Modo = st.Modo == ModoInput::Trascina ? ModoInput::Inattivo : modoPrimaPan_;
    AggiornaManiglie();
    c_.porta.Ridisegna();
}

void MacchinaTela::AggiornaManiglie() {
    StatoInterfaccia& st = c_.sessione.stato;
    if (st.Modo != ModoInput::ModificaZona) return;
    const auto& vt = st.PosCorrente.Vertici;
    st.XA = XSchermo(c_.vista, vt[0].X);
    st.YA = YSchermo(c_.vista, vt[0].Y);
    st.XB = XSchermo(c_.vista, vt[2].X);
    st.YB = YSchermo(c_.vista, vt[2].Y);
    st.XMedio = (st.XA + st.XB) / 2.0f;
    st.YMedio = (st.YA + st.YB) / 2.0f;
}
