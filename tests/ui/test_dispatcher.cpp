#include "ui/Dispatcher.h"

#include "design/CaricaProgetto.h"
#include "design/LeggiParete.h"
#include "design/Modifica.h"
#include "drawing/Vista.h"
#include "model/Sessione.h"
#include "ui/IdComandi.h"

#include "AzioniRegistrate.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using I = IdComandi;

// A session on a 300 x 200 wall built in code, the view of an 800 x 600
// canvas and the two recording fakes.
class Banco {
public:
    Banco() {
        InizializzaIdComandi(ids, 1);
        sessione.parete = PareteRettangolare(300, 200);
        sessione.parete.DiamIntegrativa = 14;
        sessione.imp.CartellaUtente = cartella.Percorso().string();
        vista.LarghezzaTela = 800.0f;
        vista.AltezzaTela = 600.0f;
    }
    void Esegui(int I::*comando) { CommandBars_EseguiComando(ids.*comando, contesto); }
    void Esegui(int id) { CommandBars_EseguiComando(id, contesto); }
    bool Azione(const std::string& evento) const {
        return std::find(azioni.Eventi.begin(), azioni.Eventi.end(), evento) != azioni.Eventi.end();
    }

    CartellaTemporanea cartella;
    IdComandi ids;
    Sessione sessione;
    Vista vista;
    FinestraRegistrata finestra;
    AzioniRegistrate azioni;
    ContestoComandi contesto{sessione, vista, finestra, azioni, ids};
};

// The stage that takes a command decides what becomes of the last
// repeatable command: the file group leaves it, the repeatable commands set
// it, every other command clears it.
TEST(Dispatcher, StadiEUltimoComando) {
    struct Caso {
        const char* nome;
        int I::*comando;
        int ultimoAtteso;  // -1: the one before stays
    };
    const Caso casi[] = {
        {.nome = "apri annullato", .comando = &I::IdApri, .ultimoAtteso = -1},
        {.nome = "computo", .comando = &I::IdComputo, .ultimoAtteso = -1},
        {.nome = "esci", .comando = &I::IdEsci, .ultimoAtteso = -1},
        {.nome = "quota orizzontale", .comando = &I::IdQuotaOrizz, .ultimoAtteso = 1139},
        {.nome = "trascina", .comando = &I::IdTrascina, .ultimoAtteso = 1112},
        {.nome = "zoom", .comando = &I::IdZoom, .ultimoAtteso = 0},
        {.nome = "annulla", .comando = &I::IdAnnulla, .ultimoAtteso = 0},
        {.nome = "vista diffusa", .comando = &I::IdVisDiffusa, .ultimoAtteso = 0},
        {.nome = "faccia del pulsante perimetro", .comando = &I::IdModificaPerimetro,
         .ultimoAtteso = 0},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Banco b;
        b.sessione.stato.UltimoComando = 1131;
        b.Esegui(caso.comando);
        EXPECT_EQ(b.sessione.stato.UltimoComando,
                  caso.ultimoAtteso == -1 ? 1131 : caso.ultimoAtteso);
    }
}

TEST(Dispatcher, StadioFileSoloPerIPropri) {
    Banco b;
    EXPECT_TRUE(SottoGruppoMenuFile(IdFisso::Informazioni, b.contesto));
    EXPECT_TRUE(SottoGruppoMenuFile(b.ids.IdComputo, b.contesto));
    EXPECT_FALSE(SottoGruppoMenuFile(b.ids.IdQuotaOrizz, b.contesto));
    EXPECT_FALSE(SottoGruppoMenuFile(b.ids.IdZoom, b.contesto));
    EXPECT_EQ(b.azioni.Eventi, (std::vector<std::string>{"Informazioni", "Computo"}));
}

