#pragma once

#include "model/Parete.h"
#include "model/Punto.h"

#include <algorithm>
#include <limits>

// How far a sweep of bars, stirrups or markers may run: over the wall's own
// extent, the outline that the wall file gives, and a margin around it. A
// perimeter, a zone or a side that reaches further (a vertex typed or read
// far off) lays nothing of the wall out there, so a sweep never runs more
// lines than a wall of the outline's size has, wherever such a vertex lies.

// Reinforcement may follow an edited perimeter this far beyond the outline, cm.
inline constexpr float MargineOltreContorno = 1000.0f;

// A stretch of a sweep's axis.
struct TrattoScansione {
    float Min = 0.0f;
    float Max = 0.0f;
};

inline constexpr TrattoScansione TrattoIllimitato{-std::numeric_limits<float>::infinity(),
                                                  std::numeric_limits<float>::infinity()};

// The outline's extent along the axis that asse(Punto) -> float measures (a
// linear frame: the bar frame of a direction, the axis of a side), widened by
// MargineOltreContorno. Without an outline the stretch is unbounded.
template <typename Asse>
[[nodiscard]] TrattoScansione TrattoParete(const Parete& parete, Asse&& asse) {
    const int n = std::min(parete.NumPuntiContorno, static_cast<int>(parete.Contorno.size()));
    if (n <= 0) return TrattoIllimitato;
    TrattoScansione t{asse(parete.Contorno[0]), asse(parete.Contorno[0])};
    for (int i = 1; i < n; ++i) {
        const float v = asse(parete.Contorno[i]);
        t.Min = std::min(t.Min, v);
        t.Max = std::max(t.Max, v);
    }
    return {t.Min - MargineOltreContorno, t.Max + MargineOltreContorno};
}

// TrattoParete across the scan lines of the bar frame of a direction
// (RuotaInDirezione: 0 direction 1, any other value direction 2).
[[nodiscard]] TrattoScansione TrattoDirezione(const Parete& parete, int direzione);

// The first line of the sweep inizio, inizio + passo, ... that is not below
// minimo: inizio itself when it is not, so a sweep inside the stretch keeps
// its lines exactly.
[[nodiscard]] float PrimaLineaNelTratto(float inizio, float passo, float minimo);
