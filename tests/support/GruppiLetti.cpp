#include "GruppiLetti.h"

#include "model/Codifica.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <stdexcept>

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
    const std::string comando =
        "/usr/bin/python3 " KORVANE_TESTS "/export/leggi_dxf.py '" + file + "' 2>&1";
    FILE* processo = popen(comando.c_str(), "r");
    if (!processo) throw std::runtime_error("python3 non avviato");
    std::string uscita;
    std::array<char, 4096> blocco{};
    size_t letti;
    while ((letti = fread(blocco.data(), 1, blocco.size(), processo)) > 0)
        uscita.append(blocco.data(), letti);
    const int esito = pclose(processo);
    if (esito != 0) throw std::runtime_error("ezdxf non ha letto il file:\n" + uscita);
    std::vector<std::string> righe;
    std::istringstream righeUscita(uscita);
    std::string riga;
    while (std::getline(righeUscita, riga)) righe.push_back(riga);
    return righe;
}
