#include "design/CaricamentoArmature.h"

#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/ArmatureVecchie.h"
#include "model/CaricaArmature.h"
#include "model/ConfrontaDate.h"
#include "model/FileArmature.h"
#include "model/Finestra.h"
#include "model/LettoreSequenziale.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

bool ConservaArmatura(InterfacciaFinestra& finestra, const std::string& percorsoParete) {
    return finestra.Domanda("File " + percorsoParete +
                                "\nE' stata rilevata la presenza di una precedente armatura."
                                "\nL'armatura potrebbe non essere compatibile con l'attuale parete."
                                "\nVuoi conservarla?",
                            "Attenzione!", IconaMessaggio::Nessuna);
}

std::string NonCaricata(const std::string& file, const std::string& perche) {
    return "Il file delle armature " + file + " " + perche + ": l'armatura non è stata caricata.";
}

std::string TestoVersione(double versione) {
    std::array<char, 32> testo{};
    const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), versione).ptr;
    return std::string(testo.data(), fine);
}

// What the file is when it cannot be loaded by version; nothing when it can.
// -1 is a file without a version line.
std::optional<std::string> VersioneNonCaricabile(const std::string& file, double versione) {
    if (versione > VersioneArmature)
        return NonCaricata(file, "è di una versione più recente (" + TestoVersione(versione) +
                                     ") di quella gestita (" +
                                     std::to_string(VersioneArmature) + ")");
    if (!(versione >= 0.0) && versione != -1.0)
        return NonCaricata(file, "dichiara una versione non valida (" + TestoVersione(versione) + ")");
    return std::nullopt;
}

// The layout of a version between two (6.5) is that of the next one, as the
// wall reader compares versions: a field added in version n is read when the
// version is above n - 1.
int VersioneDelFormato(double versione) {
    return versione < 0.0 ? -1 : static_cast<int>(std::ceil(versione));
}

}  // namespace

Esito CaricaArmature(Parete& parete, StatoInterfaccia& stato, const Impostazioni& imp,
                     InterfacciaFinestra& finestra, const std::string& percorsoParete) {
    stato.ArmatureNonCaricate.clear();
    const std::string file = TrovaFileArmature(percorsoParete);
    if (file.empty()) return Esito::Ok();

    const auto rifiuta = [&](Esito esito) {
        stato.ArmatureNonCaricate = file;
        return esito;
    };
    std::optional<LettoreSequenziale> lettore = LettoreSequenziale::Apri(file);
    if (!lettore) return rifiuta(Esito::Errore(NonCaricata(file, "non si può aprire")));
    const double dichiarata = VersioneDaRiga(lettore->LeggiRiga());
    // A file that cannot be read is no file of the oldest format.
    if (lettore->InErrore())
        return rifiuta(Esito::Errore(NonCaricata(file, "non si può leggere") + "\n" +
                                     lettore->MotivoErrore()));
    if (const auto motivo = VersioneNonCaricabile(file, dichiarata))
        return rifiuta(Esito::Errore(*motivo));
    const int versione = VersioneDelFormato(dichiarata);

    if (versione > 3) {
        std::string data = lettore->LeggiRiga();
        // A file cut before its date is told by the reader below, not asked about.
        if (!lettore->InErrore() && !ConfrontaDate(data, parete.DataFileSet) &&
            !ConservaArmatura(finestra, percorsoParete))
            return Esito::Ok();
    }

    // A file without a version line is of the oldest format.
    Esito esito = versione < 0 ? LeggiArmatureVecchie(parete, imp, file)
                               : LeggiArmature(parete, file, versione);
    if (!esito.Riuscito()) return rifiuta(std::move(esito));
    CalcolaAreeStrati(parete);
    AggiornaAreeMancanti(parete, -1);
    return Esito::Ok();
}
