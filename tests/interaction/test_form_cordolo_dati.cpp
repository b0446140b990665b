#include "interaction/FormCordoloDati.h"

#include "interaction/TestoFormZona.h"
#include "model/Angoli.h"
#include "model/CampoNumerico.h"
#include "model/FileArmature.h"
#include "model/Sessione.h"
#include "FinestraRegistrata.h"
#include "Fixture.h"
#include "SessioneDialoghi.h"
#include "ZoneDiProva.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

namespace {

void AttesoPunto(const Punto& p, float x, float y, const char* dove) {
    EXPECT_NEAR(p.X, x, 1e-3) << dove;
    EXPECT_NEAR(p.Y, y, 1e-3) << dove;
}

// A 300 x 200 wall, its outer perimeter clockwise, and a ring beam on the
// bottom side (vertex 3 to vertex 0): stirrups 8/10, 2 legs, width 30, cover 3.
class FormCordoloDati : public ::testing::Test {
protected:
    void SetUp() override {
        s = SessioneDialoghi(cartella.Percorso().string());
        Parete& p = s.parete;
        p.PerimetroEsterno = {{0, 0}, {0, 200}, {300, 200}, {300, 0}, {0, 0}};
        p.NumPuntiEst = 4;
        p.AngoloArm1 = 0.0f;
        p.AngoloArm2 = static_cast<float>(std::numbers::pi / 2);
        s.stato.PosCorrente = CordoloDiProva(3);
        p.UltPosizione = 0;
        p.Posizioni.assign(1, s.stato.PosCorrente);
        s.stato.IndiceCorrente = 0;
        s.stato.ErroreOperazione = 0;
    }
    CartellaTemporanea cartella;
    Sessione s;
    FinestraRegistrata finestra;
};

TEST_F(FormCordoloDati, TheBandAndThePolygonLieAtTheOffsetsOfTheSide) {
    ApriFormCordolo(s.stato, s.parete);
    const PosizioneArm& c = s.stato.PosCorrente;
    AttesoPunto(c.Vertici[0], 305, -5, "band corner 0");
    AttesoPunto(c.Vertici[1], 305, 38, "band corner 1");
    AttesoPunto(c.Vertici[2], -5, 38, "band corner 2");
    AttesoPunto(c.Vertici[3], -5, -5, "band corner 3");
    EXPECT_FLOAT_EQ(c.XMin, -5);
    EXPECT_FLOAT_EQ(c.YMax, 38);
    ASSERT_EQ(s.stato.PoligonoCorrente.size(), 5u);
    EXPECT_EQ(s.stato.UltPuntoCorrente, 4);
    AttesoPunto(s.stato.PoligonoCorrente[0], 297, 3, "polygon 0");
    AttesoPunto(s.stato.PoligonoCorrente[1], 297, 38, "polygon 1");
    AttesoPunto(s.stato.PoligonoCorrente[2], 3, 38, "polygon 2");
    AttesoPunto(s.stato.PoligonoCorrente[3], 3, 3, "polygon 3");
    AttesoPunto(s.stato.PoligonoCorrente[4], 297, 3, "polygon 4");
    EXPECT_NEAR(c.Angolo, std::numbers::pi, 1e-5);
    EXPECT_FLOAT_EQ(s.stato.AreaRichiestaMax, 0.0f);
}

TEST_F(FormCordoloDati, TheReportGivesTheStirrupAreaAndTheDirectionOfTheSide) {
    ApriFormCordolo(s.stato, s.parete);
    const std::string rtf = TestoFormCordolo(s.parete, s.stato);
    EXPECT_NE(rtf.find(" St.Ø 8/ 10   ( 2 bracci )\\par "), std::string::npos);
    EXPECT_NE(rtf.find(" Area staffe = 33.51 cmq/mq\\par "), std::string::npos);
    EXPECT_NE(rtf.find(" In eccesso: 33.51 cmq/mq\\par\\par "), std::string::npos);
    EXPECT_NE(rtf.find(" 2 + 2 Ø12\\par "), std::string::npos);
    // Bars every 30 + 2 x 3 / 2 = 33 cm: 1.131 x 100 / 33.
    EXPECT_NE(rtf.find(" Area = 3.43 cmq/m (lato + e lato - dir. 1)"), std::string::npos);
    EXPECT_EQ(rtf.find("dir. 2"), std::string::npos);
}

TEST_F(FormCordoloDati, AWidthEditChangesTheReportNotTheBand) {
    ApriFormCordolo(s.stato, s.parete);
    const auto banda = s.stato.PosCorrente.Vertici;
    const std::string prima = TestoFormCordolo(s.parete, s.stato);
    std::string testo = "40";
    EXPECT_TRUE(ValidaVoceCordolo(s.stato.PosCorrente, VoceCordolo::Larghezza, testo, " 30"));
    EXPECT_NE(TestoFormCordolo(s.parete, s.stato), prima);
    EXPECT_EQ(s.stato.PosCorrente.Vertici, banda);
}

TEST_F(FormCordoloDati, LimitsOfTheGrid) {
    struct Caso {
        const char* nome;
        int id;
        const char* testo;
        bool accettato;
    };
    const Caso casi[] = {
        {.nome = "stirrup 5.9", .id = VoceCordolo::Diametro, .testo = "5.9", .accettato = false},
        {.nome = "stirrup 6", .id = VoceCordolo::Diametro, .testo = "6", .accettato = true},
        {.nome = "spacing 3.9", .id = VoceCordolo::Passo, .testo = "3.9", .accettato = false},
        {.nome = "spacing 4", .id = VoceCordolo::Passo, .testo = "4", .accettato = true},
        {.nome = "spacing 50", .id = VoceCordolo::Passo, .testo = "50", .accettato = true},
        {.nome = "spacing 50.1", .id = VoceCordolo::Passo, .testo = "50.1", .accettato = false},
        {.nome = "cover 1.9", .id = VoceCordolo::Copriferro, .testo = "1.9", .accettato = false},
        {.nome = "cover 2", .id = VoceCordolo::Copriferro, .testo = "2", .accettato = true},
        {.nome = "bars 1.9", .id = VoceCordolo::DiamCorrenti, .testo = "1.9", .accettato = false},
        {.nome = "width 9.9", .id = VoceCordolo::Larghezza, .testo = "9,9", .accettato = false},
        {.nome = "width 10", .id = VoceCordolo::Larghezza, .testo = "10", .accettato = true},
        // The cover comes back from the band to the hundredth only while the
        // band stays within a few thousand cm of its side.
        {.nome = "cover 100", .id = VoceCordolo::Copriferro, .testo = "100", .accettato = true},
        {.nome = "cover 100.01", .id = VoceCordolo::Copriferro, .testo = "100.01", .accettato = false},
        {.nome = "cover 1e39", .id = VoceCordolo::Copriferro, .testo = "1e39", .accettato = false},
        {.nome = "width 1000", .id = VoceCordolo::Larghezza, .testo = "1000", .accettato = true},
        {.nome = "width 1000.05", .id = VoceCordolo::Larghezza, .testo = "1000.05", .accettato = false},
        {.nome = "width 1e30", .id = VoceCordolo::Larghezza, .testo = "1e30", .accettato = false},
        {.nome = "legs go through the list", .id = VoceCordolo::NumBracci, .testo = "4", .accettato = false},
    };
    for (const Caso& c : casi) {
        PosizioneArm p = s.stato.PosCorrente;
        std::string testo = c.testo;
        EXPECT_EQ(ValidaVoceCordolo(p, c.id, testo, "ATTUALE"), c.accettato) << c.nome;
        EXPECT_EQ(testo == "ATTUALE", !c.accettato) << c.nome;
    }
    for (const auto& [testo, atteso] : {std::pair{"7.5", 8}, std::pair{"6.5", 6}}) {
        std::string t = testo;
        ASSERT_TRUE(ValidaVoceCordolo(s.stato.PosCorrente, VoceCordolo::Diametro, t, ""));
        EXPECT_EQ(s.stato.PosCorrente.Diametro, atteso) << testo;
    }
}

TEST_F(FormCordoloDati, StoredLegsBelowTwoShowTwoAndThreeStays) {
    for (const auto& [stored, shown] : {std::pair{0, 2}, std::pair{1, 2}, std::pair{3, 3}}) {
        s.stato.PosCorrente.NumBracci = stored;
        ApriFormCordolo(s.stato, s.parete);
        EXPECT_EQ(s.stato.PosCorrente.NumBracci, shown);
        EXPECT_EQ(VociFormCordolo(s.stato.PosCorrente)[2].Valore, std::to_string(shown));
    }
}

TEST_F(FormCordoloDati, OkStoresTheRingBeamAsOneUndoStepAndTurnsTheCallersStoreOff) {
    ApriFormCordolo(s.stato, s.parete);
    s.stato.PosCorrente.Larghezza = 40.0f;
    const int passi = PassiAnnulla(s);
    EXPECT_TRUE(OkFormCordolo(s, finestra));
    EXPECT_EQ(PassiAnnulla(s), passi + 1);
    EXPECT_FLOAT_EQ(s.parete.Posizioni[0].Larghezza, 40.0f);
    // The band is rebuilt with the edited width.
    AttesoPunto(s.parete.Posizioni[0].Vertici[1], 305, 48, "band corner 1");
    AttesoPunto(s.parete.PoligoniPos[0][2], 3, 48, "polygon 2");
    EXPECT_EQ(s.parete.UltPosizione, 0);
    EXPECT_EQ(s.stato.PosAccettata, 0);
    EXPECT_EQ(s.stato.ErroreOperazione, -1);
}

TEST_F(FormCordoloDati, ASideThatIsGoneStoresNothing) {
    struct Caso {
        const char* nome;
        int lato, poligono;
    };
    const Caso casi[] = {
        {.nome = "past the outer perimeter", .lato = 4, .poligono = -1},
        {.nome = "negative side", .lato = -1, .poligono = -1},
        {.nome = "opening missing", .lato = 0, .poligono = 0},
    };
    for (const Caso& c : casi) {
        s.stato.PosCorrente.LatoPerimetro = c.lato;
        s.stato.PosCorrente.PoligonoLato = c.poligono;
        ApriFormCordolo(s.stato, s.parete);
        const Parete prima = s.parete;
        const int passi = PassiAnnulla(s);
        finestra.Eventi.clear();
        EXPECT_FALSE(OkFormCordolo(s, finestra)) << c.nome;
        EXPECT_EQ(PassiAnnulla(s), passi) << c.nome;
        EXPECT_TRUE(s.parete == prima) << c.nome;
        ASSERT_EQ(finestra.Eventi.size(), 1u) << c.nome;
        EXPECT_NE(finestra.Eventi[0].find("Il lato del cordolo non esiste più.\nOperazione annullata."),
                  std::string::npos)
            << c.nome;
    }
}

// A ring beam along a side 1 cm inside the coordinate range: its band
// reaches 5 cm past the side, which the file could not keep.
TEST_F(FormCordoloDati, ABandPastTheRangeIsRefusedWithAMessage) {
    Parete& p = s.parete;
    p.PerimetroEsterno = {{99000, 0}, {99000, 200}, {99999, 200}, {99999, 0}, {99000, 0}};
    p.Posizioni.clear();
    p.UltPosizione = -1;
    s.stato.IndiceCorrente = 0;
    s.stato.PosCorrente.LatoPerimetro = 2;  // (99999, 200) to (99999, 0)
    ApriFormCordolo(s.stato, p);
    const Parete prima = p;
    const int passi = PassiAnnulla(s);
    EXPECT_FALSE(OkFormCordolo(s, finestra));
    EXPECT_EQ(PassiAnnulla(s), passi);
    EXPECT_TRUE(s.parete == prima);
    EXPECT_EQ(finestra.Messaggi(), std::vector<std::string>{MessaggioFuoriCampo()});
}

TEST_F(FormCordoloDati, ASideOfAnOpeningGivesItsBandInsideTheWall) {
    s.parete.NumAperture = 1;
    s.parete.PuntiApertura = {4};
    s.parete.InizioApertura = {0};
    // Hole 100..200 x 50..150, against the outer perimeter's turn.
    s.parete.XAperture = {100, 200, 200, 100};
    s.parete.YAperture = {50, 50, 150, 150};
    s.stato.PosCorrente.PoligonoLato = 0;
    s.stato.PosCorrente.LatoPerimetro = 0;  // (100, 50) to (200, 50)
    ApriFormCordolo(s.stato, s.parete);
    const auto& v = s.stato.PosCorrente.Vertici;
    // Near line 5 cm left of the side (into the hole, y 55), far line 33 cm right (y 17).
    EXPECT_NEAR(v[0].Y, 55, 1e-3);
    EXPECT_NEAR(v[1].Y, 17, 1e-3);
    EXPECT_NEAR(s.stato.PoligonoCorrente[0].Y, 47, 1e-3);
}

}  // namespace