// Every repeatable command: the mode it arms, its prompt and what it resets.
TEST(Dispatcher, ComandiRipetibiliRighe) {
    struct Caso {
        int I::*comando;
        int modo;
        const char* prompt;  // null: the prompt line is left alone
        bool spegneInfoNodi;
        bool annullaEvidenziazione;
    };
    const char* copia = "Seleziona l'armatura da copiare";
    const Caso casi[] = {
        {&I::IdQuotaOrizz, 2000, nullptr, false, false},
        {&I::IdQuotaVert, 3000, nullptr, false, false},
        {&I::IdQuotaAllineata, 4000, nullptr, false, false},
        {&I::IdCancellaQuota, 6000, nullptr, false, true},
        {&I::IdSpostaQuota, 7000, nullptr, false, true},
        {&I::IdVisibilitaQuota, 7005, nullptr, false, true},
        {&I::IdSpostaEtichetta, 300, nullptr, false, true},
        {&I::IdSezioneOrizz, 400, nullptr, false, false},
        {&I::IdSezioneVert, 403, nullptr, false, false},
        {&I::IdCancellaSezione, 408, nullptr, false, true},
        {&I::IdSpostaSezione, 410, nullptr, false, true},
        {&I::IdCopiaArmatura, 430, copia, true, true},
        {&I::IdCopiaOpposto, 450, copia, true, true},
        {&I::IdCopiaMultiplaOpposto, 460, "Seleziona con un box le armature da copiare", true, true},
        {&I::IdSpostaArmatura, 440,
         "Seleziona e trascina nella nuova posizione l'armatura da spostare", true, true},
        {&I::IdCancellaIntegrativa, 420, nullptr, true, true},
        {&I::IdModificaSolaio, 7500, nullptr, false, false},
        {&I::IdCancellaSolaio, 7510, nullptr, false, false},
        {&I::IdInserisciSolaio, 8000, nullptr, false, false},
        {&I::IdInserisciParete, 9000, nullptr, false, false},
        {&I::IdInserisciIntegrativa, 32,
         "Premi il pulsante sinistro del mouse per inserire il primo vertice e rilascialo per "
         "completare la selezione della zona da armare.",
         true, false},
    };
    for (const Caso& caso : casi) {
        Banco b;
        const int id = b.ids.*caso.comando;
        SCOPED_TRACE(id);
        b.sessione.stato.InfoNodiAttivo = -1;
        b.sessione.stato.Modo = 7;
        EXPECT_TRUE(ComandiRipetibili(id, b.contesto));
        EXPECT_EQ(b.sessione.stato.Modo, caso.modo);
        EXPECT_EQ(b.sessione.stato.UltimoComando, id);
        EXPECT_EQ(b.sessione.stato.InfoNodiAttivo, caso.spegneInfoNodi ? 0 : -1);
        std::vector<std::string> attesi;
        if (caso.annullaEvidenziazione) attesi.push_back("AnnullaEvidenziazione");
        if (caso.prompt) attesi.push_back(std::string("Prompt ") + caso.prompt);
        EXPECT_EQ(b.azioni.Eventi, attesi);
        EXPECT_TRUE(b.finestra.Eventi.empty());
    }
}

TEST(Dispatcher, InserisciIntegrativaPreparaLaZona) {
    Banco b;
    b.sessione.stato.LatoAttivo = 1;
    b.Esegui(&I::IdInserisciIntegrativa);
    EXPECT_EQ(b.sessione.stato.PosCorrente.Tipo, 1);
    EXPECT_EQ(b.sessione.stato.PosCorrente.Diametro, 14);
}

TEST(Dispatcher, TrascinaRicordaIlModoPrecedente) {
    Banco b;
    b.sessione.stato.Modo = 400;
    b.Esegui(&I::IdTrascina);
    EXPECT_EQ(b.sessione.stato.Modo, 4);
    EXPECT_EQ(b.sessione.stato.ModoPrec, 400);
}

// With no dimension to hang on to the command says so, keeps the mode and
// still counts as the last command: the right button says it again.
TEST(Dispatcher, QuotaturaContinuaSenzaQuote) {
    Banco b;
    b.sessione.stato.Modo = 400;
    b.Esegui(&I::IdQuotaturaContinua);
    EXPECT_EQ(b.finestra.Eventi, (std::vector<std::string>{
                                     "Messaggio[Attenzione!|esclamazione] Non sono presenti "
                                     "quote a cui agganciarsi"}));
    EXPECT_EQ(b.sessione.stato.Modo, 400);
    EXPECT_EQ(b.sessione.stato.UltimoComando, b.ids.IdQuotaturaContinua);

    EXPECT_TRUE(ComandiRipetibili(b.sessione.stato.UltimoComando, b.contesto));
    EXPECT_EQ(b.finestra.Messaggi().size(), 2u);
    EXPECT_EQ(b.sessione.stato.Modo, 400);
}

