#include "model/Recenti.h"
#include "model/RecentiApri.h"
#include "model/Sessione.h"
#include "model/Titolo.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Usati(const ElencoRecenti& elenco) {
    return {elenco.FileRecenti.begin(), elenco.FileRecenti.begin() + elenco.NumFileRecenti};
}

ElencoRecenti Aperti(std::initializer_list<const char*> percorsi) {
    ElencoRecenti elenco;
    for (const char* p : percorsi) AggiornaRecenti(elenco, p);
    return elenco;
}

using Lista = std::vector<std::string>;

TEST(AggiornaRecenti, IlPiuRecenteInTestaEAlPiuQuattro) {
    ElencoRecenti elenco = Aperti({"/p/A.SET", "/p/B.SET", "/p/C.SET", "/p/D.SET", "/p/E.SET"});
    EXPECT_EQ(Usati(elenco), (Lista{"/p/E.SET", "/p/D.SET", "/p/C.SET", "/p/B.SET"}));
    AggiornaRecenti(elenco, "/p/C.SET");
    EXPECT_EQ(Usati(elenco), (Lista{"/p/C.SET", "/p/E.SET", "/p/D.SET", "/p/B.SET"}));
    EXPECT_EQ(elenco.NumFileRecenti, MaxFileRecenti);
}

TEST(AggiornaRecenti, ListaNonPienaCresceDiUno) {
    ElencoRecenti elenco = Aperti({"/p/A.SET", "/p/B.SET"});
    EXPECT_EQ(Usati(elenco), (Lista{"/p/B.SET", "/p/A.SET"}));
    EXPECT_EQ(elenco.FileRecenti[2], "");
    EXPECT_EQ(elenco.FileRecenti[3], "");
}

TEST(AggiornaRecenti, DiversoSoloPerMaiuscoleSaleInTestaConLeNuove) {
    ElencoRecenti elenco = Aperti({"/p/A.SET", "/p/B.SET", "/p/C.SET"});
    AggiornaRecenti(elenco, "/P/a.set");
    EXPECT_EQ(Usati(elenco), (Lista{"/P/a.set", "/p/C.SET", "/p/B.SET"}));
}

TEST(AggiornaRecenti, GiaInTestaTieneLeSueMaiuscole) {
    ElencoRecenti elenco = Aperti({"/p/A.SET", "/p/B.SET"});
    AggiornaRecenti(elenco, "/P/b.set");
    EXPECT_EQ(Usati(elenco), (Lista{"/p/B.SET", "/p/A.SET"}));
}

struct CasoEscluso {
    const char* nome;
    const char* percorso;
};

// A failing row names itself in the test output.
void PrintTo(const CasoEscluso& c, std::ostream* os) { *os << c.nome; }

class PercorsiEsclusi : public ::testing::TestWithParam<CasoEscluso> {};

