#include "design/GeometriaZona.h"
#include "design/Parallelogramma.h"
#include "model/Impostazioni.h"
#include "model/Parete.h"
#include "model/StatoInterfaccia.h"

#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <string>

namespace {

void AttesiVertici(const std::array<Punto, 4>& v, const std::array<Punto, 4>& atteso) {
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(v[i].X, atteso[i].X, 1e-3) << "corner " << i;
        EXPECT_NEAR(v[i].Y, atteso[i].Y, 1e-3) << "corner " << i;
    }
}

}  // namespace

TEST(CompletaParallelogramma, RoundsBothSidesToWholeCentimetres) {
    const Parete p = PareteAssi();
    Punto c{100.4f, 50.6f}, b, d;
    CompletaParallelogramma(p, {0, 0}, c, b, d);
    EXPECT_NEAR(b.X, 0, 1e-4);
    EXPECT_NEAR(b.Y, 51, 1e-4);
    EXPECT_NEAR(d.X, 100, 1e-4);
    EXPECT_NEAR(d.Y, 0, 1e-4);
    EXPECT_NEAR(c.X, 100, 1e-4);
    EXPECT_NEAR(c.Y, 51, 1e-4);
}

TEST(ImpostaZonaDaPunti, SnapsPickedCornersHalfToEvenAndRunsClockwise) {
    struct Caso {
        std::string nome;
        float x1, y1, x2, y2;
        std::array<Punto, 4> atteso;
    };
    const Caso casi[] = {
        {.nome = "documented", .x1 = 10.5f, .y1 = 20.4f, .x2 = 211.5f, .y2 = 120.6f,
         .atteso = {{{10, 20}, {10, 121}, {212, 121}, {212, 20}}}},
        // Halves go to the even neighbour: 20.5 -> 20, 121.5 -> 122.
        {.nome = "halves", .x1 = 10.5f, .y1 = 20.5f, .x2 = 211.5f, .y2 = 121.5f,
         .atteso = {{{10, 20}, {10, 122}, {212, 122}, {212, 20}}}},
        // Top left to bottom right gives (10,121),(10,20),(212,20),(212,121),
        // counter-clockwise: reversed, sides 0-1 and 2-3 still vertical.
        {.nome = "counter-clockwise", .x1 = 10.0f, .y1 = 121.0f, .x2 = 212.0f, .y2 = 20.0f,
         .atteso = {{{212, 121}, {212, 20}, {10, 20}, {10, 121}}}},
    };
    const Parete p = PareteAssi();
    Impostazioni imp;
    ValoriDefault(imp);
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        StatoInterfaccia stato;
        stato.PosCorrente.Tipo = Cordolo;  // no trimming
        ImpostaZonaDaPunti(stato, p, imp, c.x1, c.y1, c.x2, c.y2);
        AttesiVertici(stato.PosCorrente.Vertici, c.atteso);
        EXPECT_FLOAT_EQ(stato.PosCorrente.XMin, 10.0f);
        EXPECT_FLOAT_EQ(stato.PosCorrente.XMax, 212.0f);
    }
}

