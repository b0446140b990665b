#include "model/Sovrapposizione.h"
#include "model/Impostazioni.h"

#include <gtest/gtest.h>

// Lengths worked out by hand for B450C on C25/30 (fyk 4500, fctm 25.6):
// fyd = 3913.04, fbd = eta x 2.25 x 0.7 x 17.92 / 1.5 = eta x 18.816,
// L = d fyd / (40 fbd), clamped to 20..104 diameters.
TEST(LunghezzaSovrapposizione, MaterialiDiDefault) {
    const Impostazioni imp;
    struct Caso {
        int diametro;
        int attesa;
    };
    const Caso casi[] = {
        {8, 42},    // 41.59
        {10, 52},   // 51.99
        {12, 62},   // 62.39: between 24 and 125
        {31, 161},  // eta still 1 below 32 mm
        {32, 166},  // eta = 1 at 32 mm: 166.37
        {33, 173},  // eta = 0.99
        {40, 226},  // eta = 0.92: 226.05 (208 with eta 1)
        {0, 0},
        {-6, 0},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(LunghezzaSovrapposizione(imp, c.diametro, 0), c.attesa) << c.diametro << " mm";
}

TEST(LunghezzaSovrapposizione, LimitiInDiametri) {
    struct Caso {
        int minimo;
        int massimo;
        double fctm;
        int attesa;
    };
    const Caso casi[] = {
        {60, 104, 25.6, 72},   // 12 x 60 / 10 raises 62 to 72
        {20, 30, 25.6, 36},    // 12 x 30 / 10 lowers 62 to 36
        {80, 50, 25.6, 60},    // crossed limits: the upper one wins
        {20, 104, 5.0, 125},   // weak concrete: 319 lowered to 124.8, rounded
        {20, 104, 0.0, 125},   // no bond at all: the upper limit, not a crash
        {20, 0, 25.6, 0},      // "L Max." of 0: no lap, not a negative one
        {20, -5, 25.6, 0},     // a negative upper clamp would give -6
    };
    for (const Caso& c : casi) {
        Impostazioni imp;
        imp.SovrappMin = c.minimo;
        imp.SovrappMax = c.massimo;
        imp.Calcestruzzo.Fctm = c.fctm;
        EXPECT_EQ(LunghezzaSovrapposizione(imp, 12, 0), c.attesa)
            << c.minimo << " " << c.massimo << " " << c.fctm;
    }
}

TEST(LunghezzaSovrapposizione, SeguonoIMaterialiCorrenti) {
    Impostazioni imp;
    imp.Acciaio.Fyk = 2150.0;  // FeB 22k: half the yield strength, about half the length
    EXPECT_EQ(LunghezzaSovrapposizione(imp, 16, 0), 40);  // 39.74
}
