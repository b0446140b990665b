// The fast triangulation against the plain documented one on larger node
// sets inserted row by row, as the analysis programs number them: every node
// lands on the circles of the row below and cuts a long fan along the hull,
// so most triangles live for one insertion only and hundreds of circles span
// the whole wall. The same triangles in the same order.

#include "design/Triangolazione.h"
#include "design/TriangolazioneSemplice.h"
#include "model/Parete.h"
#include "test_triangolazione_insiemi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace insiemi;

namespace {

struct CasoRighe {
    std::string nome;
    Parete parete;
};

void PrintTo(const CasoRighe& c, std::ostream* os) { *os << c.nome; }

// A generated wall whose nodes are scattered at random over their box: the
// openings and the re-entrant corner drop triangles everywhere.
Parete GenerataConNodiSparsi(int nodi) {
    Parete p = PareteGenerata(nodi);
    const std::vector<Punto> sparsi = PuntiSparsi(nodi, 800.0f * std::sqrt(nodi / 300.0f), 400.0f * std::sqrt(nodi / 300.0f), 9);
    ImpostaNodi(p, sparsi);
    return p;
}

class TriangolaNodiRighe : public testing::TestWithParam<CasoRighe> {};

TEST_P(TriangolaNodiRighe, SameTrianglesAsThePlainConstruction) {
    Parete veloce = GetParam().parete;
    Parete semplice = GetParam().parete;
    TriangolaNodi(veloce);
    TriangolaNodiSemplice(semplice);
    ASSERT_GT(semplice.UltimoTriangolo, 0);
    EXPECT_EQ(veloce.UltimoTriangolo, semplice.UltimoTriangolo);
    EXPECT_EQ(veloce.Triangoli, semplice.Triangoli);
}

INSTANTIATE_TEST_SUITE_P(
    Insiemi, TriangolaNodiRighe,
    testing::Values(
        CasoRighe{.nome = "GeneratedWallOf8000Nodes", .parete = PareteGenerata(8000)},
        CasoRighe{.nome = "ExactGridInRowsAtWallCoordinates",
                  .parete = PareteAttorno(GrigliaEsatta(150, 50, 12.5f, Ordine::Righe, 1250.3f, 340.7f))},
        CasoRighe{.nome = "ExactGridInRowsWithASpacingFloatsDoNotHold",
                  .parete = PareteAttorno(GrigliaEsatta(120, 40, 0.3f, Ordine::Righe, 1250.0f, 340.0f))},
        CasoRighe{.nome = "ExactGridInReversedRows",
                  .parete = PareteAttorno(GrigliaEsatta(100, 60, 10.0f, Ordine::Inverso, 1250.0f, 340.0f))},
        CasoRighe{.nome = "ExactGridInSerpentineRows",
                  .parete = PareteAttorno(GrigliaEsatta(100, 60, 10.0f, Ordine::Serpentina, 1250.0f, 340.0f))},
        CasoRighe{.nome = "JitteredGridInRows", .parete = PareteAttorno(GrigliaMossa(140, 45, 20.0f, 13))},
        CasoRighe{.nome = "GeneratedWallWithScatteredNodes", .parete = GenerataConNodiSparsi(6000)}),
    [](const testing::TestParamInfo<CasoRighe>& info) { return info.param.nome; });

}  // namespace
