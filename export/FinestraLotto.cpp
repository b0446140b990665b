#include "export/FinestraLotto.h"

void FinestraLotto::Messaggio(const std::string& testo, const std::string& titolo,
                              IconaMessaggio icona) {
    finestra_.Messaggio(testo, titolo, icona);
}

bool FinestraLotto::Domanda(const std::string& testo, const std::string& titolo,
                            IconaMessaggio icona) {
    return finestra_.Domanda(testo, titolo, icona);
}

Risposta FinestraLotto::DomandaAnnullabile(const std::string& testo, const std::string& titolo,
                                           IconaMessaggio icona) {
    return finestra_.DomandaAnnullabile(testo, titolo, icona);
}