TEST(Dispatcher, QuotaturaContinuaConUnaQuota) {
    Banco b;
    b.sessione.parete.UltQuota = 0;
    b.sessione.stato.QuotaSelezionata = 3;
    b.Esegui(&I::IdQuotaturaContinua);
    EXPECT_TRUE(b.finestra.Eventi.empty());
    EXPECT_EQ(b.sessione.stato.Modo, 5000);
    EXPECT_EQ(b.sessione.stato.QuotaSelezionata, -1);
}

// On: the prompt text in the panel, no node picked yet; off: the summary.
TEST(Dispatcher, InfoNodiDueVolte) {
    Banco b;
    b.sessione.stato.TipoMappa = 3;
    b.sessione.stato.NodoSelezionato = 7;
    b.Esegui(&I::IdInfoNodi);
    EXPECT_EQ(b.sessione.stato.InfoNodiAttivo, -1);
    EXPECT_EQ(b.sessione.stato.NodoSelezionato, -1);
    EXPECT_EQ(b.azioni.Eventi,
              (std::vector<std::string>{
                  "Testo Clicca sui nodi per ottenere le informazioni di progetto",
                  "AnnullaEvidenziazione", "PannelloIntervallo"}));

    b.azioni.Eventi.clear();
    b.sessione.stato.TipoMappa = 6;  // a missing-area map has no range panel
    b.Esegui(&I::IdInfoNodi);
    EXPECT_EQ(b.sessione.stato.InfoNodiAttivo, 0);
    EXPECT_EQ(b.azioni.Eventi, (std::vector<std::string>{"InfoArm"}));
    EXPECT_EQ(b.sessione.stato.UltimoComando, 0);
}

TEST(Dispatcher, RecenteMagliaUnica) {
    struct Caso {
        const char* fixture;
        const char* latoAtteso;
    };
    for (const Caso caso : {Caso{"MAGLIA_UNICA.SET", "Lato 1"}, Caso{"COPERTURA.SET", "Lato 0"}}) {
        SCOPED_TRACE(caso.fixture);
        Banco b;
        const std::string file = b.cartella.Scrivi("P7.SET", Contenuto(PercorsoFixture(caso.fixture)));
        b.sessione.recenti.FileRecenti = {"/nessuna/ALTRA.SET", file, "", ""};
        b.sessione.recenti.NumFileRecenti = 2;
        b.sessione.stato.UltimoComando = 1131;
        b.Esegui(IdFisso::PrimoRecente + 1);
        EXPECT_EQ(b.sessione.parete.FileCorrente, file);
        const std::vector<std::string> coda(b.azioni.Eventi.end() - 2, b.azioni.Eventi.end());
        EXPECT_EQ(coda, (std::vector<std::string>{caso.latoAtteso, "Direzione 0"}));
        EXPECT_EQ(b.sessione.stato.UltimoComando, 1131);
    }
}

// A recent file that is gone is told and leaves the list; the selectors are
// reset all the same.
TEST(Dispatcher, RecenteMancante) {
    Banco b;
    const std::string mancante = (b.cartella.Percorso() / "VIA.SET").string();
    b.sessione.recenti.FileRecenti = {mancante, "", "", ""};
    b.sessione.recenti.NumFileRecenti = 1;
    b.Esegui(IdFisso::PrimoRecente);
    EXPECT_EQ(b.finestra.Messaggi(), (std::vector<std::string>{mancante + " non trovato!"}));
    EXPECT_EQ(b.sessione.recenti.NumFileRecenti, 0);
    EXPECT_EQ(b.azioni.Eventi, (std::vector<std::string>{"Lato 0", "Direzione 0"}));
}

TEST(Dispatcher, SalvaSenzaPareteNonFaNulla) {
    Banco b;
    b.sessione.parete = Parete{};
    b.finestra.FileScelti.push_back((b.cartella.Percorso() / "X.SET").string());
    b.Esegui(&I::IdSalva);
    EXPECT_TRUE(b.finestra.Eventi.empty());
    EXPECT_EQ(b.finestra.FileScelti.size(), 1u);
}

// Each item names its own perimeter; the window decides whether to reload.
TEST(Dispatcher, PerimetriConEditorAperto) {
    Banco b;
    b.Esegui(IdFisso::PerimetroInterno);
    b.sessione.stato.ModificaPoligono = 1;
    b.Esegui(IdFisso::PerimetroEsterno);
    EXPECT_EQ(b.azioni.Eventi, (std::vector<std::string>{"Editor 1", "Editor 0"}));
    EXPECT_EQ(b.sessione.stato.UltimoComando, IdFisso::PerimetroEsterno);
}

