#include "design/AnnullaModifica.h"

#include "model/FileArmature.h"
#include "model/Finestra.h"
#include "model/Protezione.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

namespace {

// Reads state n back and makes it the current one; a snapshot that cannot be
// read is told and changes nothing, and so does a fault in the reading or in
// the tails.
void PortaAStato(Sessione& sessione, InterfacciaFinestra& finestra, const Ricalcolo& ricalcolo,
                 int n, const char* operazione) {
    const std::string impossibile = std::string("Impossibile ") + operazione + " la modifica.";
    const Parete prima = sessione.parete;
    Esito letto;
    bool modificata = false;
    const Esito interrotto = Protetto([&] {
        letto = CaricaStatoTmp(sessione, NomeFileTmp(n, PrefissoIstantanee));
        if (!letto.Riuscito()) return;
        // Only the state the files hold leaves nothing to save.
        modificata = TestoArmature(sessione.parete) != sessione.parete.FileNoti.Progetto;
        ricalcolo.Geometria(sessione);
        ricalcolo.Armatura(sessione);
    });
    if (!interrotto.Riuscito()) {
        sessione.parete = prima;
        (void)SegnalaInterruzione(finestra, impossibile, interrotto);
        return;
    }
    if (!letto.Riuscito()) {
        finestra.Messaggio(impossibile + "\n" + letto.Motivo, "Attenzione!",
                           IconaMessaggio::Esclamazione);
        return;
    }
    sessione.storia.IndiceAnnulla = n;
    sessione.storia.Modificata = modificata;
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
