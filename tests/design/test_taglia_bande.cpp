#include "design/TagliaBande.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct CasoBande {
    std::string Nome;
    std::vector<double> Livelli;
    std::array<AngoloBanda, 3> Angoli;
    std::vector<PezzoBanda> Attesi;
};

// A failing row names itself in the test output.
void PrintTo(const CasoBande& c, std::ostream* os) { *os << c.Nome; }

// The value in every triangle below is worked by hand; each comment gives
// the crossings as the fraction t of the edge from its first corner.
const std::vector<CasoBande> casi = {
    // z = x + y / 2 over A(0,0) 0, B(30,0) 30, C(0,30) 15; levels 10 and 20.
    // Band 0 (z < 10): A; A-B at t 10/30 -> (10,0); C-A at t (10-15)/(0-15) = 1/3 -> (0,20).
    // Band 1: z >= 10 gives (10,0), B, C, (0,20); then z <= 20 cuts (10,0)-B at
    // t (20-10)/20 -> (20,0) and B-C at t (20-30)/(15-30) = 2/3 -> (10,20):
    // a five-sided piece with C inside the band.
    // Band 2 (z > 20): A-B at t 20/30 -> (20,0); B; B-C at 2/3 -> (10,20).
    {.Nome = "PiuLivelliAttraversati",
     .Livelli = {10.0, 20.0},
     .Angoli = {{{0, 0, 0}, {30, 0, 30}, {0, 30, 15}}},
     .Attesi = {{0, {{0, 0}, {10, 0}, {0, 20}}},
                {1, {{10, 0}, {20, 0}, {10, 20}, {0, 30}, {0, 20}}},
                {2, {{20, 0}, {30, 0}, {10, 20}}}}},
    // z = x over A(0,0) 0, B(20,0) 20, C(10,20) 10; C lies on level 10.
    // Band 0: A; A-B at 5/20 -> (5,0); C-A at (5-10)/(0-10) = 1/2 -> (5,10).
    // Band 1: (5,0); A-B at z 10: t (10-5)/15 from (5,0) -> (10,0); C (on the
    // level, kept once, no crossing added beside it); (5,10).
    // Band 2: (10,0); A-B at z 15 -> (15,0); B-C at (15-20)/(10-20) = 1/2 -> (15,10); C.
    // Band 3: (15,0); B; (15,10).
    {.Nome = "AngoloSuUnLivello",
     .Livelli = {5.0, 10.0, 15.0},
     .Angoli = {{{0, 0, 0}, {20, 0, 20}, {10, 20, 10}}},
     .Attesi = {{0, {{0, 0}, {5, 0}, {5, 10}}},
                {1, {{5, 0}, {10, 0}, {10, 20}, {5, 10}}},
                {2, {{10, 0}, {15, 0}, {15, 10}, {10, 20}}},
                {3, {{15, 0}, {20, 0}, {15, 10}}}}},
    // Values 0, 10, 0: the highest corner only touches level 10, so band 1
    // gets no piece of zero area; the whole triangle is band 0.
    {.Nome = "AngoloCheToccaSoltanto",
     .Livelli = {10.0, 20.0},
     .Angoli = {{{0, 0, 0}, {10, 0, 10}, {0, 10, 0}}},
     .Attesi = {{0, {{0, 0}, {10, 0}, {0, 10}}}}},
    // Flat at 10: bands 1 [0,10] and 2 [10,20] both hold it; the lowest wins.
    {.Nome = "PiattoSuUnLivello",
     .Livelli = {0.0, 10.0, 20.0},
     .Angoli = {{{0, 0, 10}, {10, 0, 10}, {0, 10, 10}}},
     .Attesi = {{1, {{0, 0}, {10, 0}, {0, 10}}}}},
    {.Nome = "PiattoSulPrimoLivello",
     .Livelli = {0.0, 10.0, 20.0},
     .Angoli = {{{0, 0, 0}, {10, 0, 0}, {0, 10, 0}}},
     .Attesi = {{1, {{0, 0}, {10, 0}, {0, 10}}}}},
    {.Nome = "PiattoSottoILivelli",
     .Livelli = {0.0, 10.0, 20.0},
     .Angoli = {{{0, 0, -5}, {10, 0, -5}, {0, 10, -5}}},
     .Attesi = {{0, {{0, 0}, {10, 0}, {0, 10}}}}},
    {.Nome = "PiattoSopraILivelli",
     .Livelli = {0.0, 10.0, 20.0},
     .Angoli = {{{0, 0, 25}, {10, 0, 25}, {0, 10, 25}}},
     .Attesi = {{3, {{0, 0}, {10, 0}, {0, 10}}}}},
    // Three levels at 10: bands 1 and 2 are empty. z = x over A(0,0) 0,
    // B(20,0) 20, C(0,20) 0. Band 0: A; (10,0); B-C at (10-20)/(0-20) = 1/2
    // -> (10,10); C. Band 3: (10,0); B; (10,10).
    {.Nome = "LivelliCoincidenti",
     .Livelli = {10.0, 10.0, 10.0},
     .Angoli = {{{0, 0, 0}, {20, 0, 20}, {0, 20, 0}}},
     .Attesi = {{0, {{0, 0}, {10, 0}, {10, 10}, {0, 20}}},
                {3, {{10, 0}, {20, 0}, {10, 10}}}}},
    {.Nome = "PiattoSuLivelliCoincidenti",
     .Livelli = {10.0, 10.0, 10.0},
     .Angoli = {{{0, 0, 10}, {20, 0, 10}, {0, 20, 10}}},
     .Attesi = {{1, {{0, 0}, {20, 0}, {0, 20}}}}},
    // A level below the one before counts as that one: 10, 8, 20 cut like
    // 10, 10, 20, band 1 staying empty. z = x over (0,0) 0, (30,0) 30, (0,30) 0.
    // Band 0: A; (10,0); B-C at (10-30)/(0-30) = 2/3 -> (10,20); C.
    // Band 2 [10,20]: (10,0); (20,0); B-C at 1/3 -> (20,10); (10,20).
    // Band 3: (20,0); B; (20,10).
    {.Nome = "LivelloCheScende",
     .Livelli = {10.0, 8.0, 20.0},
     .Angoli = {{{0, 0, 0}, {30, 0, 30}, {0, 30, 0}}},
     .Attesi = {{0, {{0, 0}, {10, 0}, {10, 20}, {0, 30}}},
                {2, {{10, 0}, {20, 0}, {20, 10}, {10, 20}}},
                {3, {{20, 0}, {30, 0}, {20, 10}}}}},
    // Corners on one line, z = x: A(0,0) 0, B(10,0) 10, C(20,0) 20; levels 5, 15.
    // Band 0: A; A-B at 1/2 -> (5,0); C-A at (5-20)/(0-20) = 3/4 -> (5,0).
    // Band 1: z >= 5 gives (5,0), B, C, (5,0); z <= 15 cuts B-C at 1/2 ->
    // (15,0) and C-(5,0) at (15-20)/(5-20) = 1/3 -> (15,0).
    // Band 2: B-C at 1/2 -> (15,0); C; C-A at (15-20)/(0-20) = 1/4 -> (15,0).
    {.Nome = "TriangoloDegenere",
     .Livelli = {5.0, 15.0},
     .Angoli = {{{0, 0, 0}, {10, 0, 10}, {20, 0, 20}}},
     .Attesi = {{0, {{0, 0}, {5, 0}, {5, 0}}},
                {1, {{5, 0}, {10, 0}, {15, 0}, {15, 0}, {5, 0}}},
                {2, {{15, 0}, {20, 0}, {15, 0}}}}},
    // Three corners at one point with different values: every crossing is
    // that point, nothing divides by a zero length.
    {.Nome = "AngoliCoincidenti",
     .Livelli = {5.0, 15.0},
     .Angoli = {{{5, 5, 0}, {5, 5, 10}, {5, 5, 20}}},
     .Attesi = {{0, {{5, 5}, {5, 5}, {5, 5}}},
                {1, {{5, 5}, {5, 5}, {5, 5}, {5, 5}, {5, 5}}},
                {2, {{5, 5}, {5, 5}, {5, 5}}}}},
    {.Nome = "SenzaLivelli",
     .Livelli = {},
     .Angoli = {{{0, 0, 0}, {10, 0, 10}, {0, 10, 5}}},
     .Attesi = {{0, {{0, 0}, {10, 0}, {0, 10}}}}},
};

