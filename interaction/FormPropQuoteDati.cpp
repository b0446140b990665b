#include "interaction/FormPropQuoteDati.h"

#include "design/Modifica.h"
#include "model/Sessione.h"

namespace {

bool QuotaEsiste(const Parete& parete, int indice) {
    return indice >= 0 && indice <= parete.UltQuota &&
           indice < static_cast<int>(parete.Quote.size());
}

}  // namespace

std::string DidascaliaPiantaCorrente(int vistaCorrente, int magliaUnica) {
    const std::string lato = magliaUnica != 0 ? "" : " lato -";
    switch (vistaCorrente) {
        case 0: return "Pianta armatura diffusa lato +";
        case 1: return "Pianta armatura diffusa" + lato;
        case 2: return "Pianta armatura integrativa lato +";
        case 3: return "Pianta armatura integrativa" + lato;
        default: return "";
    }
}

bool QuotaInTutteLePiante(const Parete& parete, int indice) {
    return QuotaEsiste(parete, indice) && parete.Quote[indice].Vista == -1;
}

bool ConfermaFrmPropQuote(Sessione& sessione, InterfacciaFinestra& finestra,
                          bool soloPiantaCorrente) {
    const int indice = sessione.stato.QuotaSelezionata;
    if (!QuotaEsiste(sessione.parete, indice)) return false;
    Modifica modifica(sessione, finestra, CodaRicalcolo::Nessuna, PuntoAnnullamento::Si);
    sessione.parete.Quote[indice].Vista = soloPiantaCorrente ? sessione.stato.VistaCorrente : -1;
    modifica.Conferma();
    return true;
}
