#include "interaction/ChiusuraImpostazioni.h"

#include "model/Finestra.h"
#include "model/Sessione.h"

void ChiudiImpostazioni(Sessione& sessione, InterfacciaFinestra& finestra,
                        ChiusuraImpostazioni chiusura, const ValoriControlli& controlli,
                        const CopiaImpostazioni& copia, const std::function<void()>& coloriTela,
                        const Ricalcolo& ricalcolo) {
    if (chiusura == ChiusuraImpostazioni::Ok) {
        Modifica modifica(sessione, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si,
                          ricalcolo);
        LeggiF(sessione.imp, controlli);
        if (coloriTela) coloriTela();
        modifica.Conferma();
        return;
    }
    if (chiusura == ChiusuraImpostazioni::Annulla) copia.Rimetti(sessione);
    // Only settings changed: the quantities follow, the design is as it was.
    ricalcolo.Armatura(sessione);
    finestra.AggiornaDopoModifica();
}
