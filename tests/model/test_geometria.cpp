#include "model/Geometria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace S = StatoIntersezione;

constexpr float Sentinella = 123.0f;  // what (xi, yi) hold before the call

struct CasoIntersezione {
    std::string nome;
    float x1, y1, x2, y2, x3, y3, x4, y4;
    int stato;
    float xi, yi, xo, yo;
};

void PrintTo(const CasoIntersezione& c, std::ostream* os) { *os << c.nome; }

class Intersezione : public ::testing::TestWithParam<CasoIntersezione> {};

TEST_P(Intersezione, StatusAndPoints) {
    const CasoIntersezione& c = GetParam();
    float xi = Sentinella, yi = Sentinella, xo = 0.0f, yo = 0.0f;
    int stato = 99;
    IntersezioneSegmenti(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, xi, yi, stato, xo, yo);
    EXPECT_EQ(stato, c.stato);
    EXPECT_NEAR(xi, c.xi, 1e-4);
    EXPECT_NEAR(yi, c.yi, 1e-4);
    EXPECT_FLOAT_EQ(xo, c.xo);
    EXPECT_FLOAT_EQ(yo, c.yo);
}

constexpr float U = Sentinella;  // (xi, yi) left untouched

INSTANTIATE_TEST_SUITE_P(
    Stati, Intersezione,
    ::testing::Values(
        CasoIntersezione{"Cross", 0, 0, 10, 10, 0, 10, 10, 0, S::Interna, 5, 5, -1, -1},
        CasoIntersezione{"OutsideSecond", 0, 0, 10, 0, 20, -5, 20, 5, S::Esterna, 20, 0, -1, -1},
        CasoIntersezione{"OutsideBoth", 0, 0, 10, 0, 20, 5, 20, 15, S::Esterna, 20, 0, -1, -1},
        // An end point wins over a crossing inside the other segment.
        CasoIntersezione{"AtP1InsideSecond", 0, 0, 10, 0, 0, -5, 0, 5, S::InP1, 0, 0, -1, -1},
        CasoIntersezione{"AtP2", 0, 0, 10, 0, 10, -5, 10, 5, S::InP2, 10, 0, -1, -1},
        CasoIntersezione{"AtP3InsideFirst", 0, 0, 10, 0, 5, 0, 5, 5, S::InP3, 5, 0, -1, -1},
        CasoIntersezione{"AtP4", 0, 0, 10, 0, 5, 5, 5, 0, S::InP4, 5, 0, -1, -1},
        // The end point need not lie on the other segment.
        CasoIntersezione{"AtP3OffFirst", 0, 0, 10, 0, 30, 0, 30, 5, S::InP3, 30, 0, -1, -1},
        // Earlier end points win over later ones.
        CasoIntersezione{"P1BeforeP3", 0, 0, 10, 0, 0, 0, 0, 5, S::InP1, 0, 0, -1, -1},
        CasoIntersezione{"P2BeforeP4", 0, 0, 10, 0, 10, 5, 10, 0, S::InP2, 10, 0, -1, -1},
        CasoIntersezione{"P2BeforeP3", 0, 0, 10, 0, 10, 0, 10, 5, S::InP2, 10, 0, -1, -1},
        CasoIntersezione{"Parallel", 0, 0, 10, 0, 0, 1, 10, 1, S::Parallele, U, U, -1, -1},
        CasoIntersezione{"ParallelVertical", 0, 0, 0, 10, 1, 0, 1, 10, S::Parallele, U, U, -1, -1},
        CasoIntersezione{"Touching", 0, 0, 10, 0, 10, 0, 20, 0, S::Sovrapposti, U, U, -1, -1},
        CasoIntersezione{"Containing", 0, 0, 10, 0, 12, 0, -3, 0, S::Sovrapposti, U, U, -1, -1},
        CasoIntersezione{"Disjoint", 0, 0, 10, 0, 11, 0, 20, 0, S::AllineatiDisgiunti, 0, 0, -1, -1},
        // Vertical segments are compared along y, not along their common x.
        CasoIntersezione{"VerticalOverlap", 3, 0, 3, 10, 3, 5, 3, 20, S::Sovrapposti, U, U, -1, -1},
        CasoIntersezione{"VerticalDisjoint", 3, 10, 3, 0, 3, 11, 3, 20, S::AllineatiDisgiunti, 3, 10, -1, -1},
        // Non-normalised cross product: tiny segments count as parallel at any angle.
        CasoIntersezione{"ShortSegments", 0, 0, 0.05f, 0, 0.02f, -0.025f, 0.02f, 0.025f, S::Sovrapposti, U, U, -1, -1},
        // Nearly parallel: nearest ends merged when closer than 2 cm ...
        CasoIntersezione{"NearParallelClose", 0, 0, 100, 0, 101, 0.1f, 200, 0.5f, S::QuasiParallele, 100.5f, 0.05f, -1, -1},
        // ... whatever the direction of the second segment ...
        CasoIntersezione{"NearParallelReversed", 0, 0, 100, 0, 200, 0.5f, 101, 0.1f, S::QuasiParallele, 100.5f, 0.05f, -1, -1},
        // ... and reported apart when farther.
        CasoIntersezione{"NearParallelFar", 0, 0, 100, 0, 103, 0.1f, 200, 0.5f, S::QuasiParallele, 100, 0, 103, 0.1f},
        CasoIntersezione{"NearParallelFarBefore", 0, 0, 100, 0, -50, 0.1f, -3, 0.3f, S::QuasiParallele, 0, 0, -3, 0.3f},
        // Six tenths of a degree is no longer nearly parallel.
        CasoIntersezione{"SlightlyConverging", 0, 0, 100, 0, 101, 0.1f, 200, 1.1368f, S::Esterna, 91.4514f, 0, -1, -1}),
    [](const ::testing::TestParamInfo<CasoIntersezione>& info) { return info.param.nome; });

