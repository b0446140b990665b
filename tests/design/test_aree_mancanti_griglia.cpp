#include "design/AreeMancantiGriglia.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

// Nodes of a wall almost on one line: the ratio of the box's sides to the
// cell side is far beyond any int.
struct CasoAllineati {
    const char* nome;
    float lunghezza;  // cm along x; the nodes lie on y = 0
};

void PrintTo(const CasoAllineati& c, std::ostream* os) { *os << c.nome; }

class NodiQuasiAllineati : public testing::TestWithParam<CasoAllineati> {};

TEST_P(NodiQuasiAllineati, OgniNodoTrovatoNellaSuaCella) {
    const float l = GetParam().lunghezza;
    std::vector<Nodo> nodi(4);
    for (int i = 0; i < 4; ++i) nodi[i].X = l * static_cast<float>(i) / 3.0f;
    const GrigliaNodi griglia(nodi);
    for (int i = 0; i < 4; ++i) {
        int trovati = 0;
        bool proprio = false;
        griglia.PerOgniCandidato(nodi[i].X, 0.0, nodi[i].X, 0.0, [&](const GrigliaNodi::Voce& v) {
            ++trovati;
            proprio = proprio || v.indice == i;
        });
        EXPECT_TRUE(proprio) << "nodo " << i;
        // The cells split the line: a node's cell does not hold them all.
        EXPECT_LT(trovati, 4) << "nodo " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Casi, NodiQuasiAllineati,
                         testing::Values(CasoAllineati{.nome = "Rapporto1e10", .lunghezza = 1e17f},
                                         CasoAllineati{.nome = "Rapporto1e18", .lunghezza = 1e33f}),
                         [](const testing::TestParamInfo<CasoAllineati>& info) { return info.param.nome; });

}  // namespace
