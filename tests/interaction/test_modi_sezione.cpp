#include "interaction/AssegnaSez.h"
#include "interaction/ModiSezione.h"
#include "model/Sezioni.h"
#include "BancoModi.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

Parete ConAssi(Parete p) {
    const Parete assi = PareteAssi();
    p.CosDir1 = assi.CosDir1;
    p.SinDir1 = assi.SinDir1;
    p.CosDir2 = assi.CosDir2;
    p.SinDir2 = assi.SinDir2;
    return p;
}

void Vicino(const Punto& p, float x, float y) {
    EXPECT_NEAR(p.X, x, 2e-3f);
    EXPECT_NEAR(p.Y, y, 2e-3f);
}

// Press in mode modo at model (xp, yp), release at model (xr, yr).
DopoEvento Piazza(BancoModi& b, int modo, float xp, float yp, float xr, float yr) {
    b.sessione.stato.Modo = modo;
    PremiSezione(b.contesto, 1, b.PxX(xp), b.PxY(yp));
    MuoviSezione(b.contesto, 1, b.PxX(xr), b.PxY(yr));
    return RilasciaSezione(b.contesto, 1, b.PxX(xr), b.PxY(yr));
}

std::vector<float> AscisseP1(const Parete& p) {
    std::vector<float> x;
    for (int i = 0; i <= p.UltSezione; ++i) x.push_back(p.Sezioni[i].P1.X);
    return x;
}

}  // namespace

