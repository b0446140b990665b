#include "export/NomeEsportazione.h"

#include "model/Testo.h"

#include <filesystem>

std::string FileEsportazioneDaParete(const std::string& parete, std::string_view estensione) {
    std::filesystem::path percorso(parete);
    if (parete.empty() || MaiuscoloAscii(percorso.stem().string()) == "ANONIMO") return {};
    return percorso.replace_extension(std::string(estensione)).string();
}
