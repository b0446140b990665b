#include "design/SalvaConNome.h"

#include "design/LeggiParete.h"
#include "design/SalvaParete.h"
#include "design/SalvaPareteComando.h"
#include "model/FileArmature.h"
#include "model/Recenti.h"
#include "model/RecentiMemoria.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace {

const std::string TitoloP5 = "Titolo KORVANE Setti C.A. -  [ P5.SET ]";

// The fixture wall open from P5.SET, the profile folder beside it.
class PareteAperta {
public:
    PareteAperta() {
        Parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")) + "PROGETTO\r\n");
        sessione.imp.CartellaUtente = cartella.Percorso().string();
        EXPECT_TRUE(LeggiParete(sessione, Parete, finestra).Riuscito());
        sessione.parete.FileCorrente = Parete;
        sessione.parete.CartellaLavoro = cartella.Percorso().string();
        AggiornaRecenti(sessione.recenti, Parete);
        finestra.Eventi.clear();
    }

    std::string Altro(const std::string& nome) const { return (cartella.Percorso() / nome).string(); }
    bool Titolato() const {
        return std::any_of(finestra.Eventi.begin(), finestra.Eventi.end(),
                           [](const std::string& e) { return e.rfind("Titolo", 0) == 0; });
    }

    CartellaTemporanea cartella;
    std::string Parete;
    Sessione sessione;
    FinestraRegistrata finestra;
};

TEST(SalvaConNome, LaParetePrendeIlNuovoNome) {
    PareteAperta t;
    CartellaTemporanea altrove;
    const std::string nuova = (altrove.Percorso() / "NUOVA.SET").string();
    const std::string originale = Contenuto(t.Parete);
    t.finestra.FileScelti = {nuova};

    ASSERT_TRUE(SalvaConNome(t.sessione, t.finestra).Riuscito());
    EXPECT_EQ(t.finestra.Eventi.front(), "Salva[Salva] File Dati (*.SET) " + t.Parete);
    EXPECT_EQ(t.sessione.parete.FileCorrente, nuova);
    EXPECT_EQ(t.sessione.parete.CartellaLavoro, altrove.Percorso().string());
    EXPECT_EQ(t.finestra.Eventi.back(), "Titolo KORVANE Setti C.A. -  [ NUOVA.SET ]");
    EXPECT_NE(Contenuto(nuova).find("\r\nVERIFICA\r\n"), std::string::npos);
    EXPECT_EQ(Contenuto((altrove.Percorso() / "NUOVA.ARS").string()),
              TestoArmature(t.sessione.parete));
    EXPECT_EQ(Contenuto(t.Parete), originale);
    EXPECT_FALSE(fs::exists(t.Altro("P5.ARS")));
    EXPECT_EQ(Contenuto(PercorsoMemoria(t.sessione.imp).string()), TestoMemoria(t.sessione.recenti));

    // The next save is in place.
    t.finestra.Eventi.clear();
    ASSERT_TRUE(ComandoSalva(t.sessione, t.finestra).Riuscito());
    EXPECT_TRUE(t.finestra.Eventi.empty());
}

TEST(SalvaConNome, UnNomeSenzaEstensionePrendeSet) {
    PareteAperta t;
    t.finestra.FileScelti = {t.Altro("P6")};
    ASSERT_TRUE(SalvaConNome(t.sessione, t.finestra).Riuscito());
    EXPECT_EQ(t.sessione.parete.FileCorrente, t.Altro("P6.SET"));
    EXPECT_TRUE(fs::exists(t.Altro("P6.ARS")));
}

TEST(SalvaConNome, PareteSenzaNomePropostaSol001) {
    PareteAperta t;
    t.sessione.parete.FileCorrente.clear();
    (void)SalvaConNome(t.sessione, t.finestra);
    EXPECT_EQ(t.finestra.Eventi.front(), "Salva[Salva] File Dati (*.SET) Sol001.SET");
}

struct CasoRinuncia {
    const char* nome;
    bool esistente;     // the chosen file is already there
    bool annulla;       // the dialog is cancelled
    int errore;         // ErroreOperazione afterwards
};

// A failing row names itself in the test output.
void PrintTo(const CasoRinuncia& c, std::ostream* os) { *os << c.nome; }

class RinunciaSalvaConNome : public testing::TestWithParam<CasoRinuncia> {};

