#pragma once

#include "model/LimitiValori.h"

#include <limits>
#include <optional>
#include <string>

// One numeric field of a dialog, a grid or the perimeter editor: the range it
// accepts and how its file keeps it. A field stores what its file will write,
// so that the wall saved and reopened is the wall the engineer saw checked.
struct CampoNumerico {
    float Minimo = 0.0f;  // both limits included
    float Massimo = LunghezzaMassima;
    int Decimali = 0;     // the decimals its file keeps, or SenzaFile
    bool Intero = false;  // a whole number of a 16-bit field, halves to even

    bool operator==(const CampoNumerico&) const = default;
};

// Decimali of a value that no file keeps: it is stored as typed.
inline constexpr int SenzaFile = -1;

// A side of a field that its Part leaves open.
inline constexpr float SenzaLimite = std::numeric_limits<float>::infinity();

// A length, width or spacing, cm.
[[nodiscard]] constexpr CampoNumerico CampoLunghezza(int decimali, float minimo = 0.0f,
                                                     float massimo = LunghezzaMassima) {
    return {.Minimo = minimo, .Massimo = massimo, .Decimali = decimali};
}

// A coordinate relative to the wall's origin, cm.
[[nodiscard]] constexpr CampoNumerico CampoCoordinata(int decimali) {
    return {.Minimo = -CoordinataMassima, .Massimo = CoordinataMassima, .Decimali = decimali};
}

// A whole number (a diameter in mm, a multiple, a grid step). Without a
// massimo of its own it takes any value that rounds into its 16-bit field.
[[nodiscard]] constexpr CampoNumerico CampoIntero(float minimo,
                                                  float massimo = SenzaLimite) {
    return {.Minimo = minimo, .Massimo = massimo, .Intero = true};
}

// What the field stores of a typed number: the number as its file writes it,
// when both the number typed and the one stored lie within the limits;
// nothing otherwise (a value past the range, or one that its written form
// would push out, as a spacing written as 0).
[[nodiscard]] std::optional<float> ValoreCampo(const CampoNumerico& campo, float digitato);

// The refusal of a coordinate beyond the range, for the windows that say why.
[[nodiscard]] std::string MessaggioFuoriCampo();
