#include "design/ArmatureVecchie.h"

#include "design/AreeMancanti.h"
#include "design/AreeStrati.h"
#include "design/LeggiParete.h"
#include "model/FileArmature.h"
#include "model/Sessione.h"

#include "FinestraRegistrata.h"
#include "Fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace {

// The fixture: layers 14/25, 12/20 ("lato +"), 10/30, 8/17.5 ("lato -") and
// four zone records on the 500 x 300 wall of PARETE_ASSI.SET (cover 3 cm,
// direction 1 vertical, direction 2 horizontal): (1) "lato +", 100 x 90 at (150, 150), 5 bars of
// direction 1 only; (2) "lato -", 60 x 60 at (480, 250), across the right
// side, 4 bars each way; (3) "lato +" at (900, 150), off the wall; (4)
// "lato -", 50 x 90 at (250, 60), 6 bars of direction 2 only.
const std::string Fixture = "ARMATURA_SENZA_VERSIONE.ARS";

// The wall of PARETE_ASSI.SET as P5.SET with the given reinforcement file beside it.
struct PareteVecchia {
    explicit PareteVecchia(const std::string& armature) {
        Parete = cartella.Scrivi("P5.SET", Contenuto(PercorsoFixture("PARETE_ASSI.SET")));
        if (!armature.empty()) Armature = cartella.Scrivi("P5.ARS", armature);
        (void)LeggiParete(sessione, Parete, finestra);
    }

    CartellaTemporanea cartella;
    std::string Parete;
    std::string Armature;
    Sessione sessione;
    FinestraRegistrata finestra;
};

struct PosizioneAttesa {
    int Tipo;
    int Direzione;
    int Diametro;
    float Passo;
};

TEST(ArmatureVecchie, LeZoneSonoRicostruiteSullaPareteComeZoneNuove) {
    PareteVecchia t(Contenuto(PercorsoFixture(Fixture)));
    const Parete& p = t.sessione.parete;
    for (const std::string& messaggio : t.finestra.Messaggi())
        EXPECT_EQ(messaggio.find(t.Armature), std::string::npos) << messaggio;
    EXPECT_TRUE(t.sessione.stato.ArmatureNonCaricate.empty());

    EXPECT_EQ(p.DiamDir1Piu, 14);
    EXPECT_FLOAT_EQ(p.PassoDir1Piu, 25.0f);
    EXPECT_EQ(p.DiamDir2Piu, 12);
    EXPECT_FLOAT_EQ(p.PassoDir2Piu, 20.0f);
    EXPECT_EQ(p.DiamDir1Meno, 10);
    EXPECT_FLOAT_EQ(p.PassoDir1Meno, 30.0f);
    EXPECT_EQ(p.DiamDir2Meno, 8);
    EXPECT_FLOAT_EQ(p.PassoDir2Meno, 17.5f);

    // In list order. 90 cm over 4 gaps is 22.5: a half goes to the even 22.
    // The zone off the wall gives nothing, on either direction.
    const PosizioneAttesa attese[] = {
        {.Tipo = 0, .Direzione = 0, .Diametro = 12, .Passo = 22.0f},
        {.Tipo = 1, .Direzione = 0, .Diametro = 10, .Passo = 20.0f},
        {.Tipo = 1, .Direzione = 1, .Diametro = 10, .Passo = 20.0f},
        {.Tipo = 1, .Direzione = 1, .Diametro = 16, .Passo = 10.0f},
    };
    ASSERT_EQ(p.UltPosizione, 3);
    for (int i = 0; i <= p.UltPosizione; ++i) {
        const PosizioneArm& pos = p.Posizioni[i];
        SCOPED_TRACE("Pos. " + std::to_string(i + 1));
        EXPECT_EQ(pos.Tipo, attese[i].Tipo);
        EXPECT_EQ(pos.Direzione, attese[i].Direzione);
        EXPECT_EQ(pos.Diametro, attese[i].Diametro);
        EXPECT_FLOAT_EQ(pos.Passo, attese[i].Passo);
        EXPECT_LT(pos.XBaricentro, 500.0f);

        // Clipped to the reinforcement outline of this wall (cover 3 cm).
        float xmax = -1e9f;
        for (int j = 0; j <= pos.UltVerticeZona; ++j) {
            const Punto& v = p.PoligoniPos[i][j];
            EXPECT_GE(v.X, 3.0f - 1e-3f);
            EXPECT_LE(v.X, 497.0f + 1e-3f);
            EXPECT_GE(v.Y, 3.0f - 1e-3f);
            EXPECT_LE(v.Y, 297.0f + 1e-3f);
            xmax = std::max(xmax, v.X);
        }
        // The zone across the right side is cut along it.
        if (pos.Tipo == 1 && pos.Diametro == 10) {
            EXPECT_FLOAT_EQ(xmax, 497.0f);
        }

        // Every zone gets its leader afresh, 25 cm inside its zone, also
        // the second one of a record.
        if (pos.Direzione == 0) {
            EXPECT_NEAR(pos.Richiamo[1], pos.EstDir[2].Y + 25.0f, 1e-3f);
            EXPECT_NEAR(pos.Richiamo[3], pos.EstDir[2].Y + 25.0f, 1e-3f);
        } else {
            EXPECT_NEAR(pos.Richiamo[0], pos.EstDir[0].X - 25.0f, 1e-3f);
            EXPECT_NEAR(pos.Richiamo[2], pos.EstDir[0].X - 25.0f, 1e-3f);
        }
    }
}

