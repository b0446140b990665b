#include "design/ContorniArmatura.h"
#include "model/Parete.h"
#include "model/Poligoni.h"
#include "PareteDiProva.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Punti = std::vector<Punto>;

// A wall whose outline and both perimeters are the given clockwise ring.
Parete ParetePer(const Punti& anello, float copriferro) {
    Parete p = PareteDaContorno(anello);
    p.Copriferro = copriferro;
    return p;
}

void AttesoUguale(const Punti& ottenuto, const Punti& atteso, const char* nome) {
    ASSERT_EQ(ottenuto.size(), atteso.size()) << nome;
    for (size_t i = 0; i < atteso.size(); ++i) {
        EXPECT_NEAR(ottenuto[i].X, atteso[i].X, 1e-3) << nome << " vertex " << i;
        EXPECT_NEAR(ottenuto[i].Y, atteso[i].Y, 1e-3) << nome << " vertex " << i;
    }
}

const Punti Rettangolo300x200 = {{0, 0}, {0, 200}, {300, 200}, {300, 0}};

// L-shaped wall: a 400 x 100 foot with a 100 x 300 leg on its left end.
const Punti FormaL = {{0, 0}, {0, 300}, {100, 300}, {100, 100}, {400, 100}, {400, 0}};

}  // namespace

TEST(ContorniArmatura, RectangleShrinksByTheCoverOnEverySide) {
    Parete p = ParetePer(Rettangolo300x200, 3.0f);
    CalcolaContorniArmatura(p);

    const Punti atteso = Chiuso({{3, 3}, {3, 197}, {297, 197}, {297, 3}});
    EXPECT_EQ(p.NumPuntiArm, 4);
    AttesoUguale(p.ContornoDir1, atteso, "ContornoDir1");
    AttesoUguale(p.ContornoDir2, atteso, "ContornoDir2");
    AttesoUguale(p.ContornoArmatura, atteso, "ContornoArmatura");
    EXPECT_FLOAT_EQ(p.EstArmDir2.Xmin, 3.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir2.Ymin, 3.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir2.Xmax, 297.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir2.Ymax, 197.0f);
}

// The inner perimeter lies 10 cm inside the vertical sides and 5 cm inside
// the horizontal ones; the outer one is the outline.
TEST(ContorniArmatura, LShapeTakesEachSideFromThePerimeterOfItsDirection) {
    Parete p = ParetePer(FormaL, 2.0f);
    p.PerimetroInterno = Chiuso({{10, 5}, {10, 295}, {90, 295}, {90, 95}, {390, 95}, {390, 5}});
    AggiungiApertura(p, {{200, 30}, {200, 70}, {250, 70}, {250, 30}});
    CalcolaContorniArmatura(p);

    AttesoUguale(p.ContornoDir1,
                 Chiuso({{12, 2}, {12, 298}, {88, 298}, {88, 98}, {388, 98}, {388, 2}}),
                 "ContornoDir1");
    AttesoUguale(p.ContornoDir2,
                 Chiuso({{2, 7}, {2, 293}, {98, 293}, {98, 93}, {398, 93}, {398, 7}}),
                 "ContornoDir2");
    AttesoUguale(p.ContornoArmatura,
                 Chiuso({{2, 2}, {2, 298}, {98, 298}, {98, 98}, {398, 98}, {398, 2}}),
                 "ContornoArmatura");
    ASSERT_EQ(p.ForiArmatura.size(), 1u);
    AttesoUguale(p.ForiArmatura[0], Chiuso({{198, 28}, {198, 72}, {252, 72}, {252, 28}}),
                 "ForiArmatura");

    // Direction 1 frame: (x, y) -> (y, -x).
    EXPECT_FLOAT_EQ(p.EstArmDir1.Xmin, 2.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir1.Ymin, -398.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir1.Xmax, 298.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir1.Ymax, -2.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir2.Xmin, 2.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir2.Ymin, 2.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir2.Xmax, 398.0f);
    EXPECT_FLOAT_EQ(p.EstArmDir2.Ymax, 298.0f);
}

TEST(ContorniArmatura, OpeningComesOutTheSameWhicheverWayItWasEntered) {
    const Punti orario = {{200, 30}, {200, 70}, {250, 70}, {250, 30}};
    const Punti antiorario = {{200, 30}, {250, 30}, {250, 70}, {200, 70}};
    const Punti atteso = Chiuso({{198, 28}, {198, 72}, {252, 72}, {252, 28}});
    for (const Punti& foro : {orario, antiorario}) {
        Parete p = ParetePer(FormaL, 2.0f);
        AggiungiApertura(p, {{10, 10}, {10, 40}, {40, 40}, {40, 10}});
        AggiungiApertura(p, foro);
        CalcolaContorniArmatura(p);
        ASSERT_EQ(p.ForiArmatura.size(), 2u);
        AttesoUguale(p.ForiArmatura[0], Chiuso({{8, 8}, {8, 42}, {42, 42}, {42, 8}}), "first opening");
        AttesoUguale(p.ForiArmatura[1], atteso, "second opening");
        EXPECT_TRUE(PuntiInSensoOrario(p.ForiArmatura[1]));
    }
}

