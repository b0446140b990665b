#pragma once

// A slab level (horizontal band) or a transverse wall (vertical band).
struct SolaioParete {
    float Coordinata = 0.0f;  // slab level y, or wall abscissa x
    float Spessore1 = 0.0f;   // slab: above the level; wall: left of the abscissa
    float Spessore2 = 0.0f;   // slab: below the level; wall: right of the abscissa
    int LatoMeno = 0;
    int LatoPiu = 0;
    int ConStaffe = 0;
    int DiamStaffe = 0;
    float PassoStaffe = 0.0f;
    int DiamCorrenti = 0;
    float LarghezzaStaffe = 0.0f;
    float Rientro1 = 0.0f;
    float Rientro2 = 0.0f;

    bool operator==(const SolaioParete&) const = default;
};