double Area(const std::vector<PuntoBanda>& v) {
    double doppia = 0.0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const PuntoBanda& a = v[i];
        const PuntoBanda& b = v[(i + 1) % v.size()];
        doppia += a.X * b.Y - b.X * a.Y;
    }
    return std::fabs(doppia) / 2.0;
}

class TagliaBandeCasi : public testing::TestWithParam<CasoBande> {};

TEST_P(TagliaBandeCasi, PezziCalcolatiAMano) {
    const CasoBande& c = GetParam();
    const std::vector<PezzoBanda> pezzi = TagliaBande(c.Livelli, c.Angoli);
    ASSERT_EQ(pezzi.size(), c.Attesi.size());
    for (std::size_t p = 0; p < pezzi.size(); ++p) {
        EXPECT_EQ(pezzi[p].Banda, c.Attesi[p].Banda) << "piece " << p;
        ASSERT_EQ(pezzi[p].Vertici.size(), c.Attesi[p].Vertici.size()) << "piece " << p;
        EXPECT_LE(pezzi[p].Vertici.size(), 5u);
        for (std::size_t v = 0; v < pezzi[p].Vertici.size(); ++v) {
            EXPECT_NEAR(pezzi[p].Vertici[v].X, c.Attesi[p].Vertici[v].X, 1e-9) << p << "," << v;
            EXPECT_NEAR(pezzi[p].Vertici[v].Y, c.Attesi[p].Vertici[v].Y, 1e-9) << p << "," << v;
        }
    }
}

