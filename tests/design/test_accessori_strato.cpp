#include "design/AccessoriStrato.h"
#include "model/Parete.h"

#include <gtest/gtest.h>

namespace {

Parete ConUnNodo() {
    Parete p;
    p.NumNodi = 1;
    p.Nodi.assign(2, Nodo{});
    p.Nodi[0].Richiesta = {1.0f, 2.0f, 3.0f, 4.0f};
    p.Nodi[0].Mancante = {-1.0f, -2.0f, -3.0f, -4.0f};
    p.DiamDir1Piu = 10; p.DiamDir1Meno = 12; p.DiamDir2Piu = 14; p.DiamDir2Meno = 16;
    p.PassoDir1Piu = 20; p.PassoDir1Meno = 25; p.PassoDir2Piu = 30; p.PassoDir2Meno = 35;
    return p;
}

}  // namespace

TEST(AccessoriStrato, LayerIndexReadsItsSlot) {
    const Parete p = ConUnNodo();
    const float attese[4] = {1.0f, 3.0f, 2.0f, 4.0f};  // slots 0, 2, 1, 3
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(AreaRichiestaNodo(p, k, 0), attese[k]) << k;
        EXPECT_FLOAT_EQ(CarenzaNodo(p, k, 0), -attese[k]) << k;
    }
    const float diametri[4] = {10, 12, 14, 16};
    const float passi[4] = {20, 25, 30, 35};
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(DiamStrato(p, k), diametri[k]);
        EXPECT_FLOAT_EQ(PassoStrato(p, k), passi[k]);
        EXPECT_EQ(PassoStratoVar(p, k), passi[k]);
    }
}

TEST(AccessoriStrato, OutOfRangeLayerReadsZeroAndWritesNothing) {
    Parete p = ConUnNodo();
    EXPECT_FLOAT_EQ(DiamStrato(p, 5), 0.0f);
    EXPECT_FLOAT_EQ(PassoStrato(p, -1), 0.0f);
    EXPECT_FALSE(PassoStratoVar(p, 5).has_value());
    ImpostaDiamStrato(p, 5, 12);
    ImpostaPassoStrato(p, 4, 12.0f);
    EXPECT_EQ(p.DiamDir1Piu, 10);
    EXPECT_EQ(p.DiamDir2Meno, 16);
    EXPECT_FLOAT_EQ(AreaRichiestaNodo(p, 7, 0), 0.0f);
}

TEST(AccessoriStrato, SettersWriteTheirLayer) {
    Parete p = ConUnNodo();
    ImpostaDiamStrato(p, 1, 20);
    ImpostaPassoStrato(p, 2, 12.5f);
    EXPECT_EQ(p.DiamDir1Meno, 20);
    EXPECT_FLOAT_EQ(p.PassoDir2Piu, 12.5f);
}

TEST(AccessoriStrato, NoNodesReadsZero) {
    Parete p = ConUnNodo();
    p.NumNodi = 0;
    EXPECT_FLOAT_EQ(CarenzaNodo(p, 0, 0), 0.0f);
    EXPECT_FLOAT_EQ(AreaRichiestaNodo(p, 0, 0), 0.0f);
}
