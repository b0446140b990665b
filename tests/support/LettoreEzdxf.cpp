#include "LettoreEzdxf.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <stdexcept>

std::vector<std::string> LeggiConScriptEzdxf(const std::string& script, const std::string& file,
                                             bool conErrori) {
    const std::string comando = "/usr/bin/python3 " KORVANE_TESTS "/export/" + script + " '" +
                                file + "'" + (conErrori ? " 2>&1" : "");
    FILE* processo = popen(comando.c_str(), "r");
    if (!processo) throw std::runtime_error("python3 non avviato");
    std::string uscita;
    std::array<char, 4096> blocco{};
    size_t letti;
    while ((letti = fread(blocco.data(), 1, blocco.size(), processo)) > 0)
        uscita.append(blocco.data(), letti);
    if (pclose(processo) != 0) throw std::runtime_error("ezdxf non ha letto il file:\n" + uscita);
    std::vector<std::string> righe;
    std::istringstream righeUscita(uscita);
    std::string riga;
    while (std::getline(righeUscita, riga)) righe.push_back(riga);
    return righe;
}
