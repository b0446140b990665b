#include "model/RecentiMemoria.h"

#include "model/Cartelle.h"
#include "model/Finestra.h"
#include "model/LettoreSequenziale.h"
#include "model/Recenti.h"
#include "model/ScritturaAtomica.h"
#include "model/ScrittoreSequenziale.h"
#include "model/Sessione.h"

#include <optional>

namespace {

constexpr char NomeFileMemoria[] = "Gavrel.MEM";
constexpr char TitoloAvviso[] = "Attenzione!";

std::string TraVirgolette(const std::string& testo) { return "\"" + testo + "\""; }

// The path of a line written as "path"; nothing for any other line.
std::optional<std::string> PercorsoTraVirgolette(const std::string& riga) {
    const auto inizio = riga.find_first_not_of(" \t");
    const auto fine = riga.find_last_not_of(" \t");
    if (inizio == std::string::npos || fine - inizio < 2 || riga[inizio] != '"' ||
        riga[fine] != '"') {
        return std::nullopt;
    }
    std::string percorso = riga.substr(inizio + 1, fine - inizio - 1);
    if (percorso.find('"') != std::string::npos) return std::nullopt;
    return percorso;
}

// The list the file holds whole; the reader is left in error otherwise.
ElencoRecenti LeggiElenco(LettoreSequenziale& file) {
    ElencoRecenti elenco;
    const int numero = file.LeggiIntero16();
    if (file.InErrore()) return elenco;
    if (numero < 0 || numero > MaxFileRecenti) {
        file.SegnalaErroreRiga("il numero di file " + std::to_string(numero) +
                               " non è compreso fra 0 e " + std::to_string(MaxFileRecenti) + ".");
        return elenco;
    }
    for (int k = 0; k < numero; ++k) {
        const std::string riga = file.LeggiRiga();
        if (file.InErrore()) return elenco;
        const auto percorso = PercorsoTraVirgolette(riga);
        if (!percorso) {
            file.SegnalaErrore("Riga " + std::to_string(k + 2) +
                               ": manca un percorso fra virgolette.");
            return elenco;
        }
        elenco.FileRecenti[k] = *percorso;
    }
    elenco.NumFileRecenti = numero;
    return elenco;
}

}  // namespace

std::filesystem::path PercorsoMemoria(const Impostazioni& imp) {
    return std::filesystem::path(imp.CartellaUtente) / NomeFileMemoria;
}

std::string TestoMemoria(const ElencoRecenti& elenco) {
    ScrittoreSequenziale file;
    file.Riga(std::to_string(elenco.NumFileRecenti));
    for (int k = 0; k < elenco.NumFileRecenti; ++k) {
        file.Riga(TraVirgolette(elenco.FileRecenti[k]));
    }
    return file.Contenuto();
}

Esito CaricaMemoria(Sessione& sessione, InterfacciaFinestra& finestra) {
    const std::string percorso = PercorsoMemoria(sessione.imp).string();
    if (!EsisteFile(percorso, sessione.stato, finestra)) return Esito::Ok();

    auto file = LettoreSequenziale::Apri(percorso);
    std::string motivo = "il file non si può aprire.";
    if (file) {
        ElencoRecenti letto = LeggiElenco(*file);
        if (!file->InErrore()) {
            sessione.recenti = letto;
            return Esito::Ok();
        }
        motivo = file->MotivoErrore();
    }
    sessione.recenti = ElencoRecenti{};
    const std::string testo = "Errore di caricamento del file: " + percorso;
    finestra.Messaggio(testo, TitoloAvviso, IconaMessaggio::Esclamazione);
    return Esito::Errore(testo + "\n" + motivo);
}

Esito SalvaMemoria(const Sessione& sessione, InterfacciaFinestra& finestra) {
    if (sessione.recenti.NumFileRecenti < 1) return Esito::Ok();
    Esito esito = ScriviFileAtomico(PercorsoMemoria(sessione.imp), TestoMemoria(sessione.recenti));
    if (!esito.Riuscito()) {
        finestra.Messaggio(esito.Motivo, TitoloAvviso, IconaMessaggio::Esclamazione);
    }
    return esito;
}
