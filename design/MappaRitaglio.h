#pragma once

#include <array>
#include <vector>

// A corner of a map triangle: position in cm and the value there, cm2/m.
struct AngoloMappa {
    double X = 0.0;
    double Y = 0.0;
    float Valore = 0.0f;

    bool operator==(const AngoloMappa&) const = default;
};

using TriangoloMappa = std::array<AngoloMappa, 3>;

// Distance from the end of value zj to where a value varying linearly from zj
// to zi along a segment of length l reaches livello: (livello - zj) x l /
// (zi - zj); l + 1 (beyond the segment) when zi - zj is 0 in float.
[[nodiscard]] float DistanzaLivello(float zi, float zj, float livello, float l);

// Coordinate of the point at distance t from the end ci of a segment of
// length l towards cj; ci itself for a segment of length 0.
[[nodiscard]] float InterpolaCoord(double ci, double cj, float l, float t);

// The triangle clipped to the values vmin-vmax (vmin <= vmax), as triangles
// to draw: none when every corner lies below or every corner above; the
// triangle itself when none lies outside; otherwise the fan from point 0 of
// the clipped polygon, (0, 2, 3), (0, 3, 4), ... and last (0, 1, 2). A
// clipped polygon of fewer than three points gives nothing.
[[nodiscard]] std::vector<TriangoloMappa> RitagliaAllIntervallo(const TriangoloMappa& angoli,
                                                                float vmin, float vmax);
