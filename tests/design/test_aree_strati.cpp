#include "design/AreeStrati.h"
#include "model/Parete.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

Parete ConStrati() {
    Parete p;
    p.DiamDir1Piu = 12; p.PassoDir1Piu = 20.0f;
    p.DiamDir1Meno = 10; p.PassoDir1Meno = 25.0f;
    p.DiamDir2Piu = 14; p.PassoDir2Piu = 15.0f;
    p.DiamDir2Meno = 8; p.PassoDir2Meno = 10.0f;
    return p;
}

Parete ConNodi(const std::vector<std::array<float, 4>>& richieste) {
    Parete p;
    p.NumNodi = static_cast<int>(richieste.size());
    p.Nodi.assign(richieste.size() + 1, Nodo{});
    for (size_t i = 0; i < richieste.size(); ++i) p.Nodi[i].Richiesta = richieste[i];
    return p;
}

}  // namespace

TEST(AreeStrati, EachLayerProvidesBarAreaPerMetre) {
    Parete p = ConStrati();
    CalcolaAreeStrati(p);
    EXPECT_NEAR(p.AreaDir1Piu, 5.6549f, 1e-4);   // 12 mm at 20 cm
    EXPECT_NEAR(p.AreaDir1Meno, 3.1416f, 1e-4);  // 10 mm at 25 cm
    EXPECT_NEAR(p.AreaDir2Piu, 10.2625f, 1e-4);  // 14 mm at 15 cm
    EXPECT_NEAR(p.AreaDir2Meno, 5.0265f, 1e-4);  // 8 mm at 10 cm
}

TEST(AreeStrati, ChangingOneLayerLeavesTheOthers) {
    Parete p = ConStrati();
    CalcolaAreeStrati(p);
    const Parete prima = p;
    p.DiamDir2Meno = 16;
    CalcolaAreeStrati(p);
    EXPECT_EQ(p.AreaDir1Piu, prima.AreaDir1Piu);
    EXPECT_EQ(p.AreaDir1Meno, prima.AreaDir1Meno);
    EXPECT_EQ(p.AreaDir2Piu, prima.AreaDir2Piu);
    EXPECT_NEAR(p.AreaDir2Meno, 20.1062f, 1e-3);
}

// A spacing of 0 or less can only come from a damaged file.
TEST(AreeStrati, LayerWithoutPositiveSpacingProvidesNothing) {
    Parete p = ConStrati();
    p.PassoDir1Piu = 0.0f;
    p.PassoDir2Meno = -5.0f;
    CalcolaAreeStrati(p);
    EXPECT_EQ(p.AreaDir1Piu, 0.0f);
    EXPECT_EQ(p.AreaDir2Meno, 0.0f);
    EXPECT_NEAR(p.AreaDir1Meno, 3.1416f, 1e-4);
}

TEST(AreeStrati, ExtremesOfOneNodeAreItsRequirement) {
    Parete p = ConNodi({{1.5f, 0.0f, 2.5f, 7.0f}});
    StatisticheAree(p);
    EXPECT_EQ(p.MaxRichiesta, (std::array<float, 4>{1.5f, 0.0f, 2.5f, 7.0f}));
    EXPECT_EQ(p.MinRichiesta, (std::array<float, 4>{1.5f, 0.0f, 2.5f, 7.0f}));
}

// Slot 1 is 0 everywhere; slot 3 has its largest value twice.
TEST(AreeStrati, ExtremesAreTakenPerSlotOverAllNodes) {
    Parete p = ConNodi({{3.0f, 0.0f, 1.0f, 9.0f},
                        {1.0f, 0.0f, 4.0f, 2.0f},
                        {5.0f, 0.0f, 0.5f, 9.0f}});
    StatisticheAree(p);
    EXPECT_EQ(p.MaxRichiesta, (std::array<float, 4>{5.0f, 0.0f, 4.0f, 9.0f}));
    EXPECT_EQ(p.MinRichiesta, (std::array<float, 4>{1.0f, 0.0f, 0.5f, 2.0f}));
}

TEST(AreeStrati, WithoutNodesTheExtremesKeepTheirValues) {
    Parete p = ConNodi({});
    p.MaxRichiesta = {1, 2, 3, 4};
    p.MinRichiesta = {-1, -2, -3, -4};
    StatisticheAree(p);
    EXPECT_EQ(p.MaxRichiesta, (std::array<float, 4>{1, 2, 3, 4}));
    EXPECT_EQ(p.MinRichiesta, (std::array<float, 4>{-1, -2, -3, -4}));
}
