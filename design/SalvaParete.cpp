#include "design/SalvaParete.h"

#include "design/LeggiParete.h"
#include "model/CaricaArmature.h"
#include "model/Cartelle.h"
#include "model/Codifica.h"
#include "model/FileArmature.h"
#include "model/FileIntero.h"
#include "model/Finestra.h"
#include "model/Protezione.h"
#include "model/SalvaPareteTesto.h"
#include "model/ScritturaAtomica.h"
#include "model/Sessione.h"

#include <filesystem>
#include <optional>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr char TitoloAvviso[] = "Attenzione!";

// A file as it was before the save, to put it back if the save fails.
struct FilePrima {
    bool esisteva = false;
    std::string contenuto;
    fs::file_time_type data{};
};

// Nothing when something is there that could not be put back as it was.
std::optional<FilePrima> Ricorda(const std::string& percorso) {
    std::error_code errore;
    const fs::file_status stato = fs::status(percorso, errore);
    const bool assente = !errore || errore == std::errc::no_such_file_or_directory ||
                         errore == std::errc::not_a_directory;
    if (!fs::exists(stato)) return assente ? std::optional(FilePrima{}) : std::nullopt;
    if (!fs::is_regular_file(stato)) return std::nullopt;
    FilePrima prima;
    prima.esisteva = true;
    prima.data = fs::last_write_time(percorso, errore);
    std::optional<std::string> contenuto = LeggiFileIntero(percorso);
    if (errore || !contenuto) return std::nullopt;
    prima.contenuto = std::move(*contenuto);
    return prima;
}

// Puts the file back as it was, date included, so that the reinforcement
// file still finds the wall file of its date line.
bool Ripristina(const std::string& percorso, const FilePrima& prima) {
    std::error_code errore;
    if (!prima.esisteva) return fs::remove(percorso, errore) && !errore;
    if (!ScriviFileAtomico(percorso, prima.contenuto).Riuscito()) return false;
    fs::last_write_time(percorso, prima.data, errore);
    return !errore;
}

bool StessoFile(const std::string& a, const std::string& b) {
    std::error_code errore;
    return a == b || fs::equivalent(a, b, errore);
}

Esito Fallito(InterfacciaFinestra& finestra, std::string motivo, int codice = 1) {
    finestra.Messaggio(motivo, TitoloAvviso, IconaMessaggio::Esclamazione);
    return Esito::Errore(std::move(motivo), codice);
}

// The message of a failed write: the permission text for a denied access.
Esito ScritturaFallita(InterfacciaFinestra& finestra, const Esito& esito,
                       const std::string& percorso) {
    const bool negato = esito.ErroreSistema == std::errc::permission_denied ||
                        esito.ErroreSistema == std::errc::operation_not_permitted;
    return Fallito(finestra, negato ? TestoAccessoNegato(percorso) : esito.Motivo);
}

bool SostituireArmatureNonCaricate(InterfacciaFinestra& finestra, const std::string& file) {
    return finestra.Domanda("Il file delle armature " + file +
                                " non è stato caricato all'apertura della parete."
                                "\nSalvando, verrà sostituito dall'armatura attuale."
                                "\nVuoi sostituirlo?",
                            TitoloAvviso, IconaMessaggio::Esclamazione);
}

Esito Rinuncia(Sessione& sessione, InterfacciaFinestra& finestra) {
    sessione.stato.ErroreOperazione = -1;
    return Fallito(finestra, "Salvataggio annullato: nessun file è stato scritto.",
                   CodiceSalvataggio::Rinuncia);
}

// The file of the two that is no longer as this program last read or wrote
// it; empty when both are.
std::string FileCambiato(const FileDellaParete& noti, const std::string& parete,
                         const std::string& pareteOra) {
    if (pareteOra != noti.Parete) return parete;
    const std::string armature = TrovaFileArmature(parete);
    const std::optional<std::string> armatureOra =
        armature.empty() ? std::nullopt : LeggiFileIntero(armature);
    if (armatureOra == noti.Armature) return {};
    return armature.empty() ? NomeFileArmature(parete) : armature;
}

// Another program may have saved the same wall since this one opened or
// saved it: its work is replaced only when the user agrees.
Esito FileInvariati(Sessione& sessione, const std::string& percorso,
                    InterfacciaFinestra& finestra) {
    const std::optional<std::string> pareteOra = LeggiFileIntero(percorso);
    if (!pareteOra) {
        if (FileScomparso(percorso))
            return Fallito(finestra, "Il file della parete " + percorso +
                                         " non esiste più: salvataggio annullato.");
        return Fallito(finestra, "Impossibile leggere il file della parete " + percorso +
                                     ": salvataggio annullato.");
    }
    const std::string cambiato = FileCambiato(sessione.parete.FileNoti, percorso, *pareteOra);
    if (cambiato.empty() ||
        finestra.Domanda("Il file " + cambiato +
                             " è stato modificato da un altro programma dopo l'ultima apertura o "
                             "l'ultimo salvataggio di questa parete.\nVuoi sovrascriverlo?",
                         TitoloAvviso, IconaMessaggio::Nessuna))
        return Esito::Ok();
    return Rinuncia(sessione, finestra);
}

