#include "model/RigaComando.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace {

namespace fs = std::filesystem;

std::string SenzaApici(std::string s) {
    if (!s.empty() && s.front() == '"') s.erase(0, 1);
    if (!s.empty() && s.find('"') == s.size() - 1) s.pop_back();
    return s;
}

// Where the file name's first ".SET" ends (any letter case), or npos.
std::size_t FineEstensioneSet(const std::string& percorso) {
    constexpr std::string_view set = ".SET";
    const std::size_t separatore = percorso.rfind('/');
    const std::size_t nome = separatore == std::string::npos ? 0 : separatore + 1;
    const auto uguale = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    };
    const auto trovato =
        std::search(percorso.begin() + static_cast<std::ptrdiff_t>(nome), percorso.end(),
                    set.begin(), set.end(), uguale);
    // A name must come before the extension.
    if (trovato == percorso.end() || trovato == percorso.begin() + static_cast<std::ptrdiff_t>(nome))
        return std::string::npos;
    return static_cast<std::size_t>(trovato - percorso.begin()) + set.size();
}

bool EsisteFileRegolare(const std::string& percorso) {
    std::error_code errore;
    return fs::is_regular_file(percorso, errore);
}

}  // namespace

std::string FiltraApici(const std::string& rigaComando) {
    const std::string percorso = SenzaApici(rigaComando);
    if (percorso.empty() || !EsisteFileRegolare(percorso)) return {};
    const std::size_t fine = FineEstensioneSet(percorso);
    if (fine == std::string::npos) return {};
    std::string parete = percorso.substr(0, fine);
    if (!EsisteFileRegolare(parete)) return {};
    return parete;
}