TEST(AssegnaSez, AReleaseBesideTheWallButLevelWithItCutsTheWholeWall) {
    BancoModi b(ConAssi(PareteRettangolare(300, 200)));
    EXPECT_EQ(Piazza(b, ModoInput::NuovaSezioneOrizzontale, 100, 100, -50, 100),
              DopoEvento::Nulla);
    const Parete& p = b.sessione.parete;
    ASSERT_EQ(p.UltSezione, 0);
    const LineaSezione& s = p.Sezioni[0];
    EXPECT_EQ(s.Orizzontale, 1);
    Vicino(s.P0, -25, 100);
    Vicino(s.P1, 325, 100);
    Vicino(s.P2, -35, 70);
    Vicino(s.P3, -25, 50);
    Vicino(s.P4, 325, 50);
    Vicino(s.P5, 335, 70);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

TEST(AssegnaSez, AVerticalSectionHasItsMarksToTheRight) {
    BancoModi b(ConAssi(PareteRettangolare(300, 200)));
    Piazza(b, ModoInput::NuovaSezioneVerticale, 150, 100, 150, 400);
    const LineaSezione& s = b.sessione.parete.Sezioni[0];
    EXPECT_EQ(s.Orizzontale, 0);
    Vicino(s.P0, 150, -25);
    Vicino(s.P1, 150, 225);
    Vicino(s.P2, 180, -35);
    Vicino(s.P5, 180, 235);
}

// Each end sits 25 cm past its crossing at that crossing's height, so the
// stored ends are not on the cut line: the geometry passes must re-cut along
// the direction, or the section would tilt further on every pass.
TEST(AssegnaSez, OnSkewedDirectionsEachEndKeepsTheHeightOfItsOwnCrossingThroughGeometryPasses) {
    // Direction 2 at 30 degrees through the centre of 300 x 200: it leaves
    // x = 0 at y = 100 - 150 tan 30 and x = 300 at y = 100 + 150 tan 30.
    Parete p = ConAssi(PareteRettangolare(300, 200));
    p.CosDir2 = std::cos(M_PI / 6);
    p.SinDir2 = std::sin(M_PI / 6);
    BancoModi b(std::move(p));
    b.sessione.stato.OrientSezione = 1;
    b.sessione.stato.IndiceSezione = 0;
    AssegnaSez(b.sessione, b.vista, b.finestra, b.PxX(150), b.PxY(100));
    b.sessione.parete.UltSezione = 0;
    const float d = 150.0f * static_cast<float>(std::tan(M_PI / 6));
    for (int passata = 0; passata < 3; ++passata) {
        const LineaSezione& s = b.sessione.parete.Sezioni[0];
        Vicino(s.P0, -25, 100 - d);
        Vicino(s.P1, 325, 100 + d);
        Vicino(s.P2, -35, 70 - d);
        Vicino(s.P5, 335, 70 + d);
        AggiornaSezioni(b.sessione.parete, b.sessione.stato);
        ASSERT_EQ(b.sessione.parete.UltSezione, 0);
    }
}

TEST(AssegnaSez, AReEntrantOutlineCrossedFourTimesKeepsTheOuterCrossings) {
    BancoModi b(ConAssi(PareteDaContorno(
        {{0, 0}, {0, 200}, {100, 200}, {100, 100}, {200, 100}, {200, 200}, {300, 200}, {300, 0}})));
    Piazza(b, ModoInput::NuovaSezioneOrizzontale, 50, 150, 50, 150);
    const LineaSezione& s = b.sessione.parete.Sezioni[0];
    Vicino(s.P0, -25, 150);
    Vicino(s.P1, 325, 150);
}

TEST(AssegnaSez, MoreThanFortyOneCrossingsAreAllCounted) {
    // A comb of 25 teeth: the line at y = 75 crosses 52 sides.
    std::vector<Punto> anello{{0, 0}, {0, 100}};
    for (int i = 0; i < 25; ++i) {
        const float x = 20.0f * static_cast<float>(i);
        anello.insert(anello.end(), {{x + 5, 100}, {x + 5, 50}, {x + 10, 50}, {x + 10, 100}});
    }
    anello.insert(anello.end(), {{500, 100}, {500, 0}});
    BancoModi b(ConAssi(PareteDaContorno(anello)));
    Piazza(b, ModoInput::NuovaSezioneOrizzontale, 1, 75, 1, 75);
    ASSERT_EQ(b.sessione.parete.UltSezione, 0);
    Vicino(b.sessione.parete.Sezioni[0].P0, -25, 75);
    Vicino(b.sessione.parete.Sezioni[0].P1, 525, 75);
}

// Read with angles 90 / 0, both directions are vertical: a horizontal
// section cut along direction 2 was a 50 cm stub at the wall's bottom edge.
TEST(AssegnaSez, WithParallelDirectionsAHorizontalSectionRunsAlongItsGuide) {
    Parete p = PareteRettangolare(300, 200);
    ImpostaAngoli(p, 90, 0);
    BancoModi b(std::move(p));
    Piazza(b, ModoInput::NuovaSezioneOrizzontale, 100, 100, 100, 120);
    ASSERT_EQ(b.sessione.parete.UltSezione, 0);
    const LineaSezione& s = b.sessione.parete.Sezioni[0];
    Vicino(s.P0, -25, 120);
    Vicino(s.P1, 325, 120);
    Vicino(s.P3, -25, 70);
}

TEST(ModiSezione, AReleaseLevelWithTheTopEdgeIsRefusedAndKeepsTheSnapshot) {
    BancoModi b(ConAssi(PareteRettangolare(300, 200)));
    const ProgettoParete prima = b.sessione.parete.Progetto();
    EXPECT_EQ(Piazza(b, ModoInput::NuovaSezioneOrizzontale, 100, 100, 100, 200),
              DopoEvento::Ridisegna);
    EXPECT_EQ(b.finestra.Messaggi(),
              std::vector<std::string>{"la sezione non interseca la parete.\nOperazione annullata."});
    EXPECT_EQ(b.sessione.parete.Progetto(), prima);
    EXPECT_EQ(b.sessione.parete.Sezioni.size(), 1u);
    EXPECT_EQ(b.sessione.stato.ErroreOperazione, -1);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);
    EXPECT_EQ(b.PassiAnnulla(), 1);
}

TEST(ModiSezione, APressDrawsTheGuideOnTheTransientLayerOnly) {
    BancoModi b(ConAssi(PareteRettangolare(300, 200)));
    b.sessione.stato.Modo = ModoInput::NuovaSezioneVerticale;
    PremiSezione(b.contesto, 1, 120, 300);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::NuovaSezioneInCorso);
    EXPECT_EQ(b.sessione.stato.OrientSezione, 0);
    ASSERT_EQ(b.tela.Tratti.size(), 1u);
    const TrattoTela& guida = b.tela.Tratti[0];
    EXPECT_EQ(guida.Strato, StratoTela::Transitorio);
    EXPECT_EQ(guida.Stile, StileTratto::Punteggiato);
    EXPECT_EQ(guida.Valori, (std::vector<float>{120, -5000, 120, 5000}));
    EXPECT_EQ(b.tela.StileCorrente(), StileTratto::Continuo);
}

