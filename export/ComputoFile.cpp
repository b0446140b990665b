#include "export/ComputoFile.h"

#include "model/Codifica.h"
#include "model/ScritturaAtomica.h"

std::string NomeComputoProposto(const std::string& fileRelazione) {
    return fileRelazione.empty() ? std::string(NomeComputoPredefinito) : fileRelazione;
}

Esito SalvaComputo(const std::filesystem::path& percorso, std::string_view testoRtf) {
    return ScriviFileAtomico(percorso, Utf8ACp1252(std::string(testoRtf)));
}
