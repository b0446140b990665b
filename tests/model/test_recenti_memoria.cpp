#include "model/Recenti.h"
#include "model/RecentiMemoria.h"
#include "model/Sessione.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace fs = std::filesystem;

namespace {

class Memoria : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    FinestraRegistrata finestra;
    Sessione sessione;

    void SetUp() override { sessione.imp.CartellaUtente = cartella.Percorso().string(); }
    std::string Percorso() const { return PercorsoMemoria(sessione.imp).string(); }
    void ScriviFile(const std::string& testo) const { cartella.Scrivi("Gavrel.MEM", testo); }
};

TEST_F(Memoria, DueParetiTreRighe) {
    AggiornaRecenti(sessione.recenti, "/p/P1.SET");
    AggiornaRecenti(sessione.recenti, "/p/P2.SET");
    ASSERT_TRUE(SalvaMemoria(sessione, finestra).Riuscito());
    EXPECT_EQ(Contenuto(Percorso()), "2\r\n\"/p/P2.SET\"\r\n\"/p/P1.SET\"\r\n");
    EXPECT_EQ(Percorso(), (cartella.Percorso() / "Gavrel.MEM").string());
}

TEST_F(Memoria, RiletturaDaLaStessaListaInWindows1252) {
    for (const char* p : {"/p/A.SET", "/p/Ø B.SET", "/p/C è.SET", "/p/D.SET", "/p/E.SET"})
        AggiornaRecenti(sessione.recenti, p);
    ASSERT_TRUE(SalvaMemoria(sessione, finestra).Riuscito());
    EXPECT_NE(Contenuto(Percorso()).find("\"/p/\xD8 B.SET\""), std::string::npos);

    Sessione letta;
    letta.imp.CartellaUtente = sessione.imp.CartellaUtente;
    ASSERT_TRUE(CaricaMemoria(letta, finestra).Riuscito());
    EXPECT_EQ(letta.recenti, sessione.recenti);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST_F(Memoria, SenzaFileListaIntatta) {
    AggiornaRecenti(sessione.recenti, "/p/A.SET");
    const ElencoRecenti prima = sessione.recenti;
    EXPECT_TRUE(CaricaMemoria(sessione, finestra).Riuscito());
    EXPECT_EQ(sessione.recenti, prima);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST_F(Memoria, ConteggioZeroListaVuota) {
    ScriviFile("0\r\n");
    AggiornaRecenti(sessione.recenti, "/p/A.SET");
    EXPECT_TRUE(CaricaMemoria(sessione, finestra).Riuscito());
    EXPECT_EQ(sessione.recenti, ElencoRecenti{});
}

TEST_F(Memoria, ListaVuotaNonTocca) {
    ScriviFile("1\r\n\"/p/A.SET\"\r\n");
    EXPECT_TRUE(SalvaMemoria(sessione, finestra).Riuscito());
    EXPECT_EQ(Contenuto(Percorso()), "1\r\n\"/p/A.SET\"\r\n");
}

TEST_F(Memoria, CartellaNonScrivibileLoDice) {
    sessione.imp.CartellaUtente = (cartella.Percorso() / "manca").string();
    AggiornaRecenti(sessione.recenti, "/p/A.SET");
    EXPECT_FALSE(SalvaMemoria(sessione, finestra).Riuscito());
    ASSERT_EQ(finestra.Eventi.size(), 1u);
    EXPECT_EQ(finestra.Eventi[0].rfind("Messaggio[Attenzione!|esclamazione] Impossibile scrivere il file " +
                                       Percorso(), 0),
              0u)
        << finestra.Eventi[0];
}

// A damaged memory file: the list empty and the loading message, once.
struct CasoGuasto {
    const char* nome;
    const char* testo;
    const char* motivo;
};

// A failing row names itself in the test output.
void PrintTo(const CasoGuasto& c, std::ostream* os) { *os << c.nome; }

class GuastiMemoria : public Memoria, public ::testing::WithParamInterface<CasoGuasto> {};

TEST_P(GuastiMemoria, ListaVuotaEUnMessaggio) {
    AggiornaRecenti(sessione.recenti, "/p/A.SET");
    ScriviFile(GetParam().testo);
    const Esito esito = CaricaMemoria(sessione, finestra);
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_NE(esito.Motivo.find(GetParam().motivo), std::string::npos) << esito.Motivo;
    EXPECT_EQ(sessione.recenti, ElencoRecenti{});
    ASSERT_EQ(finestra.Eventi.size(), 1u);
    EXPECT_EQ(finestra.Eventi[0], "Messaggio[Attenzione!|esclamazione] Errore di caricamento del file: " +
                                      Percorso());
}

INSTANTIATE_TEST_SUITE_P(
    Casi, GuastiMemoria,
    ::testing::Values(
        CasoGuasto{.nome = "FileVuoto", .testo = "", .motivo = "termina prima"},
        CasoGuasto{.nome = "ConteggioCinque",
                   .testo = "5\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n",
                   .motivo = "il numero di file 5"},
        CasoGuasto{.nome = "ConteggioNegativo", .testo = "-1\r\n", .motivo = "il numero di file -1"},
        CasoGuasto{.nome = "ConteggioOltre16Bit", .testo = "70000\r\n",
                   .motivo = "fuori dall'intervallo ammesso"},
        CasoGuasto{.nome = "TestoAlPostoDelConteggio", .testo = "\"/p/A.SET\"\r\n",
                   .motivo = "non è un numero valido"},
        CasoGuasto{.nome = "FinisceIlPrimaDelleVoci", .testo = "2\r\n\"/p/A.SET\"\r\n",
                   .motivo = "termina prima"},
        CasoGuasto{.nome = "VoceTroncata", .testo = "2\r\n\"/p/A.SET\"\r\n\"/p/B.S",
                   .motivo = "Riga 3: manca un percorso fra virgolette"},
        CasoGuasto{.nome = "VoceSenzaVirgolette", .testo = "1\r\n/p/A.SET\r\n",
                   .motivo = "Riga 2: manca un percorso fra virgolette"},
        CasoGuasto{.nome = "VoceVuota", .testo = "1\r\n\"\"\r\n",
                   .motivo = "Riga 2: manca un percorso fra virgolette"}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
