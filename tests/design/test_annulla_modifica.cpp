#include "design/AnnullaModifica.h"

#include "design/LeggiParete.h"
#include "model/FileArmature.h"
#include "model/Sessione.h"
#include "model/StoriaAnnulla.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace fs = std::filesystem;

namespace {

// A wall with the design of the version-7 fixture, its working folder the
// temporary one; its history makes its folder under a folder of the test's.
class StoriaDiProva : public testing::Test {
protected:
    void SetUp() override {
        s.imp.CartellaTemporanea = radice.Percorso().string();
        const std::string parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")));
        cartella.Scrivi("P5.ARS", Sostituisci(Contenuto(PercorsoFixture("ARMATURA_V7.ARS")),
                                              "08/12/2026 22:45:10", DataModificaFile(parete)));
        FinestraRegistrata apertura;  // the coverage warning of the wall is not ours
        ASSERT_TRUE(LeggiParete(s, parete, apertura).Riuscito());
        ASSERT_EQ(s.parete.UltPosizione, 3);
        s.parete.CartellaLavoro = cartella.Percorso().string();
    }

    void Cambia(int diametro) {
        Modifica m(s, finestra, CodaRicalcolo::Completa, PuntoAnnullamento::Si);
        s.parete.DiamDir1Piu = diametro;
        m.Conferma();
    }

    fs::path Istantanea(int n) const {
        return fs::path(s.storia.CartellaIstantanee) / NomeFileTmp(n, "QUVEL");
    }
    bool Esiste(int n) const { return fs::exists(Istantanea(n)); }

    void Contatori(int primo, int indice, int ultimo) const {
        EXPECT_EQ(s.storia.PrimoAnnulla, primo);
        EXPECT_EQ(s.storia.IndiceAnnulla, indice);
        EXPECT_EQ(s.storia.UltimoAnnulla, ultimo);
    }

