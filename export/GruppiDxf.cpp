#include "export/GruppiDxf.h"

#include "model/Codifica.h"

#include <charconv>
#include <cstdio>

void ScriviGruppo(std::ostream& uscita, int codice, const std::string& valore) {
    char codiceTesto[16];
    std::snprintf(codiceTesto, sizeof codiceTesto, "%3d", codice);
    ScriviGruppoCome(uscita, codiceTesto, valore);
}

void ScriviGruppoCome(std::ostream& uscita, std::string_view codiceScritto,
                      const std::string& valore) {
    uscita << codiceScritto << "\r\n" << Utf8ACp1252(valore) << "\r\n";
}

std::string NumeroGenerale(float valore) {
    char testo[32];
    const auto fine =
        std::to_chars(testo, testo + sizeof testo, valore, std::chars_format::general, 7).ptr;
    std::string risultato(testo, fine);
    if (risultato == "-0") risultato = "0";
    return risultato;
}

std::string Allinea6(int n) {
    std::string testo = std::to_string(n);
    if (testo.size() < 6) testo.insert(0, 6 - testo.size(), ' ');
    return testo;
}
