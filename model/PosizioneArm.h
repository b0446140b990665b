#pragma once

#include "model/Punto.h"

#include <array>

// Position kinds stored in PosizioneArm::Tipo.
enum TipoPosizione : int {
    IntegrativaPiu = 0,   // additional bars, "lato +"
    IntegrativaMeno = 1,  // additional bars, "lato -"
    Cordolo = 2,          // ring beam; 3 and above are shear reinforcement
};

// One numbered position ("Pos."): an additional-reinforcement zone, a ring beam
// or shear reinforcement. Shown numbers are the index in the list plus 1.
struct PosizioneArm {
    float XMin = 0.0f, YMin = 0.0f, XMax = 0.0f, YMax = 0.0f;
    std::array<Punto, 4> Vertici{};
    int Diametro = 0;
    int DiamCorrenti = 0;
    float Passo = 0.0f;
    int Direzione = 0;  // 0 bars of direction 1, 1 bars of direction 2
    int Tipo = 0;
    float Angolo = 0.0f;
    std::array<float, 4> Richiamo{};
    float XEtichetta = 0.0f, YEtichetta = 0.0f;
    int NumBracci = 0;
    float Larghezza = 0.0f;
    int LatoPerimetro = 0;
    int PoligonoLato = 0;  // -1 the outer perimeter, k >= 0 opening k
    float LungTotale = 0.0f;
    int UltVerticeZona = 0;
    std::array<Punto, 4> EstDir{};
    float XBaricentro = 0.0f, YBaricentro = 0.0f;
    float CopriferroCordolo = 0.0f;

    bool operator==(const PosizioneArm&) const = default;
};

// Rows of the zone-polygon table: positions 0 to 200.
constexpr int MaxPosizioniZona = 201;