TEST(Intersezione, SlightlyConvergingCaseReallyDiffersBySixTenths) {
    EXPECT_FLOAT_EQ(AngoloSegmentoGradi(101, 0.1f, 200, 1.1368f), 0.6f);
}

TEST(Intersezione, OutputsMayNameTheInputs) {
    float x1 = 0, y1 = 0, x2 = 10, y2 = 10, xo = 0, yo = 0;
    int stato = 0;
    IntersezioneSegmenti(x1, y1, x2, y2, 0, 10, 10, 0, x1, y1, stato, xo, yo);
    EXPECT_EQ(stato, S::Interna);
    EXPECT_FLOAT_EQ(x1, 5);
    EXPECT_FLOAT_EQ(y1, 5);
}

TEST(Orientamento, TurnsAndCollinearPositions) {
    EXPECT_EQ(Orientamento(0, 0, 10, 0, 5, 5), 1);
    EXPECT_EQ(Orientamento(0, 0, 10, 0, 5, -5), -1);
    EXPECT_EQ(Orientamento(0, 0, 10, 0, -5, 0), -1);  // behind P0
    EXPECT_EQ(Orientamento(0, 0, 10, 0, 15, 0), 1);   // beyond P1
    EXPECT_EQ(Orientamento(0, 0, 10, 0, 5, 0), 0);    // between
    EXPECT_EQ(Orientamento(0, 0, 10, 0, 10, 0), 0);   // on the end
    EXPECT_EQ(Orientamento(0, 0, 0, 10, 0, -1), -1);  // behind, vertical
}

TEST(SegmentiSiIntersecano, CrossingTouchingAndApart) {
    EXPECT_TRUE(SegmentiSiIntersecano(0, 0, 10, 10, 0, 10, 10, 0));
    EXPECT_TRUE(SegmentiSiIntersecano(0, 0, 10, 0, 5, 0, 5, 5));
    EXPECT_TRUE(SegmentiSiIntersecano(0, 0, 10, 0, 10, 0, 20, 0));
    EXPECT_FALSE(SegmentiSiIntersecano(0, 0, 10, 0, 11, 0, 20, 0));
    EXPECT_FALSE(SegmentiSiIntersecano(0, 0, 10, 0, 20, -5, 20, 5));
}

TEST(PuntiAllineati, ObliqueHorizontalVerticalAndDegenerate) {
    EXPECT_TRUE(PuntiAllineati(0, 0, 10, 10, 25, 25));
    EXPECT_FALSE(PuntiAllineati(0, 0, 10, 10, 25, 25.01f));
    EXPECT_TRUE(PuntiAllineati(0, 5, 10, 5, -40, 5));
    EXPECT_FALSE(PuntiAllineati(0, 5, 10, 5, -40, 5.001f));
    EXPECT_TRUE(PuntiAllineati(3, 0, 3, 10, 3, 99));
    EXPECT_FALSE(PuntiAllineati(3, 0, 3, 10, 4, 99));
    EXPECT_TRUE(PuntiAllineati(3, 4, 3, 4, 3, -7));  // coincident points: vertical test
}