TEST(ModiSezione, ANewSectionIsSortedBetweenTwoOfItsKind) {
    BancoModi b(ConAssi(PareteRettangolare(300, 200)));
    Piazza(b, ModoInput::NuovaSezioneVerticale, 50, 100, 50, 100);
    Piazza(b, ModoInput::NuovaSezioneVerticale, 250, 100, 250, 100);
    Piazza(b, ModoInput::NuovaSezioneVerticale, 150, 100, 150, 100);
    EXPECT_EQ(AscisseP1(b.sessione.parete), (std::vector<float>{50, 150, 250}));
}

TEST(ModiSezione, DeletingAnsweredNoAsksWithTheNumberAndChangesNothing) {
    BancoModi b(ConAssi(PareteRettangolare(300, 200)));
    Piazza(b, ModoInput::NuovaSezioneVerticale, 50, 100, 50, 100);
    Piazza(b, ModoInput::NuovaSezioneVerticale, 250, 100, 250, 100);
    const ProgettoParete prima = b.sessione.parete.Progetto();
    const int passi = b.PassiAnnulla();
    b.servizi.TrovaSezione = [](const Sessione&, const Vista&, float, float) { return 1; };
    b.finestra.RisposteDomande = {false};
    b.sessione.stato.Modo = ModoInput::CancellaSezione;
    EXPECT_EQ(PremiSezione(b.contesto, 1, 0, 0), DopoEvento::Ridisegna);
    ASSERT_EQ(b.finestra.Eventi.size() > 0, true);
    EXPECT_NE(b.finestra.Eventi.back().find("Vuoi cancellare la sez. n. 2 ?"), std::string::npos);
    EXPECT_EQ(b.sessione.parete.Progetto(), prima);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);

    b.finestra.RisposteDomande = {true};
    b.sessione.stato.Modo = ModoInput::CancellaSezione;
    PremiSezione(b.contesto, 1, 0, 0);
    EXPECT_EQ(AscisseP1(b.sessione.parete), (std::vector<float>{50}));
    EXPECT_EQ(b.PassiAnnulla(), passi);
}

TEST(ModiSezione, APressOnNothingInDeleteOrMoveKeepsTheMode) {
    for (int modo : {ModoInput::CancellaSezione, ModoInput::SpostaSezione}) {
        BancoModi b(ConAssi(PareteRettangolare(300, 200)));
        b.sessione.stato.Modo = modo;
        EXPECT_EQ(PremiSezione(b.contesto, 1, 10, 10), DopoEvento::Nulla);
        EXPECT_EQ(b.sessione.stato.Modo, modo);
        EXPECT_TRUE(b.finestra.Eventi.empty());
    }
}

TEST(ModiSezione, AMoveKeepsIndexAndOrientationAndARefusedOneTheOldRecord) {
    BancoModi b(ConAssi(PareteRettangolare(300, 200)));
    Piazza(b, ModoInput::NuovaSezioneVerticale, 50, 100, 50, 100);
    Piazza(b, ModoInput::NuovaSezioneVerticale, 150, 100, 150, 100);
    b.servizi.TrovaSezione = [](const Sessione&, const Vista&, float, float) { return 0; };
    const int passi = b.PassiAnnulla();
    Piazza(b, ModoInput::SpostaSezione, 50, 100, 280, 100);
    EXPECT_EQ(AscisseP1(b.sessione.parete), (std::vector<float>{280, 150}));
    EXPECT_EQ(b.sessione.parete.Sezioni[0].Orizzontale, 0);
    EXPECT_EQ(b.PassiAnnulla(), passi + 1);

    const LineaSezione prima = b.sessione.parete.Sezioni[0];
    Piazza(b, ModoInput::SpostaSezione, 280, 100, 400, 100);
    EXPECT_EQ(b.sessione.parete.Sezioni[0], prima);
    EXPECT_EQ(b.finestra.Messaggi().size(), 1u);
}

TEST(ModiSezione, AHeldIndexNamingNoSectionEndsTheMoveWritingNothing) {
    BancoModi b(ConAssi(PareteRettangolare(300, 200)));
    b.sessione.stato.Modo = ModoInput::SpostaSezioneInCorso;
    b.sessione.stato.IndiceSezione = 3;
    const ProgettoParete prima = b.sessione.parete.Progetto();
    EXPECT_EQ(RilasciaSezione(b.contesto, 1, 100, 500), DopoEvento::Ridisegna);
    EXPECT_EQ(b.sessione.parete.Progetto(), prima);
    EXPECT_EQ(b.sessione.stato.Modo, ModoInput::Inattivo);
}