    CartellaTemporanea cartella;
    CartellaTemporanea radice;
    Sessione s;
    FinestraRegistrata finestra;
};

TEST(NomeFileTmp, NumeroSenzaSpazi) {
    EXPECT_EQ(NomeFileTmp(0, "QUVEL"), "QUVEL0.TMP");
    EXPECT_EQ(NomeFileTmp(12, "QUVEL"), "QUVEL12.TMP");
    EXPECT_EQ(NomeFileTmp(-3, "QUVEL"), "QUVEL-3.TMP");
}

TEST_F(StoriaDiProva, DueModificheAnnullateERipetute) {
    Cambia(16);
    Cambia(20);
    EXPECT_TRUE(Esiste(0));
    EXPECT_TRUE(Esiste(1));
    EXPECT_FALSE(Esiste(2));
    Contatori(0, 2, 2);

    AnnullaModifica(s, finestra);
    EXPECT_TRUE(Esiste(2));  // the state after both changes, for redo
    EXPECT_EQ(s.parete.DiamDir1Piu, 16);
    AnnullaModifica(s, finestra);
    EXPECT_EQ(s.parete.DiamDir1Piu, 14);
    Contatori(0, 0, 2);
    const auto eventi = finestra.Eventi.size();
    AnnullaModifica(s, finestra);  // nothing older
    EXPECT_EQ(finestra.Eventi.size(), eventi);
    Contatori(0, 0, 2);

    RipetiModifica(s, finestra);
    EXPECT_EQ(s.parete.DiamDir1Piu, 16);
    RipetiModifica(s, finestra);
    EXPECT_EQ(s.parete.DiamDir1Piu, 20);
    RipetiModifica(s, finestra);  // nothing newer
    Contatori(0, 2, 2);
    EXPECT_TRUE(finestra.Messaggi().empty()) << testing::PrintToString(finestra.Messaggi());
}

TEST_F(StoriaDiProva, UnaModificaDopoDueAnnullamentiCancellaIRipristini) {
    Cambia(16);
    Cambia(20);
    AnnullaModifica(s, finestra);
    AnnullaModifica(s, finestra);
    Cambia(24);
    EXPECT_TRUE(Esiste(0));
    EXPECT_FALSE(Esiste(1));
    EXPECT_FALSE(Esiste(2));
    Contatori(0, 1, 1);
    AnnullaModifica(s, finestra);
    EXPECT_EQ(s.parete.DiamDir1Piu, 14);
    RipetiModifica(s, finestra);
    EXPECT_EQ(s.parete.DiamDir1Piu, 24);
}

TEST_F(StoriaDiProva, PiuDiVentiPassiPerdonoIPiuVecchi) {
    for (int i = 1; i <= 21; ++i) Cambia(14 + i);
    EXPECT_FALSE(Esiste(0));
    Contatori(1, 21, 21);
    for (int i = 22; i <= 25; ++i) Cambia(14 + i);
    Contatori(5, 25, 25);
    for (int n = 0; n <= 4; ++n) EXPECT_FALSE(Esiste(n)) << n;
    for (int n = 5; n <= 24; ++n) EXPECT_TRUE(Esiste(n)) << n;

    for (int i = 0; i < 20; ++i) AnnullaModifica(s, finestra);
    Contatori(5, 5, 25);
    EXPECT_EQ(s.parete.DiamDir1Piu, 14 + 5);  // the design before the sixth change
    AnnullaModifica(s, finestra);
    Contatori(5, 5, 25);
    EXPECT_EQ(s.parete.DiamDir1Piu, 14 + 5);
    for (int i = 0; i < 20; ++i) RipetiModifica(s, finestra);
    EXPECT_EQ(s.parete.DiamDir1Piu, 14 + 25);
}

class RicalcoloRegistrato : public Ricalcolo {
public:
    explicit RicalcoloRegistrato(std::vector<std::string>& eventi) : eventi_(eventi) {}
    void Geometria(Sessione& s) const override {
        eventi_.push_back("Geometria");
        Ricalcolo::Geometria(s);
    }
    void Armatura(Sessione& s) const override {
        eventi_.push_back("Armatura");
        Ricalcolo::Armatura(s);
    }

private:
    std::vector<std::string>& eventi_;
};

// What is shown and saved after an undo is the state before the change, with
// its derived areas.
TEST_F(StoriaDiProva, AnnullareRicalcolaComeUnaModifica) {
    Modifica prima(s, finestra, CodaRicalcolo::Completa, PuntoAnnullamento::No);
    prima.Conferma();
    const std::vector<Nodo> nodi = s.parete.Nodi;
    const float area = s.parete.AreaDir1Piu;
    const std::string progetto = TestoArmature(s.parete);

    {
        Modifica m(s, finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::Si);
        s.parete.DiamDir1Piu = 28;
        s.parete.UltPosizione = 1;  // two positions deleted
        m.Conferma();
    }
    ASSERT_NE(s.parete.Nodi, nodi);

    finestra.Eventi.clear();
    const RicalcoloRegistrato ricalcolo(finestra.Eventi);
    AnnullaModifica(s, finestra, ricalcolo);
    EXPECT_EQ(finestra.Eventi,
              (std::vector<std::string>{"Geometria", "Armatura", "PanelDiffusa", "AggiornaDopoModifica"}));
    EXPECT_EQ(s.parete.Nodi, nodi);
    EXPECT_FLOAT_EQ(s.parete.AreaDir1Piu, area);
    EXPECT_EQ(TestoArmature(s.parete), progetto);

    finestra.Eventi.clear();
    RipetiModifica(s, finestra, ricalcolo);
    EXPECT_EQ(finestra.Eventi,
              (std::vector<std::string>{"Geometria", "Armatura", "PanelDiffusa", "AggiornaDopoModifica"}));
    EXPECT_NE(s.parete.Nodi, nodi);
    EXPECT_EQ(s.parete.UltPosizione, 1);
}

TEST(StoriaAnnulla, SenzaPareteNonScriveNulla) {
    CartellaTemporanea cartella;
    Sessione s;
    s.parete.CartellaLavoro = cartella.Percorso().string();
    FinestraRegistrata finestra;
    MemorizzaModifica(s, finestra);
    EXPECT_EQ(s.storia, StoriaAnnulla{});
    EXPECT_TRUE(fs::is_empty(cartella.Percorso()));
}

struct CasoIstantaneaGuasta {
    const char* nome;
    bool cancellata;  // else overwritten with text
};

// A failing row names itself in the test output.
void PrintTo(const CasoIstantaneaGuasta& c, std::ostream* os) { *os << c.nome; }

class IstantaneaIlleggibile : public StoriaDiProva,
                              public testing::WithParamInterface<CasoIstantaneaGuasta> {};

TEST_P(IstantaneaIlleggibile, DettaEContatoriFermi) {
    Cambia(16);
    Cambia(20);
    const fs::path guasta = Istantanea(1);
    if (GetParam().cancellata)
        fs::remove(guasta);
    else
        std::ofstream(guasta, std::ios::binary) << "VERSIONE  7\r\nrotto\r\n";
    const std::string progetto = TestoArmature(s.parete);
    finestra.Eventi.clear();

    AnnullaModifica(s, finestra);
    Contatori(0, 2, 2);
    EXPECT_EQ(TestoArmature(s.parete), progetto);
    ASSERT_EQ(finestra.Messaggi().size(), 1u);
    EXPECT_NE(finestra.Messaggi()[0].find("Impossibile annullare la modifica."), std::string::npos);
    EXPECT_NE(finestra.Messaggi()[0].find(guasta.string()), std::string::npos);
    EXPECT_EQ(std::count(finestra.Eventi.begin(), finestra.Eventi.end(), "AggiornaDopoModifica"), 0);
}

INSTANTIATE_TEST_SUITE_P(Casi, IstantaneaIlleggibile,
                         testing::Values(CasoIstantaneaGuasta{.nome = "Mancante", .cancellata = true},
                                         CasoIstantaneaGuasta{.nome = "Rovinata", .cancellata = false}),
                         [](const testing::TestParamInfo<CasoIstantaneaGuasta>& info) {
                             return info.param.nome;
                         });

TEST_F(StoriaDiProva, IstantaneaNonScrivibileDettaUnaVoltaELaModificaProsegue) {
    s.imp.CartellaTemporanea = (radice.Percorso() / "non_esiste" / "korvane").string();
    Cambia(16);
    Cambia(20);
    EXPECT_EQ(s.parete.DiamDir1Piu, 20);
    Contatori(0, 0, 0);
    ASSERT_EQ(finestra.Messaggi().size(), 1u);
    EXPECT_NE(finestra.Messaggi()[0].find("La modifica non potrà essere annullata."),
              std::string::npos);
    AnnullaModifica(s, finestra);
    EXPECT_EQ(s.parete.DiamDir1Piu, 20);
}

// The snapshots go to the history's own folder, never to the wall's, which
// may be renamed or deleted or change with a Save As; clearing the history
// deletes that folder, and the next history makes another.
TEST_F(StoriaDiProva, CartellaPropriaDellaStoriaSvuotataAllaFine) {
    Cambia(16);
    const fs::path propria = s.storia.CartellaIstantanee;
    EXPECT_EQ(propria.parent_path(), radice.Percorso());
    fs::remove_all(cartella.Percorso());  // the wall's folder is deleted
    s.parete.CartellaLavoro = (cartella.Percorso() / "altrove").string();
    Cambia(20);
    AnnullaModifica(s, finestra);
    AnnullaModifica(s, finestra);
    EXPECT_EQ(s.parete.DiamDir1Piu, 14);
    EXPECT_EQ(s.storia.CartellaIstantanee, propria.string());
    for (int n = 0; n <= 2; ++n) EXPECT_TRUE(Esiste(n)) << n;
    EXPECT_TRUE(finestra.Messaggi().empty()) << testing::PrintToString(finestra.Messaggi());

    SvuotaAnnulla(s.storia);
    EXPECT_EQ(s.storia, StoriaAnnulla{});
    EXPECT_FALSE(fs::exists(propria));

    Cambia(24);  // a new history, in a new folder
    EXPECT_TRUE(Esiste(0));
    EXPECT_NE(s.storia.CartellaIstantanee, propria.string());
    SvuotaAnnulla(s.storia);
    EXPECT_TRUE(fs::is_empty(radice.Percorso()));
}

}  // namespace
