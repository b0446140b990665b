#include "model/Angoli.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr double pi = 3.14159265358979323846;
}

struct CasoAngolo {
    float a;
    float atteso;
};

TEST(NormalizzaAngolo180, ReducesADirectionToHalfATurn) {
    const CasoAngolo casi[] = {
        {-30.0f, 150.0f}, {200.0f, 20.0f}, {180.0f, 0.0f},  {0.0f, 0.0f},    {90.0f, 90.0f},
        {360.0f, 0.0f},   {-180.0f, 0.0f}, {540.0f, 0.0f},  {179.5f, 179.5f}, {-359.0f, 1.0f},
        {45.5f, 45.5f},   {-90.0f, 90.0f},
    };
    for (const auto& c : casi) EXPECT_NEAR(NormalizzaAngolo180(c.a), c.atteso, 1e-4) << c.a;
}

TEST(NormalizzaAngolo180, StaysBelowHalfATurnForATinyNegativeAngle) {
    for (const float a : {-1e-7f, -1e-6f, -1e-12f}) {
        const float r = NormalizzaAngolo180(a);
        EXPECT_GE(r, 0.0f) << a;
        EXPECT_LT(r, 180.0f) << a;
    }
}

TEST(Angoli, DegreesAndRadians) {
    EXPECT_FLOAT_EQ(GradiRad(180.0f), static_cast<float>(pi));
    EXPECT_FLOAT_EQ(GradiRad(90.0f), static_cast<float>(pi / 2));
    EXPECT_FLOAT_EQ(RadGradi(static_cast<float>(pi)), 180.0f);
    EXPECT_EQ(GradiRad(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(RadGradi(GradiRad(37.5f)), 37.5f);
    EXPECT_FLOAT_EQ(GradiRad(-45.0f), static_cast<float>(-pi / 4));
}

TEST(RadSupplementare, TurnsAWallFileAngleIntoTheModelSense) {
    const CasoAngolo casi[] = {
        {90.0f, static_cast<float>(pi / 2)},
        {0.0f, static_cast<float>(pi)},
        {270.0f, static_cast<float>(3 * pi / 2)},
        {180.0f, 0.0f},
        {360.0f, static_cast<float>(pi)},
        {45.0f, static_cast<float>(3 * pi / 4)},
    };
    for (const auto& c : casi) EXPECT_NEAR(RadSupplementare(c.a), c.atteso, 1e-6) << c.a;
}
