#include "model/Recenti.h"

#include "model/Codifica.h"
#include "model/Testo.h"

#include <algorithm>

namespace {
constexpr char NomeAnonimo[] = "Anonimo";
}  // namespace

bool PercorsoMemorizzabile(const std::string& percorso) {
    return percorso.find_first_of("\"\r\n") == std::string::npos &&
           Cp1252AUtf8(Utf8ACp1252(percorso)) == percorso;
}

void AggiornaRecenti(ElencoRecenti& elenco, const std::string& percorso) {
    if (percorso.empty() || UgualiSenzaMaiuscole(percorso, NomeAnonimo) ||
        !PercorsoMemorizzabile(percorso)) {
        return;
    }
    auto& slot = elenco.FileRecenti;
    const auto usati = slot.begin() + elenco.NumFileRecenti;
    const auto trovato = std::find_if(slot.begin(), usati, [&](const std::string& voce) {
        return UgualiSenzaMaiuscole(voce, percorso);
    });
    if (trovato == usati) {
        // The last slot makes room: empty while the list is not full, the oldest otherwise.
        elenco.NumFileRecenti = std::min(elenco.NumFileRecenti + 1, MaxFileRecenti);
        std::rotate(slot.begin(), slot.end() - 1, slot.end());
    } else if (trovato == slot.begin()) {
        return;
    } else {
        std::rotate(slot.begin(), trovato, trovato + 1);
    }
    slot.front() = percorso;
}

void RimuoviRecente(ElencoRecenti& elenco, int k) {
    if (k < 0 || k >= elenco.NumFileRecenti) return;
    auto& slot = elenco.FileRecenti;
    std::rotate(slot.begin() + k, slot.begin() + k + 1, slot.end());
    slot.back().clear();
    --elenco.NumFileRecenti;
}
