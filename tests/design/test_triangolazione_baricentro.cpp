// The centroid filter passes over sides by their slopes and classifies the
// others by its own cross products: it must answer as the ray test of every
// outline and opening does, also where the ray grazes a vertex or a side,
// where a point lies on a side, and where the reference point is not left of
// the sides.

#include "design/TriangolazioneBaricentro.h"
#include "model/Parete.h"
#include "model/Poligoni.h"
#include "test_triangolazione_insiemi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace insiemi;

namespace {

bool FuoriComeRaggio(const Parete& p, const Punto& g) {
    if (!PuntoInPerimetro(p, g.X, g.Y, -1)) return true;
    for (int k = 0; k < p.NumAperture; ++k) {
        if (PuntoInPerimetro(p, g.X, g.Y, k)) return true;
    }
    return false;
}

std::vector<std::vector<Punto>> Poligoni(const Parete& p) {
    std::vector<std::vector<Punto>> poligoni{{p.Contorno.begin(), p.Contorno.begin() + p.NumPuntiContorno}};
    for (int k = 0; k < p.NumAperture; ++k) {
        std::vector<Punto> v;
        for (int j = 0; j < p.PuntiApertura[k]; ++j) v.push_back({p.XApertura(k, j), p.YApertura(k, j)});
        poligoni.push_back(v);
    }
    return poligoni;
}

// Points the ray test finds hard: on and beside every side and vertex, on the
// lines from the reference point through every vertex and beside them, and
// scattered over the frame and left of it.
std::vector<Punto> PuntiDifficili(const Parete& p) {
    const double xr = p.XminCornice - 200.74977;
    const double yr = (static_cast<double>(p.YminCornice) + p.YmaxCornice) / 2.0 - 0.531777;
    const double scarti[] = {0.0, 1e-7, -1e-7, 1e-5, -1e-5, 1e-4, -1e-4, 7e-4, -7e-4, 1.5e-3, -1.5e-3, 0.01, -0.01};
    std::vector<Punto> punti;
    const auto aggiungi = [&](double x, double y) { punti.push_back({static_cast<float>(x), static_cast<float>(y)}); };
    for (const std::vector<Punto>& poligono : Poligoni(p)) {
        for (std::size_t i = 0; i < poligono.size(); ++i) {
            const Punto a = poligono[i];
            const Punto b = poligono[(i + 1) % poligono.size()];
            const double dx = static_cast<double>(b.X) - a.X, dy = static_cast<double>(b.Y) - a.Y;
            const double l = std::hypot(dx, dy);
            for (const double t : {-0.3, 0.0, 0.001, 0.37, 0.5, 0.999, 1.3}) {
                for (const double s : scarti) aggiungi(a.X + t * dx - s * dy / l, a.Y + t * dy + s * dx / l);
            }
            // Along the line from the reference point through the vertex, before and beyond it.
            const double rx = a.X - xr, ry = a.Y - yr;
            const double rl = std::hypot(rx, ry);
            for (const double t : {0.3, 0.9, 0.9999, 1.0001, 1.2, 1.7}) {
                for (const double s : scarti) aggiungi(xr + t * rx - s * ry / rl, yr + t * ry + s * rx / rl);
            }
        }
    }
    std::mt19937 motore(23);
    const auto tra = [&](float a, float b) { return a + (b - a) * static_cast<float>(motore() % 100001) / 100000.0f; };
    for (int k = 0; k < 3000; ++k) {
        aggiungi(tra(p.XminCornice - 400.0f, p.XmaxCornice + 50.0f), tra(p.YminCornice - 50.0f, p.YmaxCornice + 50.0f));
    }
    return punti;
}

struct CasoFiltro {
    std::string nome;
    Parete parete;
};

void PrintTo(const CasoFiltro& c, std::ostream* os) { *os << c.nome; }

// Slanted sides, one nearly flat, scaled: at a tenth of a millimetre the
// tolerances of the ray test decide most points near the sides.
Parete Inclinata(float scala) {
    const auto v = [scala](std::vector<Punto> punti) {
        for (Punto& q : punti) q = {q.X * scala, q.Y * scala};
        return punti;
    };
    Parete p = ConContorno(v({{0.3f, 0.7f}, {812.9f, 41.3f}, {799.1f, 402.2f}, {355.5f, 398.8f}, {120.0f, 655.4f}, {-3.3f, 300.1f}}));
    AggiungiApertura(p, v({{200.0f, 100.0f}, {420.3f, 110.7f}, {300.0f, 300.0f}}));
    AggiungiApertura(p, v({{500.0f, 200.0f}, {700.0f, 200.0001f}, {700.0f, 350.0f}, {500.0f, 350.0f}}));
    return p;
}

Parete RiferimentoADestra() {
    Parete p = PareteGenerata(300);
    p.XminCornice = p.XmaxCornice + 500.0f;
    return p;
}

class FiltroBaricentriComeRaggio : public testing::TestWithParam<CasoFiltro> {};

TEST_P(FiltroBaricentriComeRaggio, SameAnswerAsTheRayTest) {
    const Parete& p = GetParam().parete;
    const FiltroBaricentri filtro(p);
    for (const Punto& g : PuntiDifficili(p)) {
        ASSERT_EQ(filtro.FuoriParete(g), FuoriComeRaggio(p, g)) << g.X << ", " << g.Y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pareti, FiltroBaricentriComeRaggio,
    testing::Values(CasoFiltro{.nome = "GeneratedWall", .parete = PareteGenerata(1000)},
                    CasoFiltro{.nome = "SlantedSidesAndANearlyFlatOne", .parete = Inclinata(1.0f)},
                    CasoFiltro{.nome = "AWallWithinAMillimetre", .parete = Inclinata(0.0001f)},
                    CasoFiltro{.nome = "ReferencePointRightOfTheSides", .parete = RiferimentoADestra()}),
    [](const testing::TestParamInfo<CasoFiltro>& info) { return info.param.nome; });

}  // namespace
