#include "model/SalvaPareteTesto.h"

#include "model/Numeri.h"
#include "model/Parete.h"
#include "model/RigaZone.h"
#include "model/Testo.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view Marcatore = "KORVANE";
constexpr std::string_view InizioBlocco = "VERIFICA";
constexpr int DecimaliVerifica = 6;

// The lines of a file whose lines end in CR LF or LF; a last line without an
// end counts, an end at the end of the file opens no further line.
std::vector<std::string_view> Righe(std::string_view testo) {
    std::vector<std::string_view> righe;
    while (!testo.empty()) {
        const std::size_t fine = testo.find('\n');
        std::string_view riga = testo.substr(0, fine);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        righe.push_back(riga);
        if (fine == std::string_view::npos) break;
        testo.remove_prefix(fine + 1);
    }
    return righe;
}

bool InizioSezioneRisultati(std::string_view riga) {
    const std::size_t inizio = riga.find_first_not_of(" \t");
    if (inizio == std::string_view::npos) return false;
    const std::size_t fine = riga.find_last_not_of(" \t");
    const std::string parola = MaiuscoloAscii(std::string(riga.substr(inizio, fine - inizio + 1)));
    return parola == "PROGETTO" || parola == InizioBlocco;
}

float Fornita(const Nodo& nodo, int slot) { return nodo.Richiesta[slot] - nodo.Mancante[slot]; }

// The analysis program reads "lato -" before "lato +"; a single central mesh
// has no "lato +" layers.
void AggiungiBlocco(std::string& testo, const Parete& parete) {
    AggiungiRiga(testo, InizioBlocco);
    const int nodi = std::max(parete.NumNodi, 0);
    AggiungiRiga(testo, InteroFile(nodi));
    const std::string nessuna = "0.000";
    for (int i = 0; i < nodi; ++i) {
        const Nodo& nodo = parete.Nodi[i];
        RigaZone riga;
        riga << InteroFile(nodo.Id) << FormatoDec(parete.OrigineX + nodo.X, DecimaliVerifica)
             << FormatoDec(parete.OrigineY + nodo.Y, DecimaliVerifica)
             << FormatoDec(Fornita(nodo, 2), DecimaliVerifica)
             << FormatoDec(Fornita(nodo, 3), DecimaliVerifica);
        if (parete.MagliaUnica != 0)
            riga << nessuna << nessuna;
        else
            riga << FormatoDec(Fornita(nodo, 0), DecimaliVerifica)
                 << FormatoDec(Fornita(nodo, 1), DecimaliVerifica);
        riga << "<ret_armature>";
        AggiungiRiga(testo, riga.Testo());
    }
}

}  // namespace

std::string TestoPareteSalvata(std::string_view vecchio, const Parete& parete) {
    const std::vector<std::string_view> righe = Righe(vecchio);
    std::string testo;
    testo.reserve(vecchio.size() + 100 * static_cast<std::size_t>(std::max(parete.NumNodi, 0)));
    AggiungiRiga(testo, righe.empty() ? std::string_view{} : righe[0]);
    AggiungiRiga(testo, Marcatore);
    for (std::size_t i = 2; i < righe.size(); ++i) {
        if (InizioSezioneRisultati(righe[i])) {
            AggiungiBlocco(testo, parete);
            break;
        }
        AggiungiRiga(testo, righe[i]);
    }
    return testo;
}
