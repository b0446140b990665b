#include "ui/AggiornaComandi.h"

#include "model/Parete.h"
#include "model/StatoInterfaccia.h"
#include "model/StoriaAnnulla.h"
#include "ui/IdComandi.h"

#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using I = IdComandi;

// The state the rules read.
struct Stato {
    bool parete = true;
    int magliaUnica = 0;
    int modoVista = 0;
    int statoVista = 0;
    int vistaCorrente = 0;
    int editor = 0;
    int infoNodi = 0;
    int indice = 0, primo = 0, ultimo = 0;  // undo
};

struct Caso {
    const char* nome;
    Stato stato;
    int I::*comando;
    std::optional<bool> abilitato;
    std::optional<bool> selezionato = std::nullopt;
    int infoNodiDopo = 0;
    int editorDopo = 0;
    bool infoArm = false;
};

IdComandi Ids() {
    IdComandi ids;
    InizializzaIdComandi(ids, 1);
    return ids;
}

StatoComando Applica(const Stato& s, int id, StatoInterfaccia& stato) {
    Parete parete = s.parete ? PareteRettangolare(300, 200) : Parete{};
    parete.MagliaUnica = s.magliaUnica;
    StoriaAnnulla storia;
    storia.IndiceAnnulla = s.indice;
    storia.PrimoAnnulla = s.primo;
    storia.UltimoAnnulla = s.ultimo;
    stato.ModoVista = s.modoVista;
    stato.StatoVista = s.statoVista;
    stato.VistaCorrente = s.vistaCorrente;
    stato.ModificaPoligono = s.editor;
    stato.InfoNodiAttivo = s.infoNodi;
    return CommandBars_AggiornaComando(id, Ids(), parete, storia, stato);
}