// The areas follow the loaded layers and zones, as after any other load.
TEST(ArmatureVecchie, AreeFornitaEMancantiRicalcolate) {
    PareteVecchia t(Contenuto(PercorsoFixture(Fixture)));
    const Parete& p = t.sessione.parete;
    ASSERT_EQ(p.UltPosizione, 3);
    Parete attesa = p;
    CalcolaAreeStrati(attesa);
    AggiornaAreeMancanti(attesa, -1);
    EXPECT_EQ(attesa.Nodi, p.Nodi);
    EXPECT_EQ(attesa.AreaDir1Piu, p.AreaDir1Piu);
    EXPECT_EQ(attesa.AreaDir2Meno, p.AreaDir2Meno);
    // The zones cover some nodes: without them the missing areas differ.
    PareteVecchia sola("");
    EXPECT_NE(sola.sessione.parete.Nodi, p.Nodi);
}

// The directions are the wall file's: angles stored in the old file that
// differ from them change nothing.
TEST(ArmatureVecchie, DirezioniDellaPareteConservate) {
    PareteVecchia sola("");
    PareteVecchia t(Sostituisci(Sostituisci(Contenuto(PercorsoFixture(Fixture)), "90.0 ", "45.0 "),
                                "0.0           20.00", "30.0          20.00"));
    const Parete& p = t.sessione.parete;
    ASSERT_EQ(p.UltPosizione, 3);
    EXPECT_EQ(p.AngoloArm1, sola.sessione.parete.AngoloArm1);
    EXPECT_EQ(p.AngoloArm2, sola.sessione.parete.AngoloArm2);
    EXPECT_EQ(p.CosDir1, sola.sessione.parete.CosDir1);
    EXPECT_EQ(p.SinDir2, sola.sessione.parete.SinDir2);
}

// A wall with a design of the current format on it: the old file replaces
// the lists and keeps what it does not give.
TEST(ArmatureVecchie, ListeSvuotateERestoConservato) {
    PareteVecchia t(Contenuto(PercorsoFixture("ARMATURA_V3.ARS")));
    Parete& p = t.sessione.parete;
    ASSERT_GE(p.UltPosizione, 0);
    ASSERT_GE(p.UltQuota, 0);
    ASSERT_GT(p.NumQuoteLivello, 0);
    p.UltSolaio = 0;
    p.PiegaAncoraggio = 1;
    const ProgettoParete prima = p.Progetto();

    const std::string testo = Sostituisci(Contenuto(PercorsoFixture(Fixture)), "\r\n4\r\n", "\r\n0\r\n");
    ASSERT_TRUE(LeggiArmatureVecchieDaTesto(p, t.sessione.imp, testo, "P5.ARS").Riuscito());
    EXPECT_EQ(p.UltPosizione, -1);
    EXPECT_EQ(p.UltSezione, -1);
    EXPECT_EQ(p.UltQuota, -1);
    EXPECT_EQ(p.NumQuoteLivello, 0);
    EXPECT_EQ(p.UltSolaio, -1);
    EXPECT_EQ(p.UltParete, -1);
    EXPECT_EQ(p.DiamDir2Meno, 8);
    EXPECT_EQ(p.PiegaAncoraggio, prima.PiegaAncoraggio);
    EXPECT_EQ(p.NumPuntiEst, prima.NumPuntiEst);
    EXPECT_EQ(p.PerimetroEsterno, prima.PerimetroEsterno);
    EXPECT_EQ(p.NumPuntiInt, prima.NumPuntiInt);
    EXPECT_EQ(p.PerimetroInterno, prima.PerimetroInterno);
}

