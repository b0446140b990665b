#include "design/AnnullaModifica.h"

#include "model/FileArmature.h"
#include "model/Finestra.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

namespace {

// Reads state n back and makes it the current one; a snapshot that cannot be
// read is told and changes nothing.
void PortaAStato(Sessione& sessione, InterfacciaFinestra& finestra, const Ricalcolo& ricalcolo,
                 int n, const char* operazione) {
    const Esito letto = CaricaStatoTmp(sessione, NomeFileTmp(n, PrefissoIstantanee));
    if (!letto.Riuscito()) {
        finestra.Messaggio(std::string("Impossibile ") + operazione + " la modifica.\n" +
                               letto.Motivo,
                           "Attenzione!", IconaMessaggio::Esclamazione);
        return;
    }
    sessione.storia.IndiceAnnulla = n;
    // Only the state the files hold leaves nothing to save.
    sessione.storia.Modificata =
        TestoArmature(sessione.parete) != sessione.parete.FileNoti.Progetto;
    ricalcolo.Geometria(sessione);
    ricalcolo.Armatura(sessione);
    // The grid of the distributed layers shows the restored ones.
    finestra.PanelDiffusa();
    finestra.AggiornaDopoModifica();
}

}  // namespace

void AnnullaModifica(Sessione& sessione, InterfacciaFinestra& finestra, const Ricalcolo& ricalcolo) {
    StoriaAnnulla& storia = sessione.storia;
    if (storia.IndiceAnnulla <= storia.PrimoAnnulla) return;
    if (storia.IndiceAnnulla == storia.UltimoAnnulla) {
        const Esito scritto =
            SalvaStatoTmp(sessione, NomeFileTmp(storia.IndiceAnnulla, PrefissoIstantanee));
        if (!scritto.Riuscito()) {
            finestra.Messaggio("Impossibile annullare la modifica.\n" + scritto.Motivo,
                               "Attenzione!", IconaMessaggio::Esclamazione);
            return;
        }
    }
    PortaAStato(sessione, finestra, ricalcolo, storia.IndiceAnnulla - 1, "annullare");
}

void RipetiModifica(Sessione& sessione, InterfacciaFinestra& finestra, const Ricalcolo& ricalcolo) {
    const StoriaAnnulla& storia = sessione.storia;
    if (storia.IndiceAnnulla >= storia.UltimoAnnulla) return;
    PortaAStato(sessione, finestra, ricalcolo, storia.IndiceAnnulla + 1, "ripetere");
}
