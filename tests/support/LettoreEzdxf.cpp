#include "LettoreEzdxf.h"

#include "ComandoEsterno.h"

#include <sstream>
#include <stdexcept>

std::vector<std::string> LeggiConScriptEzdxf(const std::string& script, const std::string& file,
                                             bool conErrori) {
    const UscitaComando letto =
        EseguiComando("/usr/bin/python3 " KORVANE_TESTS "/export/" + script + " '" + file + "'");
    // A reader that cannot start says so, not that the file is wrong.
    if (letto.Codice != 0)
        throw std::runtime_error(letto.NonAvviato()
                                     ? letto.Descrizione("il lettore " + script)
                                     : "ezdxf non ha letto il file " + file + ": " +
                                           letto.Descrizione("il lettore " + script));
    std::vector<std::string> righe;
    std::istringstream righeUscita(conErrori ? letto.Uscita + letto.Errori : letto.Uscita);
    std::string riga;
    while (std::getline(righeUscita, riga)) righe.push_back(riga);
    return righe;
}