struct CasoDanneggiato {
    const char* nome;
    std::string vecchio;  // text of the fixture to replace
    std::string nuovo;
    std::string motivo;  // part of the reason given
};

// A failing row names itself in the test output.
void PrintTo(const CasoDanneggiato& c, std::ostream* os) { *os << c.nome; }

class FileVecchioDanneggiato : public testing::TestWithParam<CasoDanneggiato> {};

TEST_P(FileVecchioDanneggiato, LaPareteRestaComEraEIlMotivoNominaIlFile) {
    const CasoDanneggiato& caso = GetParam();
    PareteVecchia t("");
    Parete& p = t.sessione.parete;
    const Parete prima = p;
    const std::string testo = Sostituisci(Contenuto(PercorsoFixture(Fixture)), caso.vecchio, caso.nuovo);
    const Esito esito = LeggiArmatureVecchieDaTesto(p, t.sessione.imp, testo, "/cartella/P5.ARS");
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_NE(esito.Motivo.find("/cartella/P5.ARS"), std::string::npos) << esito.Motivo;
    EXPECT_NE(esito.Motivo.find(caso.motivo), std::string::npos) << esito.Motivo;
    EXPECT_TRUE(p == prima);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, FileVecchioDanneggiato,
    testing::Values(
        CasoDanneggiato{.nome = "TestoAlPostoDelCentro",
                        .vecchio = "900.0         150.0",
                        .nuovo = "lontano       150.0",
                        .motivo = "Riga 23: \"lontano\" non è un numero valido"},
        CasoDanneggiato{.nome = "Troncato",
                        .vecchio = "250.0         60.0\r\n0.0           0.0\r\n0\r\n",
                        .nuovo = "250.0         60.0\r\n",
                        .motivo = "termina prima del previsto"},
        CasoDanneggiato{.nome = "LatoNonValido",
                        .vecchio = "\r\n0\r\n100.0         90.0",
                        .nuovo = "\r\n2\r\n100.0         90.0",
                        .motivo = "lato della zona: 2 non è ammesso"},
        CasoDanneggiato{.nome = "LarghezzaNulla",
                        .vecchio = "60.0          60.0",
                        .nuovo = "0.0           60.0",
                        .motivo = "valore non positivo per la larghezza della zona"},
        CasoDanneggiato{.nome = "PassoDelleBarreNullo",
                        .vecchio = "4             4",
                        .nuovo = "400           4",
                        .motivo = "Zona 2, direzione 1: 400 barre su 60.00 cm danno un passo nullo"},
        CasoDanneggiato{.nome = "DiametroNullo",
                        .vecchio = "10            10",
                        .nuovo = "10            0",
                        .motivo = "Zona 2, direzione 2: diametro non positivo (0)"},
        CasoDanneggiato{.nome = "PassoDiffusoNegativo",
                        .vecchio = "17.50",
                        .nuovo = "-17.50",
                        .motivo = "valore non positivo per il passo dell'armatura diffusa"},
        CasoDanneggiato{.nome = "PassoDiffuso0e004",
                        .vecchio = "17.50",
                        .nuovo = "0.004",
                        .motivo = "Riga 3: passo dell'armatura diffusa di 0.004 troppo piccolo"},
        CasoDanneggiato{.nome = "NumeroDiZoneNegativo",
                        .vecchio = "\r\n4\r\n",
                        .nuovo = "\r\n-4\r\n",
                        .motivo = "numero delle zone: -4 non è ammesso"},
        // The zone clipping overflowed on a centre this far and ended the program.
        CasoDanneggiato{.nome = "CentroA1e20",
                        .vecchio = "900.0         150.0",
                        .nuovo = "1e20          150.0",
                        .motivo = "Riga 23: centro della zona, x: 1e+20 non è ammesso "
                                  "(da -100000 a 100000 cm)."},
        CasoDanneggiato{.nome = "CentroAMeno100000e5",
                        .vecchio = "900.0         150.0",
                        .nuovo = "900.0         -100000.5",
                        .motivo = "Riga 23: centro della zona, y: -100000.5 non è ammesso"},
        CasoDanneggiato{.nome = "LarghezzaDi7e7e16",
                        .vecchio = "60.0          60.0",
                        .nuovo = "7.7e16        60.0",
                        .motivo = "Riga 13: larghezza della zona: 7.7e+16 non è ammesso (da 0 a "
                                  "100000 cm)."},
        CasoDanneggiato{.nome = "AltezzaOltreIlMassimo",
                        .vecchio = "60.0          60.0",
                        .nuovo = "60.0          100000.01",
                        .motivo = "Riga 13: altezza della zona: 100000.01 non è ammesso"},
        CasoDanneggiato{.nome = "PassoDiffusoOltreIlMassimo",
                        .vecchio = "17.50",
                        .nuovo = "100000.5",
                        .motivo = "Riga 3: passo dell'armatura diffusa: 100000.5 non è ammesso"}),
    [](const testing::TestParamInfo<CasoDanneggiato>& info) { return info.param.nome; });