// Lap of a 12 mm bar clamped to exactly 40 diameters: L = 48 cm.
TEST(ImpostaZonaDaPunti, TrimsAdditionalZonesToStepsOfFiveCentimetres) {
    const Parete p = PareteAssi();
    Impostazioni imp;
    ValoriDefault(imp);
    imp.SovrappMin = 40;
    imp.SovrappMax = 40;
    struct Caso {
        std::string nome;
        int direzioneAttiva;
        std::array<Punto, 4> atteso;
    };
    const Caso casi[] = {
        // Along direction 1: 101 + 96 = 197 -> 195, e = 1; across: 202 -> 200, e = 1.
        {.nome = "direction 1", .direzioneAttiva = 0,
         .atteso = {{{11, 21}, {11, 120}, {211, 120}, {211, 21}}}},
        // Along direction 2: 202 + 96 = 298 -> 295, e = 1.5; across: 101 -> 100, e = 0.5.
        {.nome = "direction 2", .direzioneAttiva = 1,
         .atteso = {{{11.5f, 20.5f}, {11.5f, 120.5f}, {210.5f, 120.5f}, {210.5f, 20.5f}}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        StatoInterfaccia stato;
        stato.PosCorrente.Tipo = IntegrativaPiu;
        stato.PosCorrente.Diametro = 12;
        stato.DirezioneAttiva = c.direzioneAttiva;
        ImpostaZonaDaPunti(stato, p, imp, 10, 20, 212, 121);
        AttesiVertici(stato.PosCorrente.Vertici, c.atteso);
        EXPECT_FLOAT_EQ(stato.PosCorrente.XMin, c.atteso[0].X);
        EXPECT_FLOAT_EQ(stato.PosCorrente.YMax, c.atteso[1].Y);
    }
}

TEST(RiquadroZona, BoxOfTheFourCorners) {
    PosizioneArm pos;
    pos.Vertici = {{{5, -3}, {-2, 8}, {7, 12}, {14, 1}}};
    RiquadroZona(pos);
    EXPECT_FLOAT_EQ(pos.XMin, -2);
    EXPECT_FLOAT_EQ(pos.YMin, -3);
    EXPECT_FLOAT_EQ(pos.XMax, 14);
    EXPECT_FLOAT_EQ(pos.YMax, 12);
}

// Square 0..100 clockwise: sides 0 (3->0, (100,0)->(0,0)), 1 (0->1), 2, 3.
TEST(EstendiZonaAncoraggio, WidensAcrossTheBarsOnly) {
    struct Caso {
        std::string nome;
        float gradiArm1, gradiArm2;
        int direzione;
        std::array<Punto, 4> zona;
        std::array<Punto, 4> atteso;
    };
    const float rf = static_cast<float>(10.0 / std::sqrt(2.0));  // 10 cm along a 45-degree normal
    const Caso casi[] = {
        // Vertical bars: the horizontal sides (0 and 2) move 10 cm out.
        {.nome = "vertical bars", .gradiArm1 = 90, .gradiArm2 = 90, .direzione = 0,
         .zona = {{{0, 0}, {0, 100}, {100, 100}, {100, 0}}},
         .atteso = {{{100, -10}, {0, -10}, {0, 110}, {100, 110}}}},
        // Horizontal bars of direction 2 (90 + 90 = 180 -> 0).
        {.nome = "horizontal bars", .gradiArm1 = 90, .gradiArm2 = 90, .direzione = 1,
         .zona = {{{0, 0}, {0, 100}, {100, 100}, {100, 0}}},
         .atteso = {{{110, 0}, {-10, 0}, {-10, 100}, {110, 100}}}},
        // Bars at 0 and sides 0 and 2 at 179.9 degrees (slope -0.001745): the
        // same direction across the wrap, so only the vertical sides move.
        // Corners on y = -0.001745 x and y = 100 - 0.001745 x at x = 110, -10.
        {.nome = "across the wrap", .gradiArm1 = 0, .gradiArm2 = 90, .direzione = 0,
         .zona = {{{0, 0}, {0, 100}, {100, 99.8255f}, {100, -0.1745f}}},
         .atteso = {{{110, -0.19195f}, {-10, 0.01745f}, {-10, 100.01745f}, {110, 99.80805f}}}},
        // Skewed: bars at 45 degrees, zone sides at 45 and 135 degrees; the
        // ends x + y = 0 and x + y = 100 move to x + y = -2r and 100 + 2r.
        {.nome = "skewed", .gradiArm1 = 45, .gradiArm2 = 90, .direzione = 0,
         .zona = {{{0, 0}, {50, 50}, {100, 0}, {50, -50}}},
         .atteso = {{{50 - rf, -50 - rf}, {-rf, -rf}, {50 + rf, 50 + rf}, {100 + rf, rf}}}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Parete p;
        p.GradiArm1 = c.gradiArm1;
        p.GradiArm2 = c.gradiArm2;
        // The bars lie at gradiArm1 and gradiArm1 + gradiArm2 on the wall.
        const double r1 = c.gradiArm1 * M_PI / 180.0;
        const double r2 = (c.gradiArm1 + c.gradiArm2) * M_PI / 180.0;
        p.CosDir1 = std::cos(r1);
        p.SinDir1 = std::sin(r1);
        p.CosDir2 = std::cos(r2);
        p.SinDir2 = std::sin(r2);
        std::array<Vertice, 4> zona{};
        for (int i = 0; i < 4; ++i) zona[i] = {c.zona[i].X, c.zona[i].Y, 0};
        EstendiZonaAncoraggio(zona, 10.0f, p, c.direzione);
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(zona[i].X, c.atteso[i].X, 2e-3) << "corner " << i;
            EXPECT_NEAR(zona[i].Y, c.atteso[i].Y, 2e-3) << "corner " << i;
        }
    }
}

namespace {

struct CasoBarreSullaParete {
    std::string Nome;
    int TipoStruttura = 0;
    float Angolo1 = 90.0f, Angolo2 = 90.0f;  // as the wall file gives them
    int Direzione = 0;
};

void PrintTo(const CasoBarreSullaParete& c, std::ostream* os) { *os << c.Nome; }

class BarreSullaParete : public testing::TestWithParam<CasoBarreSullaParete> {};

struct Vettore {
    double X = 0.0, Y = 0.0;
};

double Prodotto(Vettore a, Vettore b) { return a.X * b.X + a.Y * b.Y; }
double Vettoriale(Vettore a, Vettore b) { return a.X * b.Y - a.Y * b.X; }

}  // namespace

// On every wall the zone, laid along the wall's two directions, grows by L
// at both ends of its bars, and only there: each corner moves along the bars,
// outwards, so far that the side across the bars moves by L.
TEST_P(BarreSullaParete, TheZoneGrowsAlongItsBarsOnly) {
    const CasoBarreSullaParete& c = GetParam();
    Parete p;
    p.TipoStruttura = c.TipoStruttura;
    ImpostaAngoli(p, c.Angolo1, c.Angolo2);
    const Vettore d1{p.CosDir1, p.SinDir1};
    const Vettore d2{p.CosDir2, p.SinDir2};
    const Vettore barre = c.Direzione == 0 ? d1 : d2;
    const Vettore traverso = c.Direzione == 0 ? d2 : d1;

    // The zone as the canvas lays it: from (100, 100) 200 cm along
    // direction 1 and 150 cm along direction 2, clockwise.
    const Punto a{100, 100};
    Punto opposto{static_cast<float>(100 + 200 * d1.X + 150 * d2.X),
                  static_cast<float>(100 + 200 * d1.Y + 150 * d2.Y)};
    Punto b, d;
    CompletaParallelogramma(p, a, opposto, b, d);
    std::array<Punto, 4> angoli{a, b, opposto, d};
    double area = 0.0;
    for (int i = 0; i < 4; ++i) area += Vettoriale({angoli[i].X, angoli[i].Y},
                                                   {angoli[(i + 1) % 4].X, angoli[(i + 1) % 4].Y});
    if (area > 0.0) std::swap(angoli[1], angoli[3]);

    constexpr float L = 40.0f;
    std::array<Vertice, 4> zona{};
    for (int i = 0; i < 4; ++i) zona[i] = {angoli[i].X, angoli[i].Y, 0};
    EstendiZonaAncoraggio(zona, L, p, c.Direzione);

    const double passo = L / std::fabs(Vettoriale(barre, traverso));
    for (int i = 0; i < 4; ++i) {
        // The corner joined to corner i along the bars: the side from i-1 to
        // i and the side from i to i+1 alternate between the two directions.
        const Punto& q = angoli[i];
        const Punto& prima = angoli[(i + 3) % 4];
        const Punto& dopo = angoli[(i + 1) % 4];
        const Vettore lato{static_cast<double>(dopo.X) - q.X, static_cast<double>(dopo.Y) - q.Y};
        const bool lungoBarre = std::fabs(Vettoriale(lato, barre)) < 1e-3 * std::hypot(lato.X, lato.Y);
        const Punto& altro = lungoBarre ? dopo : prima;
        const double verso =
            Prodotto({static_cast<double>(q.X) - altro.X, static_cast<double>(q.Y) - altro.Y}, barre) > 0
                ? 1.0
                : -1.0;
        const Vertice& r = zona[(i + 1) % 4];
        EXPECT_NEAR(r.X, q.X + verso * passo * barre.X, 2e-3) << "corner " << i;
        EXPECT_NEAR(r.Y, q.Y + verso * passo * barre.Y, 2e-3) << "corner " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabella, BarreSullaParete,
    testing::Values(
        CasoBarreSullaParete{.Nome = "Type0Angles90And90Direction1", .Direzione = 0},
        CasoBarreSullaParete{.Nome = "Type0Angles90And90Direction2", .Direzione = 1},
        // Reproduction: direction 1 is drawn at 105 degrees, the widening
        // took 75 and moved all four sides.
        CasoBarreSullaParete{.Nome = "Type0Angles75And165Direction1", .Angolo1 = 75,
                             .Angolo2 = 165, .Direzione = 0},
        CasoBarreSullaParete{.Nome = "Type0Angles75And165Direction2", .Angolo1 = 75,
                             .Angolo2 = 165, .Direzione = 1},
        CasoBarreSullaParete{.Nome = "Type0Angles40AndMinus30Direction1", .Angolo1 = 40,
                             .Angolo2 = -30, .Direzione = 0},
        CasoBarreSullaParete{.Nome = "Type0Angles40AndMinus30Direction2", .Angolo1 = 40,
                             .Angolo2 = -30, .Direzione = 1},
        // Direction 2 at 55 degrees, where the sum of the file angles gives 125.
        CasoBarreSullaParete{.Nome = "Type0Angles80And45Direction2", .Angolo1 = 80,
                             .Angolo2 = 45, .Direzione = 1},
        CasoBarreSullaParete{.Nome = "Type2Angles75And165Direction1", .TipoStruttura = 2,
                             .Angolo1 = 75, .Angolo2 = 165, .Direzione = 0},
        CasoBarreSullaParete{.Nome = "Type2Angles75And165Direction2", .TipoStruttura = 2,
                             .Angolo1 = 75, .Angolo2 = 165, .Direzione = 1},
        CasoBarreSullaParete{.Nome = "Type2Angles120And60Direction2", .TipoStruttura = 2,
                             .Angolo1 = 120, .Angolo2 = 60, .Direzione = 1}),
    [](const auto& info) { return info.param.Nome; });
