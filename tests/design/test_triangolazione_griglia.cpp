// The index of the circumcircles finds what a test of every circle held
// finds, wherever it keeps a circle: just registered, in a grid, or in the
// flat list of the circles that span most of the box; and after removals
// from each of them, which move other circles within the same store.

#include "design/TriangolazioneComune.h"
#include "design/TriangolazioneGriglia.h"
#include "model/Punto.h"
#include "test_triangolazione_insiemi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace insiemi;

namespace {

enum class Genere { TreNodiVicini, TreNodiLontani, Enorme, FuoriDalRiquadro, Degenere, NonFinito };

const char* Nome(Genere g) {
    switch (g) {
    case Genere::TreNodiVicini: return "three near nodes";
    case Genere::TreNodiLontani: return "three far nodes";
    case Genere::Enorme: return "a nearly flat circle through two nodes";
    case Genere::FuoriDalRiquadro: return "clear of the box";
    case Genere::Degenere: return "degenerate";
    case Genere::NonFinito: return "not finite";
    }
    return "";
}

// Circles like those of the construction: most through three nodes, so that
// nodes lie on them to the last bit; some huge, clear of the nodes, or without
// a radius.
class Circoli {
public:
    explicit Circoli(const std::vector<Punto>& nodi) : nodi_(nodi), motore_(5) {}

    CerchioTriangolo Nuovo(Genere g) {
        const auto nodo = [&] { return nodi_[motore_() % nodi_.size()]; };
        const auto vicino = [&](const Punto& a) {
            const Punto* migliore = &nodi_[0];
            float d = std::numeric_limits<float>::max();
            for (int k = 0; k < 12; ++k) {
                const Punto& b = nodo();
                const float dd = std::fabs(b.X - a.X) + std::fabs(b.Y - a.Y);
                if (dd > 0.0f && dd < d) {
                    d = dd;
                    migliore = &b;
                }
            }
            return *migliore;
        };
        switch (g) {
        case Genere::TreNodiVicini: {
            const Punto a = nodo();
            const Punto b = vicino(a);
            const Punto c = vicino(b);
            return CerchioCircoscritto(a.X, a.Y, b.X, b.Y, c.X, c.Y);
        }
        case Genere::TreNodiLontani: {
            const Punto a = nodo(), b = nodo(), c = nodo();
            return CerchioCircoscritto(a.X, a.Y, b.X, b.Y, c.X, c.Y);
        }
        case Genere::Enorme: {
            const Punto a = nodo();
            const Punto b = vicino(a);
            return CerchioCircoscritto(a.X, a.Y, b.X, b.Y, -20000.0f, 30000.0f);
        }
        case Genere::FuoriDalRiquadro:
            return {-5000.0f, -5000.0f, 100.0f};
        case Genere::Degenere:
            return {};
        case Genere::NonFinito:
            return {std::numeric_limits<float>::infinity(), 0.0f, std::numeric_limits<float>::infinity()};
        }
        return {};
    }

private:
    const std::vector<Punto>& nodi_;
    std::mt19937 motore_;
};

std::vector<int> ColpitiDallaGriglia(const GrigliaCerchi& griglia, const Punto& p) {
    std::vector<int> id;
    griglia.PerOgniCerchioCon(p, [&](int i) { id.push_back(i); });
    std::sort(id.begin(), id.end());
    return id;
}

std::vector<int> ColpitiDaTutti(const std::map<int, CerchioTriangolo>& tenuti, const Punto& p) {
    std::vector<int> id;
    for (const auto& [i, c] : tenuti) {
        if (PuntoNelCerchio(c.Xc, c.Yc, c.R2, p.X, p.Y)) id.push_back(i);
    }
    return id;
}

struct CasoGriglia {
    std::string nome;
    std::vector<Punto> nodi;
};

void PrintTo(const CasoGriglia& c, std::ostream* os) { *os << c.nome; }

class GrigliaCerchiComeScansione : public testing::TestWithParam<CasoGriglia> {};

// Rounds of the construction: a query at a node, removals (of circles just
// registered too), filing of the survivors, new circles of every kind.
TEST_P(GrigliaCerchiComeScansione, EveryQueryFindsTheCirclesThatHoldTheNode) {
    const std::vector<Punto>& nodi = GetParam().nodi;
    GrigliaCerchi griglia(nodi);
    Circoli circoli(nodi);
    std::mt19937 motore(11);
    std::map<int, CerchioTriangolo> tenuti;
    std::vector<int> liberi;
    int prossimo = 0;
    const Genere generi[] = {Genere::TreNodiVicini, Genere::TreNodiVicini, Genere::TreNodiVicini,
                             Genere::TreNodiLontani, Genere::Enorme,        Genere::FuoriDalRiquadro,
                             Genere::Degenere,       Genere::NonFinito};
    const auto registra = [&](Genere g) {
        int id = prossimo;
        if (!liberi.empty() && motore() % 2 == 0) {
            id = liberi.back();
            liberi.pop_back();
        } else {
            ++prossimo;
        }
        const CerchioTriangolo c = circoli.Nuovo(g);
        griglia.Registra(id, c);
        tenuti[id] = c;
        return id;
    };
    for (int giro = 0; giro < 400; ++giro) {
        const Punto p = nodi[motore() % nodi.size()];
        ASSERT_EQ(ColpitiDallaGriglia(griglia, p), ColpitiDaTutti(tenuti, p)) << "round " << giro;
        // The construction takes out every circle that holds the node, and a few more here.
        for (const int id : ColpitiDaTutti(tenuti, p)) {
            griglia.Togli(id);
            tenuti.erase(id);
            liberi.push_back(id);
        }
        for (int k = 0; k < 3 && !tenuti.empty(); ++k) {
            auto it = tenuti.begin();
            std::advance(it, motore() % tenuti.size());
            griglia.Togli(it->first);
            liberi.push_back(it->first);
            tenuti.erase(it);
        }
        griglia.ArchiviaNuovi();
        for (int k = 0; k < 12; ++k) registra(generi[motore() % std::size(generi)]);
        // Some of the new ones go before the next query, as a cavity would take them.
        for (int k = 0; k < 2; ++k) {
            const int id = registra(Genere::TreNodiVicini);
            griglia.Togli(id);
            tenuti.erase(id);
            liberi.push_back(id);
        }
    }
    for (const Genere g : generi) {
        SCOPED_TRACE(Nome(g));
        const int id = registra(g);
        griglia.ArchiviaNuovi();
        for (int k = 0; k < 40; ++k) {
            const Punto p = nodi[motore() % nodi.size()];
            ASSERT_EQ(ColpitiDallaGriglia(griglia, p), ColpitiDaTutti(tenuti, p));
        }
        griglia.Togli(id);
        tenuti.erase(id);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Nodi, GrigliaCerchiComeScansione,
    testing::Values(CasoGriglia{.nome = "ScatteredOverAWideBox", .nodi = PuntiSparsi(3000, 1600, 500, 3)},
                    CasoGriglia{.nome = "AnExactGrid", .nodi = GrigliaEsatta(60, 30, 12.5f, Ordine::Righe, 1250.3f, 340.7f)},
                    CasoGriglia{.nome = "FewNodesAndNoGridAtAll", .nodi = PuntiSparsi(12, 100, 50, 4)},
                    CasoGriglia{.nome = "AThinStrip", .nodi = PuntiSparsi(2000, 3000, 2, 6)}),
    [](const testing::TestParamInfo<CasoGriglia>& info) { return info.param.nome; });

}  // namespace
