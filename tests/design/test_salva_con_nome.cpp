#include "design/SalvaConNome.h"

#include "design/LeggiParete.h"
#include "design/Modifica.h"
#include "design/SalvaParete.h"
#include "design/SalvaPareteComando.h"
#include "model/FileArmature.h"
#include "model/Recenti.h"
#include "model/RecentiMemoria.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "SessionePosizioni.h"

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

// The wall's file or its whole folder goes while the wall is open: Save As
// still writes it elsewhere from what was read at the opening, and "&Salva"
// tells it is gone and offers Save As.
enum class Sparizione { CartellaCancellata, FileRinominato };

struct CasoSparita {
    const char* nome;
    Sparizione come;
    bool comandoSalva;  // through "&Salva" (the question first), else Save As
    bool si = true;     // the answer to "... Vuoi salvare la parete con un altro nome?"
};

void PrintTo(const CasoSparita& c, std::ostream* os) { *os << c.nome; }

class PareteSparita : public testing::TestWithParam<CasoSparita> {};

TEST_P(PareteSparita, SiSalvaAltroveEUgualeSiRiapre) {
    const CasoSparita& caso = GetParam();
    PareteAperta t;
    CartellaTemporanea profilo;  // the recent-file list must not go with the wall's folder
    t.sessione.imp.CartellaUtente = profilo.Percorso().string();
    {
        Modifica m(t.sessione, t.finestra, CodaRicalcolo::Armatura, PuntoAnnullamento::No);
        AccodaPosizione(t.sessione.parete, ZonaRettangolare(0, 0, 100, 50, 200, 250),
                        Riquadro(100, 50, 200, 250));
        m.Conferma();
    }
    t.finestra = {};  // the coverage warning of the opening is not what is tested here
    const std::string testa = Contenuto(t.Parete).substr(0, Contenuto(t.Parete).find("PROGETTO"));
    switch (caso.come) {
        case Sparizione::CartellaCancellata: fs::remove_all(t.cartella.Percorso()); break;
        case Sparizione::FileRinominato: fs::rename(t.Parete, t.Altro("P5_VECCHIA.SET")); break;
    }
    CartellaTemporanea altrove;
    const std::string nuova = (altrove.Percorso() / "NUOVA.SET").string();
    t.finestra.FileScelti = {nuova};
    t.finestra.RisposteDomande = {caso.si};

    const Esito esito = caso.comandoSalva ? ComandoSalva(t.sessione, t.finestra)
                                          : SalvaConNome(t.sessione, t.finestra);

    if (caso.comandoSalva) {
        ASSERT_FALSE(t.finestra.Eventi.empty());
        EXPECT_EQ(t.finestra.Eventi.front(),
                  "Domanda[Attenzione!|nessuna] Il file della parete " + t.Parete +
                      " non esiste più: può essere stato spostato, rinominato o cancellato."
                      "\nVuoi salvare la parete con un altro nome?" +
                      (caso.si ? " -> Si" : " -> No"));
    }
    EXPECT_TRUE(t.finestra.Messaggi().empty()) << testing::PrintToString(t.finestra.Messaggi());
    if (!caso.si) {
        EXPECT_EQ(esito.Codice, CodiceSalvataggio::Rinuncia);
        EXPECT_TRUE(fs::is_empty(altrove.Percorso()));
        EXPECT_EQ(t.sessione.parete.FileCorrente, t.Parete);
        EXPECT_EQ(t.sessione.parete.UltPosizione, 0);
        return;
    }
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    EXPECT_EQ(t.sessione.parete.FileCorrente, nuova);
    EXPECT_TRUE(Contenuto(nuova).starts_with(Sostituisci(testa, "CALDENO", "KORVANE")));

    Sessione riaperta;
    FinestraRegistrata finestra;
    ASSERT_TRUE(LeggiParete(riaperta, nuova, finestra).Riuscito());
    EXPECT_EQ(TestoArmature(riaperta.parete), TestoArmature(t.sessione.parete));
    EXPECT_EQ(riaperta.parete.UltPosizione, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Salvataggio, PareteSparita,
    testing::Values(
        CasoSparita{.nome = "CartellaCancellataSalvaConNome",
                    .come = Sparizione::CartellaCancellata, .comandoSalva = false},
        CasoSparita{.nome = "FileRinominatoSalvaConNome", .come = Sparizione::FileRinominato,
                    .comandoSalva = false},
        CasoSparita{.nome = "CartellaCancellataSalvaSi", .come = Sparizione::CartellaCancellata,
                    .comandoSalva = true},
        CasoSparita{.nome = "FileRinominatoSalvaSi", .come = Sparizione::FileRinominato,
                    .comandoSalva = true},
        CasoSparita{.nome = "CartellaCancellataSalvaNo", .come = Sparizione::CartellaCancellata,
                    .comandoSalva = true, .si = false}),
    [](const testing::TestParamInfo<CasoSparita>& info) { return info.param.nome; });

}  // namespace
