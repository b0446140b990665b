#include "design/ProgettoDiffusa.h"

#include "design/ProgettoDiffusaStrato.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

void ProgettaDiffusa(Parete& parete, const Impostazioni& imp, InterfacciaFinestra& finestra) {
    for (int k = 0; k < 4; ++k) ProgettaStrato(parete, imp, finestra, k);
}

void ApplicaProgettoDiffusa(Sessione& sessione, InterfacciaFinestra& finestra,
                            const Ricalcolo& ricalcolo) {
    if (!sessione.parete.CaricataParete()) return;
    {
        Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si,
                          ricalcolo);
        ProgettaDiffusa(sessione.parete, sessione.imp, finestra);
        modifica.Conferma();
    }
    // The panel shows the provided areas, which the tail has just recomputed.
    finestra.PanelDiffusa();
}
