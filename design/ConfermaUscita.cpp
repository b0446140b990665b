#include "design/ConfermaUscita.h"

#include "design/SalvaPareteComando.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

bool ConfermaUscita(Sessione& sessione, InterfacciaFinestra& finestra) {
    if (!sessione.parete.CaricataParete() || !sessione.storia.Modificata) return true;
    if (!finestra.Domanda("Vuoi salvare prima di uscire?", "Uscita dal programma",
                          IconaMessaggio::Domanda))
        return true;
    return ComandoSalva(sessione, finestra).Riuscito();
}
