#include "design/CaricamentoArmature.h"

#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/LeggiParete.h"
#include "model/Numeri.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace {

const std::string DataParete = "08/12/2026 22:45:10";

// A wall number 5 (the fixture's) saved at DataParete local time, with the
// given reinforcement file beside it.
class PareteConArmatura {
public:
    explicit PareteConArmatura(const std::string& armature) {
        Parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("COPERTURA.SET")));
        Armature = cartella.Scrivi("P5.ARS", armature);
        DataDelleFixture(Parete);
    }

    void Apri() { (void)LeggiParete(sessione, Parete, finestra); }

    CartellaTemporanea cartella;
    std::string Parete;
    std::string Armature;
    Sessione sessione;
    FinestraRegistrata finestra;
};

std::string Versione7ConData(const std::string& data) {
    return Sostituisci(Contenuto(PercorsoFixture("ARMATURA_V7.ARS")), DataParete, data);
}

bool HaMessaggio(const FinestraRegistrata& f, const std::string& parte) {
    const auto messaggi = f.Messaggi();
    return std::any_of(messaggi.begin(), messaggi.end(),
                       [&](const std::string& m) { return m.find(parte) != std::string::npos; });
}

int Domande(const FinestraRegistrata& f) {
    return static_cast<int>(std::count_if(f.Eventi.begin(), f.Eventi.end(), [](const std::string& e) {
        return e.rfind("Domanda[", 0) == 0;
    }));
}

struct CasoData {
    const char* nome;
    std::string data;  // the wall file's date stored in the reinforcement file
    bool domanda;
    bool risposta;
    bool caricata;
};

// A failing row names itself in the test output.
void PrintTo(const CasoData& c, std::ostream* os) { *os << c.nome; }

class DataDelFileDiParete : public testing::TestWithParam<CasoData> {};

