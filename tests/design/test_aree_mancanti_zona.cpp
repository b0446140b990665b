// The prepared zone test against PuntoInZona itself: the same answer for
// every point, most of all where the quick answers stop (the margins along
// the sides and along the rays through the corners), on zones of every
// shape the quick answers refuse as well as those they take.

#include "design/AreeMancantiZona.h"
#include "model/Poligoni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The corners with the record's box around them, as a stored zone has.
PosizioneArm Zona(std::array<Punto, 4> angoli) {
    PosizioneArm z;
    z.Vertici = angoli;
    z.XMin = z.XMax = angoli[0].X;
    z.YMin = z.YMax = angoli[0].Y;
    for (const Punto& v : angoli) {
        z.XMin = std::min(z.XMin, v.X);
        z.XMax = std::max(z.XMax, v.X);
        z.YMin = std::min(z.YMin, v.Y);
        z.YMax = std::max(z.YMax, v.Y);
    }
    return z;
}

// Points where a wrong quick answer would show: a grid over the box and
// 2 cm around it, every corner, points on each side and at the side margin
// either way, and points on the line from the reference point through each
// corner, beyond it, and just beside that line.
std::vector<Punto> PuntiDiProva(const PosizioneArm& z) {
    std::vector<Punto> punti;
    const float x0 = z.XMin - 2.0f, x1 = z.XMax + 2.0f, y0 = z.YMin - 2.0f, y1 = z.YMax + 2.0f;
    constexpr int Passi = 60;
    for (int i = 0; i <= Passi; ++i)
        for (int j = 0; j <= Passi; ++j)
            punti.push_back({x0 + (x1 - x0) * i / Passi, y0 + (y1 - y0) * j / Passi});
    const Punto r = RiferimentoRaggioZona(z);
    for (int k = 0; k < 4; ++k) {
        const Punto a = z.Vertici[k], b = z.Vertici[(k + 1) % 4];
        punti.push_back(a);
        const double dx = static_cast<double>(b.X) - a.X, dy = static_cast<double>(b.Y) - a.Y;
        const double l = std::hypot(dx, dy);
        if (l == 0.0) continue;
        for (const double t : {0.0001, 0.25, 0.5, 0.77, 0.9999}) {
            for (const double d : {0.0, 0.0005, -0.0005, 0.0014, -0.0014, 0.099, -0.099, 0.1, -0.1,
                                   0.101, -0.101, 0.3, -0.3}) {
                punti.push_back({static_cast<float>(a.X + t * dx - d * dy / l),
                                 static_cast<float>(a.Y + t * dy + d * dx / l)});
            }
        }
        // Along the ray through corner a, on both sides of the corner.
        const double rx = static_cast<double>(a.X) - r.X, ry = static_cast<double>(a.Y) - r.Y;
        const double rl = std::hypot(rx, ry);
        for (const double t : {0.5, 0.98, 0.9999, 1.0001, 1.01, 1.1, 1.5}) {
            for (const double d : {0.0, 0.0005, -0.0005, 0.05, -0.05, 0.1, -0.1, 0.2, -0.2}) {
                punti.push_back({static_cast<float>(r.X + t * rx - d * ry / rl),
                                 static_cast<float>(r.Y + t * ry + d * rx / rl)});
            }
        }
    }
    return punti;
}

void Confronta(const PosizioneArm& z) {
    const ZonaPronta pronta(z);
    int diversi = 0;
    std::string primi;
    for (const Punto& p : PuntiDiProva(z)) {
        if (pronta.Contiene(p.X, p.Y) == PuntoInZona(z, p.X, p.Y)) continue;
        if (++diversi <= 5) primi += "(" + std::to_string(p.X) + ", " + std::to_string(p.Y) + ") ";
    }
    EXPECT_EQ(diversi, 0) << primi;
}

struct Caso {
    const char* nome;
    std::array<Punto, 4> angoli;
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class ZonaProntaCasi : public testing::TestWithParam<Caso> {};

}  // namespace

TEST_P(ZonaProntaCasi, SameAnswerAsPuntoInZona) {
    Confronta(Zona(GetParam().angoli));
    // Either turning of the same corners.
    std::array<Punto, 4> inversi = GetParam().angoli;
    std::reverse(inversi.begin(), inversi.end());
    Confronta(Zona(inversi));
}

INSTANTIATE_TEST_SUITE_P(
    Forme, ZonaProntaCasi,
    testing::Values(
        Caso{.nome = "rettangolo", .angoli = {Punto{0, 0}, Punto{0, 50}, Punto{100, 50}, Punto{100, 0}}},
        Caso{.nome = "parallelogramma",
             .angoli = {Punto{10, 10}, Punto{30.5f, 45.3f}, Punto{90.2f, 30.1f}, Punto{69.7f, -5.2f}}},
        // The ray of a far node grazes a corner of this one.
        Caso{.nome = "griglia generata",
             .angoli = {Punto{51.64f, 361.48f}, Punto{51.64f, 413.12f}, Punto{103.28f, 413.12f},
                        Punto{103.28f, 361.48f}}},
        Caso{.nome = "stretta 2 mm",
             .angoli = {Punto{0, 0}, Punto{0, 0.2f}, Punto{300, 0.2f}, Punto{300, 0}}},
        Caso{.nome = "lato corto", .angoli = {Punto{0, 0}, Punto{0, 0.5f}, Punto{80, 40}, Punto{80, 0}}},
        Caso{.nome = "concava", .angoli = {Punto{0, 0}, Punto{20, 50}, Punto{40, 0}, Punto{20, 15}}},
        Caso{.nome = "intrecciata", .angoli = {Punto{0, 0}, Punto{40, 40}, Punto{0, 40}, Punto{40, 0}}},
        Caso{.nome = "tre allineati",
             .angoli = {Punto{0, 0}, Punto{0, 30}, Punto{0, 60}, Punto{50, 20}}},
        Caso{.nome = "un punto", .angoli = {Punto{5, 5}, Punto{5, 5}, Punto{5, 5}, Punto{5, 5}}},
        Caso{.nome = "lontana",
             .angoli = {Punto{250000, 1000}, Punto{250000, 1200}, Punto{250300, 1200},
                        Punto{250300, 1000}}},
        Caso{.nome = "metri dall'origine",
             .angoli = {Punto{5721.3f, 2870.1f}, Punto{5733.9f, 2911.7f}, Punto{5801.2f, 2890.4f},
                        Punto{5788.6f, 2848.8f}}}));

// Random convex and not convex quadrilaterals on the 0.1 cm grid, a few with
// the record's box left stale, as a damaged file may give.
TEST(ZonaPronta, SeededQuadrilateralsGiveTheSameAnswerAsPuntoInZona) {
    std::uint32_t seme = 2024u;
    const auto caso = [&seme](int n) {
        seme = seme * 1664525u + 1013904223u;
        return static_cast<int>((seme >> 8) % static_cast<std::uint32_t>(n));
    };
    for (int k = 0; k < 300; ++k) {
        SCOPED_TRACE(k);
        std::array<Punto, 4> angoli;
        for (Punto& v : angoli) v = {caso(4000) / 10.0f, caso(4000) / 10.0f};
        PosizioneArm z = Zona(angoli);
        if (k % 10 == 9) z.XMin += 5.0f;
        Confronta(z);
    }
}