TEST(Dispatcher, ModiVista) {
    const int I::*comandi[] = {&I::IdVisDiffusa,         &I::IdVisIntegrativa, &I::IdAnteprimaTavola,
                               &I::IdDisponiIntegrative, &I::IdMappaCalcolo,   &I::IdEccedenza};
    for (int modo = 0; modo < 6; ++modo) {
        Banco b;
        b.sessione.stato.ModoVista = 9;
        b.Esegui(b.ids.*comandi[modo]);
        EXPECT_EQ(b.sessione.stato.ModoVista, modo);
        EXPECT_EQ(b.azioni.Eventi, (std::vector<std::string>{"AggiornaVisualizzazione"}));
    }
}

TEST(Dispatcher, QuotaturaAutomaticaRispostaNo) {
    Banco b;
    b.sessione.parete.UltQuota = 0;
    b.sessione.parete.Quote[0].Testo = "1.0";
    const Parete prima = b.sessione.parete;
    b.finestra.RisposteDomande.push_back(false);
    b.Esegui(&I::IdQuotaturaAutomatica);
    EXPECT_EQ(b.sessione.parete, prima);
    EXPECT_TRUE(b.azioni.Eventi.empty());
}

TEST(Dispatcher, QuotaturaAutomaticaRispostaSi) {
    Banco b;
    b.sessione.parete.UltQuota = 0;
    b.sessione.parete.Quote[0].Testo = "vecchia";
    b.finestra.RisposteDomande.push_back(true);
    b.Esegui(&I::IdQuotaturaAutomatica);
    ASSERT_GE(b.sessione.parete.UltQuota, 0);
    for (int i = 0; i <= b.sessione.parete.UltQuota; ++i)
        EXPECT_NE(b.sessione.parete.Quote[i].Testo, "vecchia");
    EXPECT_EQ(b.azioni.Eventi, (std::vector<std::string>{"Ridisegna"}));
    EXPECT_EQ(b.sessione.storia.UltimoAnnulla, 0);  // no undo step
}

// Answered "No", the export runs on the saved walls and the edit that was not
// saved stays in the open wall, which is not read again.
TEST(Dispatcher, DxfRispostaNoConservaLaModifica) {
    Banco b;
    const std::string file =
        b.cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")));
    ASSERT_TRUE(CaricaProgetto(b.sessione, file, b.vista, b.finestra).Riuscito());
    {
        // The edit, not saved, through the change transaction the grid uses.
        Modifica m(b.sessione, b.finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::No);
        b.sessione.parete.PassoDir1Piu = 12.5f;
        m.Conferma();
    }
    const Parete prima = b.sessione.parete;
    int dialoghi = 0;
    b.azioni.DuranteDxf = [&] { ++dialoghi; };
    b.finestra.Eventi.clear();
    b.finestra.RisposteDomande.push_back(false);

    b.Esegui(IdFisso::GeneraDxf);

    EXPECT_EQ(b.finestra.Eventi.front(),
              "Domanda[Attenzione!|nessuna] Vuoi salvare il file prima di procedere?\nSolo "
              "salvando il file, le modifiche apportate all'armatura verranno riportate nel DXF -> No");
    EXPECT_EQ(dialoghi, 1);
    EXPECT_EQ(b.sessione.parete, prima);
}

// With no wall file nothing is asked and the dialog still opens.
TEST(Dispatcher, DxfSenzaFileNonChiedeNulla) {
    Banco b;
    const Parete prima = b.sessione.parete;
    int dialoghi = 0;
    b.azioni.DuranteDxf = [&] { ++dialoghi; };
    b.Esegui(IdFisso::GeneraDxf);
    EXPECT_TRUE(std::none_of(b.finestra.Eventi.begin(), b.finestra.Eventi.end(),
                             [](const std::string& e) { return e.rfind("Domanda", 0) == 0; }));
    EXPECT_EQ(dialoghi, 1);
    EXPECT_EQ(b.sessione.parete, prima);
}

TEST(Dispatcher, IdSconosciutoNonFaNulla) {
    Banco b;
    const Sessione prima = b.sessione;
    b.Esegui(9999);
    b.Esegui(b.ids.IdProgetto + 1000);
    EXPECT_TRUE(b.azioni.Eventi.empty());
    EXPECT_TRUE(b.finestra.Eventi.empty());
    EXPECT_EQ(b.sessione.stato, prima.stato);
}

}  // namespace
