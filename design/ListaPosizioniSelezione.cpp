#include "design/ListaPosizioniSelezione.h"

#include "design/AccessoriStrato.h"
#include "design/PassoZona.h"
#include "design/RitagliaZona.h"
#include "model/Finestra.h"
#include "model/Poligoni.h"
#include "model/Sessione.h"

#include <algorithm>

namespace {

// The nodes inside the zone of the buffer and their missing area in one layer.
struct NodiInterni {
    int Numero = 0;
    float Somma = 0.0f;
    float Massimo = 0.0f;  // never below 0
};

NodiInterni ContaNodiInterni(const Parete& parete, const StatoInterfaccia& stato) {
    const int strato = stato.TipoMappa - 5;
    NodiInterni r;
    const int numero = std::min(parete.NumNodi, static_cast<int>(parete.Nodi.size()));
    for (int j = 0; j < numero; ++j) {
        const Nodo& nodo = parete.Nodi[j];
        if (!PuntoInZonaCorrente(stato, nodo.X, nodo.Y)) continue;
        const float v = CarenzaNodo(parete, strato, j);
        ++r.Numero;
        r.Somma += v;
        r.Massimo = std::max(r.Massimo, v);
    }
    return r;
}

}  // namespace

bool CreaPosizioneDaSelezione(Sessione& sessione, InterfacciaFinestra& finestra, OrigineZona origine,
                              int modo) {
    const Parete& parete = sessione.parete;
    StatoInterfaccia& stato = sessione.stato;
    PosizioneArm& pos = stato.PosCorrente;

    const NodiInterni nodi = ContaNodiInterni(parete, stato);
    stato.AreaRichiestaMax = nodi.Massimo;
    stato.AreaRichiestaMedia = nodi.Numero > 0 ? nodi.Somma / static_cast<float>(nodi.Numero) : 0.0f;

    if (modo < ModoInput::ModificaZona) {
        pos.Tipo = stato.LatoAttivo;
        pos.Direzione = stato.DirezioneAttiva;
    }
    if (origine == OrigineZona::Nuova) {
        pos.Diametro = parete.DiamIntegrativa;
        pos.Passo = stato.AreaRichiestaMax > 0.0f
                        ? PassoArrotondato(sessione.imp, pos.Diametro, stato.AreaRichiestaMax)
                        : sessione.imp.PassoMaxIntegrativa;
    }

    if (nodi.Numero == 0) {
        finestra.Messaggio("La selezione deve contenere almeno un nodo", "Attenzione!",
                           IconaMessaggio::Esclamazione);
        return false;
    }
    // A zone holding every node is clipped too: the whole outline would
    // store the wall's area beyond the zone's sides.
    const bool ritagliata = RitagliaZona(stato, parete, sessione.imp);
    if (!ritagliata) {
        finestra.Messaggio("La selezione non individua correttamente la zona da armare.\nOperazione annullata.",
                           "Errore!", IconaMessaggio::Esclamazione);
    }
    return ritagliata;
}
