#include "design/CaricaProgetto.h"

#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/ArmaturaDiffusa.h"
#include "design/ConfermaUscita.h"
#include "design/LeggiParete.h"
#include "drawing/ComandiVista.h"
#include "model/Cartelle.h"
#include "model/Estensione.h"
#include "model/FileIni.h"
#include "model/Finestra.h"
#include "model/Recenti.h"
#include "model/RecentiApri.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"
#include "model/Testo.h"
#include "model/Titolo.h"

namespace {

const std::vector<std::string> RigheCaricamento = {
    "Caricamento in corso.",
    "Per file di grosse dimensioni, l'operazione potrebbe durare alcuni minuti.",
    "Attendere prego.",
};

// The defaults and the stored settings come back; the wall that stays open
// keeps what comes with it, and the window shows its faces again.
void RipristinaImpostazioni(Sessione& sessione, InterfacciaFinestra& finestra) {
    const int magliaUnica = sessione.parete.MagliaUnica;
    const int piega = sessione.parete.PiegaAncoraggio;
    // A damaged settings file has been told and leaves the defaults.
    (void)LeggiIni(sessione, finestra);
    sessione.parete.MagliaUnica = magliaUnica;
    sessione.parete.PiegaAncoraggio = piega;
    if (magliaUnica != 0) {
        finestra.SelezionaLatoMeno();
        finestra.MostraPulsantiLato(false);
        finestra.MostraEtichettaMagliaUnica(true);
    }
}

void ApriParete(Sessione& sessione, const std::string& file, Vista& vista,
                InterfacciaFinestra& finestra) {
    Parete& parete = sessione.parete;
    SvuotaAnnulla(sessione.storia);
    parete.FileCorrente = file;
    parete.CartellaLavoro = CartellaDelFile(file);
    AggiornaTitolo(parete.FileCorrente, finestra);
    if (parete.NumNodi > 0) {
        CalcolaAreeStrati(parete);
        StatisticheAree(parete);
        AggiornaAreeMancanti(parete, -1);
        AggiornaRecenti(sessione.recenti, parete.FileCorrente);
    }
    finestra.PanelDiffusa();
    CalcolaEstensione(parete);
    finestra.CursoreAttesa(false);
    AdattaFinestra(vista, parete.Estensione);
    RicalcolaArmature(parete, sessione.imp);
    sessione.stato.StatoVista = 0;
    // A node or a typed map range of the previous wall means nothing in this one.
    sessione.stato.NodoSelezionato = -1;
    sessione.stato.ScalaImpostata = false;
    sessione.stato.VistaCorrente = parete.MagliaUnica != 0 ? 1 : 0;
    finestra.AggiornaDopoModifica();
}

Esito AperturaAnnullata(Sessione& sessione) {
    sessione.stato.ErroreOperazione = -1;
    return Esito::Errore("Apertura annullata.", CodiceApertura::Annullata);
}

}  // namespace

Esito CaricaProgetto(Sessione& sessione, const std::string& percorso, Vista& vista,
                     InterfacciaFinestra& finestra, Avvio avvio) {
    const std::string file = percorso;  // may be FileCorrente itself
    if (file.empty() || UgualiSenzaMaiuscole(file, "Anonimo"))
        return Esito::Errore("Nessun file della parete da aprire.", CodiceApertura::NessunFile);

    finestra.CursoreAttesa(true);
    finestra.MostraCaricamento(RigheCaricamento);
    Esito letta = LeggiParete(sessione, file, finestra);
    if (letta.Riuscito()) {
        ApriParete(sessione, file, vista, finestra);
        return letta;
    }

    finestra.CursoreAttesa(false);
    if (avvio == Avvio::Si) return Esito::Errore(std::move(letta.Motivo), CodiceApertura::FineProgramma);
    RipristinaImpostazioni(sessione, finestra);
    sessione.stato.ErroreOperazione = 0;  // the outcome tells the failure
    finestra.AggiornaDopoModifica();
    return letta;
}

Esito ApriFile(Sessione& sessione, Vista& vista, InterfacciaFinestra& finestra) {
    sessione.stato.ErroreOperazione = 0;
    if (!ConfermaAbbandono(sessione, finestra, Abbandono::Apertura)) return AperturaAnnullata(sessione);
    const std::optional<std::string> scelto =
        finestra.ScegliFileDaAprire("Apri", "File dati (*.SET)");
    if (!scelto || scelto->empty() || *scelto == "*.SET") return AperturaAnnullata(sessione);
    return CaricaProgetto(sessione, *scelto, vista, finestra, Avvio::No);
}

Esito ApriFileRecente(Sessione& sessione, int k, Vista& vista, InterfacciaFinestra& finestra) {
    const std::optional<std::string> percorso = ApriRecente(sessione, k, finestra);
    if (!percorso)
        return Esito::Errore("Nessun file della parete da aprire.", CodiceApertura::NessunFile);
    if (!ConfermaAbbandono(sessione, finestra, Abbandono::Apertura)) return AperturaAnnullata(sessione);
    return CaricaProgetto(sessione, *percorso, vista, finestra, Avvio::No);
}
