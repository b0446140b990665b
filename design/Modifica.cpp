#include "design/Modifica.h"

#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/ArmaturaDiffusa.h"
#include "design/ContorniArmatura.h"
#include "design/ZoneNellaParete.h"
#include "model/Estensione.h"
#include "model/Finestra.h"
#include "model/Protezione.h"
#include "model/Sessione.h"
#include "model/Sezioni.h"

#include <exception>
#include <vector>

void CodaGeometria(Parete& parete, StatoInterfaccia& stato) {
    CalcolaEstensione(parete);
    CalcolaContorniArmatura(parete);
    AggiornaSezioni(parete, stato);
}

void CodaAree(Parete& parete) {
    CalcolaAreeStrati(parete);
    AggiornaAreeMancanti(parete, -1);
}

void CodaArmatura(Parete& parete, const Impostazioni& imp) {
    CodaAree(parete);
    RicalcolaArmature(parete, imp);
}

void Ricalcolo::Geometria(Sessione& sessione) const {
    CodaGeometria(sessione.parete, sessione.stato);
}

void Ricalcolo::Armatura(Sessione& sessione) const {
    CodaArmatura(sessione.parete, sessione.imp);
}

void Ricalcolo::Aree(Sessione& sessione) const { CodaAree(sessione.parete); }

const Ricalcolo& RicalcoloStandard() {
    static const Ricalcolo standard;
    return standard;
}

Modifica::Modifica(Sessione& sessione, InterfacciaFinestra& finestra, CodaRicalcolo coda,
                   PuntoAnnullamento annullamento, const Ricalcolo& ricalcolo)
    : sessione_(sessione),
      finestra_(finestra),
      coda_(coda),
      ricalcolo_(ricalcolo),
      prima_(sessione.parete),
      impPrima_(sessione.imp),
      eccezioni_(std::uncaught_exceptions()) {
    if (annullamento == PuntoAnnullamento::Si) passo_ = PreparaModifica(sessione_);
}

Modifica::~Modifica() {
    if (fine_ != Fine::Aperta) return;
    if (std::uncaught_exceptions() > eccezioni_) {
        Ripristina();
        return;
    }
    sessione_.parete.Progetto() = std::move(prima_.Progetto());
    // A dialog takes the step before it checks what it was given: a refusal
    // keeps it. A fault storing it loses the step, never the program.
    (void)Protetto([this] { MemorizzaPasso(); });
}

void Modifica::Ripristina() {
    sessione_.parete = std::move(prima_);
    sessione_.imp = std::move(impPrima_);
    fine_ = Fine::Rifiutata;
}

void Modifica::MemorizzaPasso() {
    if (passo_) MemorizzaModifica(sessione_, finestra_, *passo_);
}

bool Modifica::Conferma() {
    if (fine_ != Fine::Aperta) return fine_ == Fine::Confermata;
    std::vector<int> eliminate;
    const Esito ricalcolata = Protetto([this, &eliminate] {
        bool armatura = coda_ == CodaRicalcolo::Armatura || coda_ == CodaRicalcolo::Completa;
        if (coda_ == CodaRicalcolo::Geometria || coda_ == CodaRicalcolo::Completa) {
            ricalcolo_.Geometria(sessione_);
            // The zones lie in the wall they were drawn in: a smaller wall
            // cuts them, in this same step, and their bars are measured again.
            if (CambiatiConfiniZone(sessione_.parete, prima_)) {
                ZoneTagliate tagliate = TagliaZoneAllaParete(sessione_.parete, prima_, sessione_.imp);
                if (!tagliate.Risultato.Riuscito()) return tagliate.Risultato;
                armatura = armatura || tagliate.Modificate;
                eliminate = std::move(tagliate.Eliminate);
            }
        }
        if (armatura) ricalcolo_.Armatura(sessione_);
        return Esito::Ok();
    });
    if (!ricalcolata.Riuscito()) {
        Ripristina();
        (void)SegnalaInterruzione(finestra_, "Impossibile completare la modifica.", ricalcolata);
        finestra_.AggiornaDopoModifica();
        return false;
    }
    fine_ = Fine::Confermata;
    MemorizzaPasso();
    // Changes that store no undo step (the grid, deletions, the automatic
    // dimensioning) must still be saved before the program closes.
    if (sessione_.parete.CaricataParete()) sessione_.storia.Modificata = true;
    finestra_.AggiornaDopoModifica();
    for (const int numero : eliminate)
        finestra_.Messaggio(MessaggioZonaEliminata(numero), "Attenzione!", IconaMessaggio::Esclamazione);
    return true;
}