// The pieces cover the triangle once: their areas add up to its area.
TEST_P(TagliaBandeCasi, PezziCopronoIlTriangoloUnaVolta) {
    const CasoBande& c = GetParam();
    const std::vector<PuntoBanda> triangolo = {{c.Angoli[0].X, c.Angoli[0].Y},
                                               {c.Angoli[1].X, c.Angoli[1].Y},
                                               {c.Angoli[2].X, c.Angoli[2].Y}};
    double somma = 0.0;
    for (const PezzoBanda& p : TagliaBande(c.Livelli, c.Angoli)) somma += Area(p.Vertici);
    EXPECT_NEAR(somma, Area(triangolo), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Tabella, TagliaBandeCasi, testing::ValuesIn(casi),
                         [](const auto& info) { return info.param.Nome; });

// Eleven levels over 0-100, a triangle from 0 to 100: ten pieces, bands 1
// to 10 in order, nothing outside the levels.
TEST(TagliaBande, UndiciLivelliDanoDieciBande) {
    std::vector<double> livelli;
    for (int i = 0; i <= 10; ++i) livelli.push_back(10.0 * i);
    const std::vector<PezzoBanda> pezzi =
        TagliaBande(livelli, {{{0, 0, 0}, {100, 0, 100}, {0, 100, 50}}});
    ASSERT_EQ(pezzi.size(), 10u);
    for (int b = 0; b < 10; ++b) EXPECT_EQ(pezzi[b].Banda, b + 1);
}

// Values that are not numbers must not hang nor crash the cutter.
TEST(TagliaBande, ValoreNonNumericoNonBlocca) {
    const double nan = std::nan("");
    const std::vector<double> livelli = {0.0, 10.0};
    const std::vector<PezzoBanda> pezzi =
        TagliaBande(livelli, {{{0, 0, nan}, {10, 0, 5}, {0, 10, 5}}});
    EXPECT_LE(pezzi.size(), 3u);
}

}  // namespace
