#include "model/Parete.h"
#include "model/Sezioni.h"
#include "model/StatoInterfaccia.h"
#include "PareteDiProva.h"
#include "StampaSezione.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

LineaSezione Taglio(float x0, float y0, float x1, float y1, int orizzontale) {
    LineaSezione s;
    s.P0 = {x0, y0};
    s.P1 = {x1, y1};
    s.Orizzontale = orizzontale;
    return s;
}

void Aggiungi(Parete& p, const LineaSezione& s) {
    ++p.UltSezione;
    if (static_cast<int>(p.Sezioni.size()) <= p.UltSezione) p.Sezioni.resize(p.UltSezione + 1);
    p.Sezioni[p.UltSezione] = s;
}

void AttesoPunto(const Punto& p, float x, float y) {
    EXPECT_NEAR(p.X, x, 1e-3f);
    EXPECT_NEAR(p.Y, y, 1e-3f);
}

// A record's P0.X serves as its name in the ordering tests.
std::vector<float> Nomi(const Parete& p) {
    std::vector<float> nomi;
    for (int i = 0; i <= p.UltSezione; ++i) nomi.push_back(p.Sezioni[i].P0.X);
    return nomi;
}

LineaSezione Marcata(float nome, float chiaveX, float chiaveY, int orizzontale) {
    return Taglio(nome, 0, chiaveX, chiaveY, orizzontale);
}

Parete ConAngoli(Parete p, float angolo1, float angolo2) {
    ImpostaAngoli(p, angolo1, angolo2);
    return p;
}

LineaSezione Record(Punto p0, Punto p1, Punto p2, Punto p3, Punto p4, Punto p5, int orizzontale) {
    return {p0, p1, p2, p3, p4, p5, orizzontale};
}

// The two sections of the rectangle 400 x 300 as the upkeep builds them.
const LineaSezione OrizzontaleY100 =
    Record({-25, 100}, {425, 100}, {-35, 70}, {-25, 50}, {425, 50}, {435, 70}, 1);
const LineaSezione VerticaleX150 =
    Record({150, -25}, {150, 325}, {180, -35}, {200, -25}, {200, 325}, {180, 335}, 0);

struct CasoSezioneSuAngoli {
    std::string Nome;
    float Angolo1 = 90.0f, Angolo2 = 90.0f;
    LineaSezione Sezione;  // as stored before the pass
    LineaSezione Atteso;
};

void PrintTo(const CasoSezioneSuAngoli& c, std::ostream* os) { *os << c.Nome; }

class SezioneSuAngoli : public testing::TestWithParam<CasoSezioneSuAngoli> {};

}  // namespace

