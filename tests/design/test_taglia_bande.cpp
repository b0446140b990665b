#include "design/TagliaBande.h"

#include "design/MappaLivelli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
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

// ---- The cut in place against the cut as it was first written -----------

// The band cut as it was before it cut in place: a list of pieces a
// triangle, the limits worked out each time. Kept here only to hold the
// pieces of the program's cut to it bit for bit.
namespace riferimento {

struct Vertice {
    double X, Y, Z;
};

struct Poligono {
    std::array<Vertice, 6> V{};
    std::size_t N = 0;

    void Aggiungi(const Vertice& v) { V[N++] = v; }
    std::span<const Vertice> Vertici() const { return {V.data(), N}; }
};

Poligono TagliaSemipiano(const Poligono& poligono, double livello, double verso) {
    Poligono tenuti;
    const std::size_t n = poligono.N;
    for (std::size_t i = 0; i < n; ++i) {
        const Vertice& a = poligono.V[i];
        const Vertice& b = poligono.V[(i + 1) % n];
        const double da = verso * (a.Z - livello);
        const double db = verso * (b.Z - livello);
        if (da >= 0.0) tenuti.Aggiungi(a);
        if ((da > 0.0 && db < 0.0) || (da < 0.0 && db > 0.0)) {
            const double t = (livello - a.Z) / (b.Z - a.Z);
            tenuti.Aggiungi({a.X + (b.X - a.X) * t, a.Y + (b.Y - a.Y) * t, livello});
        }
    }
    return tenuti;
}

int BandaDelValore(std::span<const double> limiti, double z) {
    if (limiti.empty() || z < limiti[0]) return 0;
    for (std::size_t b = 1; b < limiti.size(); ++b)
        if (z <= limiti[b]) return static_cast<int>(b);
    return static_cast<int>(limiti.size());
}

PezzoBanda Pezzo(int banda, const Poligono& poligono) {
    PezzoBanda pezzo{banda, {}};
    for (const Vertice& v : poligono.Vertici()) pezzo.Vertici.push_back({v.X, v.Y});
    return pezzo;
}

std::vector<PezzoBanda> TagliaBande(std::span<const double> livelli,
                                    const std::array<AngoloBanda, 3>& angoli) {
    std::vector<double> limiti(livelli.begin(), livelli.end());
    for (std::size_t i = 1; i < limiti.size(); ++i) limiti[i] = std::max(limiti[i], limiti[i - 1]);

    Poligono triangolo;
    for (const AngoloBanda& a : angoli) triangolo.Aggiungi({a.X, a.Y, a.Z});
    const auto [zmin, zmax] = std::minmax({angoli[0].Z, angoli[1].Z, angoli[2].Z});
    if (zmin == zmax) return {Pezzo(BandaDelValore(limiti, zmin), triangolo)};

    constexpr double infinito = std::numeric_limits<double>::infinity();
    const int n = static_cast<int>(limiti.size());
    std::vector<PezzoBanda> pezzi;
    for (int b = 0; b <= n; ++b) {
        const double basso = b > 0 ? limiti[b - 1] : -infinito;
        const double alto = b < n ? limiti[b] : infinito;
        if (!(basso < alto) || !(zmin < alto && zmax > basso)) continue;
        Poligono poligono = triangolo;
        if (b > 0) poligono = TagliaSemipiano(poligono, basso, 1.0);
        if (b < n) poligono = TagliaSemipiano(poligono, alto, -1.0);
        pezzi.push_back(Pezzo(b, poligono));
    }
    return pezzi;
}

}  // namespace riferimento

