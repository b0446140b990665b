#include "model/RecentiApri.h"

#include "model/Cartelle.h"
#include "model/Finestra.h"
#include "model/Recenti.h"
#include "model/Sessione.h"

std::optional<std::string> ApriRecente(Sessione& sessione, int k, InterfacciaFinestra& finestra) {
    ElencoRecenti& elenco = sessione.recenti;
    if (k < 0 || k >= elenco.NumFileRecenti) return std::nullopt;
    const std::string percorso = elenco.FileRecenti[k];
    if (EsisteFile(percorso, sessione.stato, finestra)) return percorso;
    finestra.Messaggio(percorso + " non trovato!", "Errore caricamento",
                       IconaMessaggio::Esclamazione);
    RimuoviRecente(elenco, k);
    return std::nullopt;
}