TEST_P(PercorsiEsclusi, NonEntranoInLista) {
    ElencoRecenti elenco = Aperti({"/p/A.SET"});
    const ElencoRecenti prima = elenco;
    AggiornaRecenti(elenco, GetParam().percorso);
    EXPECT_EQ(elenco, prima);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, PercorsiEsclusi,
    ::testing::Values(CasoEscluso{.nome = "Vuoto", .percorso = ""},
                      CasoEscluso{.nome = "Anonimo", .percorso = "Anonimo"},
                      CasoEscluso{.nome = "AnonimoMaiuscolo", .percorso = "ANONIMO"},
                      CasoEscluso{.nome = "Virgolette", .percorso = "/p/\"X\".SET"},
                      CasoEscluso{.nome = "ACapo", .percorso = "/p/X\n.SET"},
                      CasoEscluso{.nome = "FuoriDaWindows1252", .percorso = "/p/墙.SET"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(AggiornaRecenti, DiametroEAccentiSonoMemorizzabili) {
    ElencoRecenti elenco = Aperti({"/p/Ø parete è.SET"});
    EXPECT_EQ(Usati(elenco), (Lista{"/p/Ø parete è.SET"}));
}

TEST(RimuoviRecente, LeVociSeguentiSalgono) {
    ElencoRecenti elenco = Aperti({"/p/B.SET", "/p/C.SET", "/p/D.SET", "/p/E.SET"});
    RimuoviRecente(elenco, 1);
    EXPECT_EQ(Usati(elenco), (Lista{"/p/E.SET", "/p/C.SET", "/p/B.SET"}));
    EXPECT_EQ(elenco.FileRecenti[3], "");
    RimuoviRecente(elenco, 3);
    RimuoviRecente(elenco, -1);
    EXPECT_EQ(elenco.NumFileRecenti, 3);
}

class ApriRecenteTest : public ::testing::Test {
protected:
    CartellaTemporanea cartella;
    FinestraRegistrata finestra;
    Sessione sessione;

    std::string Parete(const char* nome) const { return cartella.Scrivi(nome, "parete"); }
    std::string Mancante(const char* nome) const { return (cartella.Percorso() / nome).string(); }
};

TEST_F(ApriRecenteTest, FileMancanteLoDiceELoToglie) {
    const std::string d = Mancante("D.SET");
    for (const std::string& p : {Parete("B.SET"), Parete("C.SET"), d, Parete("E.SET")})
        AggiornaRecenti(sessione.recenti, p);
    const Lista prima = Usati(sessione.recenti);

    EXPECT_EQ(ApriRecente(sessione, 1, finestra), std::nullopt);
    EXPECT_EQ(Usati(sessione.recenti), (Lista{prima[0], prima[2], prima[3]}));
    ASSERT_EQ(finestra.Eventi.size(), 1u);
    EXPECT_EQ(finestra.Eventi[0], "Messaggio[Errore caricamento|esclamazione] " + d + " non trovato!");
}

TEST_F(ApriRecenteTest, UnicaVoceMancanteSvuotaLaLista) {
    AggiornaRecenti(sessione.recenti, Mancante("A.SET"));
    EXPECT_EQ(ApriRecente(sessione, 0, finestra), std::nullopt);
    EXPECT_EQ(sessione.recenti, ElencoRecenti{});
}

TEST_F(ApriRecenteTest, FileEsistenteVaAlChiamanteELaListaResta) {
    const std::string a = Parete("A.SET");
    const std::string b = Parete("B.SET");
    AggiornaRecenti(sessione.recenti, a);
    AggiornaRecenti(sessione.recenti, b);
    const ElencoRecenti prima = sessione.recenti;
    EXPECT_EQ(ApriRecente(sessione, 1, finestra), a);
    EXPECT_EQ(sessione.recenti, prima);
    EXPECT_TRUE(finestra.Eventi.empty());
}

TEST_F(ApriRecenteTest, VoceOltreLaListaNonSceglieNulla) {
    AggiornaRecenti(sessione.recenti, Parete("A.SET"));
    EXPECT_EQ(ApriRecente(sessione, 1, finestra), std::nullopt);
    EXPECT_EQ(ApriRecente(sessione, -1, finestra), std::nullopt);
    EXPECT_EQ(ApriRecente(sessione, MaxFileRecenti, finestra), std::nullopt);
    EXPECT_EQ(sessione.recenti.NumFileRecenti, 1);
    EXPECT_TRUE(finestra.Eventi.empty());
}

// The menu shows each entry by its file name, the caption the open wall.
TEST(TitoliRecenti, NomeDelFileEAnonimo) {
    const ElencoRecenti elenco = Aperti({"/progetti/P12.SET"});
    EXPECT_EQ(NomeFile(elenco.FileRecenti[0]), "P12.SET");
    EXPECT_EQ(TitoloFinestra(elenco.FileRecenti[0]), "KORVANE Setti C.A. -  [ P12.SET ]");
    EXPECT_EQ(NomeFile(elenco.FileRecenti[1]), "Anonimo");
    EXPECT_EQ(TitoloFinestra(""), "KORVANE Setti C.A. -  [ Anonimo ]");
}

}  // namespace
