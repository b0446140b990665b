#include "model/RigaComando.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

bool HaEstensioneSet(const std::string& percorso) {
    const std::string estensione = std::filesystem::path(percorso).extension().string();
    std::string maiuscola = estensione;
    std::transform(maiuscola.begin(), maiuscola.end(), maiuscola.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return maiuscola == ".SET";
}

}  // namespace

std::string FiltraApici(const std::string& rigaComando) {
    std::string percorso = rigaComando;
    if (!percorso.empty() && percorso.front() == '"') percorso.erase(0, 1);
    if (!percorso.empty() && percorso.back() == '"') percorso.pop_back();
    if (percorso.empty() || !HaEstensioneSet(percorso)) return {};
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore)) return {};
    return percorso;
}