TEST_P(DataDelFileDiParete, ChiedeSoloQuandoLaParetePuoEssereCambiata) {
    const CasoData& caso = GetParam();
    PareteConArmatura t(Versione7ConData(caso.data));
    t.finestra.RisposteDomande.push_back(caso.risposta);
    t.Apri();
    ASSERT_EQ(t.sessione.parete.DataFileSet, DataParete);

    const std::string domanda = "Domanda[Attenzione!|nessuna] File " + t.Parete +
                                "\nE' stata rilevata la presenza di una precedente armatura."
                                "\nL'armatura potrebbe non essere compatibile con l'attuale parete."
                                "\nVuoi conservarla?" + (caso.risposta ? " -> Si" : " -> No");
    if (caso.domanda) {
        EXPECT_EQ(std::count(t.finestra.Eventi.begin(), t.finestra.Eventi.end(), domanda), 1);
    }
    EXPECT_EQ(Domande(t.finestra), caso.domanda ? 1 : 0);

    const Parete& p = t.sessione.parete;
    EXPECT_EQ(p.UltPosizione, caso.caricata ? 3 : -1);
    EXPECT_EQ(p.PiegaAncoraggio, caso.caricata ? 1 : 0);
    // No keeps the wall as read, without the automatic dimensions either.
    EXPECT_EQ(p.UltQuota, caso.caricata ? 1 : -1);
    EXPECT_EQ(p.NumQuoteLivello, caso.caricata ? 2 : 0);
    EXPECT_TRUE(t.sessione.stato.ArmatureNonCaricate.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casi, DataDelFileDiParete,
    testing::Values(
        CasoData{.nome = "StessoMinuto", .data = "08/12/2026 22:45:59", .domanda = false,
                 .risposta = false, .caricata = true},
        CasoData{.nome = "UnOraPrima", .data = "08/12/2026 21:45:10", .domanda = false,
                 .risposta = false, .caricata = true},
        CasoData{.nome = "ConIPunti", .data = "08.12.2026 22.45.10", .domanda = false,
                 .risposta = false, .caricata = true},
        CasoData{.nome = "UnMinutoDopoSi", .data = "08/12/2026 22:46:10", .domanda = true,
                 .risposta = true, .caricata = true},
        CasoData{.nome = "UnMinutoDopoNo", .data = "08/12/2026 22:46:10", .domanda = true,
                 .risposta = false, .caricata = false},
        CasoData{.nome = "DataIlleggibileNo", .data = "ieri", .domanda = true, .risposta = false,
                 .caricata = false}),
    [](const testing::TestParamInfo<CasoData>& info) { return info.param.nome; });

TEST(CaricaArmature, Versione3CaricataSenzaConfrontoDelleDate) {
    PareteConArmatura t(Contenuto(PercorsoFixture("ARMATURA_V3.ARS")));
    t.Apri();
    EXPECT_EQ(Domande(t.finestra), 0);
    EXPECT_EQ(t.sessione.parete.UltPosizione, 0);
    EXPECT_EQ(t.sessione.parete.NumQuoteLivello, 1);
}

// The areas follow the loaded layers and positions, whatever the wall number.
TEST(CaricaArmature, AreeFornitaEMancantiRicalcolateDopoOgniCaricamento) {
    PareteConArmatura t(Contenuto(PercorsoFixture("ARMATURA_V7.ARS")));
    t.Apri();
    const Parete& p = t.sessione.parete;
    ASSERT_EQ(p.NumeroParete, 5);
    EXPECT_FLOAT_EQ(p.AreaDir1Piu, AreaBarra(14) * 100.0f / 25.0f);
    EXPECT_FLOAT_EQ(p.AreaDir2Meno, AreaBarra(8) * 100.0f / 17.5f);
    Parete attesa = p;
    CalcolaAreeStrati(attesa);
    AggiornaAreeMancanti(attesa, -1);
    EXPECT_EQ(attesa.Nodi, p.Nodi);
}

struct CasoNonCaricato {
    const char* nome;
    std::string vecchio;  // text of the good file to replace
    std::string nuovo;
    std::string messaggio;  // part of what the user is told
    const char* fixture = "ARMATURA_V7.ARS";  // the good file
};

// A failing row names itself in the test output.
void PrintTo(const CasoNonCaricato& c, std::ostream* os) { *os << c.nome; }

class ArmaturaNonCaricata : public testing::TestWithParam<CasoNonCaricato> {};

TEST_P(ArmaturaNonCaricata, DettaAllAperturaERicordataPerIlSalvataggio) {
    const CasoNonCaricato& caso = GetParam();
    PareteConArmatura t(
        Sostituisci(Contenuto(PercorsoFixture(caso.fixture)), caso.vecchio, caso.nuovo));
    t.Apri();
    const Parete& p = t.sessione.parete;
    EXPECT_TRUE(HaMessaggio(t.finestra, caso.messaggio)) << testing::PrintToString(t.finestra.Eventi);
    EXPECT_TRUE(HaMessaggio(t.finestra, t.Armature));
    EXPECT_EQ(Domande(t.finestra), 0);
    EXPECT_EQ(t.sessione.stato.ArmatureNonCaricate, t.Armature);
    EXPECT_EQ(p.UltPosizione, -1);
    EXPECT_EQ(p.PiegaAncoraggio, 0);
    EXPECT_FLOAT_EQ(p.OrigineX, 0.0f);
    EXPECT_FLOAT_EQ(p.OrigineY, 0.0f);
    EXPECT_EQ(p.DiamDir1Piu, 12);
    EXPECT_EQ(p.NumPuntiInt, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ArmaturaNonCaricata,
    testing::Values(
        CasoNonCaricato{.nome = "AltraParete",
                        .vecchio = "22:45:10\r\n 5 \r\n 1 \r\n0.000         0.000",
                        .nuovo = "22:45:10\r\n 6 \r\n 1 \r\n12.500        7.000",
                        .messaggio = "appartiene alla parete n. 6, non alla parete n. 5"},
        CasoNonCaricato{.nome = "VersionePiuRecente",
                        .vecchio = "VERSIONE  7",
                        .nuovo = "VERSIONE  8",
                        .messaggio = "versione più recente (8)"},
        CasoNonCaricato{.nome = "Danneggiato",
                        .vecchio = "15.500        250.000",
                        .nuovo = "quindici      250.000",
                        .messaggio = "\"quindici\" non è un numero valido"},
        CasoNonCaricato{.nome = "Versione1e10",
                        .vecchio = "VERSIONE  7",
                        .nuovo = "VERSIONE  1e10",
                        .messaggio = "versione più recente (1e+10)"},
        CasoNonCaricato{.nome = "VersioneNan",
                        .vecchio = "VERSIONE  7",
                        .nuovo = "VERSIONE  nan",
                        .messaggio = "dichiara una versione non valida (nan)"},
        CasoNonCaricato{.nome = "VersioneNegativa",
                        .vecchio = "VERSIONE  7",
                        .nuovo = "VERSIONE  -3",
                        .messaggio = "dichiara una versione non valida (-3)"},
        // Above 7 is newer, as the wall reader compares versions.
        CasoNonCaricato{.nome = "Versione7e5",
                        .vecchio = "VERSIONE  7",
                        .nuovo = "VERSIONE  7.5",
                        .messaggio = "versione più recente (7.5)"},
        CasoNonCaricato{.nome = "FormatoPiuVecchio",
                        .vecchio = "VERSIONE  7\r\n08/12/2026 22:45:10\r\n",
                        .nuovo = "",
                        .messaggio = "(formato senza versione)"},
        // Opening these once split one distributed bar into billions of pieces
        // (8 s at 1e9, without end at 1e12), or ended the program in the zone
        // clipping (a zone of the oldest format centred at 1e20).
        CasoNonCaricato{.nome = "VerticeDelPerimetroEsternoA1e9",
                        .vecchio = "\r\n 4 \r\n0.0           0.0\r\n0.0           300.0\r\n",
                        .nuovo = "\r\n 4 \r\n0.0           0.0\r\n1000000000.0  300.0\r\n",
                        .messaggio = "Riga 94: vertice del perimetro esterno, x: 1e+09 non è "
                                     "ammesso (da -100000 a 100000 cm)."},
        CasoNonCaricato{.nome = "VerticeDelPerimetroEsternoA1e12",
                        .vecchio = "\r\n 4 \r\n0.0           0.0\r\n0.0           300.0\r\n",
                        .nuovo = "\r\n 4 \r\n0.0           0.0\r\n1e12          300.0\r\n",
                        .messaggio = "Riga 94: vertice del perimetro esterno, x: 1e+12 non è "
                                     "ammesso (da -100000 a 100000 cm)."},
        CasoNonCaricato{.nome = "ZonaDelFormatoSenzaVersioneCentrataA1e20",
                        .vecchio = "900.0         150.0",
                        .nuovo = "1e20          150.0",
                        .messaggio = "Riga 23: centro della zona, x: 1e+20 non è ammesso (da "
                                     "-100000 a 100000 cm).",
                        .fixture = "ARMATURA_SENZA_VERSIONE.ARS"}),
    [](const testing::TestParamInfo<CasoNonCaricato>& info) { return info.param.nome; });

// A version between two has the layout of the next one: 6.5 is above 6, so
// its file holds the end-bend option.
TEST(CaricaArmature, VersioneFrazionariaLettaComeLaSuccessiva) {
    PareteConArmatura t(Sostituisci(Contenuto(PercorsoFixture("ARMATURA_V7.ARS")), "VERSIONE  7",
                                    "VERSIONE  6.5"));
    t.Apri();
    EXPECT_TRUE(t.sessione.stato.ArmatureNonCaricate.empty()) << testing::PrintToString(t.finestra.Eventi);
    EXPECT_EQ(t.sessione.parete.PiegaAncoraggio, 1);
    EXPECT_EQ(t.sessione.parete.UltPosizione, 3);
}

TEST(CaricaArmature, SenzaFileNienteDaRicordare) {
    Sessione s;
    s.stato.ArmatureNonCaricate = "/vecchia/P.ARS";
    FinestraRegistrata finestra;
    CartellaTemporanea cartella;
    const std::string parete = cartella.Scrivi("P5.SET", "");
    EXPECT_TRUE(CaricaArmature(s.parete, s.stato, s.imp, finestra, parete).Riuscito());
    EXPECT_TRUE(s.stato.ArmatureNonCaricate.empty());
    EXPECT_TRUE(finestra.Eventi.empty());
}

}  // namespace
