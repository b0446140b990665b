#include "design/ConfermaUscita.h"

#include "design/SalvaPareteComando.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

namespace {

Risposta Chiedi(InterfacciaFinestra& finestra, Abbandono perche) {
    if (perche == Abbandono::Uscita)
        return finestra.Domanda("Vuoi salvare prima di uscire?", "Uscita dal programma",
                                IconaMessaggio::Domanda)
                   ? Risposta::Si
                   : Risposta::No;
    return finestra.DomandaAnnullabile("Vuoi salvare le modifiche alla parete aperta?",
                                       "Apertura di una parete", IconaMessaggio::Domanda);
}

}  // namespace

bool ModificheDaSalvare(const Sessione& sessione) {
    return sessione.parete.CaricataParete() && sessione.storia.Modificata;
}

bool ConfermaAbbandono(Sessione& sessione, InterfacciaFinestra& finestra, Abbandono perche) {
    if (!ModificheDaSalvare(sessione)) return true;
    switch (Chiedi(finestra, perche)) {
        case Risposta::No: return true;
        case Risposta::Annulla: return false;
        case Risposta::Si: break;
    }
    return ComandoSalva(sessione, finestra).Riuscito();
}