// The wall file of a save that failed after writing it, put back; told when
// even that fails.
void RipristinaParete(InterfacciaFinestra& finestra, const std::string& destinazione,
                      const FilePrima& prima) {
    if (!Ripristina(destinazione, prima))
        finestra.Messaggio("Il file della parete " + destinazione +
                               " non è stato ripristinato: contiene già i risultati del "
                               "salvataggio non riuscito.",
                           TitoloAvviso, IconaMessaggio::Esclamazione);
}

// The save itself; scritta receives the wall file as it was once the new one
// is written, until the save completes or has put it back.
Esito Salva(Sessione& sessione, const std::string& destinazione, InterfacciaFinestra& finestra,
            const Ricalcolo& ricalcolo, std::optional<FilePrima>& scritta) {
    Parete& parete = sessione.parete;
    // The head of the wall file comes from the file the wall was read from.
    if (parete.FileNoti.Parete.empty())
        return Fallito(finestra,
                       "La parete aperta non proviene da un file: salvataggio annullato.");
    // The copied lines go back as our files hold them, whatever an editor made of them.
    const ContenutoFile vecchia = ContenutoInCp1252(parete.FileNoti.Parete);
    if (vecchia.Errore)
        return Fallito(finestra, "Impossibile leggere il file della parete " + parete.FileCorrente +
                                     ": salvataggio annullato.\n" + *vecchia.Errore);

    std::string armature = TrovaFileArmature(destinazione);
    if (armature.empty()) armature = NomeFileArmature(destinazione);
    if (armature.empty())
        return Fallito(finestra, "Il file della parete " + destinazione +
                                     " non ha l'estensione .SET: salvataggio annullato.");

    const std::string& nonCaricate = sessione.stato.ArmatureNonCaricate;
    if (!nonCaricate.empty() && StessoFile(nonCaricate, armature) &&
        !SostituireArmatureNonCaricate(finestra, nonCaricate))
        return Rinuncia(sessione, finestra);

    std::optional<FilePrima> paretePrima = Ricorda(destinazione);
    if (!paretePrima)
        return Fallito(finestra, "Impossibile sostituire il file " + destinazione +
                                     ": salvataggio annullato.");

    // The block reports what the design provides now.
    ricalcolo.Aree(sessione);

    std::string testoParete = TestoPareteSalvata(vecchia.Byte, parete);
    const Esito scrittaParete = ScriviFileAtomico(destinazione, testoParete);
    if (!scrittaParete.Riuscito()) return ScritturaFallita(finestra, scrittaParete, destinazione);
    scritta = std::move(paretePrima);

    // The reinforcement file carries the date the next load compares.
    const std::string dataPrima = parete.DataFileSet;
    parete.DataFileSet = DataModificaFile(destinazione);
    std::string testoArmature = TestoArmature(parete);
    const std::string dataNuova = std::exchange(parete.DataFileSet, dataPrima);
    const Esito armatureScritte = ScriviFileAtomico(armature, testoArmature);
    if (!armatureScritte.Riuscito()) {
        Esito esito = ScritturaFallita(finestra, armatureScritte, armature);
        RipristinaParete(finestra, destinazione, *std::exchange(scritta, std::nullopt));
        return esito;
    }
    scritta.reset();

    parete.DataFileSet = dataNuova;
    parete.FileNoti = {std::move(testoParete), testoArmature, std::move(testoArmature)};
    sessione.stato.ArmatureNonCaricate.clear();
    sessione.storia.Modificata = false;
    return Esito::Ok();
}

// Runs salva (given where to keep the wall file as it was once written); a
// fault on the way puts back the wall and, once written, the wall file, and
// is told.
template <typename Salva>
Esito SalvaConRipristino(Sessione& sessione, const std::string& destinazione,
                         InterfacciaFinestra& finestra, Salva salva) {
    if (!sessione.parete.CaricataParete())
        return Esito::Errore("Nessuna parete aperta.", CodiceSalvataggio::NessunaParete);
    const Parete prima = sessione.parete;
    std::optional<FilePrima> scritta;
    Esito esito;
    const Esito interrotto = Protetto([&] { esito = salva(scritta); });
    if (interrotto.Riuscito()) return esito;
    sessione.parete = prima;
    Esito segnalato =
        SegnalaInterruzione(finestra, "Impossibile salvare il file " + destinazione + ".", interrotto);
    if (scritta) RipristinaParete(finestra, destinazione, *scritta);
    return segnalato;
}

}  // namespace

Esito SalvaParete(Sessione& sessione, const std::string& percorso, InterfacciaFinestra& finestra,
                  const Ricalcolo& ricalcolo) {
    return SalvaConRipristino(sessione, percorso, finestra, [&](std::optional<FilePrima>& scritta) {
        if (Esito invariati = FileInvariati(sessione, percorso, finestra); !invariati.Riuscito())
            return invariati;
        return Salva(sessione, percorso, finestra, ricalcolo, scritta);
    });
}

Esito SalvaPareteIn(Sessione& sessione, const std::string& destinazione,
                    InterfacciaFinestra& finestra, const Ricalcolo& ricalcolo) {
    return SalvaConRipristino(sessione, destinazione, finestra, [&](std::optional<FilePrima>& scritta) {
        return Salva(sessione, destinazione, finestra, ricalcolo, scritta);
    });
}
