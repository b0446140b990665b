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

// The history's folder is made at its first snapshot.
Esito ScriviIstantanea(Sessione& sessione, const std::string& nome, const std::string& testo) {
    StoriaAnnulla& storia = sessione.storia;
    if (storia.CartellaIstantanee.empty()) {
        const Esito creata = CreaCartellaIstantanee(
            RadiceIstantanee(sessione.imp.CartellaTemporanea), storia.CartellaIstantanee);
        if (!creata.Riuscito()) return creata;
    }
    return ScriviFileAtomico(PercorsoIstantanea(storia, nome), testo, Persistenza::Sessione);
}

}  // namespace

std::string NomeFileTmp(int n, std::string_view prefisso) {
    return std::string(prefisso) + std::to_string(n) + ".TMP";
}

Esito SalvaStatoTmp(Sessione& sessione, const std::string& nome) {
    if (!sessione.parete.CaricataParete()) return Esito::Ok();
    return ScriviIstantanea(sessione, nome, TestoArmature(sessione.parete));
}

Esito CaricaStatoTmp(Sessione& sessione, const std::string& nome) {
    // Before its first snapshot a history has no folder, and a bare name
    // would be looked for in the process's current folder.
    if (sessione.storia.CartellaIstantanee.empty())
        return Esito::Errore("Nessuna copia della parete da cui annullare.");
    return LeggiArmature(sessione.parete, PercorsoIstantanea(sessione.storia, nome).string(),
                         VersioneArmature);
}

PassoAnnulla PreparaModifica(const Sessione& sessione) {
    if (!sessione.parete.CaricataParete()) return {};
    // A wall that no folder holds (a test's, a benchmark's) keeps no history.
    if (sessione.storia.CartellaIstantanee.empty() && sessione.parete.CartellaLavoro.empty())
        return {.ConParete = true};
    return {.ConParete = true, .Istantanea = TestoArmature(sessione.parete)};
}

void MemorizzaModifica(Sessione& sessione, InterfacciaFinestra& finestra) {
    MemorizzaModifica(sessione, finestra, PreparaModifica(sessione));
}

void MemorizzaModifica(Sessione& sessione, InterfacciaFinestra& finestra, const PassoAnnulla& passo) {
    StoriaAnnulla& storia = sessione.storia;
    if (!passo.ConParete) return;
    storia.Modificata = true;
    if (!passo.Istantanea) return;
    const Esito scritto =
        ScriviIstantanea(sessione, NomeFileTmp(storia.IndiceAnnulla, PrefissoIstantanee), *passo.Istantanea);
    if (!scritto.Riuscito()) {
        // The design leaves this state: the states ahead can no longer be redone.
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
