#include "drawing/Palette.h"

#include "model/Impostazioni.h"

#include <array>
#include <cmath>

namespace {

// Indexes 1-9 and the grey ramp 250-255 stand outside the hue wheel.
constexpr std::array<ComponentiRgb, 9> ColoriPrincipali = {{{255, 0, 0},
                                                           {255, 255, 0},
                                                           {0, 255, 0},
                                                           {0, 255, 255},
                                                           {0, 0, 255},
                                                           {255, 0, 255},
                                                           {255, 255, 255},
                                                           {128, 128, 128},
                                                           {192, 192, 192}}};
constexpr std::array<int, 6> RampaGrigi = {0, 51, 91, 132, 173, 214};

// Indexes 10-249: 24 hues of 15 degrees, each in five values at full and half saturation.
ComponentiRgb ColoreRuota(int n) {
    constexpr std::array<double, 5> Valori = {255.0, 204.0, 153.0, 127.0, 76.0};
    const double tinta = (n / 10 - 1) * 15.0;
    const int k = n % 10;
    const double valore = Valori[k / 2];
    const double saturazione = (k % 2 == 0) ? 1.0 : 0.5;
    const double c = valore * saturazione;
    const double m = valore - c;
    const double x = c * (1.0 - std::fabs(std::fmod(tinta / 60.0, 2.0) - 1.0));
    double r = 0.0, g = 0.0, b = 0.0;
    switch (static_cast<int>(tinta / 60.0)) {
        case 0: r = c; g = x; break;
        case 1: r = x; g = c; break;
        case 2: g = c; b = x; break;
        case 3: g = x; b = c; break;
        case 4: r = x; b = c; break;
        default: r = c; b = x; break;
    }
    return {static_cast<int>(r + m), static_cast<int>(g + m), static_cast<int>(b + m)};
}

// The sixteen-colour palette of the screen, in its usual order.
constexpr std::array<int, 16> ColoriBase = {
    Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(0, 128, 0),     Rgb(0, 128, 128),
    Rgb(128, 0, 0),     Rgb(128, 0, 128),   Rgb(128, 128, 0),   Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 255),
    Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 255, 255)};

}  // namespace

void ComponentiAci(int aci, ComponentiRgb& rgb) {
    if (aci >= 1 && aci <= 9) {
        rgb = ColoriPrincipali[aci - 1];
    } else if (aci >= 10 && aci <= 249) {
        rgb = ColoreRuota(aci);
    } else if (aci >= 250 && aci <= 255) {
        const int grigio = RampaGrigi[aci - 250];
        rgb = {grigio, grigio, grigio};
    }
}

int ColoreAci(int aci) {
    ComponentiRgb rgb;
    ComponentiAci(aci, rgb);
    return Rgb(rgb.R, rgb.G, rgb.B);
}

int ColoreBase(int n) { return (n >= 0 && n < 16) ? ColoriBase[n] : 0; }