const Caso Casi[] = {
    {.nome = "vista modo 3 spuntata", .stato = {.modoVista = 3}, .comando = &I::IdDisponiIntegrative,
     .abilitato = std::nullopt, .selezionato = true},
    {.nome = "vista modo 3 altro pulsante", .stato = {.modoVista = 3}, .comando = &I::IdMappaCalcolo,
     .abilitato = std::nullopt, .selezionato = false},
    {.nome = "viste mai disabilitate senza parete", .stato = {.parete = false, .modoVista = 5},
     .comando = &I::IdEccedenza, .abilitato = std::nullopt, .selezionato = true},
    {.nome = "annulla indici uguali", .stato = {.indice = 3, .primo = 3, .ultimo = 3},
     .comando = &I::IdAnnulla, .abilitato = false},
    {.nome = "ripeti indici uguali", .stato = {.indice = 3, .primo = 3, .ultimo = 3},
     .comando = &I::IdRipeti, .abilitato = false},
    {.nome = "annulla possibile", .stato = {.indice = 4, .primo = 3, .ultimo = 4},
     .comando = &I::IdAnnulla, .abilitato = true},
    {.nome = "ripeti possibile", .stato = {.indice = 3, .primo = 3, .ultimo = 4},
     .comando = &I::IdRipeti, .abilitato = true},
    {.nome = "copia nelle mappe", .stato = {.statoVista = 2}, .comando = &I::IdCopiaArmatura,
     .abilitato = true},
    {.nome = "copia fuori dalle mappe", .stato = {.statoVista = 14}, .comando = &I::IdSpostaArmatura,
     .abilitato = false},
    {.nome = "cancella con editor aperto", .stato = {.statoVista = 13, .editor = 1},
     .comando = &I::IdCancellaIntegrativa, .abilitato = false, .editorDopo = 1},
    {.nome = "copia lato opposto due facce", .stato = {.statoVista = 6},
     .comando = &I::IdCopiaOpposto, .abilitato = true},
    {.nome = "copia lato opposto maglia unica", .stato = {.magliaUnica = -1, .statoVista = 6},
     .comando = &I::IdCopiaOpposto, .abilitato = false},
    {.nome = "copia multipla maglia unica", .stato = {.magliaUnica = -1, .statoVista = 2},
     .comando = &I::IdCopiaMultiplaOpposto, .abilitato = false},
    {.nome = "info nodi attiva in mappa", .stato = {.statoVista = 4, .infoNodi = -1},
     .comando = &I::IdInfoNodi, .abilitato = true, .selezionato = true, .infoNodiDopo = -1},
    {.nome = "info nodi spenta in mappa", .stato = {.statoVista = 4}, .comando = &I::IdInfoNodi,
     .abilitato = true, .selezionato = false, .infoArm = true},
    {.nome = "info nodi lasciando le mappe", .stato = {.statoVista = 14, .infoNodi = -1},
     .comando = &I::IdInfoNodi, .abilitato = false, .selezionato = false, .infoArm = true},
    {.nome = "info nodi con editor", .stato = {.statoVista = 4, .editor = 1, .infoNodi = -1},
     .comando = &I::IdInfoNodi, .abilitato = false, .selezionato = false, .editorDopo = 1,
     .infoArm = true},
    {.nome = "etichetta nelle zone", .stato = {.statoVista = 15}, .comando = &I::IdSpostaEtichetta,
     .abilitato = true},
    {.nome = "etichetta nella diffusa", .stato = {.statoVista = 1}, .comando = &I::IdSpostaEtichetta,
     .abilitato = false},
    {.nome = "etichetta senza parete", .stato = {.parete = false, .statoVista = 14},
     .comando = &I::IdSpostaEtichetta, .abilitato = false},
    {.nome = "inserisci in disponi", .stato = {.statoVista = 9},
     .comando = &I::IdInserisciIntegrativa, .abilitato = true},
    {.nome = "inserisci in mappa", .stato = {.statoVista = 5}, .comando = &I::IdInserisciIntegrativa,
     .abilitato = false},
    {.nome = "sezione nella tavola", .stato = {.statoVista = 17}, .comando = &I::IdSezioneVert,
     .abilitato = false},
    {.nome = "sezione senza parete", .stato = {.parete = false}, .comando = &I::IdSezioneOrizz,
     .abilitato = false},
    {.nome = "sezione in vista", .stato = {.statoVista = 14}, .comando = &I::IdCancellaSezione,
     .abilitato = true},
    {.nome = "computo senza parete", .stato = {.parete = false}, .comando = &I::IdComputo,
     .abilitato = false},
    {.nome = "computo con editor", .stato = {.editor = 1}, .comando = &I::IdComputo,
     .abilitato = false, .editorDopo = 1},
    {.nome = "perimetro con editor resta", .stato = {.statoVista = 15, .editor = 1},
     .comando = &I::IdModificaPerimetro, .abilitato = true, .editorDopo = 1},
    {.nome = "solaio nella tavola chiude editor", .stato = {.statoVista = 17, .editor = 1},
     .comando = &I::IdInserisciSolaio, .abilitato = false},
    {.nome = "parete senza parete chiude editor", .stato = {.parete = false, .editor = 1},
     .comando = &I::IdCancellaSolaio, .abilitato = false},
    {.nome = "quota dopo la diffusa", .stato = {.statoVista = 7, .vistaCorrente = 1},
     .comando = &I::IdQuotaOrizz, .abilitato = true},
    {.nome = "quota dopo una mappa", .stato = {.statoVista = 7, .vistaCorrente = 9999},
     .comando = &I::IdQuotaturaAutomatica, .abilitato = false},
    {.nome = "quota nella tavola", .stato = {.statoVista = 17, .vistaCorrente = 5},
     .comando = &I::IdSpostaQuota, .abilitato = false},
    {.nome = "quota con editor", .stato = {.editor = 1}, .comando = &I::IdVisibilitaQuota,
     .abilitato = false, .editorDopo = 1},
    {.nome = "zoom mai toccato", .stato = {.parete = false}, .comando = &I::IdZoom,
     .abilitato = std::nullopt},
    {.nome = "salva mai toccato", .stato = {.parete = false}, .comando = &I::IdSalva,
     .abilitato = std::nullopt},
};

TEST(AggiornaComando, RegolePerStato) {
    for (const Caso& caso : Casi) {
        SCOPED_TRACE(caso.nome);
        StatoInterfaccia stato;
        const StatoComando esito = Applica(caso.stato, Ids().*caso.comando, stato);
        EXPECT_EQ(esito.Abilitato, caso.abilitato);
        EXPECT_EQ(esito.Selezionato, caso.selezionato);
        EXPECT_EQ(esito.RicostruisciInfoArm, caso.infoArm);
        EXPECT_EQ(stato.InfoNodiAttivo, caso.infoNodiDopo);
        EXPECT_EQ(stato.ModificaPoligono, caso.editorDopo);
        EXPECT_EQ(esito.EditorChiuso, caso.stato.editor != 0 && caso.editorDopo == 0);
    }
}

// The rule is a function of the state: asked again, it answers the same and
// changes nothing more.
TEST(AggiornaComando, RipetutaNonCambiaNulla) {
    const Stato s{.statoVista = 17, .editor = 1, .infoNodi = -1};
    for (const ComandoProgramma& c : TabellaComandi()) {
        StatoInterfaccia stato;
        const StatoComando prima = Applica(s, 1000 + c.Offset, stato);
        const StatoInterfaccia dopo = stato;
        Parete parete = PareteRettangolare(300, 200);
        const StatoComando ancora =
            CommandBars_AggiornaComando(1000 + c.Offset, Ids(), parete, StoriaAnnulla{}, stato);
        EXPECT_EQ(ancora.Abilitato, prima.Abilitato) << c.Titolo;
        EXPECT_EQ(stato, dopo) << c.Titolo;
    }
}

}  // namespace
