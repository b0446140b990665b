#include "interaction/ModiSezione.h"

#include "design/Modifica.h"
#include "interaction/AssegnaSez.h"
#include "interaction/PuntoAmmesso.h"
#include "model/Finestra.h"
#include "model/NumeroSemplice.h"
#include "model/Sessione.h"
#include "model/Sezioni.h"
#include "model/StoriaAnnulla.h"

namespace {

int Trova(const ContestoModi& c, float x, float y) {
    return c.servizi.TrovaSezione ? c.servizi.TrovaSezione(c.sessione, c.vista, x, y) : -1;
}

DopoEvento NuovaSezione(ContestoModi& c, float x, float y) {
    StatoInterfaccia& stato = c.sessione.stato;
    const bool orizzontale = stato.Modo == ModoInput::NuovaSezioneOrizzontale;
    if (!PuntoTelaAmmesso(c.vista, x, y)) return DopoEvento::Nulla;
    MemorizzaModifica(c.sessione, c.finestra);
    stato.IndiceSezione = c.sessione.parete.UltSezione + 1;
    stato.Modo = ModoInput::NuovaSezioneInCorso;
    stato.OrientSezione = orizzontale ? 1 : 0;
    DisSezTmp(c.sessione, c.tela, x, y);
    return DopoEvento::Nulla;
}

DopoEvento Cancella(ContestoModi& c, float x, float y) {
    const int k = Trova(c, x, y);
    if (k < 0) return DopoEvento::Nulla;
    c.sessione.stato.Modo = ModoInput::Inattivo;
    const std::string domanda = "Vuoi cancellare la sez. n." + NumeroSemplice(k + 1) + " ?";
    if (!c.finestra.Domanda(domanda, "Attenzione!", IconaMessaggio::Domanda))
        return DopoEvento::Ridisegna;
    Modifica modifica(c.sessione, c.finestra, CodaRicalcolo::Geometria, PuntoAnnullamento::No);
    EliminaSezione(c.sessione.parete, k);
    modifica.Conferma();
    return DopoEvento::Nulla;
}

DopoEvento Sposta(ContestoModi& c, float x, float y) {
    const int k = Trova(c, x, y);
    if (k < 0) return DopoEvento::Nulla;
    MemorizzaModifica(c.sessione, c.finestra);
    StatoInterfaccia& stato = c.sessione.stato;
    stato.IndiceSezione = k;
    stato.OrientSezione = c.sessione.parete.Sezioni[k].Orizzontale;
    stato.Modo = ModoInput::SpostaSezioneInCorso;
    return DopoEvento::Nulla;
}

}  // namespace

DopoEvento PremiSezione(ContestoModi& c, int /*pulsante*/, float x, float y) {
    switch (c.sessione.stato.Modo) {
    case ModoInput::NuovaSezioneOrizzontale:
    case ModoInput::NuovaSezioneVerticale: return NuovaSezione(c, x, y);
    case ModoInput::CancellaSezione: return Cancella(c, x, y);
    case ModoInput::SpostaSezione: return Sposta(c, x, y);
    default: return DopoEvento::Nulla;
    }
}

DopoEvento MuoviSezione(ContestoModi& c, int /*pulsante*/, float x, float y) {
    const int modo = c.sessione.stato.Modo;
    if (modo == ModoInput::NuovaSezioneInCorso || modo == ModoInput::SpostaSezioneInCorso)
        DisSezTmp(c.sessione, c.tela, x, y);
    return DopoEvento::Nulla;
}

DopoEvento RilasciaSezione(ContestoModi& c, int /*pulsante*/, float x, float y) {
    Parete& parete = c.sessione.parete;
    StatoInterfaccia& stato = c.sessione.stato;
    const int modo = stato.Modo;
    if (modo != ModoInput::NuovaSezioneInCorso && modo != ModoInput::SpostaSezioneInCorso)
        return DopoEvento::Nulla;
    stato.Modo = ModoInput::Inattivo;
    const bool nuova = modo == ModoInput::NuovaSezioneInCorso;
    // An undo since the press may have shortened the list.
    if (nuova)
        stato.IndiceSezione = parete.UltSezione + 1;
    else if (stato.IndiceSezione < 0 || stato.IndiceSezione > parete.UltSezione)
        return DopoEvento::Ridisegna;
    const int indice = stato.IndiceSezione;
    Modifica modifica(c.sessione, c.finestra, CodaRicalcolo::Geometria, PuntoAnnullamento::No);
    AssegnaSez(c.sessione, c.vista, c.finestra, x, y);
    if (stato.ErroreOperazione != 0) return DopoEvento::Ridisegna;
    if (nuova) {
        parete.UltSezione = indice;
        OrdinaSezioni(parete);
    }
    modifica.Conferma();
    return DopoEvento::Nulla;
}
