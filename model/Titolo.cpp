#include "model/Titolo.h"

#include "model/Finestra.h"

std::string NomeFile(const std::string& percorso) {
    if (percorso.empty()) return "Anonimo";
    // Both separators count: paths may come from files written on Windows.
    const auto fine = percorso.find_last_of("/\\");
    return fine == std::string::npos ? percorso : percorso.substr(fine + 1);
}

std::string TitoloFinestra(const std::string& fileCorrente) {
    return "KORVANE Setti C.A. -  [ " + NomeFile(fileCorrente) + " ]";
}

void AggiornaTitolo(const std::string& fileCorrente, InterfacciaFinestra& finestra) {
    finestra.ImpostaTitolo(TitoloFinestra(fileCorrente));
}
