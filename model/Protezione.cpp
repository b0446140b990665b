#include "model/Protezione.h"

#include "model/Finestra.h"

#include <exception>
#include <new>
#include <system_error>

Esito EsitoEccezione() noexcept {
    // The reason is text too: with no memory left even for it, the code alone.
    const Esito senzaMemoria{1, {}, std::make_error_code(std::errc::not_enough_memory)};
    try {
        try {
            throw;
        } catch (const std::bad_alloc&) {
            Esito esito = senzaMemoria;
            esito.Motivo = "Memoria insufficiente.";
            return esito;
        } catch (const std::exception& errore) {
            return Esito::Errore(std::string("Errore interno: ") + errore.what() + ".");
        } catch (...) {
            return Esito::Errore("Errore interno sconosciuto.");
        }
    } catch (...) {
        return senzaMemoria;
    }
}

Esito SegnalaInterruzione(InterfacciaFinestra& finestra, const std::string& operazione,
                          const Esito& esito) {
    std::string testo = operazione;
    if (!esito.Motivo.empty()) testo += "\n" + esito.Motivo;
    Esito segnalato{esito.Codice, testo + "\nOperazione annullata.", esito.ErroreSistema};
    finestra.Messaggio(segnalato.Motivo, "Errore!", IconaMessaggio::Esclamazione);
    return segnalato;
}
