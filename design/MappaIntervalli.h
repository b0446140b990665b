#pragma once

struct Parete;

// A range of map values, cm2/m.
struct IntervalloMappa {
    float Min = 0.0f;
    float Max = 0.0f;

    bool operator==(const IntervalloMappa&) const = default;
};

// Default range of the excess map of layer k: Min the smallest excess (0 when
// any node lacks area), Max the largest (0 when no node has an excess).
[[nodiscard]] IntervalloMappa IntervalloEccedenza(const Parete& parete, int k);

// Range of the missing-area map of layer k: the smallest and largest missing
// area over the nodes, a negative end taken as 0.
[[nodiscard]] IntervalloMappa IntervalloCarenza(const Parete& parete, int k);
