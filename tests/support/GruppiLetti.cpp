#include "GruppiLetti.h"

#include "LettoreEzdxf.h"

#include "model/Codifica.h"

#include <sstream>

std::vector<GruppoLetto> LeggiGruppi(const std::string& testoDxf) {
    std::vector<GruppoLetto> gruppi;
    std::istringstream ingresso(testoDxf);
    std::string codice, valore;
    while (LeggiRiga(ingresso, codice) && LeggiRiga(ingresso, valore))
        gruppi.push_back({std::stoi(codice), valore});
    return gruppi;
}

std::vector<std::string> ValoriDi(const std::vector<GruppoLetto>& gruppi, int codice) {
    std::vector<std::string> valori;
    for (const auto& g : gruppi)
        if (g.Codice == codice) valori.push_back(g.Valore);
    return valori;
}

std::vector<std::string> LeggiConEzdxf(const std::string& file) {
    return LeggiConScriptEzdxf("leggi_dxf.py", file);
}
