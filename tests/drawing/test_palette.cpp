#include "drawing/Palette.h"
#include "model/Impostazioni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

ComponentiRgb Componenti(int aci) {
    ComponentiRgb rgb;
    ComponentiAci(aci, rgb);
    return rgb;
}

// Hue in degrees recovered from the components, independently of how they were made.
double TintaDi(const ComponentiRgb& c) {
    const double mx = std::max({c.R, c.G, c.B});
    const double mn = std::min({c.R, c.G, c.B});
    const double d = mx - mn;
    double h = 0.0;
    if (mx == c.R) h = 60.0 * (c.G - c.B) / d;
    else if (mx == c.G) h = 60.0 * ((c.B - c.R) / d + 2.0);
    else h = 60.0 * ((c.R - c.G) / d + 4.0);
    return h < 0.0 ? h + 360.0 : h;
}

}  // namespace

TEST(Palette, PrimiNoveEGrigi) {
    const struct { int aci, r, g, b; } casi[] = {
        {1, 255, 0, 0},     {2, 255, 255, 0},   {3, 0, 255, 0},     {4, 0, 255, 255},
        {5, 0, 0, 255},     {6, 255, 0, 255},   {7, 255, 255, 255}, {8, 128, 128, 128},
        {9, 192, 192, 192}, {250, 0, 0, 0},     {251, 51, 51, 51},  {252, 91, 91, 91},
        {253, 132, 132, 132}, {254, 173, 173, 173}, {255, 214, 214, 214},
    };
    for (const auto& c : casi) {
        const ComponentiRgb rgb = Componenti(c.aci);
        EXPECT_EQ(rgb.R, c.r) << c.aci;
        EXPECT_EQ(rgb.G, c.g) << c.aci;
        EXPECT_EQ(rgb.B, c.b) << c.aci;
    }
}

TEST(Palette, EsempiDellaRuota) {
    const struct { int aci, r, g, b; } casi[] = {
        {10, 255, 0, 0},   {11, 255, 127, 127}, {12, 204, 0, 0},    {20, 255, 63, 0},
        {21, 255, 159, 127}, {29, 76, 47, 38},  {141, 127, 223, 255},
        {18, 76, 0, 0},    {19, 76, 38, 38},    {90, 0, 255, 0},    {170, 0, 0, 255},
        {249, 76, 38, 47},
    };
    for (const auto& c : casi) {
        const ComponentiRgb rgb = Componenti(c.aci);
        EXPECT_EQ(rgb.R, c.r) << c.aci;
        EXPECT_EQ(rgb.G, c.g) << c.aci;
        EXPECT_EQ(rgb.B, c.b) << c.aci;
    }
}

// Every wheel entry checked against the rule through properties of its colour:
// the brightest component is the value, the dimmest the value less the chroma,
// and the hue is the one of its group of ten.
TEST(Palette, OgniVoceDellaRuotaSegueLaRegola) {
    const double valori[5] = {255, 204, 153, 127, 76};
    for (int n = 10; n <= 249; ++n) {
        const ComponentiRgb rgb = Componenti(n);
        const int k = n % 10;
        const double v = valori[k / 2];
        const double s = (k % 2 == 0) ? 1.0 : 0.5;
        EXPECT_EQ(std::max({rgb.R, rgb.G, rgb.B}), static_cast<int>(v)) << n;
        EXPECT_EQ(std::min({rgb.R, rgb.G, rgb.B}), static_cast<int>(v - v * s)) << n;
        const double attesa = (n / 10 - 1) * 15.0;
        double scarto = std::fabs(TintaDi(rgb) - attesa);
        scarto = std::min(scarto, 360.0 - scarto);
        EXPECT_LT(scarto, 2.0) << n;
    }
}

TEST(Palette, ColoreAciImpacchettaEFuoriTabellaNero) {
    EXPECT_EQ(ColoreAci(7), Rgb(255, 255, 255));
    EXPECT_EQ(ColoreAci(255), Rgb(214, 214, 214));
    EXPECT_EQ(ColoreAci(141), 127 + 256 * 223 + 65536 * 255);
    for (int aci : {0, -1, -300, 256, 1000}) EXPECT_EQ(ColoreAci(aci), 0) << aci;
}

TEST(Palette, ComponentiFuoriTabellaNonToccaIlRecord) {
    for (int aci : {0, -5, 256}) {
        ComponentiRgb rgb{10, 20, 30};
        ComponentiAci(aci, rgb);
        EXPECT_EQ(rgb.R, 10);
        EXPECT_EQ(rgb.G, 20);
        EXPECT_EQ(rgb.B, 30);
    }
}

TEST(Palette, SediciColori) {
    EXPECT_EQ(ColoreBase(11), Rgb(0, 255, 255));
    EXPECT_EQ(ColoreBase(13), Rgb(255, 0, 255));
    EXPECT_EQ(ColoreBase(14), Rgb(255, 255, 0));
    EXPECT_EQ(ColoreBase(15), Rgb(255, 255, 255));
    EXPECT_EQ(ColoreBase(0), 0);
    EXPECT_EQ(ColoreBase(16), 0);
    EXPECT_EQ(ColoreBase(-1), 0);
}
