#include "design/Ridisegna.h"

#include "design/DisElementiVista.h"
#include "design/DisPosizioniMappa.h"
#include "design/DisTavola.h"
#include "design/LegendaMappa.h"
#include "design/MappaColori.h"
#include "drawing/BersaglioDxf.h"
#include "drawing/BersaglioSchermo.h"
#include "drawing/DisLineeSezioni.h"
#include "drawing/DisPerimetri.h"
#include "drawing/DisSolaiPareti.h"
#include "drawing/LayerPassata.h"
#include "drawing/LegendaVideo.h"
#include "drawing/ManiglieZona.h"
#include "drawing/PoligonoEditor.h"
#include "model/Finestra.h"
#include "model/Protezione.h"
#include "model/Sessione.h"

namespace {

constexpr int VistaTavola = 5;
constexpr int VistaMappa = 9999;

bool StatoMappa(int statoVista) { return statoVista >= 2 && statoVista <= 13; }

// The maps of missing area have their own range: no range frame for them.
bool MappaConScala(const StatoInterfaccia& stato) {
    return stato.VistaCorrente == VistaMappa && (stato.TipoMappa < 5 || stato.TipoMappa > 9);
}

// The view of VistaCorrente: one elevation with its sections below, or the
// sheet panel by panel with the sections at its right.
void DisVista(const Parete& parete, int vista, const BersagliPassata& b) {
    if (vista == VistaTavola) DisTavola(parete, b);
    else DisPiantaConSezioni(parete, vista, b);
}

void DisMappa(Sessione& s, const DestinazioneSchermo& d, const BersagliPassata& b,
              const BersaglioSchermo& disegno) {
    const Parete& parete = s.parete;
    const StatoInterfaccia& stato = s.stato;
    MappaColori(parete, s.imp, s.stato, d.Tela, d.VistaTela,
                [&](float alto, float basso, const std::string& titolo, int direzione, int lato) {
                    LegendaMappa(alto, basso, titolo, direzione, lato, parete, stato, d.Riquadro);
                });
    DisPerimetri(parete, 0.0f, 0.0f, b.Sagome);
    if (parete.UltPosizione >= 0) DisPosizioniMappa(parete, stato, d.Tela, disegno);
    DisSolai(parete, 0.0f, 0.0f, b.Sagome);
    if (parete.UltSezione >= 0) DisLineeSezioni(parete, 0.0f, 0.0f, b.Disegno);
}

void DisegnaSchermo(Sessione& s, const DestinazioneSchermo& d) {
    const DisegnoAperto aperto(d.Tela);
    d.Tela.Cancella(StratoTela::Immagine);
    d.Tela.Cancella(StratoTela::Transitorio);
    d.Finestra.MostraRiquadroScala(MappaConScala(s.stato));

    const MascheraLayer maschera = MascheraPassata(s.imp, Passata::Schermo);
    const BersaglioSchermo disegno(d.Tela, StratoTela::Immagine, d.VistaTela, s.imp, maschera);
    const BersaglioSchermo sagome(d.Tela, StratoTela::Immagine, d.VistaTela, s.imp,
                                  MascheraSagome(maschera));
    const BersagliPassata b{disegno, sagome};

    if (s.stato.ModificaPoligono != 0) {
        DisPerimetri(s.parete, 0.0f, 0.0f, sagome);
        DisPoligEdit(s.stato, disegno);
        return;
    }
    if (s.parete.CaricataParete()) {
        if (StatoMappa(s.stato.StatoVista)) {
            DisMappa(s, d, b, disegno);
        } else {
            LegendaVideo(s.parete, s.stato, d.Riquadro);
            DisVista(s.parete, s.stato.VistaCorrente, b);
        }
    }
    DisZonaInModifica(s.parete, s.imp, s.stato, d.Tela, d.VistaTela);
}

// Half a drawing would pass for the wall: the canvas is left empty.
void SvuotaTela(TelaSchermo& tela) {
    tela.RimuoviRitaglio();
    const DisegnoAperto aperto(tela);
    tela.Cancella(StratoTela::Immagine);
    tela.Cancella(StratoTela::Transitorio);
}

}  // namespace

void Ridisegna(Sessione& s, const DestinazioneSchermo& d) {
    const Esito disegnato = Protetto([&] { DisegnaSchermo(s, d); });
    StatoInterfaccia& stato = s.stato;
    if (disegnato.Riuscito()) {
        stato.RidisegnoInterrotto = false;
        return;
    }
    (void)Protetto([&] { SvuotaTela(d.Tela); });
    // Every redraw asks again: a fault that lasts is told once.
    if (stato.RidisegnoInterrotto) return;
    stato.RidisegnoInterrotto = true;
    (void)SegnalaInterruzione(d.Finestra, "Impossibile completare il disegno della parete.",
                              disegnato);
}

void Ridisegna(const Sessione& s, const DestinazioneDxf& d) {
    if (!s.parete.CaricataParete()) return;
    const MascheraLayer maschera = MascheraPassata(s.imp, Passata::Dxf);
    const BersaglioDxf disegno(d.Flusso, d.Stato, s.imp, maschera);
    const BersaglioDxf sagome(d.Flusso, d.Stato, s.imp, MascheraSagome(maschera));
    DisVista(s.parete, VistaTavola, {disegno, sagome});
}
