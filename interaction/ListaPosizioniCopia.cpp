#include "interaction/ListaPosizioniCopia.h"

#include "design/ListaPosizioni.h"
#include "design/ListaPosizioniModifiche.h"
#include "design/Modifica.h"
#include "drawing/Palette.h"
#include "drawing/TelaSchermo.h"
#include "drawing/Vista.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

#include <vector>

namespace {

constexpr int PrimaVistaZone = 2;
constexpr int UltimaVistaZone = 13;
constexpr float RaggioMarca = 20.0f;  // cm
constexpr int GialloMarca = 14;       // of the sixteen-colour palette

bool NelRiquadro(const Vista& vista, const PosizioneArm& pos) {
    const float x = XSchermo(vista, pos.XBaricentro);
    const float y = YSchermo(vista, pos.YBaricentro);
    return vista.BoxX1 < x && x < vista.BoxX2 && vista.BoxY1 < y && y < vista.BoxY2;
}

// The zones of the active layer whose centroid lies in the box, in list order.
std::vector<int> Selezione(const Parete& parete, const StatoInterfaccia& stato, const Vista& vista) {
    std::vector<int> scelte;
    if (stato.StatoVista < PrimaVistaZone || stato.StatoVista > UltimaVistaZone) return scelte;
    for (int p = 0; EsistePosizione(parete, p); ++p) {
        const PosizioneArm& pos = parete.Posizioni[p];
        if (pos.Tipo == stato.LatoAttivo && pos.Direzione == stato.DirezioneAttiva && NelRiquadro(vista, pos))
            scelte.push_back(p);
    }
    return scelte;
}

void Marca(TelaSchermo& tela, const Vista& vista, const PosizioneArm& pos) {
    tela.ImpostaSpessoreTratto(2);
    tela.Cerchio(StratoTela::Immagine, XSchermo(vista, pos.XBaricentro), YSchermo(vista, pos.YBaricentro),
                 RaggioMarca * vista.Scala, ColoreBase(GialloMarca));
    tela.ImpostaSpessoreTratto(1);
}

}  // namespace

void CopiaLatoOpposto(Sessione& sessione, InterfacciaFinestra& finestra, const Vista& vista, TelaSchermo& tela) {
    Parete& parete = sessione.parete;
    const std::vector<int> scelte = Selezione(parete, sessione.stato, vista);
    if (scelte.empty()) return;
    if (!PostoPerPosizioni(parete, static_cast<int>(scelte.size()))) {
        SegnalaListaPiena(finestra);
        return;
    }
    for (const int p : scelte) Marca(tela, vista, parete.Posizioni[p]);
    if (!finestra.Domanda("Vuoi copiare le armature selezionate sul lato opposto?", "Copia",
                          IconaMessaggio::Nessuna)) {
        return;
    }

    Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
    // The room was checked for the whole selection.
    for (const int p : scelte) {
        if (!AggiungiCopiaLatoOpposto(parete, p)) return;  // unconfirmed: the design goes back
    }
    modifica.Conferma();
}
