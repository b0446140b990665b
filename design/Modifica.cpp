#include "design/Modifica.h"

#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/ArmaturaDiffusa.h"
#include "design/ContorniArmatura.h"
#include "model/Estensione.h"
#include "model/Finestra.h"
#include "model/Sessione.h"
#include "model/Sezioni.h"

void CodaGeometria(Parete& parete, StatoInterfaccia& stato) {
    CalcolaEstensione(parete);
    CalcolaContorniArmatura(parete);
    AggiornaSezioni(parete, stato);
}

void CodaArmatura(Parete& parete, const Impostazioni& imp) {
    CalcolaAreeStrati(parete);
    AggiornaAreeMancanti(parete, -1);
    RicalcolaArmature(parete, imp);
}

void Ricalcolo::Geometria(Sessione& sessione) const {
    CodaGeometria(sessione.parete, sessione.stato);
}

void Ricalcolo::Armatura(Sessione& sessione) const {
    CodaArmatura(sessione.parete, sessione.imp);
}

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
      prima_(sessione.parete.Progetto()) {
    if (annullamento == PuntoAnnullamento::Si) MemorizzaModifica(sessione_, finestra_);
}

Modifica::~Modifica() {
    if (!confermata_) sessione_.parete.Progetto() = std::move(prima_);
}

void Modifica::Conferma() {
    if (confermata_) return;
    confermata_ = true;
    // Changes that store no undo step (the grid, deletions, the automatic
    // dimensioning) must still be saved before the program closes.
    if (sessione_.parete.CaricataParete()) sessione_.storia.Modificata = true;
    if (coda_ == CodaRicalcolo::Geometria || coda_ == CodaRicalcolo::Completa)
        ricalcolo_.Geometria(sessione_);
    if (coda_ == CodaRicalcolo::Armatura || coda_ == CodaRicalcolo::Completa)
        ricalcolo_.Armatura(sessione_);
    finestra_.AggiornaDopoModifica();
}