namespace {

// A typed stirrup or bar diameter against the 16-bit field of the reinforcement file.
struct CasoDiametroCordolo {
    const char* nome;
    int id;
    const char* testo;
    int atteso;  // 0: refused, the text put back and the diameter kept
};

void PrintTo(const CasoDiametroCordolo& c, std::ostream* os) { *os << c.nome; }

class DiametroCordolo : public FormCordoloDati, public testing::WithParamInterface<CasoDiametroCordolo> {};

int& DiametroDellaVoce(PosizioneArm& p, int id) {
    return id == VoceCordolo::Diametro ? p.Diametro : p.DiamCorrenti;
}

// What the dialog accepts, "Ok" stores and the reinforcement file reads back
// keeps; what the file could not hold is refused like any other value.
TEST_P(DiametroCordolo, DentroIlCampoDelFileORifiutato) {
    const CasoDiametroCordolo& c = GetParam();
    ApriFormCordolo(s.stato, s.parete);
    PosizioneArm& pos = s.stato.PosCorrente;
    const int prima = DiametroDellaVoce(pos, c.id);
    std::string testo = c.testo;
    const bool accettato = ValidaVoceCordolo(pos, c.id, testo, "ATTUALE");
    if (c.atteso == 0) {
        EXPECT_FALSE(accettato);
        EXPECT_EQ(testo, "ATTUALE");
        EXPECT_EQ(DiametroDellaVoce(pos, c.id), prima);
        return;
    }
    ASSERT_TRUE(accettato);
    ASSERT_TRUE(OkFormCordolo(s, finestra));
    Parete riletta = s.parete;
    ASSERT_TRUE(LeggiArmatureDaTesto(riletta, TestoArmature(s.parete), "P.ARS", VersioneArmature).Riuscito());
    EXPECT_EQ(DiametroDellaVoce(riletta.Posizioni[0], c.id), c.atteso);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, DiametroCordolo,
    testing::Values(
        CasoDiametroCordolo{.nome = "Staffe32767", .id = VoceCordolo::Diametro, .testo = "32767", .atteso = 32767},
        CasoDiametroCordolo{.nome = "Staffe32768", .id = VoceCordolo::Diametro, .testo = "32768", .atteso = 0},
        CasoDiametroCordolo{.nome = "Staffe40000", .id = VoceCordolo::Diametro, .testo = "40000", .atteso = 0},
        CasoDiametroCordolo{.nome = "StaffeOltre2alla31", .id = VoceCordolo::Diametro, .testo = "3e9", .atteso = 0},
        CasoDiametroCordolo{.nome = "Correnti2", .id = VoceCordolo::DiamCorrenti, .testo = "2", .atteso = 2},
        CasoDiametroCordolo{.nome = "Correnti32767", .id = VoceCordolo::DiamCorrenti, .testo = "32767", .atteso = 32767},
        CasoDiametroCordolo{.nome = "Correnti32768", .id = VoceCordolo::DiamCorrenti, .testo = "32768", .atteso = 0},
        CasoDiametroCordolo{.nome = "Correnti40000", .id = VoceCordolo::DiamCorrenti, .testo = "40000", .atteso = 0},
        CasoDiametroCordolo{.nome = "CorrentiOltre2alla31", .id = VoceCordolo::DiamCorrenti, .testo = "3e9", .atteso = 0}),
    [](const testing::TestParamInfo<CasoDiametroCordolo>& info) { return info.param.nome; });

}  // namespace
