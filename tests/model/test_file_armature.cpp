#include "model/FileArmature.h"

#include "model/Parete.h"

#include "Fixture.h"
#include "PareteDiProva.h"
#include "ProgettoCasuale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <filesystem>
#include <ostream>

namespace {

const std::string DataFixture = "08/12/2026 22:45:10";

// The wall that the fixtures belong to: number 5, 500 x 300.
Parete PareteCinque() {
    Parete p = PareteRettangolare(500.0f, 300.0f);
    p.NumeroParete = 5;
    p.DataFileSet = DataFixture;
    p.PiegaAncoraggio = 0;
    return p;
}

Parete Letta(const std::string& fixture, int versione) {
    Parete p = PareteCinque();
    const Esito esito = LeggiArmature(p, PercorsoFixture(fixture), versione);
    EXPECT_TRUE(esito.Riuscito()) << esito.Motivo;
    return p;
}

TEST(FileArmature, Versione7RiscrittaIdenticaByteABByte) {
    const Parete p = Letta("ARMATURA_V7.ARS", 7);
    EXPECT_EQ(TestoArmature(p), Contenuto(PercorsoFixture("ARMATURA_V7.ARS")));

    CartellaTemporanea cartella;
    const std::string copia = (cartella.Percorso() / "COPIA.ARS").string();
    ASSERT_TRUE(ScriviArmature(p, copia).Riuscito());
    EXPECT_EQ(Contenuto(copia), Contenuto(PercorsoFixture("ARMATURA_V7.ARS")));
}

TEST(FileArmature, Versione7LettaCampoPerCampo) {
    const Parete p = Letta("ARMATURA_V7.ARS", 7);
    EXPECT_EQ(p.PiegaAncoraggio, 1);
    EXPECT_EQ(p.DiamDir1Meno, 12);
    EXPECT_EQ(p.DiamDir2Meno, 8);
    EXPECT_FLOAT_EQ(p.PassoDir2Meno, 17.5f);
    ASSERT_EQ(p.UltPosizione, 3);
    ASSERT_EQ(p.Posizioni.size(), 4u);
    EXPECT_EQ(p.Posizioni[1].Tipo, IntegrativaMeno);
    EXPECT_FLOAT_EQ(p.Posizioni[1].Passo, 15.5f);
    EXPECT_EQ(p.Posizioni[1].UltVerticeZona, 4);
    EXPECT_EQ(p.PoligoniPos[1][4], (Punto{250.0f, 10.0f}));
    EXPECT_EQ(p.PoligoniPos.size(), static_cast<std::size_t>(MaxPosizioniZona));
    EXPECT_EQ(p.Posizioni[2].Tipo, Cordolo);
    EXPECT_EQ(p.Posizioni[2].DiamCorrenti, 16);
    EXPECT_EQ(p.Posizioni[2].NumBracci, 2);
    EXPECT_FLOAT_EQ(p.Posizioni[2].Larghezza, 30.0f);
    EXPECT_FLOAT_EQ(p.Posizioni[0].Richiamo[2], -12.345f);
    ASSERT_EQ(p.UltSezione, 1);
    EXPECT_EQ(p.Sezioni[1].Orizzontale, 1);
    ASSERT_EQ(p.UltQuota, 1);
    EXPECT_EQ(p.Quote[0].Vista, -1);
    EXPECT_EQ(p.Quote[1].Testo, "Quota, con virgole: 1,255 m");
    EXPECT_FLOAT_EQ(p.Quote[1].YB, 125.5f);
    EXPECT_EQ(p.NumPuntiEst, 4);
    EXPECT_EQ(p.PerimetroEsterno.size(), 5u);
    EXPECT_EQ(p.PerimetroEsterno[4], p.PerimetroEsterno[0]);
    EXPECT_EQ(p.NumPuntiInt, 5);
    EXPECT_EQ(p.PerimetroInterno[2], (Punto{250.0f, 300.5f}));
    EXPECT_EQ(p.PerimetroInterno[5], p.PerimetroInterno[0]);
    ASSERT_EQ(p.NumQuoteLivello, 2);
    EXPECT_FLOAT_EQ(p.QuoteLivello[1].Valore, 1237.5f);
    ASSERT_EQ(p.UltSolaio, 0);
    EXPECT_EQ(p.Solai[0].LatoMeno, -1);
    EXPECT_FLOAT_EQ(p.Solai[0].Rientro1, 2.5f);
    ASSERT_EQ(p.UltParete, 0);
    EXPECT_EQ(p.ParetiTrasversali[0].LatoPiu, -1);
}

// Once the inner perimeter was written with its first vertex again at the
// end: it loads one vertex shorter and is written back in the plain form.
TEST(FileArmature, PerimetroInternoConPrimoVerticeRipetuto) {
    const std::string originale = Contenuto(PercorsoFixture("ARMATURA_V7.ARS"));
    const std::string interno = " 5 \r\n0.0           0.0\r\n0.0           300.0\r\n250.0         300.5\r\n"
                                "500.0         300.0\r\n500.0         0.0\r\n";
    const std::string ripetuto =
        Sostituisci(originale, interno,
                    " 6 \r\n0.0           0.0\r\n0.0           300.0\r\n250.0         300.5\r\n"
                    "500.0         300.0\r\n500.0         0.0\r\n0.0           0.0\r\n");
    Parete p = PareteCinque();
    ASSERT_TRUE(LeggiArmatureDaTesto(p, ripetuto, "RIPETUTO.ARS", 7).Riuscito());
    EXPECT_EQ(p.NumPuntiInt, 5);
    EXPECT_EQ(p.PerimetroInterno.size(), 6u);
    EXPECT_EQ(TestoArmature(p), originale);
}

TEST(FileArmature, Versione1QuoteSuiPropriEstremiEPerimetriDelContorno) {
    const Parete prima = PareteCinque();
    const Parete p = Letta("ARMATURA_V1.ARS", 1);
    EXPECT_EQ(p.DiamDir2Piu, 12);
    EXPECT_EQ(p.UltPosizione, 0);
    ASSERT_EQ(p.UltQuota, 0);
    EXPECT_EQ(p.Quote[0].XA, p.Quote[0].X1);
    EXPECT_EQ(p.Quote[0].YA, -60.0f);
    EXPECT_EQ(p.Quote[0].XB, 500.0f);
    EXPECT_EQ(p.Quote[0].YB, -60.0f);
    EXPECT_EQ(p.Quote[0].Testo, "500,0");
    EXPECT_EQ(p.PerimetroEsterno, prima.Contorno);
    EXPECT_EQ(p.PerimetroInterno, prima.Contorno);
    EXPECT_EQ(p.NumQuoteLivello, 0);
    EXPECT_EQ(p.UltSolaio, -1);
    EXPECT_EQ(p.PiegaAncoraggio, prima.PiegaAncoraggio);
}

TEST(FileArmature, Versione3PerimetroEsternoEQuoteLivelloSenzaData) {
    const Parete prima = PareteCinque();
    const Parete p = Letta("ARMATURA_V3.ARS", 3);
    EXPECT_EQ(p.Quote[0].YA, -5.0f);
    EXPECT_EQ(p.NumPuntiEst, 5);
    EXPECT_EQ(p.PerimetroEsterno[3], (Punto{500.0f, 150.0f}));
    EXPECT_EQ(p.PerimetroInterno, prima.Contorno);
    EXPECT_EQ(p.NumPuntiInt, prima.NumPuntiInt);
    ASSERT_EQ(p.NumQuoteLivello, 1);
    EXPECT_FLOAT_EQ(p.QuoteLivello[0].Valore, 1237.5f);
    EXPECT_EQ(p.UltSolaio, -1);
    EXPECT_EQ(p.UltParete, -1);
}

TEST(FileArmature, Versione5SolaiMaNonPerimetroInternoNePiega) {
    Parete prima = PareteCinque();
    prima.PiegaAncoraggio = -1;
    Parete p = prima;
    ASSERT_TRUE(LeggiArmature(p, PercorsoFixture("ARMATURA_V5.ARS"), 5).Riuscito());
    ASSERT_EQ(p.UltSolaio, 0);
    EXPECT_FLOAT_EQ(p.Solai[0].Spessore2, 15.0f);
    EXPECT_EQ(p.Solai[0].DiamCorrenti, 12);
    EXPECT_EQ(p.UltParete, -1);
    EXPECT_EQ(p.PerimetroInterno, prima.PerimetroInterno);
    EXPECT_EQ(p.PiegaAncoraggio, -1);
}

TEST(FileArmature, AltraPareteNonCambiaNienteNemmenoLOrigine) {
    Parete p = PareteCinque();
    p.NumeroParete = 6;
    p.OrigineX = 12.5f;
    const Parete prima = p;
    const Esito esito = LeggiArmature(p, PercorsoFixture("ARMATURA_V7.ARS"), 7);
    EXPECT_EQ(esito.Codice, CodiceArmature::AltraParete);
    EXPECT_NE(esito.Motivo.find("parete n. 5"), std::string::npos) << esito.Motivo;
    EXPECT_EQ(p, prima);
}

struct CasoDanneggiato {
    const char* nome;
    std::string vecchio;  // text of the good file to replace
    std::string nuovo;
    std::string motivo;   // part of the reason told
};

// A failing row names itself in the test output.
void PrintTo(const CasoDanneggiato& c, std::ostream* os) { *os << c.nome; }

class FileDanneggiato : public testing::TestWithParam<CasoDanneggiato> {};

TEST_P(FileDanneggiato, NonCaricatoEDettoPerNome) {
    const CasoDanneggiato& caso = GetParam();
    const std::string buono = Contenuto(PercorsoFixture("ARMATURA_V7.ARS"));
    const std::string guasto = caso.vecchio.empty() ? buono.substr(0, buono.size() / 2)
                                                    : Sostituisci(buono, caso.vecchio, caso.nuovo);
    Parete p = PareteCinque();
    const Parete prima = p;
    const Esito esito = LeggiArmatureDaTesto(p, guasto, "/cartella/P5.ARS", 7);
    EXPECT_EQ(esito.Codice, CodiceArmature::Danneggiato);
    EXPECT_NE(esito.Motivo.find("/cartella/P5.ARS"), std::string::npos) << esito.Motivo;
    EXPECT_NE(esito.Motivo.find(caso.motivo), std::string::npos) << esito.Motivo;
    EXPECT_EQ(p, prima);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, FileDanneggiato,
    testing::Values(
        CasoDanneggiato{.nome = "Troncato", .vecchio = "", .nuovo = "", .motivo = "termina prima del previsto"},
        CasoDanneggiato{.nome = "TestoAlPostoDiUnNumero",
                        .vecchio = "15.500        250.000",
                        .nuovo = "quindici      250.000",
                        .motivo = "\"quindici\" non è un numero valido"},
        CasoDanneggiato{.nome = "PiuDi201Posizioni",
                        .vecchio = "\r\n 3 \r\n50.000",
                        .nuovo = "\r\n 201 \r\n50.000",
                        .motivo = "numero delle posizioni: 201"},
        CasoDanneggiato{.nome = "PassoDellaPosizioneNullo",
                        .vecchio = "20.000        100.000       100.000",
                        .nuovo = "0.000         100.000       100.000",
                        .motivo = "passo della posizione non positivo"},
        CasoDanneggiato{.nome = "PassoDiffusoNegativo",
                        .vecchio = "25.00         25.00",
                        .nuovo = "-25.00        25.00",
                        .motivo = "passo dell'armatura diffusa non positivo"},
        CasoDanneggiato{.nome = "CordoloSenzaBracci",
                        .vecchio = " 2             2            30.0",
                        .nuovo = " 2             0            30.0",
                        .motivo = "numero di bracci del cordolo non positivo"},
        CasoDanneggiato{.nome = "ConteggioOltre16Bit",
                        .vecchio = "\r\n 1 \r\n250.000",
                        .nuovo = "\r\n 40000 \r\n250.000",
                        .motivo = "fuori dall'intervallo"},
        CasoDanneggiato{.nome = "VerticiDellaZonaNegativi",
                        .vecchio = " 0             0            0.0            3 ",
                        .nuovo = " 0             0            0.0           -2 ",
                        .motivo = "vertici della zona"},
        CasoDanneggiato{.nome = "QuoteSottoMenoUno",
                        .vecchio = "\r\n 1 \r\n0.000         -60.000",
                        .nuovo = "\r\n-2 \r\n0.000         -60.000",
                        .motivo = "numero delle quote"},
        CasoDanneggiato{.nome = "PerimetroEsternoDiDueVertici",
                        .vecchio = "\r\n 4 \r\n0.0           0.0",
                        .nuovo = "\r\n 2 \r\n0.0           0.0",
                        .motivo = "vertici del perimetro esterno"},
        // Values the writer would store as others, refused before the design is lost.
        CasoDanneggiato{.nome = "PassoDellaPosizione0e0004",
                        .vecchio = "20.000        100.000       100.000",
                        .nuovo = "0.0004        100.000       100.000",
                        .motivo = "Riga 16: passo della posizione di 0.0004 troppo piccolo: il file "
                                  "lo conserverebbe come 0.000."},
        CasoDanneggiato{.nome = "PassoDiffuso0e004",
                        .vecchio = "25.00         25.00",
                        .nuovo = "0.004         25.00",
                        .motivo = "Riga 7: passo dell'armatura diffusa di 0.004 troppo piccolo: il "
                                  "file lo conserverebbe come 0.00."},
        CasoDanneggiato{.nome = "PerimetroInternoDiTreConIlPrimoRipetuto",
                        .vecchio = " 5 \r\n0.0           0.0\r\n0.0           300.0\r\n250.0         300.5\r\n"
                                   "500.0         300.0\r\n500.0         0.0\r\n",
                        .nuovo = " 3 \r\n0.0           0.0\r\n0.0           300.0\r\n0.0           0.0\r\n",
                        .motivo = "vertici del perimetro interno: 2 oltre a quello di chiusura"},
        CasoDanneggiato{.nome = "PerimetroInternoUltimoA0e04DalPrimo",
                        .vecchio = "500.0         0.0\r\n 2 \r\n",
                        .nuovo = "0.04          0.0\r\n 2 \r\n",
                        .motivo = "vertici del perimetro interno: l'ultimo vertice dista dal primo"},
        // Coordinates and lengths beyond the range the program holds.
        CasoDanneggiato{.nome = "OrigineOltre1e8",
                        .vecchio = "\r\n0.000         0.000\r\n 14 ",
                        .nuovo = "\r\n2e8           0.000\r\n 14 ",
                        .motivo = "Riga 5: origine della parete, x: 2e+08 non è ammesso "
                                  "(da -100000000 a 100000000 cm)."},
        CasoDanneggiato{.nome = "RiquadroDellaZonaOltreIlDisegno",
                        .vecchio = "50.000        50.000        150.000       150.000\r\n150.000",
                        .nuovo = "1000000.5     50.000        150.000       150.000\r\n150.000",
                        .motivo = "Riga 9: riquadro della zona: 1.0000005e+06 non è ammesso "
                                  "(da -1000000 a 1000000 cm)."},
        CasoDanneggiato{.nome = "EtichettaOltreIlDisegno",
                        .vecchio = "\r\n-12.345       160.500\r\n20.000",
                        .nuovo = "\r\n-12.345       -2e6\r\n20.000",
                        .motivo = "Riga 15: etichetta della posizione, y: -2e+06 non è ammesso"},
        CasoDanneggiato{.nome = "BaricentroOltreLIntervallo",
                        .vecchio = "20.000        100.000       100.000",
                        .nuovo = "20.000        100000.5      100.000",
                        .motivo = "Riga 16: baricentro della zona, x: 100000.5 non è ammesso "
                                  "(da -100000 a 100000 cm)."},
        CasoDanneggiato{.nome = "PassoDellaPosizioneOltreIlMassimo",
                        .vecchio = "20.000        100.000       100.000",
                        .nuovo = "100001.000    100.000       100.000",
                        .motivo = "Riga 16: passo della posizione: 100001 non è ammesso"},
        CasoDanneggiato{.nome = "VerticeDelPoligonoDellaZona",
                        .vecchio = " 3 \r\n50.000        50.000\r\n",
                        .nuovo = " 3 \r\n-100001.000   50.000\r\n",
                        .motivo = "Riga 21: vertice del poligono della zona, x: -100001"
                                  " non è ammesso"},
        CasoDanneggiato{.nome = "LarghezzaDellaPosizioneNegativa",
                        .vecchio = " 2             2            30.0           3 ",
                        .nuovo = " 2             2            -30.0          3 ",
                        .motivo = "larghezza della posizione: -30 non è ammesso "
                                  "(da 0 a 100000 cm)."},
        CasoDanneggiato{.nome = "LineaDiSezione",
                        .vecchio = "250.000       -20.000       250.000       320.000",
                        .nuovo = "250.000       -100020.000   250.000       320.000",
                        .motivo = "Riga 75: linea di sezione, y: -100020 non è ammesso"},
        CasoDanneggiato{.nome = "SegnoDellaSezione",
                        .vecchio = "250.000       -20.000       230.000       -20.000",
                        .nuovo = "250.000       -20.000       230.000       -1000020",
                        .motivo = "Riga 76: segno della linea di sezione, y: -1.00002e+06"
                                  " non è ammesso"},
        CasoDanneggiato{.nome = "LineaDiQuota",
                        .vecchio = "0.000         -60.000       500.000       -60.000",
                        .nuovo = "0.000         -60.000       5e6           -60.000",
                        .motivo = "Riga 84: linea di quota: 5e+06 non è ammesso "
                                  "(da -1000000 a 1000000 cm)."},
        CasoDanneggiato{.nome = "PuntoMisuratoDellaQuota",
                        .vecchio = "0.000         0.000         500.000       0.000\r\n-1",
                        .nuovo = "0.000         0.000         3e6           0.000\r\n-1",
                        .motivo = "Riga 85: punto misurato della quota: 3e+06"},
        CasoDanneggiato{.nome = "VerticeDelPerimetroInterno",
                        .vecchio = "250.0         300.5",
                        .nuovo = "250.0         100300.5",
                        .motivo = "Riga 100: vertice del perimetro interno, y: 100300.5"
                                  " non è ammesso"},
        CasoDanneggiato{.nome = "QuotaDiLivello",
                        .vecchio = "-70.000       0.000         1234.500      -1 ",
                        .nuovo = "-7e6          0.000         1234.500      -1 ",
                        .motivo = "Riga 104: quota di livello, x: -7e+06 non è ammesso"},
        CasoDanneggiato{.nome = "CoordinataDelSolaio",
                        .vecchio = "\r\n 0 \r\n150.000\r\n10.000\r\n",
                        .nuovo = "\r\n 0 \r\n150000.000\r\n10.000\r\n",
                        .motivo = "Riga 107: coordinata del solaio: 150000 non è ammesso"},
        CasoDanneggiato{.nome = "SpessoreDelSolaioNegativo",
                        .vecchio = "150.000\r\n10.000\r\n15.000",
                        .nuovo = "150.000\r\n-10.000\r\n15.000",
                        .motivo = "Riga 108: spessore del solaio: -10 non è ammesso "
                                  "(da 0 a 100000 cm)."},
        CasoDanneggiato{.nome = "PassoDelleStaffeDelSolaio",
                        .vecchio = "\r\n 8 \r\n20.000\r\n 12 ",
                        .nuovo = "\r\n 8 \r\n200000.000\r\n 12 ",
                        .motivo = "Riga 114: passo delle staffe del solaio: 200000 non è ammesso"},
        CasoDanneggiato{.nome = "LarghezzaDelleStaffeDelSolaio",
                        .vecchio = "\r\n 12 \r\n25.000\r\n",
                        .nuovo = "\r\n 12 \r\n-100001.000\r\n",
                        .motivo = "Riga 116: larghezza delle staffe del solaio: -100001 non è ammesso "
                                  "(da -100000 a 100000 cm)."},
        CasoDanneggiato{.nome = "RientroDellaPareteTrasversale",
                        .vecchio = "\r\n0.000\r\n0.000\r\n0.000\r\n",
                        .nuovo = "\r\n0.000\r\n0.000\r\n-0.500\r\n",
                        .motivo = "Riga 131: rientro della parete trasversale: -0.5"
                                  " non è ammesso"}),
    [](const testing::TestParamInfo<CasoDanneggiato>& info) { return info.param.nome; });

// Values at the edge of what the file keeps: read, written and read again
// they give the same design, to the written decimals.
struct CasoAlLimite {
    const char* nome;
    std::string vecchio;  // text of the good file to replace
    std::string nuovo;
    std::string scritto;  // how the writer stores it
};

void PrintTo(const CasoAlLimite& c, std::ostream* os) { *os << c.nome; }

class ValoreAlLimite : public testing::TestWithParam<CasoAlLimite> {};

TEST_P(ValoreAlLimite, RilettoComeScritto) {
    const CasoAlLimite& caso = GetParam();
    const std::string testo =
        Sostituisci(Contenuto(PercorsoFixture("ARMATURA_V7.ARS")), caso.vecchio, caso.nuovo);
    Parete letta = PareteCinque();
    ASSERT_TRUE(LeggiArmatureDaTesto(letta, testo, "LIMITE.ARS", 7).Riuscito());
    const std::string scritto = TestoArmature(letta);
    EXPECT_NE(scritto.find(caso.scritto), std::string::npos) << scritto;
    Parete riletta = PareteCinque();
    const Esito esito = LeggiArmatureDaTesto(riletta, scritto, "LIMITE.ARS", 7);
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    EXPECT_EQ(TestoArmature(riletta), scritto);
    EXPECT_EQ(riletta.NumPuntiInt, letta.NumPuntiInt);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ValoreAlLimite,
    testing::Values(
        CasoAlLimite{.nome = "PassoDellaPosizione0e0005",
                     .vecchio = "20.000        100.000       100.000",
                     .nuovo = "0.0005        100.000       100.000",
                     .scritto = "\r\n0.001         100.000       100.000\r\n"},
        CasoAlLimite{.nome = "PassoDiffuso0e005",
                     .vecchio = "25.00         25.00",
                     .nuovo = "0.005         25.00",
                     .scritto = "\r\n0.01          25.00"},
        CasoAlLimite{.nome = "PerimetroInternoUltimoA0e05DalPrimo",
                     .vecchio = "500.0         0.0\r\n 2 \r\n",
                     .nuovo = "0.05          0.0\r\n 2 \r\n",
                     .scritto = "\r\n0.1           0.0\r\n 2 \r\n"},
        CasoAlLimite{.nome = "PerimetroInternoDiQuattroConIlPrimoRipetuto",
                     .vecchio = " 5 \r\n0.0           0.0\r\n0.0           300.0\r\n250.0         300.5\r\n"
                                "500.0         300.0\r\n500.0         0.0\r\n",
                     .nuovo = " 4 \r\n0.0           0.0\r\n0.0           300.0\r\n500.0         300.0\r\n"
                              "0.00001       0.0\r\n",
                     .scritto = " 3 \r\n0.0           0.0\r\n0.0           300.0\r\n500.0         300.0\r\n 2 "},
        // The edges of the range of coordinates and lengths.
        CasoAlLimite{.nome = "OrigineA1e8",
                     .vecchio = "\r\n0.000         0.000\r\n 14 ",
                     .nuovo = "\r\n-1e8          100000000\r\n 14 ",
                     .scritto = "\r\n-100000000.000              100000000.000\r\n 14 "},
        CasoAlLimite{.nome = "PerimetroEsternoAlBordo",
                     .vecchio = "\r\n 4 \r\n0.0           0.0\r\n0.0           300.0\r\n",
                     .nuovo = "\r\n 4 \r\n-100000       0.0\r\n0.0           100000\r\n",
                     .scritto = "\r\n 4 \r\n-100000.0     0.0\r\n0.0           100000.0\r\n"},
        CasoAlLimite{.nome = "EtichettaAlBordoDelDisegno",
                     .vecchio = "\r\n-12.345       160.500\r\n20.000",
                     .nuovo = "\r\n-1000000      1000000\r\n20.000",
                     .scritto = "\r\n-1000000.000  1000000.000\r\n20.000"},
        CasoAlLimite{.nome = "SolaioAlBordo",
                     .vecchio = "\r\n 0 \r\n150.000\r\n10.000\r\n",
                     .nuovo = "\r\n 0 \r\n100000\r\n100000\r\n",
                     .scritto = "\r\n 0 \r\n100000.000\r\n100000.000\r\n"}),
    [](const testing::TestParamInfo<CasoAlLimite>& info) { return info.param.nome; });

TEST(FileArmature, FileVuotoEFileMancanteDetti) {
    Parete p = PareteCinque();
    const Parete prima = p;
    EXPECT_EQ(LeggiArmatureDaTesto(p, "", "VUOTO.ARS", 7).Codice, CodiceArmature::Danneggiato);
    const Esito mancante = LeggiArmature(p, "/non/esiste/P.ARS", 7);
    EXPECT_EQ(mancante.Codice, CodiceArmature::Danneggiato);
    EXPECT_NE(mancante.Motivo.find("/non/esiste/P.ARS"), std::string::npos);
    EXPECT_EQ(p, prima);
}

TEST(FileArmature, ElenchiVuotiScrittiConiLoroLimiti) {
    Parete p = PareteCinque();
    p.DiamDir1Piu = p.DiamDir1Meno = p.DiamDir2Piu = p.DiamDir2Meno = 12;
    p.PassoDir1Piu = p.PassoDir1Meno = p.PassoDir2Piu = p.PassoDir2Meno = 20.0f;
    const std::string atteso =
        "VERSIONE  7\r\n08/12/2026 22:45:10\r\n 5 \r\n 0 \r\n0.000         0.000\r\n"
        " 12            12            12            12 \r\n"
        "20.00         20.00         20.00         20.00\r\n"
        "-1 \r\n-1 \r\n-1 \r\n"
        " 4 \r\n0.0           0.0\r\n0.0           300.0\r\n500.0         300.0\r\n500.0         0.0\r\n"
        " 4 \r\n0.0           0.0\r\n0.0           300.0\r\n500.0         300.0\r\n500.0         0.0\r\n"
        " 0 \r\n-1 \r\n-1 \r\n";
    EXPECT_EQ(TestoArmature(p), atteso);

    Parete riletta = PareteCinque();
    ASSERT_TRUE(LeggiArmatureDaTesto(riletta, atteso, "VUOTI.ARS", 7).Riuscito());
    EXPECT_EQ(TestoArmature(riletta), atteso);
}

TEST(FileArmature, SenzaPareteNonScriveNulla) {
    CartellaTemporanea cartella;
    const std::filesystem::path file = cartella.Percorso() / "P.ARS";
    EXPECT_TRUE(ScriviArmature(Parete{}, file.string()).Riuscito());
    EXPECT_FALSE(std::filesystem::exists(file));
}

// Only the text of a dimension follows the user's locale; every number is
// written with a point and read back so.
TEST(FileArmature, NumeriConIlPuntoInOgniLocale) {
    const Parete p = Letta("ARMATURA_V7.ARS", 7);
    const std::string atteso = Contenuto(PercorsoFixture("ARMATURA_V7.ARS"));
    const char* precedente = std::setlocale(LC_ALL, nullptr);
    const std::string ripristina = precedente ? precedente : "C";
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8")) GTEST_SKIP() << "locale it_IT assente";
    const std::string scritto = TestoArmature(p);
    Parete riletta = PareteCinque();
    const Esito esito = LeggiArmatureDaTesto(riletta, scritto, "IT.ARS", 7);
    std::setlocale(LC_ALL, ripristina.c_str());
    EXPECT_EQ(scritto, atteso);
    EXPECT_TRUE(esito.Riuscito());
    EXPECT_EQ(riletta.Progetto(), p.Progetto());
}

struct CasoProgettoCasuale {
    const char* nome;
    std::uint32_t seme;
    const char* fixture;  // written from the same design before the writer
                          // built its lines in place
};

void PrintTo(const CasoProgettoCasuale& c, std::ostream* os) { *os << c.nome; }

class ProgettoCasualeScritto : public testing::TestWithParam<CasoProgettoCasuale> {};

// Every number kind, Windows-1252 texts and lines of one to four zoned values:
// the bytes stay those the file always had.
TEST_P(ProgettoCasualeScritto, StessiByteDiSempre) {
    const CasoProgettoCasuale& caso = GetParam();
    const std::string atteso = Contenuto(PercorsoFixture(caso.fixture));
    const Parete p = PareteConProgettoCasuale(caso.seme);
    EXPECT_EQ(TestoArmature(p), atteso);

    CartellaTemporanea cartella;
    const std::string copia = (cartella.Percorso() / "COPIA.ARS").string();
    ASSERT_TRUE(ScriviArmature(p, copia).Riuscito());
    EXPECT_EQ(Contenuto(copia), atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ProgettoCasualeScritto,
    testing::Values(CasoProgettoCasuale{.nome = "Seme1", .seme = 1,
                                        .fixture = "PROGETTO_CASUALE_1.ARS"},
                    CasoProgettoCasuale{.nome = "Seme2", .seme = 2,
                                        .fixture = "PROGETTO_CASUALE_2.ARS"}),
    [](const testing::TestParamInfo<CasoProgettoCasuale>& info) {
        return std::string(info.param.nome);
    });

}  // namespace
