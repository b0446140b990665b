#include "design/MappaIntervalli.h"

#include "design/AccessoriStrato.h"
#include "model/Parete.h"

#include <algorithm>

namespace {

// Smallest and largest missing area of layer k, seeded with node 0.
IntervalloMappa EstremiCarenza(const Parete& parete, int k) {
    IntervalloMappa r{CarenzaNodo(parete, k, 0), CarenzaNodo(parete, k, 0)};
    for (int i = 1; i < parete.NumNodi; ++i) {
        const float m = CarenzaNodo(parete, k, i);
        if (m < r.Min) r.Min = m;
        if (m > r.Max) r.Max = m;
    }
    return r;
}

}  // namespace

IntervalloMappa IntervalloEccedenza(const Parete& parete, int k) {
    const IntervalloMappa carenza = EstremiCarenza(parete, k);
    // The excess is the missing area negated, so the ends swap; subtracting
    // from 0 keeps a nil end from showing as -0.
    return {0.0f - std::min(carenza.Max, 0.0f), 0.0f - std::min(carenza.Min, 0.0f)};
}

IntervalloMappa IntervalloCarenza(const Parete& parete, int k) {
    const IntervalloMappa carenza = EstremiCarenza(parete, k);
    return {std::max(carenza.Min, 0.0f), std::max(carenza.Max, 0.0f)};
}
