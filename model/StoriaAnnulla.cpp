#include "model/StoriaAnnulla.h"

#include "model/CartelleIstantanee.h"
#include "model/FileArmature.h"
#include "model/Finestra.h"
#include "model/Sessione.h"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path PercorsoIstantanea(const StoriaAnnulla& storia, const std::string& nome) {
    return std::filesystem::path(storia.CartellaIstantanee) / nome;
}

void CancellaIstantanee(const StoriaAnnulla& storia, int da, int a) {
    if (storia.CartellaIstantanee.empty()) return;
    for (int n = da; n <= a; ++n) {
        std::error_code errore;  // a missing file is no fault
        std::filesystem::remove(PercorsoIstantanea(storia, NomeFileTmp(n, PrefissoIstantanee)),
                                errore);
    }
}

}  // namespace

std::string NomeFileTmp(int n, std::string_view prefisso) {
    return std::string(prefisso) + std::to_string(n) + ".TMP";
}

Esito SalvaStatoTmp(Sessione& sessione, const std::string& nome) {
    StoriaAnnulla& storia = sessione.storia;
    if (storia.CartellaIstantanee.empty()) {
        const Esito creata = CreaCartellaIstantanee(
            RadiceIstantanee(sessione.imp.CartellaTemporanea), storia.CartellaIstantanee);
        if (!creata.Riuscito()) return creata;
    }
    return ScriviArmature(sessione.parete, PercorsoIstantanea(storia, nome).string(),
                          Persistenza::Sessione);
}

Esito CaricaStatoTmp(Sessione& sessione, const std::string& nome) {
    // Before its first snapshot a history has no folder, and a bare name
    // would be looked for in the process's current folder.
    if (sessione.storia.CartellaIstantanee.empty())
        return Esito::Errore("Nessuna copia della parete da cui annullare.");
    return LeggiArmature(sessione.parete, PercorsoIstantanea(sessione.storia, nome).string(),
                         VersioneArmature);
}

void MemorizzaModifica(Sessione& sessione, InterfacciaFinestra& finestra) {
    StoriaAnnulla& storia = sessione.storia;
    if (!sessione.parete.CaricataParete()) return;
    storia.Modificata = true;
    if (storia.CartellaIstantanee.empty() && sessione.parete.CartellaLavoro.empty()) return;
    const Esito scritto = SalvaStatoTmp(sessione, NomeFileTmp(storia.IndiceAnnulla, PrefissoIstantanee));
    if (!scritto.Riuscito()) {
        // The design is about to change: the states ahead can no longer be redone.
        CancellaIstantanee(storia, storia.IndiceAnnulla + 1, storia.UltimoAnnulla);
        storia.UltimoAnnulla = storia.IndiceAnnulla;
        if (!storia.ErroreIstantaneaSegnalato)
            finestra.Messaggio(scritto.Motivo + "\nLa modifica non potrà essere annullata.",
                               "Attenzione!", IconaMessaggio::Esclamazione);
        storia.ErroreIstantaneaSegnalato = true;
        return;
    }
    storia.ErroreIstantaneaSegnalato = false;

    ++storia.IndiceAnnulla;
    CancellaIstantanee(storia, storia.IndiceAnnulla, storia.UltimoAnnulla);
    storia.UltimoAnnulla = storia.IndiceAnnulla;
    if (storia.UltimoAnnulla - storia.PrimoAnnulla > MaxPassiAnnulla) {
        CancellaIstantanee(storia, storia.PrimoAnnulla, storia.PrimoAnnulla);
        ++storia.PrimoAnnulla;
    }
}

void SvuotaAnnulla(StoriaAnnulla& storia) {
    CancellaCartellaIstantanee(storia.CartellaIstantanee);
    storia = StoriaAnnulla{};
}
