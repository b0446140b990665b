#pragma once

#include <array>
#include <span>
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

// Room for the triangles a clipped map triangle is drawn as: a
// triangle has three edges, each giving at most its first corner and two
// crossings, so the clipped polygon has at most nine points and its fan
// seven triangles.
struct VentaglioMappa {
    std::array<TriangoloMappa, 7> T{};
    int N = 0;

    [[nodiscard]] std::span<const TriangoloMappa> Triangoli() const {
        return {T.data(), static_cast<std::size_t>(N)};
    }
};

// The triangle clipped to the values vmin-vmax (vmin <= vmax), as triangles
// to draw: none when every corner lies below or every corner above; the
// triangle itself when none lies outside; otherwise the fan from point 0 of
// the clipped polygon, (0, 2, 3), (0, 3, 4), ... and last (0, 1, 2). A
// clipped polygon of fewer than three points gives nothing. The triangles
// are written into ventaglio, which one map reuses for every triangle of
// the wall.
[[nodiscard]] std::span<const TriangoloMappa> VentaglioAllIntervallo(const TriangoloMappa& angoli,
                                                                     float vmin, float vmax,
                                                                     VentaglioMappa& ventaglio);

// The same triangles in a list.
[[nodiscard]] std::vector<TriangoloMappa> RitagliaAllIntervallo(const TriangoloMappa& angoli,
                                                                float vmin, float vmax);