TEST(ContorniArmatura, WithoutOpeningsTheEnlargedOpeningsAreLeftAlone) {
    Parete p = ParetePer(Rettangolo300x200, 3.0f);
    p.ForiArmatura = {Chiuso({{1, 1}, {1, 2}, {2, 2}})};
    const auto prima = p.ForiArmatura;
    CalcolaContorniArmatura(p);
    ASSERT_EQ(p.ForiArmatura.size(), 1u);
    AttesoUguale(p.ForiArmatura[0], prima[0], "ForiArmatura");
}

// After the perimeter editor added a vertex (here in the middle of the top
// side) vertex i of a perimeter no longer matches vertex i of the outline.
TEST(ContorniArmatura, PerimetersThatDoNotCorrespondFallBackOnTheOutline) {
    Parete p = ParetePer(Rettangolo300x200, 3.0f);
    p.PerimetroEsterno = Chiuso({{0, 0}, {0, 200}, {150, 200}, {300, 200}, {300, 0}});
    p.NumPuntiEst = 5;
    p.PerimetroInterno = Chiuso({{10, 10}, {10, 190}, {290, 190}, {290, 10}});
    CalcolaContorniArmatura(p);

    const Punti contornoRidotto = Chiuso({{3, 3}, {3, 197}, {297, 197}, {297, 3}});
    EXPECT_EQ(p.NumPuntiArm, 4);
    AttesoUguale(p.ContornoDir1, contornoRidotto, "ContornoDir1");
    AttesoUguale(p.ContornoDir2, contornoRidotto, "ContornoDir2");
    // The vertex between two collinear sides moves straight in by the cover.
    AttesoUguale(p.ContornoArmatura, Chiuso({{3, 3}, {3, 197}, {150, 197}, {297, 197}, {297, 3}}),
                 "ContornoArmatura");
}

TEST(ContorniArmatura, InnerPerimeterDifferingOnlyInCountAlsoFallsBack) {
    Parete p = ParetePer(Rettangolo300x200, 3.0f);
    p.PerimetroInterno = Chiuso({{10, 10}, {10, 190}, {150, 190}, {290, 190}, {290, 10}});
    p.NumPuntiInt = 5;
    CalcolaContorniArmatura(p);
    const Punti contornoRidotto = Chiuso({{3, 3}, {3, 197}, {297, 197}, {297, 3}});
    AttesoUguale(p.ContornoDir1, contornoRidotto, "ContornoDir1");
    AttesoUguale(p.ContornoDir2, contornoRidotto, "ContornoDir2");
}

// An outer perimeter edited counter-clockwise must still give a zone contour
// inside the wall, not one enlarged by the cover.
TEST(ContorniArmatura, CounterClockwiseOuterPerimeterStillShrinks) {
    Parete p = ParetePer(Rettangolo300x200, 3.0f);
    p.PerimetroEsterno = Chiuso({{0, 0}, {300, 0}, {300, 200}, {150, 250}, {0, 200}});
    p.NumPuntiEst = 5;
    CalcolaContorniArmatura(p);

    ASSERT_EQ(p.ContornoArmatura.size(), 6u);
    EXPECT_TRUE(PuntiInSensoOrario(p.ContornoArmatura));
    for (const Punto& v : p.ContornoArmatura) {
        EXPECT_GE(v.X, 3.0f - 1e-3f);
        EXPECT_LE(v.X, 297.0f + 1e-3f);
        EXPECT_GE(v.Y, 3.0f - 1e-3f);
        EXPECT_LT(v.Y, 250.0f);
    }
    EXPECT_NEAR(p.EstArmDir2.Xmin, 3.0f, 1e-3);
    EXPECT_NEAR(p.EstArmDir2.Ymin, 3.0f, 1e-3);
    EXPECT_NEAR(p.EstArmDir2.Xmax, 297.0f, 1e-3);
}

// A side counts as vertical only when its ends differ in x by less than
// 0.1 cm; direction 1 then follows the inner perimeter there.
TEST(ContorniArmatura, VerticalSideThresholdIsStrict) {
    struct Caso {
        float scarto;
        float xAtteso;  // of the direction-1 contour at the lower-left vertex
    };
    const Caso casi[] = {{0.1f, 3.0f}, {0.05f, 13.0f}};
    for (const Caso& caso : casi) {
        Parete p = ParetePer({{0, 0}, {caso.scarto, 200}, {300, 200}, {300, 0}}, 3.0f);
        p.PerimetroInterno = Chiuso({{10, 0}, {10 + caso.scarto, 200}, {290, 200}, {290, 0}});
        CalcolaContorniArmatura(p);
        EXPECT_NEAR(p.ContornoDir1[0].X, caso.xAtteso, 0.01) << caso.scarto;
        EXPECT_NEAR(p.ContornoDir1[0].Y, 3.0f, 0.01) << caso.scarto;
    }
}

TEST(ContorniArmatura, NoWallGivesSingleZeroPoints) {
    Parete p;
    CalcolaContorniArmatura(p);
    EXPECT_EQ(p.NumPuntiArm, 0);
    ASSERT_EQ(p.ContornoDir1.size(), 1u);
    ASSERT_EQ(p.ContornoArmatura.size(), 1u);
    EXPECT_FLOAT_EQ(p.EstArmDir2.Xmax, 0.0f);
}