// A section is re-cut along its own line whatever the reinforcement
// directions, and a pass over a record where it belongs changes no bit of it.
TEST_P(SezioneSuAngoli, KeepsItsLineThroughThreePasses) {
    const CasoSezioneSuAngoli& c = GetParam();
    StatoInterfaccia stato;
    Parete p = ConAngoli(PareteRettangolare(400, 300), c.Angolo1, c.Angolo2);
    Aggiungi(p, c.Sezione);
    for (int passata = 1; passata <= 3; ++passata) {
        AggiornaSezioni(p, stato);
        ASSERT_EQ(p.UltSezione, 0) << "pass " << passata;
        EXPECT_EQ(p.Sezioni[0], c.Atteso) << "pass " << passata;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, SezioneSuAngoli,
    testing::Values(
        CasoSezioneSuAngoli{.Nome = "Angles90And90Horizontal", .Angolo1 = 90, .Angolo2 = 90,
                            .Sezione = Taglio(-80, 100, 470, 100, 1), .Atteso = OrizzontaleY100},
        CasoSezioneSuAngoli{.Nome = "Angles90And90Vertical", .Angolo1 = 90, .Angolo2 = 90,
                            .Sezione = Taglio(150, 320, 150, -60, 0), .Atteso = VerticaleX150},
        // Reproduction: read with angles 90 / 0, the horizontal section at
        // y = 100 became a 50 cm stub at y = 0.
        CasoSezioneSuAngoli{.Nome = "Angles90And0HorizontalAtY100IsNoStubAtY0", .Angolo1 = 90,
                            .Angolo2 = 0, .Sezione = OrizzontaleY100, .Atteso = OrizzontaleY100},
        CasoSezioneSuAngoli{.Nome = "Angles90And0Vertical", .Angolo1 = 90, .Angolo2 = 0,
                            .Sezione = VerticaleX150, .Atteso = VerticaleX150},
        CasoSezioneSuAngoli{.Nome = "Angles75And165Horizontal", .Angolo1 = 75, .Angolo2 = 165,
                            .Sezione = Taglio(-80, 100, 470, 100, 1), .Atteso = OrizzontaleY100},
        CasoSezioneSuAngoli{.Nome = "Angles75And165Vertical", .Angolo1 = 75, .Angolo2 = 165,
                            .Sezione = VerticaleX150, .Atteso = VerticaleX150},
        CasoSezioneSuAngoli{.Nome = "Angles40AndMinus30Horizontal", .Angolo1 = 40,
                            .Angolo2 = -30, .Sezione = OrizzontaleY100, .Atteso = OrizzontaleY100},
        CasoSezioneSuAngoli{.Nome = "Angles40AndMinus30Vertical", .Angolo1 = 40, .Angolo2 = -30,
                            .Sezione = Taglio(150, 320, 150, -60, 0), .Atteso = VerticaleX150},
        // A section grown past by the outline, on skewed directions.
        CasoSezioneSuAngoli{.Nome = "Angles75And165GrownPast", .Angolo1 = 75, .Angolo2 = 165,
                            .Sezione = Taglio(100, 100, 300, 100, 1), .Atteso = OrizzontaleY100}),
    [](const auto& info) { return info.param.Nome; });

// Each end sits 25 cm past its crossing at that crossing's level: the re-cut
// runs through the crossings, so a skewed section keeps its slope.
TEST(AggiornaSezioni, ASkewedSectionKeepsItsSlopeAndTurnsWithNoDirection) {
    // Cut at 30 degrees through the middle of 400 x 300: it leaves x = 0 at
    // y = 150 - 200 tan 30 and x = 400 at y = 150 + 200 tan 30.
    StatoInterfaccia stato;
    Parete p = ConAngoli(PareteRettangolare(400, 300), 75, 165);
    const float d = 200.0f * static_cast<float>(std::tan(M_PI / 6));
    LineaSezione s = Taglio(200 - 1000 * std::cos(M_PI / 6), 150 - 1000 * std::sin(M_PI / 6),
                            200 + 1000 * std::cos(M_PI / 6), 150 + 1000 * std::sin(M_PI / 6), 1);
    ASSERT_TRUE(RitagliaSezione(p, s));
    AttesoPunto(s.P0, -25, 150 - d);
    AttesoPunto(s.P1, 425, 150 + d);
    Aggiungi(p, s);
    for (int passata = 1; passata <= 3; ++passata) {
        AggiornaSezioni(p, stato);
        ASSERT_EQ(p.UltSezione, 0);
        EXPECT_EQ(p.Sezioni[0], s) << "pass " << passata;
    }
    // The same cut after the wall grew 100 cm to the right reaches the new side.
    p = ConAngoli(PareteRettangolare(500, 400), 75, 165);
    Aggiungi(p, s);
    AggiornaSezioni(p, stato);
    ASSERT_EQ(p.UltSezione, 0);
    AttesoPunto(p.Sezioni[0].P0, -25, 150 - d);
    AttesoPunto(p.Sezioni[0].P1, 525, 150 + 1.5f * d);
}

// On skewed directions a section above the wall was turned onto the wall
// instead of being deleted.
TEST(AggiornaSezioni, ASectionAboveASkewedWallIsDeleted) {
    StatoInterfaccia stato;
    Parete p = ConAngoli(PareteRettangolare(400, 300), 75, 165);
    Aggiungi(p, Record({-25, 350}, {425, 350}, {-35, 320}, {-25, 300}, {425, 300}, {435, 320}, 1));
    AggiornaSezioni(p, stato);
    EXPECT_EQ(p.UltSezione, -1);
}

TEST(AggiornaSezioni, HorizontalLineIsRecutBeyondTheWall) {
    StatoInterfaccia stato;
    Parete p = PareteRettangolare(400, 300);
    Aggiungi(p, Taglio(-80, 100, 470, 100, 1));
    AggiornaSezioni(p, stato);
    ASSERT_EQ(p.UltSezione, 0);
    const LineaSezione& s = p.Sezioni[0];
    AttesoPunto(s.P0, -25, 100);
    AttesoPunto(s.P1, 425, 100);
    AttesoPunto(s.P2, -35, 70);
    AttesoPunto(s.P3, -25, 50);
    AttesoPunto(s.P4, 425, 50);
    AttesoPunto(s.P5, 435, 70);
    EXPECT_EQ(s.Orizzontale, 1);
    EXPECT_EQ(stato.OrientSezione, 1);
}

TEST(AggiornaSezioni, VerticalLineHasItsMarksOnTheRight) {
    StatoInterfaccia stato;
    Parete p = PareteRettangolare(400, 300);
    Aggiungi(p, Taglio(150, 320, 150, -60, 0));
    AggiornaSezioni(p, stato);
    ASSERT_EQ(p.UltSezione, 0);
    const LineaSezione& s = p.Sezioni[0];
    AttesoPunto(s.P0, 150, -25);
    AttesoPunto(s.P1, 150, 325);
    AttesoPunto(s.P2, 180, -35);
    AttesoPunto(s.P3, 200, -25);
    AttesoPunto(s.P4, 200, 325);
    AttesoPunto(s.P5, 180, 335);
    EXPECT_EQ(s.Orizzontale, 0);
    EXPECT_EQ(stato.OrientSezione, 0);
}

TEST(AggiornaSezioni, OuterCrossingsOfAConcaveWallSetTheEnds) {
    StatoInterfaccia stato;
    // U-shaped wall: a horizontal cut at y = 200 crosses four sides.
    Parete p = PareteDaContorno({{0, 0}, {0, 300}, {100, 300}, {100, 100},
                                 {300, 100}, {300, 300}, {400, 300}, {400, 0}});
    Aggiungi(p, Taglio(-10, 200, 410, 200, 1));
    AggiornaSezioni(p, stato);
    ASSERT_EQ(p.UltSezione, 0);
    AttesoPunto(p.Sezioni[0].P0, -25, 200);
    AttesoPunto(p.Sezioni[0].P1, 425, 200);
}

TEST(AggiornaSezioni, ManyCrossingsAreAllCollected) {
    StatoInterfaccia stato;
    // Comb of 30 teeth: a horizontal cut through the teeth crosses 60 sides.
    std::vector<Punto> vertici{{0, 0}};
    for (int t = 0; t < 30; ++t) {
        const float x = 20.0f * t;
        vertici.insert(vertici.end(), {{x, 100}, {x + 10, 100}, {x + 10, 50}, {x + 20, 50}});
    }
    vertici.back() = {600, 100};
    vertici.push_back({600, 0});
    Parete p = PareteDaContorno(vertici);
    Aggiungi(p, Taglio(-5, 75, 605, 75, 1));
    AggiornaSezioni(p, stato);
    ASSERT_EQ(p.UltSezione, 0);
    AttesoPunto(p.Sezioni[0].P0, -25, 75);
    AttesoPunto(p.Sezioni[0].P1, 625, 75);
}

TEST(AggiornaSezioni, LineThroughAVertexOnlyIsDeleted) {
    StatoInterfaccia stato;
    // Diamond whose top vertex is the only point the cut line meets.
    Parete p = PareteDaContorno({{200, 0}, {0, 150}, {200, 300}, {400, 150}});
    Aggiungi(p, Taglio(-50, 300, 450, 300, 1));
    AggiornaSezioni(p, stato);
    EXPECT_EQ(p.UltSezione, -1);
}

// The outline grew past the old ends: the section reaches the new sides
// instead of being lost.
TEST(AggiornaSezioni, ALineInsideAGrownOutlineReachesTheNewSides) {
    StatoInterfaccia stato;
    Parete p = PareteRettangolare(400, 300);
    Aggiungi(p, Taglio(100, 100, 300, 100, 1));
    AggiornaSezioni(p, stato);
    ASSERT_EQ(p.UltSezione, 0);
    AttesoPunto(p.Sezioni[0].P0, -25, 100);
    AttesoPunto(p.Sezioni[0].P1, 425, 100);
}

TEST(AggiornaSezioni, ALineTheOutlineShrankAwayFromIsDeleted) {
    StatoInterfaccia stato;
    Parete p = PareteRettangolare(400, 300);
    Aggiungi(p, Taglio(-25, 350, 425, 350, 1));
    AggiornaSezioni(p, stato);
    EXPECT_EQ(p.UltSezione, -1);
    EXPECT_GE(p.Sezioni.size(), 1u);
}

TEST(AggiornaSezioni, RecordMovedIntoADeletedPlaceIsStillRecut) {
    StatoInterfaccia stato;
    Parete p = PareteRettangolare(400, 300);
    Aggiungi(p, Taglio(50, -100, 50, 400, 0));
    Aggiungi(p, Taglio(100, 400, 300, 400, 1));  // above the wall
    Aggiungi(p, Taglio(-100, 200, 500, 200, 1));
    AggiornaSezioni(p, stato);
    ASSERT_EQ(p.UltSezione, 1);
    AttesoPunto(p.Sezioni[0].P0, 50, -25);
    AttesoPunto(p.Sezioni[1].P0, -25, 200);
    AttesoPunto(p.Sezioni[1].P1, 425, 200);
    EXPECT_EQ(p.Sezioni.size(), 3u);  // never shortened
}

TEST(AggiornaSezioni, NoSectionLineChangesNothing) {
    StatoInterfaccia stato;
    Parete p = PareteRettangolare(400, 300);
    AggiornaSezioni(p, stato);
    EXPECT_EQ(p.UltSezione, -1);
    EXPECT_EQ(p.Sezioni.size(), 1u);
}

TEST(OrdinaSezioni, VerticalLeftToRightThenHorizontalBottomToTop) {
    Parete p;
    Aggiungi(p, Marcata(1, 0, 250, 1));
    Aggiungi(p, Marcata(2, 300, 0, 0));
    Aggiungi(p, Marcata(3, 100, 0, 0));
    Aggiungi(p, Marcata(4, 0, 50, 1));
    Aggiungi(p, Marcata(5, 200, 0, 0));
    OrdinaSezioni(p);
    EXPECT_EQ(Nomi(p), (std::vector<float>{3, 5, 2, 4, 1}));
}

TEST(OrdinaSezioni, EqualKeysFollowTheExchangeSort) {
    // The exchange sort moves the first of two equal keys behind the second.
    Parete p;
    Aggiungi(p, Marcata(1, 5, 0, 0));
    Aggiungi(p, Marcata(2, 3, 0, 0));
    Aggiungi(p, Marcata(3, 5, 0, 0));
    Aggiungi(p, Marcata(4, 1, 0, 0));
    OrdinaSezioni(p);
    EXPECT_EQ(Nomi(p), (std::vector<float>{4, 2, 3, 1}));
}

TEST(OrdinaSezioni, UnexpectedOrientationFlagIsKeptAsHorizontal) {
    Parete p;
    Aggiungi(p, Marcata(1, 0, 80, 2));
    Aggiungi(p, Marcata(2, 40, 0, 0));
    Aggiungi(p, Marcata(3, 0, 20, 1));
    OrdinaSezioni(p);
    EXPECT_EQ(Nomi(p), (std::vector<float>{2, 3, 1}));
}

TEST(OrdinaSezioni, SingleLineIsLeftAlone) {
    Parete p;
    Aggiungi(p, Marcata(7, 10, 20, 1));
    OrdinaSezioni(p);
    EXPECT_EQ(Nomi(p), (std::vector<float>{7}));
}

TEST(EliminaSezione, LaterRecordsMoveDown) {
    Parete p;
    for (float nome : {1.0f, 2.0f, 3.0f}) Aggiungi(p, Marcata(nome, 0, 0, 0));
    EliminaSezione(p, 1);
    EXPECT_EQ(Nomi(p), (std::vector<float>{1, 3}));
    EXPECT_EQ(p.Sezioni.size(), 3u);
}

TEST(EliminaSezione, OnlyLineLeavesTheListEmpty) {
    Parete p;
    Aggiungi(p, Marcata(1, 0, 0, 0));
    EliminaSezione(p, 0);
    EXPECT_EQ(p.UltSezione, -1);
    EliminaSezione(p, 0);
    EXPECT_EQ(p.UltSezione, -1);
}

TEST(EliminaSezione, IndexOutsideTheListDeletesNothing) {
    Parete p;
    for (float nome : {1.0f, 2.0f}) Aggiungi(p, Marcata(nome, 0, 0, 0));
    for (int indice : {-1, 2, 5}) {
        EliminaSezione(p, indice);
        EXPECT_EQ(Nomi(p), (std::vector<float>{1, 2})) << indice;
    }
}
