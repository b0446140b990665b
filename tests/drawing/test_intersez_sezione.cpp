#include "drawing/IntersezSezione.h"
#include "drawing/PosTagliateDaSezione.h"
#include "model/Parete.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

LineaSezione Orizzontale(float y, float xDa, float xA) {
    LineaSezione s;
    s.P0 = {xDa, y};
    s.P1 = {xA, y};
    s.Orizzontale = 1;
    return s;
}

LineaSezione Verticale(float x, float yDa, float yA) {
    LineaSezione s;
    s.P0 = {x, yDa};
    s.P1 = {x, yA};
    s.Orizzontale = 0;
    return s;
}

void ImpostaSezione(Parete& p, const LineaSezione& s) {
    p.Sezioni = {s};
    p.UltSezione = 0;
}

// A notch at the top: the corner (100, 200) is re-entrant.
const std::vector<Punto> Incavo = {{0, 0}, {0, 300}, {100, 200}, {200, 300}, {200, 0}};
// A gable: the corner (100, 300) is convex.
const std::vector<Punto> Timpano = {{0, 0}, {0, 200}, {100, 300}, {200, 200}, {200, 0}};
// An L: the upper arm 0..100 wide, the lower arm 0..100 high.
const std::vector<Punto> Elle = {{0, 0}, {0, 300}, {100, 300}, {100, 100}, {400, 100}, {400, 0}};

}  // namespace

TEST(IntersezSezPerimEst, CasiDelContorno) {
    struct Caso {
        const char* nome;
        std::vector<Punto> contorno;
        bool apertura = false;  // 200..300 x 100..200
        LineaSezione sezione;
        std::vector<float> attese;
    };
    const Caso casi[] = {
        {.nome = "rectangle with an opening, horizontal",
         .contorno = AnelloRettangolare(500, 300),
         .apertura = true,
         .sezione = Orizzontale(150, -25, 525),
         .attese = {0, 200, 300, 500}},
        {.nome = "rectangle with an opening, vertical",
         .contorno = AnelloRettangolare(500, 300),
         .apertura = true,
         .sezione = Verticale(250, -25, 325),
         .attese = {0, 100, 200, 300}},
        {.nome = "through a re-entrant corner",
         .contorno = Incavo,
         .sezione = Verticale(100, -25, 325),
         .attese = {0, 200}},
        {.nome = "touching a re-entrant corner from the concrete",
         .contorno = Incavo,
         .sezione = Orizzontale(200, -25, 225),
         .attese = {0, 100, 100, 200}},
        {.nome = "through a convex corner",
         .contorno = Timpano,
         .sezione = Verticale(100, -25, 325),
         .attese = {0, 300}},
        {.nome = "touching a convex corner",
         .contorno = Timpano,
         .sezione = Orizzontale(300, -25, 225),
         .attese = {}},
        {.nome = "along a horizontal side",
         .contorno = Elle,
         .sezione = Orizzontale(100, -25, 425),
         .attese = {0, 100}},
        {.nome = "along a vertical side",
         .contorno = Elle,
         .sezione = Verticale(100, -25, 325),
         .attese = {0, 300}},
        {.nome = "cut line ending inside",
         .contorno = AnelloRettangolare(500, 300),
         .sezione = Orizzontale(150, 100, 600),
         .attese = {500}},
        {.nome = "missing the wall",
         .contorno = AnelloRettangolare(500, 300),
         .sezione = Orizzontale(350, -25, 525),
         .attese = {}},
    };
    for (const Caso& c : casi) {
        Parete p = PareteDaContorno(c.contorno);
        if (c.apertura) AggiungiApertura(p, 200, 100, 300, 200);
        ImpostaSezione(p, c.sezione);
        EXPECT_EQ(IntersezSezPerimEst(p, 0), c.attese) << c.nome;
    }
}

TEST(IntersezSezPerimInt, UsaIlPerimetroInternoEAperture) {
    Parete p = PareteRettangolare(500, 300);
    p.PerimetroInterno = Chiuso({{5, 5}, {5, 295}, {495, 295}, {495, 5}});
    AggiungiApertura(p, 200, 100, 300, 200);
    ImpostaSezione(p, Orizzontale(150, -25, 525));
    EXPECT_EQ(IntersezSezPerimInt(p, 0), (std::vector<float>{5, 200, 300, 495}));
    EXPECT_EQ(IntersezSezPerimEst(p, 0), (std::vector<float>{0, 200, 300, 500}));
}

