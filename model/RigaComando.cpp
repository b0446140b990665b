#include "model/RigaComando.h"

#include "model/Testo.h"

#include <filesystem>

namespace {

// A name, then the extension ".SET" in any letter case.
bool HaEstensioneSet(const std::string& percorso) {
    const std::string nome = std::filesystem::path(percorso).filename().string();
    return nome.size() > 4 && FinisceSenzaMaiuscole(nome, ".SET");
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
