#include "model/Cartelle.h"

#include "model/Codifica.h"
#include "model/Finestra.h"
#include "model/Impostazioni.h"
#include "model/StatoInterfaccia.h"
#include "model/Testo.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr char TitoloAvviso[] = "Attenzione!";
constexpr char TestoPercorsoNonTrovato[] = "Drive o percorso non trovato.";
constexpr char SezioneElencoRecenti[] = "Recent File List";
constexpr char ChiaveUltimoProgetto[] = "File1";
constexpr char EstensioneProgetto[] = ".qdt";
constexpr char SuffissoDisegni[] = "_data/disegni";

std::string SenzaSeparatoreFinale(std::string cartella) {
    while (cartella.size() > 1 && cartella.back() == '/') cartella.pop_back();
    return cartella;
}

std::optional<std::string> VariabileAmbiente(const char* nome) {
    const char* valore = std::getenv(nome);
    if (valore == nullptr || *valore == '\0') return std::nullopt;
    return std::string(valore);
}

// The user's configuration folder; a relative XDG_CONFIG_HOME is ignored, as
// the XDG rules ask.
std::optional<fs::path> CartellaConfigurazione() {
    const auto xdg = VariabileAmbiente("XDG_CONFIG_HOME");
    if (xdg && fs::path(*xdg).is_absolute()) return fs::path(*xdg);
    if (const auto casa = VariabileAmbiente("HOME")) return fs::path(*casa) / ".config";
    return std::nullopt;
}

std::string CartellaEseguibile() {
    std::error_code errore;
    const fs::path eseguibile = fs::read_symlink("/proc/self/exe", errore);
    if (errore) return SenzaSeparatoreFinale(fs::current_path(errore).string());
    return SenzaSeparatoreFinale(eseguibile.parent_path().string());
}

std::optional<std::string> CartellaProfilo() {
    const auto configurazione = CartellaConfigurazione();
    if (!configurazione) return std::nullopt;
    const fs::path cartella = *configurazione / "korvane";
    std::error_code errore;
    fs::create_directories(cartella, errore);
    if (errore || !fs::is_directory(cartella, errore)) return std::nullopt;
    return SenzaSeparatoreFinale(cartella.string());
}

std::string Rifilato(const std::string& testo) {
    const auto inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string::npos) return {};
    const auto fine = testo.find_last_not_of(" \t");
    return testo.substr(inizio, fine - inizio + 1);
}

// INI files written by Qt encode blanks of section and key names as %20.
std::string SenzaPercento(const std::string& testo) {
    std::string risultato;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const bool codice = testo[i] == '%' && i + 2 < testo.size() &&
                            std::isxdigit(static_cast<unsigned char>(testo[i + 1])) &&
                            std::isxdigit(static_cast<unsigned char>(testo[i + 2]));
        if (codice) {
            risultato += static_cast<char>(std::stoi(testo.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            risultato += testo[i];
        }
    }
    return risultato;
}

// A value in double quotes keeps its blanks; \\ and \" stand for \ and ".
std::string ValoreIni(const std::string& grezzo) {
    const std::string valore = Rifilato(grezzo);
    if (valore.size() < 2 || valore.front() != '"' || valore.back() != '"') return valore;
    std::string risultato;
    for (std::size_t i = 1; i + 1 < valore.size(); ++i) {
        if (valore[i] == '\\' && i + 2 < valore.size()) ++i;
        risultato += valore[i];
    }
    return risultato;
}

struct VoceIni {
    bool sezioneTrovata = false;
    std::optional<std::string> valore;
};

VoceIni LeggiVoceIni(const fs::path& file, const std::string& sezione, const std::string& chiave) {
    VoceIni voce;
    std::ifstream ingresso(file, std::ios::binary);
    if (!ingresso) return voce;
    SaltaSegnoUtf8(ingresso);
    bool dentro = false;
    std::string riga;
    while (LeggiRiga(ingresso, riga)) {
        const std::string testo = Rifilato(riga);
        if (testo.empty() || testo.front() == ';' || testo.front() == '#') continue;
        if (testo.front() == '[' && testo.back() == ']') {
            const std::string nome = SenzaPercento(testo.substr(1, testo.size() - 2));
            dentro = UgualiSenzaMaiuscole(nome, sezione);
            voce.sezioneTrovata = voce.sezioneTrovata || dentro;
            continue;
        }
        const auto uguale = testo.find('=');
        if (!dentro || uguale == std::string::npos) continue;
        if (UgualiSenzaMaiuscole(SenzaPercento(Rifilato(testo.substr(0, uguale))), chiave)) {
            voce.valore = ValoreIni(testo.substr(uguale + 1));
        }
    }
    return voce;
}

// "<text before the last .qdt>_data/disegni" for a stored value holding
// ".qdt" in any letter case, wherever it stands; nothing without one.
std::optional<std::string> CartellaDisegni(const std::string& progetto) {
    const std::size_t p = MaiuscoloAscii(progetto).rfind(MaiuscoloAscii(EstensioneProgetto));
    if (p == std::string::npos) return std::nullopt;
    return progetto.substr(0, p) + SuffissoDisegni;
}

}  // namespace

