#include "design/LeggiParete.h"
#include "model/Sessione.h"
#include "Fixture.h"
#include "FinestraRegistrata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace {

void EsattoPunto(const Punto& p, float x, float y) {
    EXPECT_FLOAT_EQ(p.X, x);
    EXPECT_FLOAT_EQ(p.Y, y);
}

const double PiMezzi = 1.5707963267948966;

}  // namespace

TEST(LeggiParete, CounterClockwiseRectangleWithACollinearVertexLoadsAsFourClockwiseCorners) {
    Sessione s;
    Parete& p = s.parete;
    p.FileCorrente = "scelto dal chiamante";
    FinestraRegistrata finestra;
    (void)LeggiParete(s, PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"), finestra);

    EXPECT_EQ(s.stato.ErroreOperazione, 0);
    EXPECT_EQ(p.FileCorrente, "scelto dal chiamante");
    EXPECT_EQ(p.NumeroParete, 7);
    EXPECT_EQ(p.TipoStruttura, 0);
    // 1000.04 is read as 1000.0: the origin is the smallest corner.
    EXPECT_FLOAT_EQ(p.OrigineX, 1000.0f);
    EXPECT_FLOAT_EQ(p.OrigineY, 200.0f);
    ASSERT_EQ(p.NumPuntiContorno, 4);
    ASSERT_EQ(p.Contorno.size(), 5u);
    EsattoPunto(p.Contorno[0], 0, 0);
    EsattoPunto(p.Contorno[1], 0, 300);
    EsattoPunto(p.Contorno[2], 500, 300);
    EsattoPunto(p.Contorno[3], 500, 0);
    EsattoPunto(p.Contorno[4], 0, 0);
    ASSERT_EQ(p.NumPuntiEst, 4);
    ASSERT_EQ(p.NumPuntiInt, 4);
    ASSERT_EQ(p.PerimetroEsterno.size(), 5u);
    ASSERT_EQ(p.PerimetroInterno.size(), 5u);
    for (int i = 0; i <= 4; ++i) {
        EsattoPunto(p.PerimetroEsterno[i], p.Contorno[i].X, p.Contorno[i].Y);
        EsattoPunto(p.PerimetroInterno[i], p.Contorno[i].X, p.Contorno[i].Y);
    }

    // Openings are shifted but keep the order the file gives.
    ASSERT_EQ(p.NumAperture, 2);
    EXPECT_EQ(p.PuntiApertura[0], 4);
    EXPECT_EQ(p.PuntiApertura[1], 3);
    EXPECT_EQ(p.InizioApertura[1], 4);
    EXPECT_FLOAT_EQ(p.XApertura(0, 1), 200.0f);
    EXPECT_FLOAT_EQ(p.YApertura(0, 1), 100.0f);
    EXPECT_FLOAT_EQ(p.XApertura(1, 2), 350.0f);
    EXPECT_FLOAT_EQ(p.YApertura(1, 2), 200.0f);

    EXPECT_FLOAT_EQ(p.SpessoreParete, 25.0f);
    EXPECT_FLOAT_EQ(p.Copriferro, 3.0f);
    EXPECT_FLOAT_EQ(p.PassoDir1Piu, 25.0f);
    EXPECT_EQ(p.DiamDir1Piu, 12);
    EXPECT_EQ(p.DiamDir2Piu, 10);
    // Spacing 0 with the "lato -" flag 0: both faces get 20.
    EXPECT_FLOAT_EQ(p.PassoDir2Piu, 20.0f);
    EXPECT_FLOAT_EQ(p.PassoDir2Meno, 20.0f);
    EXPECT_FLOAT_EQ(p.PassoDir1Meno, 25.0f);
    EXPECT_EQ(p.DiamDir1Meno, 12);
    EXPECT_EQ(p.DiamDir2Meno, 10);
    // Reference diameters 14 and 0 (taken as 12).
    EXPECT_EQ(p.DiamIntegrativa, 14);

    EXPECT_FLOAT_EQ(p.GradiArm1, 90.0f);
    EXPECT_NEAR(p.AngoloArm1, PiMezzi, 1e-6);
    EXPECT_FLOAT_EQ(p.GradiArm2, 0.0f);
    EXPECT_FLOAT_EQ(p.AngoloArm2, 0.0f);
    EXPECT_EQ(p.CosDir1, 0.0);
    EXPECT_EQ(p.SinDir1, 1.0);
    EXPECT_EQ(p.CosDir2, 0.0);
    EXPECT_EQ(p.SinDir2, 1.0);

    ASSERT_EQ(p.NumNodi, 3);
    ASSERT_EQ(p.Nodi.size(), 4u);
    EXPECT_EQ(p.Nodi[0].Id, 11);
    EXPECT_EQ(p.Nodi[2].Id, 13);
    // The stored float is rounded, halves to the even digit: 1100.25 is exact
    // and goes down; 1400.35 is stored as 1400.3499756 and goes down too.
    EXPECT_EQ(p.Nodi[0].X, 1100.2f - 1000.0f);
    EXPECT_FLOAT_EQ(p.Nodi[0].Y, 50.0f);
    EXPECT_EQ(p.Nodi[2].X, 1400.3f - 1000.0f);
    // File order "lato -" dir. 1, dir. 2, "lato +" dir. 1, dir. 2 into slots 2, 3, 0, 1.
    EXPECT_FLOAT_EQ(p.Nodi[1].Richiesta[0], 1.3f);
    EXPECT_FLOAT_EQ(p.Nodi[1].Richiesta[1], 1.4f);
    EXPECT_FLOAT_EQ(p.Nodi[1].Richiesta[2], 1.1f);
    EXPECT_FLOAT_EQ(p.Nodi[1].Richiesta[3], 1.2f);
    EXPECT_EQ(p.Nodi[3].Id, 0);

    EXPECT_FLOAT_EQ(p.XmaxParete, 500.0f);
    EXPECT_FLOAT_EQ(p.YmaxParete, 300.0f);
    EXPECT_FLOAT_EQ(p.LarghezzaFoglio, 2.0f * (500 + 80 + 480) + 300);
    EXPECT_FALSE(p.ContornoDir1.empty());
    EXPECT_GE(p.UltimoTriangolo, 0);
    EXPECT_TRUE(std::regex_match(p.DataFileSet,
                                 std::regex(R"(\d\d/\d\d/\d\d\d\d \d\d:\d\d:\d\d)")))
        << p.DataFileSet;

    EXPECT_EQ(p.MagliaUnica, 0);
    EXPECT_EQ(finestra.Eventi,
              (std::vector<std::string>{"PulsantiLato visibili", "EtichettaMagliaUnica nascosta"}));
}

TEST(LeggiParete, EditingListsOfThePreviousWallAreEmptied) {
    Sessione s;
    Parete& p = s.parete;
    p.UltPosizione = 4;
    p.Posizioni.resize(5);
    p.PoligoniPos[3].resize(7);
    p.UltSezione = 1;
    p.Sezioni.resize(2);
    p.UltSolaio = 0;
    p.UltParete = 0;
    p.MagliaUnica = -1;
    FinestraRegistrata finestra;
    (void)LeggiParete(s, PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"), finestra);
    ASSERT_EQ(s.stato.ErroreOperazione, 0);
    EXPECT_EQ(p.UltPosizione, -1);
    EXPECT_EQ(p.PoligoniPos.size(), 201u);
    EXPECT_EQ(p.PoligoniPos[3].size(), 1u);
    EXPECT_EQ(p.UltSezione, -1);
    EXPECT_EQ(p.UltSolaio, -1);
    EXPECT_EQ(p.UltParete, -1);
    EXPECT_EQ(p.MagliaUnica, 0);
}

TEST(LeggiParete, WithoutVersionLineNodesCarryNoNumberAndCommasSeparateValues) {
    Sessione s;
    Parete& p = s.parete;
    FinestraRegistrata finestra;
    (void)LeggiParete(s, PercorsoFixture("SENZA_VERSIONE.SET"), finestra);
    ASSERT_EQ(s.stato.ErroreOperazione, 0) << testing::PrintToString(finestra.Eventi);
    EXPECT_EQ(p.NumeroParete, 3);
    ASSERT_EQ(p.NumPuntiContorno, 4);
    // Already clockwise: kept as given.
    EsattoPunto(p.Contorno[1], 0, 300);
    EsattoPunto(p.Contorno[3], 400, 0);
    EXPECT_FLOAT_EQ(p.Copriferro, 2.5f);
    // "lato -" layers of their own; 0 becomes 20 cm and 12 mm.
    EXPECT_FLOAT_EQ(p.PassoDir1Meno, 15.0f);
    EXPECT_EQ(p.DiamDir1Meno, 14);
    EXPECT_FLOAT_EQ(p.PassoDir2Meno, 20.0f);
    EXPECT_EQ(p.DiamDir2Meno, 12);
    EXPECT_EQ(p.DiamIntegrativa, 16);
    ASSERT_EQ(p.NumNodi, 2);
    EXPECT_EQ(p.Nodi[0].Id, 0);
    EXPECT_FLOAT_EQ(p.Nodi[1].X, 300.0f);
    EXPECT_FLOAT_EQ(p.Nodi[1].Richiesta[0], 1.0f);
}

TEST(LeggiParete, VersionLineVariants) {
    const std::string base = Contenuto(PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"));
    const std::string senzaNumeri =
        Sostituisci(Sostituisci(Sostituisci(base, "11 1100.25", "1100.25"), "12 1300", "1300"),
                    "13 1400.35", "1400.35");
    struct Caso {
        std::string riga1;
        bool numeriNodo;
        int esito;
    };
    const Caso casi[] = {
        {"VERSIONE 1", true, 0},   {"  Versione1  ", true, 0}, {"VERSIONE 0", false, 0},
        {"VERSIONE", false, 0},    {"PARETE", false, 0},       {"VERSIONE 2", true, 1},
        {"VERSIONE 99999", true, 1},
        // The number as it stands: 1.4 is above 1; "1,5" reads 1.
        {"VERSIONE 1.4", true, 1}, {"VERSIONE 1,5", true, 0},
    };
    CartellaTemporanea cartella;
    for (const Caso& caso : casi) {
        const std::string testo =
            Sostituisci(caso.numeriNodo ? base : senzaNumeri, "versione 1", caso.riga1);
        const std::string file = cartella.Scrivi("V.SET", testo);
        Sessione s;
        Parete& p = s.parete;
        FinestraRegistrata finestra;
        (void)LeggiParete(s, file, finestra);
        EXPECT_EQ(s.stato.ErroreOperazione, caso.esito) << caso.riga1;
        if (caso.esito == 0) {
            EXPECT_EQ(p.NumNodi, 3) << caso.riga1;
            EXPECT_EQ(p.Nodi[2].Id, caso.numeriNodo ? 13 : 0) << caso.riga1;
            EXPECT_TRUE(finestra.Messaggi().empty()) << caso.riga1;
        } else {
            EXPECT_EQ(finestra.Eventi,
                      std::vector<std::string>{
                          "Messaggio[Attenzione!|esclamazione] Versione del file non compatibile.\n"
                          "Aggiornare il modulo all'ultima versione, disponibile sul sito web del "
                          "produttore."})
                << caso.riga1;
        }
    }
}

TEST(LeggiParete, NotAWallIsToldBeforeTheVersion) {
    Sessione s;
    Parete& p = s.parete;
    FinestraRegistrata finestra;
    (void)LeggiParete(s, PercorsoFixture("NON_PARETE_VERSIONE_2.SET"), finestra);
    EXPECT_EQ(s.stato.ErroreOperazione, 1);
    EXPECT_EQ(finestra.Eventi, std::vector<std::string>{
                                   "Messaggio[Attenzione!|esclamazione] Il file non è di una parete."});
    EXPECT_EQ(p.NumPuntiContorno, 0);
}

TEST(LeggiParete, AngleOfDirectionOneMayDifferFrom90ByFiftyDegreesAtMost) {
    const std::string base = Contenuto(PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"));
    struct Caso {
        const char* angolo;  // the angle and what follows it on its line
        int esito;
    };
    const Caso casi[] = {{"40", 0},     {"140", 0},  {"39.9", -1}, {"140.1", -1}, {"-90", -1},
                         // The angle is judged first, whatever else the line holds.
                         {"30 -25", -1}, {"30 abc", -1}};
    CartellaTemporanea cartella;
    for (const Caso& caso : casi) {
        const std::string angolo = caso.angolo;
        const std::string resto = angolo.find(' ') == std::string::npos ? " 25" : "";
        const std::string file = cartella.Scrivi(
            "A.SET", Sostituisci(base, "90 25 12 14 Direzione 1",
                                 angolo + resto + " 12 14 Direzione 1"));
        Sessione s;
        Parete& p = s.parete;
        FinestraRegistrata finestra;
        (void)LeggiParete(s, file, finestra);
        EXPECT_EQ(s.stato.ErroreOperazione, caso.esito) << caso.angolo;
        if (caso.esito == -1) {
            EXPECT_EQ(finestra.Messaggi(),
                      std::vector<std::string>{
                          "L'angolo dell'armatura verticale non risulta corretto. Modificare "
                          "l'impostazione dei criteri di progetto.\nPer armatura verticale Av = 90° "
                          "(angolo dal riferimento orizzontale). Caricamento interrotto."})
                << caso.angolo;
        } else {
            EXPECT_FLOAT_EQ(p.GradiArm1, std::stof(caso.angolo)) << caso.angolo;
        }
    }
}

TEST(LeggiParete, StructureTypeDecidesWhichAngleIsTakenTheOtherWayRound) {
    const std::string base = Contenuto(PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"));
    const double gradi = 0.0174532925199433;
    struct Caso {
        const char* tipo;
        const char* a1;
        const char* a2;
        float gradi1, gradi2;
        double rad1, rad2;
    };
    const Caso casi[] = {
        {"0", "60", "200", 60, 20, 120 * gradi, 20 * gradi},
        {"2", "60", "150", 60, 150, 60 * gradi, 30 * gradi},
        {"0", "135", "-30", 135, 150, 45 * gradi, 150 * gradi},
    };
    CartellaTemporanea cartella;
    for (const Caso& caso : casi) {
        std::string testo = Sostituisci(base, "7 0 Parete", std::string("7 ") + caso.tipo + " Parete");
        testo = Sostituisci(testo, "90 25 12", std::string(caso.a1) + " 25 12");
        testo = Sostituisci(testo, "0 0 10 0 Direzione 2", std::string(caso.a2) + " 0 10 0 Direzione 2");
        Sessione s;
        Parete& p = s.parete;
        FinestraRegistrata finestra;
        (void)LeggiParete(s, cartella.Scrivi("T.SET", testo), finestra);
        ASSERT_EQ(s.stato.ErroreOperazione, 0) << caso.a1;
        EXPECT_NEAR(p.GradiArm1, caso.gradi1, 1e-4) << caso.a1;
        EXPECT_NEAR(p.GradiArm2, caso.gradi2, 1e-4) << caso.a2;
        EXPECT_NEAR(p.AngoloArm1, caso.rad1, 1e-6) << caso.a1;
        EXPECT_NEAR(p.AngoloArm2, caso.rad2, 1e-6) << caso.a2;
    }
}

TEST(LeggiParete, WallWithoutNodesIsSingleMeshWithoutCoverageWarningAndWithoutOldTriangles) {
    Sessione s;
    Parete& p = s.parete;
    FinestraRegistrata prima;
    (void)LeggiParete(s, PercorsoFixture("COPERTURA.SET"), prima);
    ASSERT_GE(p.UltimoTriangolo, 0);

    FinestraRegistrata finestra;
    (void)LeggiParete(s, PercorsoFixture("SENZA_NODI.SET"), finestra);
    EXPECT_EQ(s.stato.ErroreOperazione, 0);
    EXPECT_EQ(p.NumNodi, 0);
    EXPECT_EQ(p.Nodi.size(), 2u);
    EXPECT_EQ(p.Nodi[0].Richiesta[0], 0.0f);
    EXPECT_EQ(p.UltimoTriangolo, -1);
    EXPECT_TRUE(p.Triangoli.empty());
    EXPECT_EQ(p.MagliaUnica, -1);
    EXPECT_EQ(finestra.Eventi,
              (std::vector<std::string>{"SelezionaLatoMeno", "PulsantiLato nascosti",
                                        "EtichettaMagliaUnica visibile"}));
}

TEST(LeggiParete, SingleMeshWallNamesItsLayersWithoutTheFace) {
    Sessione s;
    Parete& p = s.parete;
    FinestraRegistrata finestra;
    (void)LeggiParete(s, PercorsoFixture("MAGLIA_UNICA.SET"), finestra);
    EXPECT_EQ(s.stato.ErroreOperazione, 0);
    EXPECT_EQ(p.MagliaUnica, -1);
    EXPECT_EQ(finestra.Eventi,
              (std::vector<std::string>{
                  "SelezionaLatoMeno", "PulsantiLato nascosti", "EtichettaMagliaUnica visibile",
                  "Messaggio[Attenzione!|esclamazione] "
                  "Armatura dir. 1: nodi con armatura ok < 20%\n"
                  "Armatura dir. 2: nodi con armatura ok < 20%\n"
                  "Si consiglia la riprogettazione dell'armatura diffusa."}));
}

TEST(LeggiParete, ExactlyTwentyPercentCoveredDoesNotWarn) {
    // Of ten nodes, two are covered in "lato +" dir. 1 and one in "lato +" dir. 2.
    Sessione s;
    Parete& p = s.parete;
    FinestraRegistrata finestra;
    (void)LeggiParete(s, PercorsoFixture("COPERTURA.SET"), finestra);
    EXPECT_EQ(s.stato.ErroreOperazione, 0);
    EXPECT_EQ(p.MagliaUnica, 0);
    EXPECT_EQ(finestra.Eventi,
              (std::vector<std::string>{
                  "PulsantiLato visibili", "EtichettaMagliaUnica nascosta",
                  "Messaggio[Attenzione!|esclamazione] "
                  "Armatura lato + dir. 2: nodi con armatura ok < 20%\n"
                  "Si consiglia la riprogettazione dell'armatura diffusa."}));
}

TEST(LeggiParete, BundledSampleWall) {
    Sessione s;
    Parete& p = s.parete;
    FinestraRegistrata finestra;
    (void)LeggiParete(s, PercorsoEsempio("PARETE_ESEMPIO.SET"), finestra);
    ASSERT_EQ(s.stato.ErroreOperazione, 0) << testing::PrintToString(finestra.Eventi);
    EXPECT_EQ(p.NumPuntiContorno, 6);
    EXPECT_EQ(p.NumAperture, 2);
    EXPECT_EQ(p.NumNodi, 300);
    EXPECT_FLOAT_EQ(p.OrigineX, 1250.0f);
    EXPECT_FLOAT_EQ(p.OrigineY, 340.0f);
    float xmin = 1e9f, ymin = 1e9f, area = 0.0f;
    for (int i = 0; i < p.NumPuntiContorno; ++i) {
        xmin = std::min(xmin, p.Contorno[i].X);
        ymin = std::min(ymin, p.Contorno[i].Y);
        area += p.Contorno[i].X * p.Contorno[i + 1].Y - p.Contorno[i + 1].X * p.Contorno[i].Y;
    }
    EXPECT_EQ(xmin, 0.0f);
    EXPECT_EQ(ymin, 0.0f);
    EXPECT_LT(area, 0.0f) << "clockwise";
    EXPECT_FLOAT_EQ(p.Contorno[p.NumPuntiContorno].X, p.Contorno[0].X);
    EXPECT_FLOAT_EQ(p.Contorno[p.NumPuntiContorno].Y, p.Contorno[0].Y);
    EXPECT_GT(p.UltimoTriangolo, 100);
    EXPECT_EQ(p.Nodi[0].Id, 1001);
    EXPECT_FLOAT_EQ(p.Nodi[0].X, 1264.3f - 1250.0f);
}

TEST(LeggiParete, EmptyOrAnonymousPathReadsNothing) {
    for (const char* percorso : {"", "Anonimo", "ANONIMO"}) {
        Sessione s;
        Parete& p = s.parete;
        s.stato.ErroreOperazione = 1;
        p.MagliaUnica = -1;
        FinestraRegistrata finestra;
        (void)LeggiParete(s, percorso, finestra);
        EXPECT_EQ(s.stato.ErroreOperazione, 0);
        EXPECT_EQ(p.MagliaUnica, -1);
        EXPECT_EQ(p.NumPuntiContorno, 0);
        EXPECT_TRUE(finestra.Eventi.empty());
    }
}

TEST(LeggiParete, PerSideDataAfterTheNodesIsReadToItsEnd) {
    const std::string base = Contenuto(PercorsoFixture("RETTANGOLO_ANTIORARIO.SET"));
    // Four sides after the collinear vertex went: three per-side lines in each block.
    const std::string b3c2 =
        "0 3 2 0 0 Dati lati\r\n"
        "1 2 3 4 5 6 a\r\n7 8 b\r\n1 2 3 4 5 6 a\r\n7 8 b\r\n1 2 3 4 5 6 a\r\n7 8 b\r\n"
        "9 finale b\r\n"
        "1 2 3 4 c\r\n1 2 3 4 c\r\n1 2 3 4 c\r\n";
    struct Caso {
        std::string coda;
        int esito;
    };
    const Caso casi[] = {
        {b3c2 + "0 Fine\r\n", 0},
        {b3c2, 0},
        {"0 1 1 0 0\r\n1 2 3 4\r\n1 2 3 4\r\n1 2 3 4\r\n1 2 3\r\n1 2 3\r\n1 2 3\r\n", 0},
        {"0 1 0 0 0\r\n1 2 3 4\r\n1 2 3 4\r\n", 1},
        {"0 0 0 0 0 Dati lati\r\n", 0},
        {"", 1},
    };
    CartellaTemporanea cartella;
    for (const Caso& caso : casi) {
        const std::string testo =
            Sostituisci(base, "0 0 0 0 0 Dati lati\r\n0 Fine\r\n", caso.coda);
        Sessione s;
        FinestraRegistrata finestra;
        (void)LeggiParete(s, cartella.Scrivi("L.SET", testo), finestra);
        EXPECT_EQ(s.stato.ErroreOperazione, caso.esito) << caso.coda;
    }
}

TEST(DataModificaFile, DayMonthYearAndTimeOfTheLastChange) {
    setenv("TZ", "UTC", 1);
    tzset();
    CartellaTemporanea cartella;
    const std::string file = cartella.Scrivi("D.SET", "x");
    // 8 December 2026, 22:45:10 UTC.
    const auto istante = std::chrono::sys_seconds(std::chrono::seconds(1796769910));
    std::filesystem::last_write_time(file, std::chrono::file_clock::from_sys(istante));
    EXPECT_EQ(DataModificaFile(file), "08/12/2026 22:45:10");
    EXPECT_EQ(DataModificaFile((cartella.Percorso() / "MANCA.SET").string()), "");
}
