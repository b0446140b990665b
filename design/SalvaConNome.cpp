#include "design/SalvaConNome.h"

#include "design/SalvaParete.h"
#include "model/Cartelle.h"
#include "model/Finestra.h"
#include "model/RecentiMemoria.h"
#include "model/Sessione.h"
#include "model/Testo.h"
#include "model/Titolo.h"

#include <filesystem>

namespace {

constexpr char TitoloSalva[] = "Salva";

std::string NomeProposto(const std::string& fileCorrente) {
    if (fileCorrente.empty() || UgualiSenzaMaiuscole(fileCorrente, "Anonimo")) return "Sol001.SET";
    return fileCorrente;
}

// The dialog's default extension.
std::string ConEstensione(std::string percorso) {
    if (!std::filesystem::path(percorso).has_extension()) percorso += ".SET";
    return percorso;
}

Esito Rinuncia() { return Esito::Errore("Salvataggio annullato.", CodiceSalvataggio::Rinuncia); }

}  // namespace

Esito SalvaConNome(Sessione& sessione, InterfacciaFinestra& finestra, const Ricalcolo& ricalcolo) {
    Parete& parete = sessione.parete;
    if (!parete.CaricataParete())
        return Esito::Errore("Nessuna parete aperta.", CodiceSalvataggio::NessunaParete);

    const std::optional<std::string> scelto = finestra.ScegliFileDaSalvare(
        TitoloSalva, "File Dati (*.SET)", NomeProposto(parete.FileCorrente));
    if (!scelto || scelto->empty() || *scelto == "*.SET") return Rinuncia();
    const std::string destinazione = ConEstensione(*scelto);

    if (EsisteFile(destinazione, sessione.stato, finestra) &&
        !finestra.Domanda("File già presente, vuoi sostituirlo?", TitoloSalva,
                          IconaMessaggio::Nessuna)) {
        sessione.stato.ErroreOperazione = -1;
        return Rinuncia();
    }

    Esito salvata = SalvaPareteIn(sessione, destinazione, finestra, ricalcolo);
    if (!salvata.Riuscito()) return salvata;

    parete.FileCorrente = destinazione;
    parete.CartellaLavoro = CartellaDelFile(destinazione);
    AggiornaTitolo(parete.FileCorrente, finestra);
    // A list that cannot be written has been told; the wall is saved all the same.
    (void)SalvaMemoria(sessione, finestra);
    return Esito::Ok();
}
