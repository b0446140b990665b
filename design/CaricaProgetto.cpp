#include "design/CaricaProgetto.h"

#include "design/AreeStrati.h"
#include "design/ConfermaUscita.h"
#include "design/EstensioneTavola.h"
#include "design/LeggiParete.h"
#include "drawing/ComandiVista.h"
#include "drawing/Vista.h"
#include "model/Cartelle.h"
#include "model/Estensione.h"
#include "model/FileIni.h"
#include "model/Finestra.h"
#include "model/Protezione.h"
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
// keeps what comes with it, and the window shows its faces again (a wall read
// before a fault may have changed them).
void RipristinaImpostazioni(Sessione& sessione, InterfacciaFinestra& finestra) {
    const int magliaUnica = sessione.parete.MagliaUnica;
    const int piega = sessione.parete.PiegaAncoraggio;
    // A damaged settings file has been told and leaves the defaults.
    (void)LeggiIni(sessione, finestra);
    sessione.parete.MagliaUnica = magliaUnica;
    sessione.parete.PiegaAncoraggio = piega;
    if (magliaUnica != 0) finestra.SelezionaLatoMeno();
    finestra.MostraPulsantiLato(magliaUnica == 0);
    finestra.MostraEtichettaMagliaUnica(magliaUnica != 0);
}

// What can fail comes first: the undo history of the wall that was open is
// dropped only once the new wall's quantities stand.
void ApriParete(Sessione& sessione, const std::string& file, Vista& vista,
                InterfacciaFinestra& finestra, const Ricalcolo& ricalcolo) {
    Parete& parete = sessione.parete;
    ricalcolo.Armatura(sessione);
    if (parete.NumNodi > 0) StatisticheAree(parete);
    CalcolaEstensione(parete);
    SvuotaAnnulla(sessione.storia);
    parete.FileCorrente = file;
    parete.CartellaLavoro = CartellaDelFile(file);
    AggiornaTitolo(parete.FileCorrente, finestra);
    if (parete.NumNodi > 0) AggiornaRecenti(sessione.recenti, parete.FileCorrente);
    finestra.PanelDiffusa();
    finestra.CursoreAttesa(false);
    sessione.stato.StatoVista = 0;
    // A node or a typed map range of the previous wall means nothing in this one.
    sessione.stato.NodoSelezionato = -1;
    sessione.stato.ScalaImpostata = false;
    sessione.stato.VistaCorrente = parete.MagliaUnica != 0 ? 1 : 0;
    // The fit takes in what the distributed view draws, sections included.
    parete.Estensione = EstensionePianta(parete, sessione.stato.VistaCorrente);
    AdattaFinestra(vista, parete.Estensione);
    finestra.AggiornaDopoModifica();
}

Esito AperturaAnnullata(Sessione& sessione) {
    sessione.stato.ErroreOperazione = -1;
    return Esito::Errore("Apertura annullata.", CodiceApertura::Annullata);
}

}  // namespace

Esito CaricaProgetto(Sessione& sessione, const std::string& percorso, Vista& vista,
                     InterfacciaFinestra& finestra, Avvio avvio, const Ricalcolo& ricalcolo) {
    const std::string file = percorso;  // may be FileCorrente itself
    if (file.empty() || UgualiSenzaMaiuscole(file, "Anonimo"))
        return Esito::Errore("Nessun file della parete da aprire.", CodiceApertura::NessunFile);

    finestra.CursoreAttesa(true);
    finestra.MostraCaricamento(RigheCaricamento);
    // What the open changes besides the files, put back when a fault stops it.
    const Parete paretePrima = sessione.parete;
    const StatoInterfaccia statoPrima = sessione.stato;
    const ElencoRecenti recentiPrima = sessione.recenti;
    const Vista vistaPrima = vista;
    Esito letta;
    const Esito interrotta = Protetto([&] {
        letta = LeggiParete(sessione, file, finestra);
        if (letta.Riuscito()) ApriParete(sessione, file, vista, finestra, ricalcolo);
    });
    if (interrotta.Riuscito() && letta.Riuscito()) return letta;

    finestra.CursoreAttesa(false);
    if (!interrotta.Riuscito()) {
        sessione.parete = paretePrima;
        sessione.stato = statoPrima;
        sessione.recenti = recentiPrima;
        vista = vistaPrima;
        letta = SegnalaInterruzione(finestra, "Impossibile aprire il file " + file + ".", interrotta);
        // Not even at start-up does a fault end the program: it goes on without the wall.
        letta.Codice = CodiceApertura::Interrotta;
        AggiornaTitolo(sessione.parete.FileCorrente, finestra);
        finestra.PanelDiffusa();
    } else if (avvio == Avvio::Si) {
        return Esito::Errore(std::move(letta.Motivo), CodiceApertura::FineProgramma);
    }
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