// The same double, bit for bit: -0 is not 0, and a NaN matches its own bits.
bool StessiBit(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Empty when the pieces are the same bit for bit, else the first difference.
std::string Differenza(const std::vector<PezzoBanda>& pezzi, const std::vector<PezzoBanda>& attesi) {
    if (pezzi.size() != attesi.size())
        return std::to_string(pezzi.size()) + " pieces instead of " + std::to_string(attesi.size());
    for (std::size_t p = 0; p < pezzi.size(); ++p) {
        const std::vector<PuntoBanda>& v = pezzi[p].Vertici;
        if (pezzi[p].Banda != attesi[p].Banda || v.size() != attesi[p].Vertici.size())
            return "piece " + std::to_string(p) + ": band or corner count";
        for (std::size_t k = 0; k < v.size(); ++k)
            if (!StessiBit(v[k].X, attesi[p].Vertici[k].X) ||
                !StessiBit(v[k].Y, attesi[p].Vertici[k].Y))
                return "piece " + std::to_string(p) + ", corner " + std::to_string(k);
    }
    return {};
}

std::vector<PezzoBanda> InElenco(std::span<const PezzoBandaFisso> pezzi) {
    std::vector<PezzoBanda> elenco;
    for (const PezzoBandaFisso& p : pezzi)
        elenco.push_back({p.Banda, {p.Vertici().begin(), p.Vertici().end()}});
    return elenco;
}

// Triangles of every kind a map meets or could: any corners, corners on a
// line or at one point, values on a level or one step beside it, one value
// at two or three corners, values that are not numbers or are infinite.
class TriangoliCasuali {
public:
    TriangoliCasuali(std::uint64_t seme, std::span<const double> livelli)
        : motore_(seme), livelli_(livelli.begin(), livelli.end()) {}

    std::array<AngoloBanda, 3> Prossimo() {
        std::array<AngoloBanda, 3> t;
        const std::uint64_t forma = motore_() % 4;
        for (int c = 0; c < 3; ++c) {
            t[c].X = Tra(-50.0, 150.0);
            t[c].Y = Tra(-50.0, 150.0);
            t[c].Z = Valore();
        }
        if (forma == 1) {  // on one line
            const double s = Tra(-2.0, 2.0);
            t[2].X = t[0].X + (t[1].X - t[0].X) * s;
            t[2].Y = t[0].Y + (t[1].Y - t[0].Y) * s;
        } else if (forma == 2) {  // at one point
            t[1].X = t[2].X = t[0].X;
            t[1].Y = t[2].Y = t[0].Y;
        }
        const std::uint64_t uguali = motore_() % 5;
        if (uguali == 1) t[1].Z = t[0].Z;
        if (uguali == 2) t[2].Z = t[1].Z = t[0].Z;
        return t;
    }

private:
    double Tra(double a, double b) {
        return a + (b - a) * static_cast<double>(motore_() >> 11) * 0x1.0p-53;
    }
    double Valore() {
        const std::uint64_t tipo = motore_() % 10;
        if (!livelli_.empty() && tipo < 3) {
            const double l = livelli_[motore_() % livelli_.size()];
            if (tipo == 0) return l;
            return std::nextafter(l, tipo == 1 ? -1e300 : 1e300);
        }
        if (tipo == 3) return std::numeric_limits<double>::quiet_NaN();
        if (tipo == 4 && motore_() % 4 == 0)
            return motore_() % 2 ? std::numeric_limits<double>::infinity()
                                 : -std::numeric_limits<double>::infinity();
        return Tra(-200.0, 1500.0);
    }

    std::mt19937_64 motore_;
    std::vector<double> livelli_;
};

struct CasoLivelli {
    std::string Nome;
    std::vector<double> Livelli;
};

void PrintTo(const CasoLivelli& c, std::ostream* os) { *os << c.Nome; }

std::vector<double> DellaMappa(float vmin, float vmax) {
    const auto l = LivelliMappa(vmin, vmax);
    return {l.begin(), l.end()};
}

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

const std::vector<CasoLivelli> casiLivelli = {
    {.Nome = "DellaMappa", .Livelli = DellaMappa(-3.0f, 17.7f)},
    {.Nome = "DellaMappaSuZero", .Livelli = DellaMappa(0.0f, 0.0f)},
    {.Nome = "Coincidenti", .Livelli = {400.0, 400.0, 400.0, 400.0}},
    {.Nome = "InParteCoincidenti", .Livelli = {0.0, 100.0, 100.0, 200.0, 200.0, 200.0, 500.0}},
    {.Nome = "CheScendono", .Livelli = {100.0, 80.0, 200.0, 50.0, 300.0}},
    {.Nome = "Nessuno", .Livelli = {}},
    {.Nome = "Uno", .Livelli = {500.0}},
    {.Nome = "ConNaN", .Livelli = {0.0, nan, 200.0, 400.0}},
    {.Nome = "Infiniti", .Livelli = {-inf, 0.0, 500.0, inf}},
};

class TaglioInPosto : public testing::TestWithParam<CasoLivelli> {};

// One cutter serves all the triangles of a map: every cut gives the pieces
// of the list cut, bit for bit, whatever the triangles before it left.
TEST_P(TaglioInPosto, StessiPezziDelTaglioInElencoBitPerBit) {
    const std::vector<double>& livelli = GetParam().Livelli;
    TaglioBande taglio(livelli);
    TriangoliCasuali triangoli(0x6b6f7276616e65u, livelli);
    for (int i = 0; i < 20000; ++i) {
        const std::array<AngoloBanda, 3> t = triangoli.Prossimo();
        const std::vector<PezzoBanda> attesi = riferimento::TagliaBande(livelli, t);
        ASSERT_EQ(Differenza(InElenco(taglio.Taglia(t)), attesi), "") << "triangle " << i;
        ASSERT_EQ(Differenza(TagliaBande(livelli, t), attesi), "") << "triangle " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Livelli, TaglioInPosto, testing::ValuesIn(casiLivelli),
                         [](const auto& info) { return info.param.Nome; });

}  // namespace
