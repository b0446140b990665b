#include "model/CaricaArmature.h"

#include "model/Testo.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

std::string NomeFileArmature(const std::string& percorsoParete) {
    const std::string estensione = ".SET";
    if (!FinisceSenzaMaiuscole(percorsoParete, estensione)) return {};
    const std::size_t inizio = percorsoParete.size() - estensione.size();
    std::string nome = percorsoParete;
    const std::string nuova = "ARS";
    for (std::size_t i = 0; i < nuova.size(); ++i) {
        const char vecchia = nome[inizio + 1 + i];
        const bool minuscola = vecchia >= 'a' && vecchia <= 'z';
        nome[inizio + 1 + i] = minuscola ? static_cast<char>(nuova[i] - 'A' + 'a') : nuova[i];
    }
    return nome;
}

std::string TrovaFileArmature(const std::string& percorsoParete) {
    const std::string nome = NomeFileArmature(percorsoParete);
    if (nome.empty()) return {};
    std::error_code errore;
    if (std::filesystem::is_regular_file(nome, errore)) return nome;

    // A design saved where names are case-blind may carry any letter case.
    const std::size_t barra = nome.find_last_of('/');
    const std::string cartella = barra == std::string::npos ? std::string() : nome.substr(0, barra + 1);
    const std::string nomeFile = nome.substr(cartella.size());
    std::vector<std::string> trovati;
    for (std::filesystem::directory_iterator it(cartella.empty() ? "." : cartella, errore), fine;
         !errore && it != fine; it.increment(errore)) {
        const std::string candidato = it->path().filename().string();
        if (UgualiSenzaMaiuscole(candidato, nomeFile) && it->is_regular_file(errore))
            trovati.push_back(candidato);
    }
    if (trovati.empty()) return {};
    return cartella + *std::min_element(trovati.begin(), trovati.end());
}