TEST(PuntoInternoSegmento, InsideEndsAndOff) {
    EXPECT_TRUE(PuntoInternoSegmento(5, 5, 0, 0, 10, 10));
    EXPECT_FALSE(PuntoInternoSegmento(0.005f, 0, 0, 0, 10, 0));  // at end A
    EXPECT_FALSE(PuntoInternoSegmento(10, 0.005f, 0, 0, 10, 0));  // at end B
    EXPECT_FALSE(PuntoInternoSegmento(15, 0, 0, 0, 10, 0));       // on the line, beyond
    EXPECT_FALSE(PuntoInternoSegmento(5, 1, 0, 0, 10, 0));        // off the line
}

TEST(Angoli, SegmentDirections) {
    EXPECT_FLOAT_EQ(AngoloSegmentoGradi(0, 0, 0, -5), 270);
    EXPECT_FLOAT_EQ(AngoloSegmentoGradi(0, 0, -5, 0), 180);
    EXPECT_FLOAT_EQ(AngoloSegmentoGradi(0, 0, 1, 1), 45);
    EXPECT_FLOAT_EQ(AngoloSegmentoGradi(0, 0, 0, 0), 90);
    EXPECT_FLOAT_EQ(AngoloSegmentoGradi(0, 0, 1, -1), 315);
    EXPECT_FLOAT_EQ(AngoloSegmentoGradi(0, 0, -1, 2), 116.57f);  // two decimals
    EXPECT_DOUBLE_EQ(AngoloSegmentoRad(0, 0, 0, 0), 1.5707963267949);
    EXPECT_NEAR(AngoloSegmentoRad(0, 0, -1, -1), 5 * M_PI / 4, 1e-9);
    EXPECT_NEAR(AngoloSegmentoRad(0, 0, 1, -1), 7 * M_PI / 4, 1e-9);
}

TEST(Angoli, VectorDirections) {
    EXPECT_FLOAT_EQ(AngoloVettore(0, 0, 0, 0), 0);
    EXPECT_FLOAT_EQ(AngoloVettore(0, 0, -0.000005f, -3), 4.71238898038469f);
    EXPECT_FLOAT_EQ(AngoloVettore(0, 0, 0, 2), 1.5707963267949f);
    EXPECT_FLOAT_EQ(AngoloVettore(0, 0, -2, 0), 3.14159265358979f);
    // Both differences tiny: the x axis decides.
    EXPECT_FLOAT_EQ(AngoloVettore(0, 0, 0.000004f, 0.000004f), 0);
    EXPECT_NEAR(AngoloVettore(0, 0, -1, 1), 3 * M_PI / 4, 1e-6);
    EXPECT_NEAR(AngoloVettore(0, 0, -1, -1), 5 * M_PI / 4, 1e-6);
    EXPECT_NEAR(AngoloVettore(0, 0, 1, -1), 7 * M_PI / 4, 1e-6);
    EXPECT_NEAR(AngoloVettore(0, 0, 1, 1), M_PI / 4, 1e-6);
}

TEST(Distanza, Euclidean) {
    EXPECT_FLOAT_EQ(Distanza(1, 2, 4, 6), 5);
    EXPECT_FLOAT_EQ(Distanza(4, 6, 1, 2), 5);
}

TEST(PuntoADistanza, AlongBeyondBeforeAndDegenerate) {
    float x = 0, y = 0;
    PuntoADistanza(0, 0, 3, 4, x, y, 10);
    EXPECT_FLOAT_EQ(x, 6);
    EXPECT_FLOAT_EQ(y, 8);
    PuntoADistanza(0, 0, 3, 4, x, y, -5);
    EXPECT_FLOAT_EQ(x, -3);
    EXPECT_FLOAT_EQ(y, -4);
    PuntoADistanza(2, 7, 2, 7, x, y, 5);
    EXPECT_FLOAT_EQ(x, 2);
    EXPECT_FLOAT_EQ(y, 7);
}

TEST(ProiezionePunto, FootOfThePerpendicular) {
    float qx = 0, qy = 0;
    ProiezionePunto(0, 0, 10, 10, 0, 10, qx, qy);
    EXPECT_NEAR(qx, 5, 1e-4);
    EXPECT_NEAR(qy, 5, 1e-4);
    ProiezionePunto(0, 0, 10, -20, 30, 0, qx, qy);
    EXPECT_NEAR(qx, 6, 1e-4);
    EXPECT_NEAR(qy, -12, 1e-4);
    ProiezionePunto(0, 3, 10, 3, 7, 9, qx, qy);
    EXPECT_FLOAT_EQ(qx, 7);
    EXPECT_FLOAT_EQ(qy, 3);
    ProiezionePunto(4, 0, 4, 10, 7, 9, qx, qy);
    EXPECT_FLOAT_EQ(qx, 4);
    EXPECT_FLOAT_EQ(qy, 9);
}

