#include "export/CellaPalette.h"
#include "drawing/Palette.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

namespace {

struct CasoCella {
    const char* nome;
    int n;
    int aci;
};

// A failing row names itself in the test output.
void PrintTo(const CasoCella& c, std::ostream* os) { *os << c.nome; }

const CasoCella CasiCella[] = {
    {.nome = "Prima", .n = 0, .aci = 18},           {.nome = "FineRiga0", .n = 23, .aci = 248},
    {.nome = "InizioRiga1", .n = 24, .aci = 16},    {.nome = "InizioBlocco2", .n = 120, .aci = 11},
    {.nome = "FineBlocco2", .n = 239, .aci = 249},  {.nome = "PrimaUltimaRiga", .n = 240, .aci = 1},
    {.nome = "Sette", .n = 246, .aci = 7},          {.nome = "PrimaDelloSpazio", .n = 248, .aci = 9},
    {.nome = "DopoLoSpazio", .n = 249, .aci = 250}, {.nome = "Ultima", .n = 254, .aci = 255},
};

class IndiceCella : public testing::TestWithParam<CasoCella> {};

TEST_P(IndiceCella, IndiceEColoreDellaCella) {
    const auto c = CellaPalette(GetParam().n);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->Aci, GetParam().aci);
    EXPECT_EQ(c->ColoreRgb, ColoreAci(GetParam().aci));
}

INSTANTIATE_TEST_SUITE_P(Casi, IndiceCella, testing::ValuesIn(CasiCella),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace

TEST(CellaPalette, FuoriDaiLimitiNessunaCella) {
    EXPECT_FALSE(CellaPalette(-1).has_value());
    EXPECT_FALSE(CellaPalette(255).has_value());
}

TEST(CellaPalette, OgniIndiceDa1A255UnaVolta) {
    std::set<int> indici;
    for (const CellaColore& c : CellePalette()) indici.insert(c.Aci);
    EXPECT_EQ(indici.size(), 255u);
    EXPECT_EQ(*indici.begin(), 1);
    EXPECT_EQ(*indici.rbegin(), 255);
}

TEST(CellaPalette, RiquadriDeiTreBlocchi) {
    const auto celle = CellePalette();
    EXPECT_EQ(celle[0], (CellaColore{5, 5, 25, 25, 18, ColoreAci(18)}));
    EXPECT_EQ(celle[25].Sinistra, 30);
    EXPECT_EQ(celle[119].Alto, 105);
    EXPECT_EQ(celle[120].Alto, 140);
    EXPECT_EQ(celle[239].Alto, 240);
    EXPECT_EQ(celle[240].Alto, 275);
    EXPECT_EQ(celle[248].Sinistra, 205);
    EXPECT_EQ(celle[249].Sinistra, 305);
    EXPECT_EQ(celle[254].Destra, 450);
}

TEST(CellaPalette, BordoInclusoSpazioVuoto) {
    const auto celle = CellePalette();
    EXPECT_EQ(CellaSotto(celle, 25, 25), 0);
    EXPECT_EQ(CellaSotto(celle, 30, 5), 1);
    EXPECT_EQ(CellaSotto(celle, 27, 10), std::nullopt);
    EXPECT_EQ(CellaSotto(celle, 10, 130), std::nullopt);  // between the blocks
    EXPECT_EQ(CellaSotto(celle, 260, 280), std::nullopt);  // the wide gap of the last row
    EXPECT_EQ(CellaSotto(celle, 450, 295), 254);
}

TEST(CellaPalette, AperturaSuZeroSceglieIlSette) {
    EXPECT_EQ(AciApertura(0), 7);
    EXPECT_EQ(AciApertura(42), 42);
}
