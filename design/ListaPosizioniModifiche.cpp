#include "design/ListaPosizioniModifiche.h"

#include "design/ListaPosizioni.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

#include <string>

void SegnalaListaPiena(InterfacciaFinestra& finestra) {
    finestra.Messaggio("Numero massimo di posizioni (" + std::to_string(MaxPosizioniZona) +
                           ") raggiunto.\nOperazione annullata.",
                       "Attenzione!", IconaMessaggio::Esclamazione);
}

bool ConfermaPosizione(Sessione& sessione, InterfacciaFinestra& finestra, PuntoAnnullamento annullamento) {
    if (sessione.stato.IndiceCorrente < 0) return false;
    if (!PostoPerPosizioni(sessione.parete, PosizioniNuoveConferma(sessione.parete, sessione.stato))) {
        SegnalaListaPiena(finestra);
        return false;
    }
    Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, annullamento);
    if (ConfermaPosizione(sessione.parete, sessione.stato) != EsitoPosizione::Memorizzata) return false;
    // Both or neither: a refused copy leaves the change unconfirmed, which
    // puts the design back.
    if (AggiungiPosizioneCorrente(sessione.parete, sessione.stato) == EsitoPosizione::ListaPiena) return false;
    return modifica.Conferma();
}

bool EliminaPosizione(Sessione& sessione, InterfacciaFinestra& finestra, int i) {
    if (!EsistePosizione(sessione.parete, i)) return false;
    Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
    EliminaPosizione(sessione.parete, i);
    return modifica.Conferma();
}