// A zone as wide as the range allows, from the wall's origin to the edge of
// the range: whatever it leaves on the wall is saved and read back as it is.
TEST(ArmatureVecchie, ZonaLargaQuantoLIntervalloSullaPareteERiletta) {
    PareteVecchia t("");
    Parete& p = t.sessione.parete;
    const std::string testo =
        "90.0 25.0 14\r\n0.0 20.0 12\r\n25.0 14 20.0 12\r\n1\r\n"
        "0\r\n100000 90.0\r\n12 12\r\n5 1\r\n50000 150.0\r\n0 0\r\n0\r\n";
    const Esito esito = LeggiArmatureVecchieDaTesto(p, t.sessione.imp, testo, "P5.ARS");
    ASSERT_TRUE(esito.Riuscito()) << esito.Motivo;
    ASSERT_EQ(p.UltPosizione, 0);
    for (int i = 0; i <= p.UltPosizione; ++i) {
        for (int j = 0; j <= p.Posizioni[i].UltVerticeZona; ++j) {
            EXPECT_GE(p.PoligoniPos[i][j].X, -1.0f);
            EXPECT_LE(p.PoligoniPos[i][j].X, 501.0f);
        }
    }
    Parete riletta = p;
    const std::string scritto = TestoArmature(p);
    ASSERT_TRUE(LeggiArmatureDaTesto(riletta, scritto, "P5.ARS", VersioneArmature).Riuscito());
    EXPECT_EQ(TestoArmature(riletta), scritto);
}

// Each record below gives two positions: the 101st record would store the
// 202nd, beyond the positions that have a zone polygon.
TEST(ArmatureVecchie, TroppePosizioniSonoUnErroreDelFile) {
    PareteVecchia t("");
    Parete& p = t.sessione.parete;
    const Parete prima = p;
    std::string testo = "90.0 25.0 14\r\n0.0 20.0 12\r\n25.0 14 20.0 12\r\n101\r\n";
    for (int i = 0; i < 101; ++i) testo += "0\r\n40.0 40.0\r\n12 12\r\n3 3\r\n250.0 150.0\r\n0 0\r\n0\r\n";
    const Esito esito = LeggiArmatureVecchieDaTesto(p, t.sessione.imp, testo, "P5.ARS");
    EXPECT_FALSE(esito.Riuscito());
    EXPECT_NE(esito.Motivo.find("Zona 101: le posizioni sarebbero più di 201"), std::string::npos)
        << esito.Motivo;
    EXPECT_TRUE(p == prima);

    // One record fewer fits.
    testo = Sostituisci(testo, "\r\n101\r\n", "\r\n100\r\n");
    ASSERT_TRUE(LeggiArmatureVecchieDaTesto(p, t.sessione.imp, testo, "P5.ARS").Riuscito());
    EXPECT_EQ(p.UltPosizione, 199);
}

}  // namespace