TEST(IntersezSezPerimEst, OltreQuarantunoAttraversamenti) {
    // A comb of 25 teeth 20 wide, 40 apart, cut through the teeth.
    constexpr int denti = 25;
    std::vector<Punto> pettine = {{0, 0}};
    std::vector<float> attese;
    for (int i = 0; i < denti; ++i) {
        const float x = 40.0f * i;
        if (i > 0) pettine.push_back({x, 100});
        pettine.push_back({x, 200});
        pettine.push_back({x + 20, 200});
        if (i < denti - 1) pettine.push_back({x + 20, 100});
        attese.push_back(x);
        attese.push_back(x + 20);
    }
    pettine.push_back({40.0f * (denti - 1) + 20, 0});
    Parete p = PareteDaContorno(pettine);
    ImpostaSezione(p, Orizzontale(150, -25, 1025));
    EXPECT_EQ(IntersezSezPerimEst(p, 0), attese);
}

TEST(IntersezSezPerimEst, SezioneInesistente) {
    Parete p = PareteRettangolare(500, 300);
    ImpostaSezione(p, Orizzontale(150, -25, 525));
    EXPECT_TRUE(IntersezSezPerimEst(p, 1).empty());
    EXPECT_TRUE(IntersezSezPerimEst(p, -1).empty());
}

TEST(PosTagliateDaSezione, CasiDellaZona) {
    struct Caso {
        const char* nome;
        std::vector<Punto> zona;
        int tipo = IntegrativaPiu;
        LineaSezione sezione;
        std::vector<float> attese;
    };
    const std::vector<Punto> riquadro = {{100, 50}, {100, 250}, {200, 250}, {200, 50}};
    const std::vector<Punto> rombo = {{150, 50}, {100, 150}, {150, 250}, {200, 150}};
    const std::vector<Punto> u = {{0, 0},     {0, 200},   {50, 200},  {50, 100},
                                  {150, 100}, {150, 200}, {200, 200}, {200, 0}};
    const Caso casi[] = {
        {.nome = "crossed twice",
         .zona = riquadro,
         .sezione = Orizzontale(150, -25, 525),
         .attese = {100, 200}},
        {.nome = "crossed once: the cut line ends inside",
         .zona = riquadro,
         .sezione = Orizzontale(150, -25, 150),
         .attese = {100}},
        {.nome = "through two corners",
         .zona = rombo,
         .sezione = Verticale(150, -25, 325),
         .attese = {50, 250}},
        {.nome = "touching a corner on the side of the marks",
         .zona = rombo,
         .sezione = Verticale(100, -25, 325),
         .attese = {}},
        {.nome = "touching a corner on the other side",
         .zona = rombo,
         .sezione = Verticale(200, -25, 325),
         .attese = {150, 150}},
        {.nome = "two pieces",
         .zona = u,
         .sezione = Orizzontale(150, -25, 525),
         .attese = {0, 50, 150, 200}},
        {.nome = "ring beam",
         .zona = riquadro,
         .tipo = Cordolo,
         .sezione = Orizzontale(150, -25, 525),
         .attese = {100, 200}},
        {.nome = "shear reinforcement",
         .zona = riquadro,
         .tipo = 3,
         .sezione = Orizzontale(150, -25, 525),
         .attese = {}},
    };
    for (const Caso& c : casi) {
        Parete p = PareteRettangolare(500, 300);
        ImpostaSezione(p, c.sezione);
        p.Posizioni = {PosizioneArm{}, PosizioneArm{}};
        p.UltPosizione = 1;
        p.Posizioni[1].Tipo = c.tipo;
        p.Posizioni[1].UltVerticeZona = static_cast<int>(c.zona.size()) - 1;
        p.PoligoniPos[1] = c.zona;
        EXPECT_EQ(PosTagliateDaSezione(p, 0, 1), c.attese) << c.nome;
        EXPECT_TRUE(PosTagliateDaSezione(p, 0, 0).empty()) << c.nome;
        EXPECT_TRUE(PosTagliateDaSezione(p, 0, 2).empty()) << c.nome;
    }
}

TEST(PosTagliateDaSezione, ZonaChiusaComeRigaDelFile) {
    // A row stored with the first vertex repeated gives the same crossings.
    Parete p = PareteRettangolare(500, 300);
    ImpostaSezione(p, Orizzontale(150, -25, 525));
    p.UltPosizione = 0;
    p.PoligoniPos[0] = Chiuso({{100, 50}, {100, 250}, {200, 250}, {200, 50}});
    p.Posizioni[0].UltVerticeZona = 4;
    EXPECT_EQ(PosTagliateDaSezione(p, 0, 0), (std::vector<float>{100, 200}));
}