void InizializzaCartelle(Impostazioni& imp) {
    imp.CartellaProgramma = CartellaEseguibile();
    imp.CartellaUtente = CartellaProfilo().value_or(imp.CartellaProgramma);
}

std::string TestoAccessoNegato(const std::string& percorso) {
    return "Il programma sta cercando di operare su una cartella per la quale l'utente non "
           "dispone di autorizzazione.\n" +
           percorso + "\nOperazione annullata!\nContattare l'amministratore di rete.";
}

void SegnalaErroreFile(const std::error_code& errore, const std::string& percorso,
                       InterfacciaFinestra& finestra) {
    if (errore == std::errc::filename_too_long ||
        errore == std::errc::too_many_symbolic_link_levels ||
        errore == std::errc::invalid_argument) {
        finestra.Messaggio(TestoPercorsoNonTrovato, TitoloAvviso, IconaMessaggio::Esclamazione);
    } else if (errore == std::errc::permission_denied ||
               errore == std::errc::operation_not_permitted) {
        finestra.Messaggio(TestoAccessoNegato(percorso), TitoloAvviso,
                           IconaMessaggio::Esclamazione);
    }
}

bool EsisteFile(const std::string& percorso, StatoInterfaccia& stato,
                InterfacciaFinestra& finestra) {
    stato.ErroreOperazione = 0;
    if (percorso.empty()) return false;
    std::error_code errore;
    if (percorso.find('\0') != std::string::npos) {
        errore = std::make_error_code(std::errc::invalid_argument);
    } else {
        const fs::file_status stato = fs::status(percorso, errore);
        const bool assente = errore == std::errc::no_such_file_or_directory ||
                             errore == std::errc::not_a_directory;
        // A hidden file does not count, as a folder does not.
        const bool nascosto = fs::path(percorso).filename().string().starts_with('.');
        if (!errore || assente) return fs::is_regular_file(stato) && !nascosto;
    }
    stato.ErroreOperazione = -1;
    SegnalaErroreFile(errore, percorso, finestra);
    return false;
}

std::string CartellaDelFile(const std::string& percorso) {
    const auto separatore = percorso.rfind('/');
    if (separatore != std::string::npos) {
        return separatore == 0 ? std::string("/") : percorso.substr(0, separatore);
    }
    if (std::string ultimo = CartellaUltimoProgetto(); !ultimo.empty()) return ultimo;
    std::error_code errore;
    const fs::path corrente = fs::current_path(errore);
    return errore ? std::string(".") : SenzaSeparatoreFinale(corrente.string());
}

std::string CartellaUltimoProgetto() {
    const auto configurazione = CartellaConfigurazione();
    if (!configurazione) return {};
    const VoceIni voce = LeggiVoceIni(*configurazione / "Mervane" / "Tarlo.conf",
                                      SezioneElencoRecenti, ChiaveUltimoProgetto);
    if (!voce.sezioneTrovata) return {};
    if (!voce.valore) return CartellaRadiceUtente();
    const auto disegni = CartellaDisegni(*voce.valore);
    std::error_code errore;
    if (!disegni || !fs::exists(*disegni, errore)) return CartellaRadiceUtente();
    return *disegni;
}

std::string CartellaRadiceUtente() {
    return SenzaSeparatoreFinale(VariabileAmbiente("HOME").value_or("/"));
}