TEST_P(RinunciaSalvaConNome, NonCambiaNulla) {
    const CasoRinuncia& caso = GetParam();
    PareteAperta t;
    const std::string scelto = t.Altro("ESISTE.SET");
    if (caso.esistente) t.cartella.Scrivi("ESISTE.SET", "di un altro");
    if (!caso.annulla) t.finestra.FileScelti = {scelto};
    t.finestra.RisposteDomande = {false};
    const std::string originale = Contenuto(t.Parete);

    const Esito esito = SalvaConNome(t.sessione, t.finestra);
    EXPECT_EQ(esito.Codice, CodiceSalvataggio::Rinuncia);
    EXPECT_EQ(t.sessione.stato.ErroreOperazione, caso.errore);
    EXPECT_EQ(t.sessione.parete.FileCorrente, t.Parete);
    EXPECT_FALSE(t.Titolato());
    EXPECT_EQ(Contenuto(t.Parete), originale);
    if (caso.esistente) {
        EXPECT_EQ(Contenuto(scelto), "di un altro");
    }
    EXPECT_FALSE(fs::exists(t.Altro("ESISTE.ARS")));
}

INSTANTIATE_TEST_SUITE_P(
    Salvataggio, RinunciaSalvaConNome,
    testing::Values(CasoRinuncia{.nome = "DialogoAnnullato", .esistente = false, .annulla = true,
                                 .errore = 0},
                    CasoRinuncia{.nome = "NoAllaSostituzione", .esistente = true, .annulla = false,
                                 .errore = -1}),
    [](const testing::TestParamInfo<CasoRinuncia>& info) { return info.param.nome; });

TEST(SalvaConNome, SiAllaSostituzioneSalvaSulFileEsistente) {
    PareteAperta t;
    const std::string scelto = t.cartella.Scrivi("ESISTE.SET", "di un altro");
    t.finestra.FileScelti = {scelto};
    t.finestra.RisposteDomande = {true};
    ASSERT_TRUE(SalvaConNome(t.sessione, t.finestra).Riuscito());
    EXPECT_EQ(t.finestra.Eventi[1],
              "Domanda[Salva|nessuna] File già presente, vuoi sostituirlo? -> Si");
    EXPECT_EQ(t.sessione.parete.FileCorrente, scelto);
    EXPECT_TRUE(Contenuto(scelto).starts_with("VERSIONE 1\r\nKORVANE\r\n"));
}

TEST(SalvaConNome, UnSalvataggioFallitoLasciaNomeTitoloEFile) {
    PareteAperta t;
    const std::string scelto = t.Altro("NUOVA.SET");
    fs::create_directory(t.Altro("NUOVA.ARS"));  // the reinforcement file cannot be written
    t.finestra.FileScelti = {scelto};
    const std::string originale = Contenuto(t.Parete);

    EXPECT_FALSE(SalvaConNome(t.sessione, t.finestra).Riuscito());
    EXPECT_EQ(t.sessione.parete.FileCorrente, t.Parete);
    EXPECT_EQ(t.sessione.parete.CartellaLavoro, t.cartella.Percorso().string());
    EXPECT_FALSE(t.Titolato());
    EXPECT_FALSE(t.finestra.Messaggi().empty());
    EXPECT_FALSE(fs::exists(scelto));
    EXPECT_EQ(Contenuto(t.Parete), originale);
    EXPECT_FALSE(fs::exists(PercorsoMemoria(t.sessione.imp)));
}

TEST(SalvaConNome, SenzaPareteNonApreNemmenoIlDialogo) {
    Sessione sessione;
    FinestraRegistrata finestra;
    finestra.FileScelti = {"/tmp/X.SET"};
    EXPECT_EQ(SalvaConNome(sessione, finestra).Codice, CodiceSalvataggio::NessunaParete);
    EXPECT_EQ(ComandoSalva(sessione, finestra).Codice, CodiceSalvataggio::NessunaParete);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST(ComandoSalva, SalvaSulPostoEScriveLaMemoria) {
    PareteAperta t;
    ASSERT_TRUE(ComandoSalva(t.sessione, t.finestra).Riuscito());
    EXPECT_TRUE(t.finestra.Eventi.empty());
    EXPECT_NE(Contenuto(t.Parete).find("\r\nVERIFICA\r\n"), std::string::npos);
    EXPECT_EQ(Contenuto(PercorsoMemoria(t.sessione.imp).string()), TestoMemoria(t.sessione.recenti));
}

TEST(ComandoSalva, PareteSenzaNomePassaDaSalvaConNome) {
    PareteAperta t;
    t.sessione.parete.FileCorrente = "Anonimo";
    (void)ComandoSalva(t.sessione, t.finestra);
    ASSERT_FALSE(t.finestra.Eventi.empty());
    EXPECT_EQ(t.finestra.Eventi.front(), "Salva[Salva] File Dati (*.SET) Sol001.SET");
}

}  // namespace
