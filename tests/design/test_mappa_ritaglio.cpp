// The clip of a map triangle to the range, in place, against the clip as it
// was first written (a list of triangles from a list of points), bit for bit.

#include "design/MappaRitaglio.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

// Kept here only to hold the program's clip to it.
std::vector<TriangoloMappa> RitaglioDiRiferimento(const TriangoloMappa& angoli, float vmin,
                                                  float vmax) {
    int sotto = 0;
    int sopra = 0;
    for (const AngoloMappa& a : angoli) {
        sotto += a.Valore < vmin;
        sopra += a.Valore > vmax;
    }
    if (sotto == 3 || sopra == 3) return {};
    if (sotto == 0 && sopra == 0) return {angoli};
    std::vector<AngoloMappa> poligono;
    for (int e = 0; e < 3; ++e) {
        const AngoloMappa& a = angoli[e];
        const AngoloMappa& b = angoli[(e + 1) % 3];
        if (a.Valore >= vmin && a.Valore <= vmax) poligono.push_back(a);
        const float l = static_cast<float>(std::hypot(b.X - a.X, b.Y - a.Y));
        AngoloMappa incroci[2];
        float distanze[2];
        int n = 0;
        for (const float livello : {vmin, vmax}) {
            const float t = DistanzaLivello(a.Valore, b.Valore, livello, l);
            if (t > 0.0f && t < l) {
                incroci[n] = {InterpolaCoord(b.X, a.X, l, t), InterpolaCoord(b.Y, a.Y, l, t),
                              livello};
                distanze[n] = t;
                ++n;
            }
        }
        if (n == 2 && distanze[1] > distanze[0]) std::swap(incroci[0], incroci[1]);
        poligono.insert(poligono.end(), incroci, incroci + n);
    }
    const int punti = static_cast<int>(poligono.size());
    if (punti < 3) return {};
    std::vector<TriangoloMappa> ventaglio;
    for (int j = 2; j + 1 < punti; ++j)
        ventaglio.push_back({poligono[0], poligono[j], poligono[j + 1]});
    ventaglio.push_back({poligono[0], poligono[1], poligono[2]});
    return ventaglio;
}

bool StessiBit(const AngoloMappa& a, const AngoloMappa& b) {
    return std::bit_cast<std::uint64_t>(a.X) == std::bit_cast<std::uint64_t>(b.X) &&
           std::bit_cast<std::uint64_t>(a.Y) == std::bit_cast<std::uint64_t>(b.Y) &&
           std::bit_cast<std::uint32_t>(a.Valore) == std::bit_cast<std::uint32_t>(b.Valore);
}

// Empty when the triangles are the same bit for bit, else the first difference.
std::string Differenza(std::span<const TriangoloMappa> ottenuti,
                       const std::vector<TriangoloMappa>& attesi) {
    if (ottenuti.size() != attesi.size())
        return std::to_string(ottenuti.size()) + " triangles instead of " +
               std::to_string(attesi.size());
    for (std::size_t t = 0; t < attesi.size(); ++t)
        for (int c = 0; c < 3; ++c)
            if (!StessiBit(ottenuti[t][c], attesi[t][c]))
                return "triangle " + std::to_string(t) + ", corner " + std::to_string(c);
    return {};
}

struct CasoIntervallo {
    std::string Nome;
    float Min = 0.0f;
    float Max = 0.0f;
};

void PrintTo(const CasoIntervallo& c, std::ostream* os) { *os << c.Nome; }

class RitaglioInPosto : public testing::TestWithParam<CasoIntervallo> {};

// Triangles of any shape (on a line, at one point) whose values lie on the
// ends of the range or one step beside them, repeat at two corners, or are
// not numbers.
TEST_P(RitaglioInPosto, StessiTriangoliDelRitaglioInElencoBitPerBit) {
    const CasoIntervallo& c = GetParam();
    std::mt19937_64 motore(0x6d61707061u);
    const auto tra = [&](double a, double b) {
        return a + (b - a) * static_cast<double>(motore() >> 11) * 0x1.0p-53;
    };
    const auto valore = [&]() -> float {
        switch (motore() % 8) {
            case 0: return c.Min;
            case 1: return c.Max;
            case 2: return std::nextafter(c.Min, -1e30f);
            case 3: return std::nextafter(c.Max, 1e30f);
            case 4: return std::numeric_limits<float>::quiet_NaN();
            default: return static_cast<float>(tra(c.Min - 10.0, c.Max + 10.0));
        }
    };
    VentaglioMappa ventaglio;  // one for all the triangles, as a map has
    for (int i = 0; i < 20000; ++i) {
        TriangoloMappa t;
        for (AngoloMappa& a : t) a = {tra(-50.0, 450.0), tra(-50.0, 450.0), valore()};
        const std::uint64_t forma = motore() % 6;
        if (forma == 1) t[2] = {2.0 * t[1].X - t[0].X, 2.0 * t[1].Y - t[0].Y, t[2].Valore};
        if (forma == 2) t[1] = {t[0].X, t[0].Y, t[1].Valore};
        if (forma == 3) t[2].Valore = t[1].Valore;
        ASSERT_EQ(Differenza(VentaglioAllIntervallo(t, c.Min, c.Max, ventaglio),
                             RitaglioDiRiferimento(t, c.Min, c.Max)),
                  "")
            << "triangle " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Intervalli, RitaglioInPosto,
    testing::Values(CasoIntervallo{.Nome = "DaZeroAOtto", .Min = 0.0f, .Max = 8.0f},
                    CasoIntervallo{.Nome = "AttraversoLoZero", .Min = -3.0f, .Max = 17.7f},
                    CasoIntervallo{.Nome = "UnSoloValore", .Min = 2.3f, .Max = 2.3f}),
    [](const auto& info) { return info.param.Nome; });

}  // namespace
