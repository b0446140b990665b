#include "design/PassoZona.h"
#include "model/Impostazioni.h"
#include "model/Numeri.h"

#include <gtest/gtest.h>

#include <string>

TEST(PassoArrotondato, RoundsTheSpacingDownInItsBand) {
    struct Caso {
        std::string nome;
        int diametro;
        float area;
        float atteso;
    };
    // AreaBarra(12) = 1.130973 cm2: s = 113.0973 / area.
    const Caso casi[] = {
        {.nome = "56.55 in steps of 5", .diametro = 12, .area = 2.0f, .atteso = 55.0f},
        {.nome = "28.27 in steps of 5", .diametro = 12, .area = 4.0f, .atteso = 25.0f},
        {.nome = "12.57 to whole cm", .diametro = 12, .area = 9.0f, .atteso = 12.0f},
        {.nome = "9.42 to half cm", .diametro = 12, .area = 12.0f, .atteso = 9.0f},
        {.nome = "226 capped", .diametro = 12, .area = 0.5f, .atteso = 100.0f},
        {.nome = "nothing missing", .diametro = 12, .area = 0.0f, .atteso = 30.0f},
        {.nome = "0.565 raised to 1", .diametro = 12, .area = 200.0f, .atteso = 1.0f},
        {.nome = "tiny area", .diametro = 12, .area = 1e-38f, .atteso = 100.0f},
    };
    Impostazioni imp;
    ValoriDefault(imp);
    imp.PassoMaxIntegrativa = 30.0f;
    for (const Caso& c : casi) EXPECT_FLOAT_EQ(PassoArrotondato(imp, c.diametro, c.area), c.atteso) << c.nome;
}

// 25.0 is the half step of 20 and 30 and goes down; 25.1 is above it.
TEST(PassoArrotondato, HalfStepGoesDown) {
    Impostazioni imp;
    ValoriDefault(imp);
    const float barra = AreaBarra(10) * 100.0f;
    const float area25 = barra / 25.0f;
    ASSERT_FLOAT_EQ(barra / area25, 25.0f);
    EXPECT_FLOAT_EQ(PassoArrotondato(imp, 10, area25), 20.0f);
    EXPECT_FLOAT_EQ(PassoArrotondato(imp, 10, barra / 25.1f), 25.0f);
}