struct CasoOffset {
    float x1, y1, x2, y2, d;
    float ox1, oy1, ox2, oy2;
};

TEST(SegmentoParallelo, MovesToTheLeftOfTheDirection) {
    const std::vector<CasoOffset> casi = {
        {0, 0, 10, 0, 2, 0, 2, 10, 2},       // east: left is up
        {10, 0, 0, 0, 2, 10, -2, 0, -2},     // west: left is down
        {0, 0, 0, 10, 2, -2, 0, -2, 10},     // north: left is west
        {0, 10, 0, 0, 2, 2, 10, 2, 0},       // south: left is east
        {0, 0, 10, 0, -2, 0, -2, 10, -2},    // negative: to the right
        {0, 0, 3, 4, 5, -4, 3, -1, 7},       // oblique
    };
    for (const CasoOffset& c : casi) {
        float ox1 = 0, oy1 = 0, ox2 = 0, oy2 = 0;
        SegmentoParallelo(c.x1, c.y1, c.x2, c.y2, ox1, oy1, ox2, oy2, c.d);
        EXPECT_NEAR(ox1, c.ox1, 1e-5);
        EXPECT_NEAR(oy1, c.oy1, 1e-5);
        EXPECT_NEAR(ox2, c.ox2, 1e-5);
        EXPECT_NEAR(oy2, c.oy2, 1e-5);
    }
}

TEST(SegmentoParallelo, InPlaceOffsetOfAnObliqueSide) {
    float x1 = 0, y1 = 0, x2 = 3, y2 = 4;
    SegmentoParallelo(x1, y1, x2, y2, x1, y1, x2, y2, 5);
    EXPECT_NEAR(x1, -4, 1e-5);
    EXPECT_NEAR(y1, 3, 1e-5);
    EXPECT_NEAR(x2, -1, 1e-5);
    EXPECT_NEAR(y2, 7, 1e-5);
}

TEST(TraslaSegmento, LeftRightAndTooShort) {
    float ox1 = 0, oy1 = 0, ox2 = 0, oy2 = 0;
    EXPECT_TRUE(TraslaSegmento(0, 0, 10, 0, ox1, oy1, ox2, oy2, 110, -1));
    EXPECT_FLOAT_EQ(ox1, 0);
    EXPECT_FLOAT_EQ(oy1, 110);
    EXPECT_FLOAT_EQ(ox2, 10);
    EXPECT_FLOAT_EQ(oy2, 110);
    EXPECT_TRUE(TraslaSegmento(0, 0, 10, 0, ox1, oy1, ox2, oy2, 110, 0));
    EXPECT_FLOAT_EQ(oy1, -110);
    EXPECT_FLOAT_EQ(oy2, -110);

    ox1 = oy1 = ox2 = oy2 = 42;
    EXPECT_FALSE(TraslaSegmento(5, 5, 5, 5.0000001f, ox1, oy1, ox2, oy2, 110, 1));
    EXPECT_FLOAT_EQ(ox1, 42);
    EXPECT_FLOAT_EQ(oy1, 42);
    EXPECT_FLOAT_EQ(ox2, 42);
    EXPECT_FLOAT_EQ(oy2, 42);
}

TEST(Rotazioni, IntoAndOutOfTheBarFrame) {
    float x = 0, y = 0;
    RuotaInDirezione(0, 3, 4, x, y);
    EXPECT_FLOAT_EQ(x, 4);
    EXPECT_FLOAT_EQ(y, -3);
    RuotaDaDirezione(0, 4, -3, x, y);
    EXPECT_FLOAT_EQ(x, 3);
    EXPECT_FLOAT_EQ(y, 4);
    RuotaInDirezione(1, 3, 4, x, y);
    EXPECT_FLOAT_EQ(x, 3);
    EXPECT_FLOAT_EQ(y, 4);
    RuotaDaDirezione(1, 3, 4, x, y);
    EXPECT_FLOAT_EQ(x, 3);
    EXPECT_FLOAT_EQ(y, 4);
    // In place, as callers turn a point within its own variables.
    x = 3;
    y = 4;
    RuotaInDirezione(0, x, y, x, y);
    EXPECT_FLOAT_EQ(x, 4);
    EXPECT_FLOAT_EQ(y, -3);
}

}  // namespace
